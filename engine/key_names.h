#pragma once
// Key names and typed numbers as zentra-cli and the test scripts spell them.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/calculator_state.h"
#include "engine/command_id.h"

namespace zentra {

// The names of the key table's rows: "0".."9", ".", "EXP", "+/-", "<", "+",
// "-", "X" or "*", "/", "Pow", "=", "(" or "(...", ")" or "...)", "C", "AC",
// "shift", "1/X", "sqrt", "sqr", "log", "ln", "const", "deg", "hyp", "sin",
// "cos", "tan", "Min", "MR", "M+", "unit", "mode", "copy", "paste", "Help",
// "%". Case-sensitive.
std::optional<CommandId> keyByName(std::string_view name);
// Every name keyByName knows, aliases included, in the key table's order: the
// manual page and the shell completion are made from it.
std::vector<std::string_view> keyNames();

// The keys that type a number token character by character: digits and ".",
// "E" (the exponent key) in the decimal modes, "A"-"F" (const, deg, hyp, sin,
// cos, tan) in Hexadecimal. Nothing when the token is not such a number.
std::optional<std::vector<CommandId>> keysOfNumber(std::string_view token, NumberBase base);

// The full command words one token presses: a key name, "#N" (the command word
// N in decimal, up to 32 bits), or a number typed key by key. Nothing for any
// other token.
std::optional<std::vector<std::uint32_t>> commandWordsOfToken(std::string_view token,
                                                              NumberBase base);

}  // namespace zentra
