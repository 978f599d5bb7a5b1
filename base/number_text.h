#pragma once
// The one place where Zentra turns doubles into text and text into doubles.
// Independent of the user's locale (std::to_chars / std::from_chars never look
// at it), and printing exponents as the original platform did: "E", a sign and
// at least three digits (1.234567890E+011).

#include <cstddef>
#include <string>
#include <string_view>

namespace zentra {

// printf-style conversion of one double. conv is one of 'f', 'e', 'E', 'g', 'G';
// alternate is the "#" flag (keep the point and trailing zeros). A negative
// precision means 6, as in printf. Precisions beyond what a double can carry
// are limited, so the text stays bounded (it is then longer than any display).
std::string formatDouble(double value, char conv, int precision, bool alternate = true);

// The shortest decimal text that reads back as exactly value ("2", "1e-05",
// "0.30000000000000004"), or "inf", "-inf", "nan".
std::string formatShortestDouble(double value);

// The properties files' text form of a double: "%.15e" with three-digit
// exponents where that reads back as exactly value, else the shortest digits
// that do (17 significant at most) in the same form, so that no stored value
// changes on its way through a file and files written before stay as they were.
std::string formatRecordDouble(double value);

// The settings store's text form of a double: "%#.18G" with three-digit exponents.
std::string formatStoredDouble(double value);

// Reads the longest prefix of text that forms a decimal number, after leading
// white space: optional sign, digits, optional point and digits, optional
// exponent ("E" or "e", optional sign, digits). No such prefix gives 0.
// Magnitudes beyond a double give an infinity, tiny ones zero. *consumed, when
// given, receives the number of characters used (0 when there was no number).
double parseDecimalPrefix(std::string_view text, std::size_t* consumed = nullptr);

// Reads a double of the settings store: what parseDecimalPrefix reads, and
// also an infinity or NaN ("INF", "-INF", "NAN", "-NAN", "infinity", "nan(...)"
// in any case), so that every text formatStoredDouble writes reads back as the
// value it came from, sign included.
double parseStoredDouble(std::string_view text);

}  // namespace zentra
