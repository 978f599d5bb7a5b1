#pragma once
// Every key's facts in one row: its command, its names in zentra-cli, the
// caption and font it starts with, and in each mode the caption it shows, the
// caption shift gives it, what it does and what the tape records of it. The
// captions, the mode layout, the dispatch, the tape and zentra-cli's names all
// read these rows, so a key is added or changed in one place. Private to the
// engine.

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

// What the tape records of a key around its action (tape_steps.cpp).
enum class TapeRole {
    None,          // typing, latches, dialogs; or a key that leaves a note (tape_notes.h)
    Operation,     // the operand and the operator key
    Equals,        // the operand, "=" and the result
    OpenBracket,   // "(" alone: a number typed before it is dropped
    CloseBracket,  // the operand and ")"
    Function,      // argument, key and result
    Display,    // a function whose result is a display no key reads back (degrees-minutes-seconds)
    Value,      // a key that shows a value of its own (a statistic, pi)
    CashFlow,   // the operand as a data point of the present value
    Separator,  // AC's mark
};

// How the tape names a key whose caption follows the latches or the state.
enum class TapeName {
    Caption,      // the caption's words, the shifted one under shift
    Trig,         // "sin" with "a" before it under shift and "h" after it under hyp
    CashFlow,     // "V:n", the cash flow to enter
    DegreesStep,  // "deg", "min" or "sec" by the step, the shifted caption under shift
};

// What a key does in one mode: nothing, left to the host (copy, paste, Help),
// a function, a typed character, or a binary operator of the evaluator; and
// what the tape records of it, without and under shift.
struct Action {
    enum class Kind { None, Host, Function, Character, Operator } kind = Kind::None;
    Handler function = nullptr;
    char character = 0;
    OperatorCode code = OperatorCode::OpEquals;
    TapeRole tape = TapeRole::None;
    TapeRole tapeShifted = TapeRole::None;
};

struct ModeFacts {
    Caption caption;  // as the mode lays out the keypad
    // Set: the key follows shift, showing this under it and caption without.
    Caption shifted;
    // Set: the key's caption follows the latches or the state; this writes it.
    CaptionWriter writer = nullptr;
    Action action;
    TapeName tapeName = TapeName::Caption;

    bool followsLatches() const { return shifted.words || writer; }
};

// zentra-cli's token for a key, and a second one some keys have.
struct KeyNames {
    const char* name = nullptr;
    const char* alias = nullptr;
};

struct KeyRow {
    CommandId id;
    KeyNames names;
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

}  // namespace zentra
