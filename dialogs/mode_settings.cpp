#include "dialogs/mode_settings.h"

#include <climits>

#include "base/message_texts.h"

namespace zentra {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::optional<ModeFieldProblem> checkRange(const std::string& text, int low, int high,
                                           ModeField field, int& out) {
    const std::optional<int> value = parseIntegerField(text);
    if (!value) return ModeFieldProblem{field, kEnterIntegerText};
    if (*value < low || *value > high) return ModeFieldProblem{field, integerRangeText(low, high)};
    out = *value;
    return std::nullopt;
}

}  // namespace

std::string integerRangeText(int low, int high) {
    return std::string(kIntegerBetweenText) + std::to_string(low) + std::string(kIntegerAndText) +
           std::to_string(high) + ".";
}

std::optional<int> parseIntegerField(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    long long magnitude = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < n && isBlank(text[i])) ++i;
    if (i != n) return std::nullopt;
    if (negative) magnitude = -magnitude;
    if (magnitude > INT_MAX) return INT_MAX;
    if (magnitude < INT_MIN) return INT_MIN;
    return static_cast<int>(magnitude);
}

std::optional<ModeFieldProblem> validateModeSettings(ModeSettings& settings) {
    int digits = 0;
    int apoTime = 0;
    if (auto problem =
            checkRange(settings.digitsText, kDigitsMin, kDigitsMax, ModeField::Digits, digits))
        return problem;
    if (auto problem =
            checkRange(settings.apoTimeText, kApoTimeMin, kApoTimeMax, ModeField::ApoTime, apoTime))
        return problem;
    settings.digits = digits;
    settings.apoTime = apoTime;
    return std::nullopt;
}

}  // namespace zentra
