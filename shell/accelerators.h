#pragma once
// The window's keyboard table: which key presses and typed characters reach the
// calculator as commands while the display does not have the focus.

#include <QString>
#include <optional>

#include "engine/calculator.h"

class QKeyEvent;

namespace zentra {

// A key press as the table sees it: Qt's key code, the typed text and the
// modifiers that matter.
struct KeyStroke {
    int key = 0;
    QString text;
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool keypad = false;
};

KeyStroke keyStrokeOf(const QKeyEvent& event);

// The command of a key press, or nothing when the table has no entry for it.
// Key entries are tried before character entries, so a key that the table
// names never also counts as the character it types.
std::optional<CommandId> acceleratorCommand(const KeyStroke& stroke);

}  // namespace zentra
