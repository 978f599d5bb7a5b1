#pragma once
// Key identifiers shared by the keypad layout, the keyboard table and the engine.
// Each key's control identifier is its command identifier.

#include <cstdint>

namespace zentra {

enum class CommandId : int {
    Cmd0 = 48,
    Cmd1 = 49,
    Cmd2 = 50,
    Cmd3 = 51,
    Cmd4 = 52,
    Cmd5 = 53,
    Cmd6 = 54,
    Cmd7 = 55,
    Cmd8 = 56,
    Cmd9 = 57,
    CmdPoint = 46,
    CmdExp = 110,
    CmdChangeSign = 95,
    CmdBackspace = 7,
    CmdAdd = 43,
    CmdSubtract = 45,
    CmdMultiply = 42,
    CmdDivide = 47,
    CmdPow = 15,
    CmdEquals = 61,
    CmdOpenBracket = 6,
    CmdCloseBracket = 5,
    CmdClear = 67,
    CmdAllClear = 111,
    CmdShift = 112,
    CmdSin = 11,
    CmdCos = 10,
    CmdTan = 9,
    CmdHyp = 12,
    CmdDeg = 13,
    CmdLn = 16,
    CmdLog = 17,
    CmdSqr = 18,
    CmdSqrt = 19,
    CmdReciprocal = 20,
    CmdMemoryRecall = 3,
    CmdMemoryIn = 4,
    CmdMemoryAdd = 109,
    CmdUnit = 2798,
    CmdConst = 1129,
    CmdMode = 116,
    CmdCopy = 150,
    CmdPaste = 151,
    CmdHelp = 57669,
    CmdPercent = 37,
};

// A host's full command word: the identifier in the low 16 bits, and in the
// high 16 bits 0 for a key click or 1 for the keyboard accelerator table.
inline constexpr std::uint32_t kAcceleratorFlag = 1u << 16;

constexpr std::uint32_t commandWord(CommandId id, bool fromAccelerator = false) {
    return static_cast<std::uint32_t>(id) | (fromAccelerator ? kAcceleratorFlag : 0u);
}

constexpr CommandId commandOf(std::uint32_t word) {
    return static_cast<CommandId>(word & 0xFFFFu);
}

}  // namespace zentra
