#include "engine/number_bases.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace zentra {

std::int64_t truncateToInt64(double value) {
    // 2^63 is exactly representable; anything at or beyond it has no int64.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= kLimit || value < -kLimit) return 0;
    return static_cast<std::int64_t>(value);
}

std::int32_t wordOf(double value) {
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(truncateToInt64(value)));
    return static_cast<std::int32_t>(low);
}

namespace {

std::string unsignedText(std::uint32_t word, int radix) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[word % static_cast<std::uint32_t>(radix)]);
        word /= static_cast<std::uint32_t>(radix);
    } while (word != 0);
    return text;
}

// "%-*X" / "%-*o": left-justified, padded with blanks to the width. A width from
// a damaged state file is held to what a display can show.
std::string padded(std::string text, int width) {
    const std::size_t w =
        static_cast<std::size_t>(std::min(std::abs(static_cast<long>(width)), 25L));
    if (text.size() < w) text.append(w - text.size(), ' ');
    return text;
}

bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

}  // namespace

std::optional<std::string> formatWordText(double value, NumberBase base, int digits) {
    const auto word = static_cast<std::uint32_t>(wordOf(value));
    switch (base) {
        case NumberBase::Hexadecimal:
            return padded(unsignedText(word, 16), digits);
        case NumberBase::Octal:
            return padded(unsignedText(word, 8), digits);
        case NumberBase::Binary: {
            const std::string octal = padded(unsignedText(word, 8), digits);
            static constexpr const char* kGroups[] = {"000", "001", "010", "011",
                                                      "100", "101", "110", "111"};
            std::string bits;
            std::size_t i = 0;
            for (; i < 7 && i < octal.size() && isOctalDigit(octal[i]); ++i)
                bits += kGroups[octal[i] - '0'];
            if (i == 7) return std::nullopt;  // seven octal digits: more than 18 bits
            return bits;
        }
        default:
            return std::nullopt;
    }
}

double parseWordText(std::string_view text, NumberBase base) {
    if (base == NumberBase::Binary) {
        double value = 0.0;
        for (char c : text) {
            if (c != '0' && c != '1') break;
            value = value * 2.0 + (c - '0');
        }
        return value;
    }
    // scanf "%o" / "%x" into a signed 32-bit word: blanks, a sign, digits; the
    // value wraps to 32 bits as the conversion's unsigned result does.
    const int radix = base == NumberBase::Octal ? 8 : 16;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (radix == 16 && i + 1 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2])))
        i += 2;
    std::uint32_t word = 0;
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        if (digit >= radix) break;
        word = word * static_cast<std::uint32_t>(radix) + static_cast<std::uint32_t>(digit);
    }
    if (negative) word = 0u - word;
    return static_cast<double>(static_cast<std::int32_t>(word));
}

}  // namespace zentra
