#pragma once
// Where a drawn number gets a thin space between its groups of digits. Only
// the display and the tape window draw the separators; the text itself (what
// the engine reads, copies, files and zentra-cli print) never holds one.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_modes.h"

namespace zentra {

// What the hosts draw between groups: U+2009 THIN SPACE, in UTF-8.
inline constexpr std::string_view kGroupSeparator = "\u2009";

// Digits left of the point in one group: three in the decimal modes and in
// octal (three octal digits are nine bits, as octal is usually read), four in
// binary and hexadecimal (a nibble, two nibbles a byte).
std::size_t digitGroupSize(NumberBase base);

// The offsets into text before which a separator goes, in ascending order.
// Only a number's integer digits are grouped: after optional blanks and a
// sign, a run of the base's digits that ends the text (or its padding blanks) or, in the decimal
// modes, is followed by the point or the exponent mark. Any other text (an
// error, a degrees-minutes-seconds angle, letters) gets none.
std::vector<std::size_t> digitGroupBreaks(std::string_view text, NumberBase base);

// text with separator put in at every break.
std::string groupedDigits(std::string_view text, NumberBase base, std::string_view separator);

}  // namespace zentra
