#include "engine/tape_steps.h"

#include <iterator>

#include "base/key_glyphs.h"
#include "engine/control_keys.h"
#include "engine/display_format.h"
#include "engine/evaluation.h"
#include "engine/financial.h"
#include "engine/scientific_keys.h"
#include "engine/tape_notes.h"

namespace zentra {
namespace {

enum class TapeRole {
    None,          // typing, latches, dialogs; or a key that reports from inside
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

struct HandlerRole {
    Handler handler;
    TapeRole role;
};

// The keys whose handler alone says what the tape records; a chain's keys
// first, as they come most often.
constexpr HandlerRole kHandlerRoles[] = {
    {equalsKey, TapeRole::Equals},
    {openBracket, TapeRole::OpenBracket},
    {closeBracket, TapeRole::CloseBracket},
    {sinFunction, TapeRole::Function},
    {cosFunction, TapeRole::Function},
    {tanFunction, TapeRole::Function},
    {lnFunction, TapeRole::Function},
    {logFunction, TapeRole::Function},
    {squareFunction, TapeRole::Function},
    {squareRootFunction, TapeRole::Function},
    {reciprocalFunction, TapeRole::Function},
    {bitwiseNot, TapeRole::Function},
    {degreesKey, TapeRole::Function},
    {cashFlowKey, TapeRole::CashFlow},
    {allClear, TapeRole::Separator},
};

bool showsScientific(NumberBase base) {
    const NumberBase mode = effectiveMode(base);
    return mode == NumberBase::Decimal || mode == NumberBase::Statistics;
}

int digitOf(CommandId id) {
    const int n = static_cast<int>(id) - static_cast<int>(CommandId::Cmd0);
    return n >= 0 && n <= 9 ? n : -1;
}

// The keys that handlers shared with other modes or latches make ambiguous.
TapeRole roleByKey(CommandId id, const CalculatorState& state) {
    if (id == CommandId::CmdPow) return TapeRole::Operation;
    if (!state.shift) return TapeRole::None;
    if (id == CommandId::CmdExp && showsScientific(state.numberBase)) return TapeRole::Value;  // pi
    const int digit = digitOf(id);
    if (digit < 0 || effectiveMode(state.numberBase) != NumberBase::Statistics)
        return TapeRole::None;
    return digit == 7 || digit == 8 ? TapeRole::Operation : TapeRole::Value;  // nPr, nCr
}

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
        default:
            return kDegreesGlyph.words;
    }
}

TapeRole tapeRole(const KeyRow& row, const Action& action, const CalculatorState& state) {
    if (action.kind == Action::Kind::Operator) return TapeRole::Operation;
    if (action.kind != Action::Kind::Function) return TapeRole::None;
    for (const HandlerRole& entry : kHandlerRoles) {
        if (entry.handler != action.function) continue;
        // Degrees-minutes-seconds go out as an error display, yet are its result.
        if (entry.handler == degreesKey && state.shift) return TapeRole::Display;
        return entry.role;
    }
    return roleByKey(row.id, state);
}

// Most names are the table's own texts; one the latches or the state make up
// is written into storage.
std::string_view keyName(const CalculatorState& state, const KeyRow& row, const ModeFacts& facts,
                         bool shifted, std::string& storage) {
    if (facts.writer == writeTrigCaption) {
        storage = shifted ? "a" : "";
        storage += facts.caption.words;
        if (state.hyp) storage += 'h';
        return storage;
    }
    if (facts.writer == writeCashFlowCaption) return storage = "V:" + std::to_string(state.nNPV);
    if (row.id == CommandId::CmdDeg && !shifted && showsScientific(state.numberBase))
        return dmsStepName(state.dmsPhase);
    if (shifted && facts.shifted.words) return captionText(facts.shifted);
    return captionText(facts.caption.words ? facts.caption : row.start);
}

}  // namespace

void reportTapeError(CalculatorView& view) {
    view.appendTape(tapeStep(TapeKind::Error, tapeDisplayText(view)));
}

void reportTapeSeparator(CalculatorView& view) {
    view.appendTape(tapeStep(TapeKind::Separator, {}, "AC"));
}

bool performRecorded(const KeyRow& row, const ModeFacts& facts, CalculatorState& state,
                     CalculatorView& view) {
    const Action& action = facts.action;
    const TapeRole role = tapeRole(row, action, state);
    const CalcStatus before = state.calcStatus;
    if (role == TapeRole::None || role == TapeRole::Separator) {
        const bool engines = runAction(action, state, view);
        if (state.tapeNote.taken) {
            // Named after the action, as the key shows itself unshifted.
            std::string storage;
            const TapeNote& note = state.tapeNote;
            view.appendTape(
                tapeStep(note.kind, note.value,
                         keyName(state, row, factsIn(row, state.numberBase), false, storage),
                         note.result, note.detail));
            state.tapeNote.taken = false;
        }
        if (role == TapeRole::Separator) reportTapeSeparator(view);
        if (before != CalcStatus::Error && state.calcStatus == CalcStatus::Error)
            reportTapeError(view);
        return engines;
    }
    const int depth = state.bracketDepth;
    // An equals with nothing to finish shows nothing new: no line for it.
    const bool idleEquals = role == TapeRole::Equals && before == CalcStatus::Ready && depth <= 0 &&
                            state.pendingOperator == OperatorCode::OpEquals;
    const bool takesOperand = role != TapeRole::OpenBracket && role != TapeRole::Value;
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
            view.appendTape(tapeStep(TapeKind::Operation, operand, key));
            break;
        case TapeRole::Equals:
            if (idleEquals) break;
            view.appendTape(tapeStep(TapeKind::Operation, operand, "="));
            if (!failed) view.appendTape(tapeStep(TapeKind::Result, tapeDisplayText(view)));
            break;
        case TapeRole::OpenBracket:
            if (state.bracketDepth != depth)
                view.appendTape(tapeStep(TapeKind::Operation, {}, "("));
            break;
        case TapeRole::CloseBracket:
            if (depth > 0) view.appendTape(tapeStep(TapeKind::Operation, operand, ")"));
            break;
        case TapeRole::Function:
        case TapeRole::Value:
            view.appendTape(tapeStep(TapeKind::Function, operand, key,
                                     failed ? std::string() : tapeDisplayText(view)));
            break;
        case TapeRole::Display:
            view.appendTape(tapeStep(TapeKind::Function, operand, key, tapeDisplayText(view)));
            return true;
        case TapeRole::CashFlow:
            view.appendTape(tapeStep(TapeKind::DataPoint, operand, key));
            break;
        case TapeRole::None:
        case TapeRole::Separator:
            break;
    }
    if (failed) reportTapeError(view);
    return true;
}

}  // namespace zentra
