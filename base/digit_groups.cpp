#include "base/digit_groups.h"

namespace zentra {
namespace {

bool isDecimalMode(NumberBase base) {
    return base != NumberBase::Binary && base != NumberBase::Octal &&
           base != NumberBase::Hexadecimal;
}

bool isDigitOf(char c, NumberBase base) {
    switch (base) {
        case NumberBase::Binary:
            return c == '0' || c == '1';
        case NumberBase::Octal:
            return c >= '0' && c <= '7';
        case NumberBase::Hexadecimal:
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        case NumberBase::Decimal:
        case NumberBase::Statistics:
        case NumberBase::Financial:
            return c >= '0' && c <= '9';
    }
    return c >= '0' && c <= '9';
}

}  // namespace

std::size_t digitGroupSize(NumberBase base) {
    return base == NumberBase::Binary || base == NumberBase::Hexadecimal ? 4 : 3;
}

std::vector<std::size_t> digitGroupBreaks(std::string_view text, NumberBase base) {
    std::vector<std::size_t> breaks;
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return breaks;
    if (text[start] == '-' || text[start] == '+') ++start;
    std::size_t end = start;
    while (end < text.size() && isDigitOf(text[end], base)) ++end;
    // The integer bases pad their text with blanks after the digits.
    const bool padded = text.find_first_not_of(' ', end) == std::string_view::npos;
    if (!padded) {
        const char next = text[end];
        const bool endsNumber = isDecimalMode(base) && (next == '.' || next == 'E' || next == 'e');
        if (!endsNumber) return breaks;
    }
    const std::size_t group = digitGroupSize(base);
    const std::size_t digits = end - start;
    for (std::size_t first = digits % group == 0 ? group : digits % group; first < digits;
         first += group)
        breaks.push_back(start + first);
    return breaks;
}

std::string groupedDigits(std::string_view text, NumberBase base, std::string_view separator) {
    const std::vector<std::size_t> breaks = digitGroupBreaks(text, base);
    if (breaks.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size() + breaks.size() * separator.size());
    std::size_t from = 0;
    for (const std::size_t at : breaks) {
        out.append(text.substr(from, at - from));
        out.append(separator);
        from = at;
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace zentra
