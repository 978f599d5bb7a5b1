// Key captions and the window title, from the key table. Every call rebuilds
// the captions from the mode, the latches, the cash-flow counter and the
// bracket depth; nothing about them is remembered. Glyph captions are bytes of
// the button font's pictures.

#include "engine/key_labels.h"

#include <string>

#include "base/key_glyphs.h"
#include "engine/calculator.h"
#include "engine/command_id.h"
#include "engine/evaluation.h"
#include "engine/key_table.h"

namespace zentra {
namespace {

using Id = CommandId;

bool isScientificMode(NumberBase base) {
    const NumberBase mode = effectiveMode(base);
    return mode == NumberBase::Decimal || mode == NumberBase::Statistics;
}

constexpr const char* kTitleSuffix[kModeCount] = {"",       " [Bin]",   " [Oct]",
                                                  " [Hex]", " [Stats]", " [Fin]"};

// Text or glyph, by whether the button font is there; and the caption's font.
void show(const CalculatorState& state, CalculatorView& view, Id key, const Caption& caption) {
    if (caption.font) view.setKeyFont(key, *caption.font);
    view.setKeyLabel(key, state.buttonFontLoaded && caption.glyph ? caption.glyph : caption.words);
}

void setCaption(const CalculatorState& state, CalculatorView& view, Id key,
                const GlyphCaption& caption) {
    view.setKeyLabel(key, state.buttonFontLoaded && caption.glyph ? caption.glyph : caption.words);
}

}  // namespace

void writeTrigCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                      const Caption& plain) {
    // Under shift the glyph caption is the name with the inverse mark after it.
    const std::string function = std::string(plain.words) + (state.hyp ? "h" : "");
    if (!state.shift)
        view.setKeyLabel(key, function);
    else if (state.buttonFontLoaded)
        view.setKeyLabel(key, function + kInverseMark);
    else
        view.setKeyLabel(key, "a" + function);
}

void writeCashFlowCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                          const Caption&) {
    view.setKeyLabel(key, "V:" + std::to_string(state.nNPV));
}

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
    state.shift = false;
    state.hyp = false;
    for (const KeyRow& row : keyTable()) {
        const ModeFacts& facts = factsIn(row, state.numberBase);
        if (facts.caption.words) show(state, view, row.id, facts.caption);
    }
    view.setTitle(std::string(kTitleBase) +
                  kTitleSuffix[static_cast<std::size_t>(effectiveMode(state.numberBase))]);
    updateKeyLabels(state, view);
}

void writeDegreesCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                         const Caption&) {
    if (state.shift) {
        setCaption(state, view, key, kToDegreesGlyph);
        return;
    }
    switch (state.dmsPhase) {
        case DmsPhase::Minutes:
            setCaption(state, view, key, kMinutesGlyph);
            return;
        case DmsPhase::Seconds:
            setCaption(state, view, key, kSecondsGlyph);
            return;
        case DmsPhase::Degrees:
        default:
            setCaption(state, view, key, kDegreesGlyph);
            return;
    }
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

void showDmsPhaseLabel(const CalculatorState& state, CalculatorView& view) {
    if (isScientificMode(state.numberBase)) writeDegreesCaption(state, view, Id::CmdDeg, {});
}

}  // namespace zentra
