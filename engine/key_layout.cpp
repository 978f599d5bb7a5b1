#include "engine/key_layout.h"

namespace zentra {

namespace {
constexpr int kSmallW = 16, kSmallH = 10, kLargeW = 19, kLargeH = 12;
using C = CommandId;
}  // namespace

const std::array<KeyPlace, kKeyCount> kKeypad = {{
    // Small keys, six columns.
    {C::CmdShift, "shift", 6, 23, kSmallW, kSmallH},
    {C::CmdCopy, "copy", 23, 23, kSmallW, kSmallH},
    {C::CmdPaste, "paste", 40, 23, kSmallW, kSmallH},
    {C::CmdUnit, "unit", 57, 23, kSmallW, kSmallH},
    {C::CmdMode, "mode", 74, 23, kSmallW, kSmallH},
    {C::CmdHelp, "Help", 91, 23, kSmallW, kSmallH},
    {C::CmdReciprocal, "1/X", 6, 34, kSmallW, kSmallH},
    {C::CmdSqrt, "sqrt", 23, 34, kSmallW, kSmallH},
    {C::CmdSqr, "sqr", 40, 34, kSmallW, kSmallH},
    {C::CmdLog, "log", 57, 34, kSmallW, kSmallH},
    {C::CmdLn, "ln", 74, 34, kSmallW, kSmallH},
    {C::CmdPow, "Pow", 91, 34, kSmallW, kSmallH},
    {C::CmdConst, "const", 6, 45, kSmallW, kSmallH},
    {C::CmdDeg, "deg", 23, 45, kSmallW, kSmallH},
    {C::CmdHyp, "hyp", 40, 45, kSmallW, kSmallH},
    {C::CmdSin, "sin", 57, 45, kSmallW, kSmallH},
    {C::CmdCos, "cos", 74, 45, kSmallW, kSmallH},
    {C::CmdTan, "tan", 91, 45, kSmallW, kSmallH},
    {C::CmdChangeSign, "+/-", 6, 56, kSmallW, kSmallH},
    {C::CmdBackspace, "<", 23, 56, kSmallW, kSmallH},
    {C::CmdOpenBracket, "(...", 40, 56, kSmallW, kSmallH},
    {C::CmdCloseBracket, "...)", 57, 56, kSmallW, kSmallH},
    {C::CmdMemoryIn, "Min", 74, 56, kSmallW, kSmallH},
    {C::CmdMemoryRecall, "MR", 91, 56, kSmallW, kSmallH},
    // Large keys, five columns.
    {C::Cmd7, "7", 7, 69, kLargeW, kLargeH},
    {C::Cmd8, "8", 27, 69, kLargeW, kLargeH},
    {C::Cmd9, "9", 47, 69, kLargeW, kLargeH},
    {C::CmdClear, "C", 67, 69, kLargeW, kLargeH},
    {C::CmdAllClear, "AC", 87, 69, kLargeW, kLargeH},
    {C::Cmd4, "4", 7, 83, kLargeW, kLargeH},
    {C::Cmd5, "5", 27, 83, kLargeW, kLargeH},
    {C::Cmd6, "6", 47, 83, kLargeW, kLargeH},
    {C::CmdMultiply, "X", 67, 83, kLargeW, kLargeH},
    {C::CmdDivide, "/", 87, 83, kLargeW, kLargeH},
    {C::Cmd1, "1", 7, 97, kLargeW, kLargeH},
    {C::Cmd2, "2", 27, 97, kLargeW, kLargeH},
    {C::Cmd3, "3", 47, 97, kLargeW, kLargeH},
    {C::CmdAdd, "+", 67, 97, kLargeW, kLargeH},
    {C::CmdSubtract, "-", 87, 97, kLargeW, kLargeH},
    {C::Cmd0, "0", 7, 111, kLargeW, kLargeH},
    {C::CmdPoint, ".", 27, 111, kLargeW, kLargeH},
    {C::CmdExp, "EXP", 47, 111, kLargeW, kLargeH},
    {C::CmdEquals, "=", 67, 111, kLargeW, kLargeH},
    {C::CmdMemoryAdd, "M+", 87, 111, kLargeW, kLargeH},
}};

}  // namespace zentra
