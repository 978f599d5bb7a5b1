#pragma once
// Every key's facts in one row: its command, the caption and font it starts
// with, and in each mode the caption it shows, the caption shift gives it and
// what it does. The captions, the mode layout and the dispatch all read these
// rows, so a key is added or changed in one place. Private to the engine.

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"
#include "engine/command_id.h"

namespace zentra {

// Columns of a row, in NumberBase numbering: Decimal, Binary, Octal,
// Hexadecimal, Statistics, Financial.
inline constexpr std::size_t kModeCount = 6;

using Handler = void (*)(CalculatorState&, CalculatorView&);

// A caption: its words, the glyph that replaces them when the button font is
// loaded, and the font it brings, if it brings one.
struct Caption {
    const char* words = nullptr;  // nullptr: no caption, the key keeps what it shows
    const char* glyph = nullptr;
    std::optional<KeyFont> font{};
    const char* text = nullptr;  // the tape's UTF-8 words where they differ from words
};

// Writes a caption that follows the latches or the state in a way a plain and
// a shifted caption cannot say; gets the mode's plain caption.
using CaptionWriter = void (*)(const CalculatorState&, CalculatorView&, CommandId key,
                               const Caption& plain);

// What a key does in one mode: nothing, left to the host (copy, paste, Help),
// a function, a typed character, or a binary operator of the evaluator.
struct Action {
    enum class Kind { None, Host, Function, Character, Operator } kind = Kind::None;
    Handler function = nullptr;
    char character = 0;
    OperatorCode code = OperatorCode::OpEquals;
};

struct ModeFacts {
    Caption caption;  // as the mode lays out the keypad
    // Set: the key follows shift, showing this under it and caption without.
    Caption shifted;
    // Set: the key's caption follows the latches or the state; this writes it.
    CaptionWriter writer = nullptr;
    Action action;

    bool followsLatches() const { return shifted.words || writer; }
};

struct KeyRow {
    CommandId id;
    // As the keypad starts; words nullptr: no keypad key, only the keyboard gives it.
    Caption start;
    std::array<ModeFacts, kModeCount> modes;
};

std::span<const KeyRow> keyTable();
const KeyRow* findKey(CommandId id);

// A mode number from a damaged state file is laid out and computes as Decimal.
NumberBase effectiveMode(NumberBase base);
const ModeFacts& factsIn(const KeyRow& row, NumberBase base);

// Performs the action; false when the host performs it.
bool runAction(const Action& action, CalculatorState& state, CalculatorView& view);

// The captions the table's writers give; key_labels calls them.
// sin, cos, tan: the function's name by the latches.
void writeTrigCaption(const CalculatorState&, CalculatorView&, CommandId key, const Caption& plain);
// The hyp key in Financial: the cash flow to enter next, "V:n".
void writeCashFlowCaption(const CalculatorState&, CalculatorView&, CommandId key,
                          const Caption& plain);

}  // namespace zentra
