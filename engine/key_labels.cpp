// Key captions and the window title, from the key table. Every call rebuilds
// the captions from the mode, the latches, the cash-flow counter and the
// bracket depth; nothing about them is remembered. Glyph captions are bytes of
// the button font's pictures.

#include "engine/key_labels.h"

#include <string>

#include "base/key_glyphs.h"
#include "base/message_texts.h"
#include "engine/command_id.h"
#include "engine/key_table.h"

namespace zentra {
namespace {

using Id = CommandId;

constexpr const char* kTitleSuffix[kModeCount] = {"",       " [Bin]",   " [Oct]",
                                                  " [Hex]", " [Stats]", " [Fin]"};

// Text or glyph, by whether the button font is there; and the caption's font.
void show(const CalculatorState& state, CalculatorView& view, Id key, const Caption& caption) {
    if (caption.font) view.setKeyFont(key, *caption.font);
    view.setKeyLabel(key, state.buttonFontLoaded && caption.glyph ? caption.glyph : caption.words);
}

}  // namespace

void applyStartCaptions(const CalculatorState& state, CalculatorView& view) {
    for (const KeyRow& row : keyTable()) {
        const Caption& c = row.start;
        if (!c.words) continue;  // not on the keypad
        // A key with a glyph but no button font shows its text in the key font.
        const bool glyph = state.buttonFontLoaded && c.glyph;
        view.setKeyFont(row.id, c.glyph && !glyph ? KeyFont::Key : c.font.value_or(KeyFont::Glyph));
        view.setKeyLabel(row.id, glyph ? c.glyph : c.words);
    }
}

void applyModeLayout(CalculatorState& state, CalculatorView& view) {
    for (const KeyRow& row : keyTable()) {
        const ModeFacts& facts = factsIn(row, state.numberBase);
        if (facts.caption.words) show(state, view, row.id, facts.caption);
    }
    view.setTitle(std::string(kTitleBase) +
                  kTitleSuffix[static_cast<std::size_t>(effectiveMode(state.numberBase))]);
    updateKeyLabels(state, view);
}

void updateKeyLabels(CalculatorState& state, CalculatorView& view) {
    for (const KeyRow& row : keyTable()) {
        const ModeFacts& facts = factsIn(row, state.numberBase);
        if (facts.writer)
            facts.writer(state, view, row.id, facts.caption);
        else if (facts.shifted.words)
            show(state, view, row.id, state.shift ? facts.shifted : facts.caption);
    }
    updateBracketIndicator(state, view);
}

void updateBracketIndicator(const CalculatorState& state, CalculatorView& view) {
    view.setKeyLabel(CommandId::CmdOpenBracket,
                     "(.." + std::to_string(kBracketLevels - state.bracketDepth));
    view.setKeyLabel(CommandId::CmdCloseBracket, std::to_string(state.bracketDepth) + "..)");
}

void redrawCaptions(CalculatorState& state, CalculatorView& view) {
    const unsigned changes = state.captionChanges;
    if (changes == 0) return;
    state.captionChanges = 0;
    const auto marked = [changes](CaptionChange change) {
        return (changes & static_cast<unsigned>(change)) != 0;
    };
    if (marked(CaptionChange::Start)) applyStartCaptions(state, view);
    // Each wider redraw includes the narrower ones.
    if (marked(CaptionChange::Start) || marked(CaptionChange::Mode)) {
        applyModeLayout(state, view);
    } else if (marked(CaptionChange::Latches)) {
        updateKeyLabels(state, view);
    } else {
        if (marked(CaptionChange::Brackets)) updateBracketIndicator(state, view);
        if (marked(CaptionChange::DegreesStep)) showDmsPhaseLabel(state, view);
    }
}

void showDmsPhaseLabel(const CalculatorState& state, CalculatorView& view) {
    // Only the modes that take angles give the deg key a writer.
    const KeyRow& row = *findKey(Id::CmdDeg);
    const ModeFacts& facts = factsIn(row, state.numberBase);
    if (facts.writer) facts.writer(state, view, row.id, facts.caption);
}

}  // namespace zentra
