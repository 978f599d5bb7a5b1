#include "shell/accelerators.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace zentra {
namespace {

using C = CommandId;

struct AcceleratorCase {
    const char* name;
    KeyStroke stroke;
    std::optional<CommandId> expected;
};

KeyStroke key(int code, const char* text = "", bool shift = false) {
    return {code, QString::fromLatin1(text), shift, false, false, false};
}
KeyStroke pad(int code, const char* text) {
    return {code, QString::fromLatin1(text), false, false, false, true};
}
KeyStroke control(int code) {
    return {code, {}, false, true, false, false};
}

class AcceleratorTable : public ::testing::TestWithParam<AcceleratorCase> {};

TEST_P(AcceleratorTable, MapsKeyToCommand) {
    EXPECT_EQ(acceleratorCommand(GetParam().stroke), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AcceleratorTable,
    ::testing::Values(
        AcceleratorCase{"DigitOnMainKeyboard", key(Qt::Key_7, "7"), C::Cmd7},
        AcceleratorCase{"ZeroIsACharacter", key(Qt::Key_0, "0"), C::Cmd0},
        AcceleratorCase{"ShiftedDigitIsNotADigit", key(Qt::Key_1, "!", true), std::nullopt},
        AcceleratorCase{"ShiftNineOpensBracket", key(Qt::Key_9, "(", true), C::CmdOpenBracket},
        AcceleratorCase{"ShiftZeroClosesBracket", key(Qt::Key_0, ")", true), C::CmdCloseBracket},
        AcceleratorCase{"ParenLeftAsX11ReportsIt", key(Qt::Key_ParenLeft, "(", true),
                        C::CmdOpenBracket},
        AcceleratorCase{"ParenRightAsX11ReportsIt", key(Qt::Key_ParenRight, ")", true),
                        C::CmdCloseBracket},
        AcceleratorCase{"PlusTypedWithShift", key(Qt::Key_Plus, "+", true), C::CmdAdd},
        AcceleratorCase{"AsteriskMultiplies", key(Qt::Key_Asterisk, "*", true), C::CmdMultiply},
        AcceleratorCase{"PercentHasItsOwnCommand", key(Qt::Key_Percent, "%", true), C::CmdPercent},
        AcceleratorCase{"EqualsCharacter", key(Qt::Key_Equal, "="), C::CmdEquals},
        AcceleratorCase{"EnterIsEquals", key(Qt::Key_Return, "\r"), C::CmdEquals},
        AcceleratorCase{"PadEnterIsEquals", pad(Qt::Key_Enter, "\r"), C::CmdEquals},
        AcceleratorCase{"TAloneDoesNothing", key(Qt::Key_T, "t"), std::nullopt},
        AcceleratorCase{"ShiftTIsTan", key(Qt::Key_T, "T", true), C::CmdTan},
        AcceleratorCase{"LIsLn", key(Qt::Key_L, "l"), C::CmdLn},
        AcceleratorCase{"ShiftLIsLog", key(Qt::Key_L, "L", true), C::CmdLog},
        AcceleratorCase{"SEitherShiftIsSin", key(Qt::Key_S, "S", true), C::CmdSin},
        AcceleratorCase{"CIsCosNotClear", key(Qt::Key_C, "c"), C::CmdCos},
        AcceleratorCase{"EIsExponent", key(Qt::Key_E, "e"), C::CmdExp},
        AcceleratorCase{"MIsMode", key(Qt::Key_M, "m"), C::CmdMode},
        AcceleratorCase{"BackspaceIsBackspaceKey", key(Qt::Key_Backspace, "\b"), C::CmdBackspace},
        AcceleratorCase{"DeleteIsBackspaceKey", key(Qt::Key_Delete), C::CmdBackspace},
        AcceleratorCase{"CapsLockIsShift", key(Qt::Key_CapsLock), C::CmdShift},
        AcceleratorCase{"EscapeIsAllClear", key(Qt::Key_Escape), C::CmdAllClear},
        AcceleratorCase{"F1IsHelp", key(Qt::Key_F1), C::CmdHelp},
        AcceleratorCase{"PadDigit", pad(Qt::Key_5, "5"), C::Cmd5},
        AcceleratorCase{"PadDivide", pad(Qt::Key_Slash, "/"), C::CmdDivide},
        AcceleratorCase{"PadCommaIsPoint", pad(Qt::Key_Comma, ","), C::CmdPoint},
        AcceleratorCase{"ControlCCopies", control(Qt::Key_C), C::CmdCopy},
        AcceleratorCase{"ControlVPastes", control(Qt::Key_V), C::CmdPaste},
        AcceleratorCase{"OtherControlKeysDoNothing", control(Qt::Key_1), std::nullopt},
        AcceleratorCase{"AltKeysDoNothing", KeyStroke{Qt::Key_S, "s", false, false, true, false},
                        std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AcceleratorTable, ReadsQtKeyEvents) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier, QStringLiteral("4"));
    const KeyStroke stroke = keyStrokeOf(event);
    EXPECT_TRUE(stroke.keypad);
    EXPECT_FALSE(stroke.shift);
    EXPECT_EQ(acceleratorCommand(stroke), C::Cmd4);
}

}  // namespace
}  // namespace zentra
