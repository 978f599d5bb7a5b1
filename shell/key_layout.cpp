#include "shell/key_layout.h"

namespace zentra {

namespace {
constexpr int kSmallW = 16, kSmallH = 10, kLargeW = 19, kLargeH = 12;
using C = CommandId;
}  // namespace

const std::array<KeyPlace, kKeyCount> kKeypad = {{
    // Small keys, six columns.
    {C::CmdShift, 6, 23, kSmallW, kSmallH},
    {C::CmdCopy, 23, 23, kSmallW, kSmallH},
    {C::CmdPaste, 40, 23, kSmallW, kSmallH},
    {C::CmdUnit, 57, 23, kSmallW, kSmallH},
    {C::CmdMode, 74, 23, kSmallW, kSmallH},
    {C::CmdHelp, 91, 23, kSmallW, kSmallH},
    {C::CmdReciprocal, 6, 34, kSmallW, kSmallH},
    {C::CmdSqrt, 23, 34, kSmallW, kSmallH},
    {C::CmdSqr, 40, 34, kSmallW, kSmallH},
    {C::CmdLog, 57, 34, kSmallW, kSmallH},
    {C::CmdLn, 74, 34, kSmallW, kSmallH},
    {C::CmdPow, 91, 34, kSmallW, kSmallH},
    {C::CmdConst, 6, 45, kSmallW, kSmallH},
    {C::CmdDeg, 23, 45, kSmallW, kSmallH},
    {C::CmdHyp, 40, 45, kSmallW, kSmallH},
    {C::CmdSin, 57, 45, kSmallW, kSmallH},
    {C::CmdCos, 74, 45, kSmallW, kSmallH},
    {C::CmdTan, 91, 45, kSmallW, kSmallH},
    {C::CmdChangeSign, 6, 56, kSmallW, kSmallH},
    {C::CmdBackspace, 23, 56, kSmallW, kSmallH},
    {C::CmdOpenBracket, 40, 56, kSmallW, kSmallH},
    {C::CmdCloseBracket, 57, 56, kSmallW, kSmallH},
    {C::CmdMemoryIn, 74, 56, kSmallW, kSmallH},
    {C::CmdMemoryRecall, 91, 56, kSmallW, kSmallH},
    // Large keys, five columns.
    {C::Cmd7, 7, 69, kLargeW, kLargeH},
    {C::Cmd8, 27, 69, kLargeW, kLargeH},
    {C::Cmd9, 47, 69, kLargeW, kLargeH},
    {C::CmdClear, 67, 69, kLargeW, kLargeH},
    {C::CmdAllClear, 87, 69, kLargeW, kLargeH},
    {C::Cmd4, 7, 83, kLargeW, kLargeH},
    {C::Cmd5, 27, 83, kLargeW, kLargeH},
    {C::Cmd6, 47, 83, kLargeW, kLargeH},
    {C::CmdMultiply, 67, 83, kLargeW, kLargeH},
    {C::CmdDivide, 87, 83, kLargeW, kLargeH},
    {C::Cmd1, 7, 97, kLargeW, kLargeH},
    {C::Cmd2, 27, 97, kLargeW, kLargeH},
    {C::Cmd3, 47, 97, kLargeW, kLargeH},
    {C::CmdAdd, 67, 97, kLargeW, kLargeH},
    {C::CmdSubtract, 87, 97, kLargeW, kLargeH},
    {C::Cmd0, 7, 111, kLargeW, kLargeH},
    {C::CmdPoint, 27, 111, kLargeW, kLargeH},
    {C::CmdExp, 47, 111, kLargeW, kLargeH},
    {C::CmdEquals, 67, 111, kLargeW, kLargeH},
    {C::CmdMemoryAdd, 87, 111, kLargeW, kLargeH},
}};

}  // namespace zentra
