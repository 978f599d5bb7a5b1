#pragma once
// Binary, Octal and Hexadecimal: values stay doubles everywhere; only the
// display shows and reads them as 32-bit two's-complement words.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator_state.h"

namespace zentra {

constexpr bool isIntegerBase(NumberBase base) {
    return base == NumberBase::Binary || base == NumberBase::Octal ||
           base == NumberBase::Hexadecimal;
}

// The engine's one truncation of a double to an integer: toward zero to 64 bits.
// Values that have no 64-bit integer (not a number, infinite, out of range) give
// 0, which is what the original platform's conversion leaves in the low 32 bits.
std::int64_t truncateToInt64(double value);

// The word rule: truncate toward zero to 64 bits and keep the low 32, signed.
std::int32_t wordOf(double value);

// The display text of a value in an integer base, padded with blanks to the
// digits width ("%-*X", "%-*o", Binary through its octal groups). Nothing when
// the value cannot be shown (Binary beyond 18 bits or negative).
std::optional<std::string> formatWordText(double value, NumberBase base, int digits);

// Reads display text in an integer base: Binary as bits up to the first other
// character, Octal and Hexadecimal scanf-style into a signed 32-bit word.
double parseWordText(std::string_view text, NumberBase base);

}  // namespace zentra
