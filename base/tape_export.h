#pragma once
// The tape written out for other programs: the lines as on the paper, or CSV
// for a spreadsheet. Both hosts write the same bytes.

#include <optional>
#include <string>
#include <string_view>

#include "base/tape.h"

namespace zentra {

enum class TapeFormat { Text, Csv };

// "text" or "csv"; nothing for any other name.
std::optional<TapeFormat> tapeFormatNamed(std::string_view name);

// UTF-8 CSV after RFC 4180: a header row, then one row per entry with its
// kind and its texts in separate columns, and the entry's line last; a field
// holding a comma, a quote or a line break is quoted, its quotes doubled;
// rows end in CR LF. Values are as the display wrote them, without the padding
// blanks of the integer bases. A tape that lost its oldest entries starts with
// a "dropped" row.
std::string tapeCsv(const Tape& tape);

// The whole tape in the format: tapeText or tapeCsv.
std::string tapeIn(const Tape& tape, TapeFormat format);

}  // namespace zentra
