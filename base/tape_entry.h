#pragma once
// One step of a calculation on the tape. Texts are UTF-8: values as the
// display showed them (the degree byte 0xBA already turned into "º"), keys by
// the words of their captions, never glyph bytes.

#include <cstdint>
#include <string>

namespace zentra {

// The numbers are written to the tape file.
enum class TapeKind : int {
    Operation = 0,     // an operand and the operator key that took it: "2 +"
    Result = 1,        // what "=" showed
    Function = 2,      // a one-operand function: argument, key, result
    MemoryStore = 3,   // Min or M+: the value and the register in detail
    DataPoint = 4,     // a statistics data point or a cash flow
    Conversion = 5,    // a unit conversion or a constant: the names in detail
    Error = 6,         // the error text the display showed
    Separator = 7,     // AC
    MemoryRecall = 8,  // MR: the register in detail and the value it showed
    Setting = 9,       // a change that gives what follows another meaning: "Mode: Octal"
};

struct TapeEntry {
    TapeKind kind = TapeKind::Separator;
    std::string value;   // the operand, argument, stored value or error text
    std::string key;     // the key's caption in words
    std::string result;  // a function's or conversion's result
    std::string detail;  // the register, the count, or the unit and constant names
    // When the step was made, in microseconds since 1970 (UTC): runs that share
    // a tape file merge their steps by it. 0 in a file from before times were kept.
    std::int64_t time = 0;

    friend bool operator==(const TapeEntry&, const TapeEntry&) = default;
};

}  // namespace zentra
