#include "base/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace zentra {
namespace {

// A double has at most 767 significant decimal digits and its fixed form at most
// 309 integer digits, so this precision prints every digit it holds.
constexpr int kPrecisionLimit = 1100;

std::string toChars(double value, std::chars_format fmt, int precision) {
    std::vector<char> buf(static_cast<std::size_t>(precision) + 400);
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, fmt, precision);
    if (res.ec != std::errc()) return {};
    return std::string(buf.data(), res.ptr);
}

// "1.5e+05" -> exponent position; widens the exponent to three digits and
// applies the case of the conversion.
std::string widenExponent(std::string text, bool upper) {
    auto e = text.find_first_of("eE");
    if (e == std::string::npos) return text;
    text[e] = upper ? 'E' : 'e';
    std::size_t digitsAt = e + 1;
    if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) ++digitsAt;
    std::size_t count = text.size() - digitsAt;
    if (count < 3) text.insert(digitsAt, 3 - count, '0');
    return text;
}

// The "#" flag: a point even when no digits follow it.
std::string ensurePoint(std::string text) {
    if (text.find('.') != std::string::npos) return text;
    auto e = text.find_first_of("eE");
    if (e == std::string::npos) return text + '.';
    text.insert(e, 1, '.');
    return text;
}

// Without "#", %g drops trailing zeros and a bare point.
std::string stripZeros(std::string text) {
    auto e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

int exponentOf(const std::string& scientific) {
    auto e = scientific.find_first_of("eE");
    if (e == std::string::npos) return 0;
    int sign = 1;
    std::size_t i = e + 1;
    if (i < scientific.size() && (scientific[i] == '+' || scientific[i] == '-')) {
        sign = scientific[i] == '-' ? -1 : 1;
        ++i;
    }
    int value = 0;
    for (; i < scientific.size(); ++i) value = value * 10 + (scientific[i] - '0');
    return sign * value;
}

}  // namespace

std::string formatDouble(double value, char conv, int precision, bool alternate) {
    const bool upper = std::isupper(static_cast<unsigned char>(conv)) != 0;
    if (precision < 0) precision = 6;
    precision = std::min(precision, kPrecisionLimit);
    if (std::isnan(value))
        return std::string(std::signbit(value) ? "-" : "") + (upper ? "NAN" : "nan");
    if (std::isinf(value)) return std::string(value < 0 ? "-" : "") + (upper ? "INF" : "inf");

    std::string text;
    switch (std::tolower(static_cast<unsigned char>(conv))) {
        case 'f':
            text = toChars(value, std::chars_format::fixed, precision);
            break;
        case 'e':
            text = toChars(value, std::chars_format::scientific, precision);
            break;
        default: {  // 'g'
            const int p = precision == 0 ? 1 : precision;
            std::string sci = toChars(value, std::chars_format::scientific, p - 1);
            const int x = exponentOf(sci);
            if (p > x && x >= -4) {
                text = toChars(value, std::chars_format::fixed, p - 1 - x);
            } else {
                text = sci;
            }
            if (!alternate) text = stripZeros(text);
            break;
        }
    }
    if (alternate) text = ensurePoint(text);
    return widenExponent(text, upper);
}

std::string formatShortestDouble(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string formatRecordDouble(double value) {
    std::string text = formatDouble(value, 'e', 15);
    if (!std::isfinite(value) || parseDecimalPrefix(text) == value) return text;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    return widenExponent(std::string(buf, res.ptr), false);
}

std::string formatStoredDouble(double value) {
    return formatDouble(value, 'G', 18, true);
}

double parseDecimalPrefix(std::string_view text, std::size_t* consumed) {
    if (consumed) *consumed = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto isDigit = [&](std::size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const std::size_t start = i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t intDigits = 0, fracDigits = 0;
    while (isDigit(i)) ++i, ++intDigits;
    if (i < n && text[i] == '.') {
        std::size_t j = i + 1;
        while (isDigit(j)) ++j, ++fracDigits;
        if (intDigits > 0 || fracDigits > 0) i = j;
    }
    if (intDigits == 0 && fracDigits == 0) return 0.0;
    const std::size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (isDigit(j)) {
            while (isDigit(j)) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }
    if (consumed) *consumed = i;

    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + i;
    auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Estimate the decimal magnitude to tell overflow from underflow.
        long long magnitude = exponent;
        std::size_t k = mantissaStart;
        std::size_t leadingInt = 0;
        while (k < mantissaEnd && text[k] == '0') ++k;
        while (k < mantissaEnd && text[k] != '.') ++k, ++leadingInt;
        if (leadingInt > 0) {
            magnitude += static_cast<long long>(leadingInt);
        } else {
            std::size_t p = text.find('.', mantissaStart);
            long long zeros = 0;
            for (std::size_t q = p + 1; q < mantissaEnd && text[q] == '0'; ++q) ++zeros;
            magnitude -= zeros;
        }
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0.0;
    }
    (void)start;
    return negative ? -value : value;
}

double parseStoredDouble(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const char lead = i < text.size()
                          ? static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])))
                          : '\0';
    if (lead != 'i' && lead != 'n') return parseDecimalPrefix(text);
    // from_chars takes "inf", "infinity", "nan" and "nan(chars)" in any case;
    // the sign is put on here, so that a NaN keeps it too.
    double value = 0.0;
    const auto res = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                     std::chars_format::general);
    if (res.ec != std::errc()) return 0.0;
    return std::copysign(value, negative ? -1.0 : 1.0);
}

}  // namespace zentra
