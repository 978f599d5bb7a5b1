#include "engine/tape_steps.h"

#include <iterator>

#include "base/key_glyphs.h"
#include "base/latin1_text.h"
#include "engine/display_format.h"
#include "engine/evaluation.h"
#include "engine/key_handlers.h"
#include "engine/key_labels.h"

namespace zentra {
namespace {

struct HandlerRole {
    Handler handler;
    TapeRole role;
};

// The keys whose handler alone says what the tape records.
constexpr HandlerRole kHandlerRoles[] = {
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
    {equalsKey, TapeRole::Equals},
    {openBracket, TapeRole::OpenBracket},
    {closeBracket, TapeRole::CloseBracket},
    {cashFlowKey, TapeRole::CashFlow},
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

// The entry is built where the view's parameter is: the texts move once.
void append(CalculatorView& view, TapeKind kind, std::string&& value, std::string&& key,
            std::string&& result = {}) {
    view.appendTape({kind, std::move(value), std::move(key), std::move(result), {}});
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

// Most display texts are ASCII and go on unchanged.
void makeUtf8(std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            text = latin1ToUtf8(text);
            return;
        }
    }
}

}  // namespace

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

std::string tapeDisplayText(CalculatorView& view) {
    std::string text = readDisplayText(view);
    makeUtf8(text);
    return text;
}

std::string tapeKeyName(const CalculatorState& state, CommandId key, bool shifted) {
    const KeyRow* row = findKey(key);
    return row ? tapeKeyName(state, *row, shifted) : std::string();
}

std::string tapeKeyName(const CalculatorState& state, const KeyRow& row, bool shifted) {
    const ModeFacts& facts = factsIn(row, state.numberBase);
    if (facts.writer == writeTrigCaption)
        return (shifted ? "a" : "") + std::string(facts.caption.words) + (state.hyp ? "h" : "");
    if (facts.writer == writeCashFlowCaption) return "V:" + std::to_string(state.nNPV);
    if (row.id == CommandId::CmdDeg && !shifted && showsScientific(state.numberBase))
        return dmsStepName(state.dmsPhase);
    if (shifted && facts.shifted.words) return captionText(facts.shifted);
    return captionText(facts.caption.words ? facts.caption : row.start);
}

void reportTapeError(CalculatorView& view) {
    append(view, TapeKind::Error, tapeDisplayText(view), {});
}

void reportTapeSeparator(CalculatorView& view) {
    append(view, TapeKind::Separator, {}, "AC");
}

void performRecorded(TapeRole role, const KeyRow& row, const Action& action, CalculatorState& state,
                     CalculatorView& view) {
    const CalcStatus before = state.calcStatus;
    const int depth = state.bracketDepth;
    // An equals with nothing to finish shows nothing new: no line for it.
    const bool idleEquals = role == TapeRole::Equals && before == CalcStatus::Ready && depth <= 0 &&
                            state.pendingOperator == OperatorCode::OpEquals;
    std::string operand;
    if (role != TapeRole::OpenBracket && role != TapeRole::Value) operand = tapeDisplayText(view);
    std::string key = tapeKeyName(state, row, state.shift);

    runAction(action, state, view);
    const bool failed = before != CalcStatus::Error && state.calcStatus == CalcStatus::Error;
    switch (role) {
        case TapeRole::Operation:
            append(view, TapeKind::Operation, std::move(operand), std::move(key));
            break;
        case TapeRole::Equals:
            if (idleEquals) break;
            append(view, TapeKind::Operation, std::move(operand), "=");
            if (!failed) append(view, TapeKind::Result, tapeDisplayText(view), {});
            break;
        case TapeRole::OpenBracket:
            if (state.bracketDepth != depth) append(view, TapeKind::Operation, {}, "(");
            break;
        case TapeRole::CloseBracket:
            if (depth > 0) append(view, TapeKind::Operation, std::move(operand), ")");
            break;
        case TapeRole::Function:
        case TapeRole::Value:
            append(view, TapeKind::Function, std::move(operand), std::move(key),
                   failed ? std::string() : tapeDisplayText(view));
            break;
        case TapeRole::Display:
            append(view, TapeKind::Function, std::move(operand), std::move(key),
                   tapeDisplayText(view));
            return;
        case TapeRole::CashFlow:
            append(view, TapeKind::DataPoint, std::move(operand), std::move(key));
            break;
        case TapeRole::None:
            break;
    }
    if (failed) reportTapeError(view);
}

}  // namespace zentra
