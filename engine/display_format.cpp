#include "engine/display_format.h"

#include <cmath>
#include <optional>

#include "base/display_errors.h"
#include "base/number_text.h"
#include "engine/number_bases.h"

namespace zentra {
namespace {

// The text for a value in the current base, or the error text it becomes.
struct Formatted {
    std::string text;
    std::optional<std::string_view> error;
};

Formatted formatForState(const CalculatorState& state, double value) {
    if (isIntegerBase(state.numberBase)) {
        auto text = formatWordText(value, state.numberBase, state.digits);
        if (!text) return {{}, kOverflowErrorText};
        return {*text, std::nullopt};
    }
    if (std::isinf(value)) return {{}, kOverflowErrorText};
    if (std::isnan(value)) return {{}, kErrorText};
    return {formatDecimalText(value, state.displayType, state.digits), std::nullopt};
}

}  // namespace

std::string readDisplayText(CalculatorView& view) {
    std::string text = view.getDisplayText();
    if (text.size() > kDisplayReadLimit) text.resize(kDisplayReadLimit);
    // The engine's buffer ends at the first NUL, as a C string would.
    if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
}

std::string formatDecimalText(double value, DisplayType type, int digits) {
    std::string text;
    switch (type) {
        case DisplayType::Fixed:
            text = formatDouble(value, 'f', digits);
            break;
        case DisplayType::Scientific:
            text = formatDouble(value, 'E', digits);
            break;
        case DisplayType::Financial:
            text = formatDouble(value, 'f', 2);
            break;
        case DisplayType::Normal:
        default:
            text = formatDouble(value, 'G', digits);
            break;
    }
    if (text.size() > kFormattedLimit) text = formatDouble(value, 'E', 14);
    return text;
}

std::string valueText(const CalculatorState& state, double value) {
    Formatted f = formatForState(state, value);
    return f.error ? std::string(*f.error) : f.text;
}

void showValue(CalculatorState& state, CalculatorView& view, double value) {
    if (state.calcStatus == CalcStatus::Error) return;
    Formatted f = formatForState(state, value);
    if (f.error) {
        showError(state, view, *f.error);
        return;
    }
    view.setDisplayText(f.text);
    state.calcStatus = CalcStatus::Ready;
}

void showError(CalculatorState& state, CalculatorView& view, std::string_view text) {
    state.calcStatus = CalcStatus::Error;
    view.setDisplayText(text);
    state.accum = 0.0;
    state.hyp = false;
    state.shift = false;
    state.pendingOperator = OperatorCode::OpEquals;
    markCaptions(state, CaptionChange::Latches);
}

double readDisplayValue(CalculatorState& state, CalculatorView& view) {
    return parseDisplayText(state, readDisplayText(view));
}

double parseDisplayText(const CalculatorState& state, std::string_view text) {
    if (isIntegerBase(state.numberBase)) return parseWordText(text, state.numberBase);
    return parseDecimalPrefix(text);
}

}  // namespace zentra
