#include "engine/tape_steps.h"

#include "base/key_glyphs.h"
#include "base/tape.h"
#include "engine/display_format.h"
#include "engine/evaluation.h"
#include "engine/tape_notes.h"

namespace zentra {
namespace {

const char* captionText(const Caption& caption) {
    return caption.text ? caption.text : caption.words;
}

const char* dmsStepName(DmsPhase phase) {
    switch (phase) {
        case DmsPhase::Minutes:
            return kMinutesGlyph.words;
        case DmsPhase::Seconds:
            return kSecondsGlyph.words;
        case DmsPhase::Degrees:
            break;
    }
    return kDegreesGlyph.words;
}

// A name the latches or the state make up, written into storage.
std::string_view madeKeyName(const CalculatorState& state, const ModeFacts& facts, bool shifted,
                             std::string& storage) {
    switch (facts.tapeName) {
        case TapeName::Trig:
            storage = shifted ? "a" : "";
            storage += facts.caption.words;
            if (state.hyp) storage += 'h';
            return storage;
        case TapeName::CashFlow:
            return storage = "V:" + std::to_string(state.nNPV);
        case TapeName::DegreesStep:
            return shifted ? kToDegreesGlyph.text : dmsStepName(state.dmsPhase);
        case TapeName::Caption:  // the table's own text, which keyName gives
            break;
    }
    return {};
}

// Most names are the table's own texts: those take no call.
inline std::string_view keyName(const CalculatorState& state, const KeyRow& row,
                                const ModeFacts& facts, bool shifted, std::string& storage) {
    if (facts.tapeName != TapeName::Caption) return madeKeyName(state, facts, shifted, storage);
    if (shifted && facts.shifted.words) return captionText(facts.shifted);
    return captionText(facts.caption.words ? facts.caption : row.start);
}

}  // namespace

void reportTapeError(CalculatorState& state, CalculatorView& view) {
    state.tape->append(TapeKind::Error, tapeDisplayText(view));
}

void reportTapeSeparator(CalculatorState& state) {
    state.tape->append(TapeKind::Separator, {}, "AC");
}

bool performRecorded(const KeyRow& row, const ModeFacts& facts, CalculatorState& state,
                     CalculatorView& view) {
    const Action& action = facts.action;
    const TapeRole role = state.shift ? action.tapeShifted : action.tape;
    const CalcStatus before = state.calcStatus;
    if (role == TapeRole::None || role == TapeRole::Separator) {
        const bool engines = runAction(action, state, view);
        if (state.tapeNote.taken) {
            // Named after the action, as the key shows itself unshifted.
            std::string storage;
            const TapeNote& note = state.tapeNote;
            state.tape->append(note.kind, note.value,
                               keyName(state, row, factsIn(row, state.numberBase), false, storage),
                               note.result, note.detail);
            state.tapeNote.taken = false;
        }
        if (role == TapeRole::Separator) reportTapeSeparator(state);
        if (before != CalcStatus::Error && state.calcStatus == CalcStatus::Error)
            reportTapeError(state, view);
        return engines;
    }
    const int depth = state.bracketDepth;
    // An equals with nothing to finish shows nothing new: no line for it.
    const bool idleEquals = role == TapeRole::Equals && before == CalcStatus::Ready && depth <= 0 &&
                            state.pendingOperator == OperatorCode::OpEquals;
    // A bracket with none open to close makes no step: nothing to read for it.
    const bool takesOperand = role != TapeRole::OpenBracket && role != TapeRole::Value &&
                              (role != TapeRole::CloseBracket || depth > 0);
    std::string operand = takesOperand ? readDisplayText(view) : std::string();
    // Named before the action, which may change the latches; the brackets and
    // "=" have names of their own.
    const bool named =
        role != TapeRole::Equals && role != TapeRole::OpenBracket && role != TapeRole::CloseBracket;
    std::string storage;
    const std::string_view key = named ? keyName(state, row, facts, state.shift, storage) : "";

    // An operator takes the operand just read: one read of the display for both.
    if (action.kind == Action::Kind::Operator)
        applyOperatorTo(state, view, action.code, parseDisplayText(state, operand));
    else
        runAction(action, state, view);
    makeUtf8(operand);
    const bool failed = before != CalcStatus::Error && state.calcStatus == CalcStatus::Error;
    switch (role) {
        case TapeRole::Operation:
            state.tape->append(TapeKind::Operation, operand, key);
            break;
        case TapeRole::Equals:
            if (idleEquals) break;
            state.tape->append(TapeKind::Operation, operand, "=");
            if (!failed) state.tape->append(TapeKind::Result, tapeDisplayText(view));
            break;
        case TapeRole::OpenBracket:
            if (state.bracketDepth != depth) state.tape->append(TapeKind::Operation, {}, "(");
            break;
        case TapeRole::CloseBracket:
            if (depth > 0) state.tape->append(TapeKind::Operation, operand, ")");
            break;
        case TapeRole::Function:
        case TapeRole::Value:
            state.tape->append(TapeKind::Function, operand, key,
                               failed ? std::string() : tapeDisplayText(view));
            break;
        case TapeRole::Display:
            state.tape->append(TapeKind::Function, operand, key, tapeDisplayText(view));
            return true;
        case TapeRole::CashFlow:
            state.tape->append(TapeKind::DataPoint, operand, key);
            break;
        case TapeRole::None:
        case TapeRole::Separator:
            break;
    }
    if (failed) reportTapeError(state, view);
    return true;
}

}  // namespace zentra
