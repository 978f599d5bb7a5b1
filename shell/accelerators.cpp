#include "shell/accelerators.h"

#include <QKeyEvent>

namespace zentra {
namespace {

using C = CommandId;

// Which Shift state a key entry needs. Character entries match whatever the
// Shift state, because Shift is part of how the character is typed.
enum class ShiftRule { Up, Down, Either };

struct KeyEntry {
    int key;
    ShiftRule shift;
    bool keypad;  // the numeric pad's key rather than the main keyboard's
    CommandId command;
};

struct CharEntry {
    char16_t character;
    CommandId command;
};

constexpr CharEntry kCharEntries[] = {
    {u'%', C::CmdPercent}, {u'*', C::CmdMultiply}, {u'+', C::CmdAdd}, {u'-', C::CmdSubtract},
    {u'.', C::CmdPoint},   {u'/', C::CmdDivide},   {u'0', C::Cmd0},   {u'=', C::CmdEquals},
};

constexpr KeyEntry kKeyEntries[] = {
    {Qt::Key_1, ShiftRule::Up, false, C::Cmd1},
    {Qt::Key_2, ShiftRule::Up, false, C::Cmd2},
    {Qt::Key_3, ShiftRule::Up, false, C::Cmd3},
    {Qt::Key_4, ShiftRule::Up, false, C::Cmd4},
    {Qt::Key_5, ShiftRule::Up, false, C::Cmd5},
    {Qt::Key_6, ShiftRule::Up, false, C::Cmd6},
    {Qt::Key_7, ShiftRule::Up, false, C::Cmd7},
    {Qt::Key_8, ShiftRule::Up, false, C::Cmd8},
    {Qt::Key_9, ShiftRule::Up, false, C::Cmd9},
    {Qt::Key_0, ShiftRule::Down, false, C::CmdCloseBracket},
    {Qt::Key_9, ShiftRule::Down, false, C::CmdOpenBracket},
    {Qt::Key_C, ShiftRule::Either, false, C::CmdCos},
    {Qt::Key_E, ShiftRule::Either, false, C::CmdExp},
    {Qt::Key_H, ShiftRule::Either, false, C::CmdHyp},
    {Qt::Key_L, ShiftRule::Up, false, C::CmdLn},
    {Qt::Key_L, ShiftRule::Down, false, C::CmdLog},
    {Qt::Key_M, ShiftRule::Either, false, C::CmdMode},
    {Qt::Key_P, ShiftRule::Either, false, C::CmdPow},
    {Qt::Key_S, ShiftRule::Either, false, C::CmdSin},
    {Qt::Key_T, ShiftRule::Down, false, C::CmdTan},
    {Qt::Key_Backspace, ShiftRule::Up, false, C::CmdBackspace},
    {Qt::Key_Delete, ShiftRule::Up, false, C::CmdBackspace},
    {Qt::Key_CapsLock, ShiftRule::Up, false, C::CmdShift},
    {Qt::Key_Escape, ShiftRule::Up, false, C::CmdAllClear},
    {Qt::Key_F1, ShiftRule::Up, false, C::CmdHelp},
    {Qt::Key_Return, ShiftRule::Up, false, C::CmdEquals},
    {Qt::Key_Enter, ShiftRule::Up, true, C::CmdEquals},
    {Qt::Key_Enter, ShiftRule::Up, false, C::CmdEquals},
    {Qt::Key_0, ShiftRule::Up, true, C::Cmd0},
    {Qt::Key_1, ShiftRule::Up, true, C::Cmd1},
    {Qt::Key_2, ShiftRule::Up, true, C::Cmd2},
    {Qt::Key_3, ShiftRule::Up, true, C::Cmd3},
    {Qt::Key_4, ShiftRule::Up, true, C::Cmd4},
    {Qt::Key_5, ShiftRule::Up, true, C::Cmd5},
    {Qt::Key_6, ShiftRule::Up, true, C::Cmd6},
    {Qt::Key_7, ShiftRule::Up, true, C::Cmd7},
    {Qt::Key_8, ShiftRule::Up, true, C::Cmd8},
    {Qt::Key_9, ShiftRule::Up, true, C::Cmd9},
    {Qt::Key_Plus, ShiftRule::Up, true, C::CmdAdd},
    {Qt::Key_Minus, ShiftRule::Up, true, C::CmdSubtract},
    {Qt::Key_Asterisk, ShiftRule::Up, true, C::CmdMultiply},
    {Qt::Key_Slash, ShiftRule::Up, true, C::CmdDivide},
    {Qt::Key_Period, ShiftRule::Up, true, C::CmdPoint},
    {Qt::Key_Comma, ShiftRule::Up, true, C::CmdPoint},  // the pad's point in comma locales
};

bool shiftMatches(ShiftRule rule, bool shift) {
    return rule == ShiftRule::Either || (rule == ShiftRule::Down) == shift;
}

}  // namespace

KeyStroke keyStrokeOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    return {event.key(),
            event.text(),
            mods.testFlag(Qt::ShiftModifier),
            mods.testFlag(Qt::ControlModifier) || mods.testFlag(Qt::MetaModifier),
            mods.testFlag(Qt::AltModifier),
            mods.testFlag(Qt::KeypadModifier)};
}

std::optional<CommandId> acceleratorCommand(const KeyStroke& stroke) {
    if (stroke.alt) return std::nullopt;
    // The desktop's own copy and paste keys.
    if (stroke.control) {
        if (stroke.shift) return std::nullopt;
        if (stroke.key == Qt::Key_C) return C::CmdCopy;
        if (stroke.key == Qt::Key_V) return C::CmdPaste;
        return std::nullopt;
    }
    // X11 reports Shift+9 by the character it types; the table names the key.
    int key = stroke.key;
    bool shift = stroke.shift;
    if (!stroke.keypad && (key == Qt::Key_ParenLeft || key == Qt::Key_ParenRight)) {
        key = key == Qt::Key_ParenLeft ? Qt::Key_9 : Qt::Key_0;
        shift = true;
    }
    for (const KeyEntry& entry : kKeyEntries)
        if (entry.key == key && entry.keypad == stroke.keypad && shiftMatches(entry.shift, shift))
            return entry.command;
    if (stroke.text.size() == 1)
        for (const CharEntry& entry : kCharEntries)
            if (stroke.text.at(0).unicode() == entry.character) return entry.command;
    return std::nullopt;
}

}  // namespace zentra
