#include "engine/dispatch.h"

#include "base/message_texts.h"
#include "engine/command_id.h"
#include "engine/display_format.h"
#include "engine/entry.h"
#include "engine/evaluation.h"
#include "engine/key_handlers.h"
#include "engine/key_labels.h"

namespace zentra {
namespace {

using Handler = void (*)(CalculatorState&, CalculatorView&);

template <int Digit>
void keyDigit(CalculatorState& state, CalculatorView& view) {
    if (state.numberBase == NumberBase::Statistics && state.shift) {
        statisticKey(state, view, Digit);
        return;
    }
    enterCharacter(state, view, static_cast<char>('0' + Digit));
}

template <OperatorCode Code>
void keyOperator(CalculatorState& state, CalculatorView& view) {
    applyOperator(state, view, Code);
}

void keyPow(CalculatorState& state, CalculatorView& view) {
    if (state.shift) {
        applyOperator(state, view, OperatorCode::OpRoot);
        state.shift = false;
        updateKeyLabels(state, view);
        return;
    }
    applyOperator(state, view, OperatorCode::OpPower);
}

void keyPoint(CalculatorState& state, CalculatorView& view) {
    enterCharacter(state, view, '.');
}
void noEffect(CalculatorState&, CalculatorView&) {}

struct CommandEntry {
    CommandId id;
    Handler handler;  // nullptr: the host performs it (copy, paste, Help)
};

constexpr CommandEntry kCommands[] = {
    {CommandId::Cmd0, keyDigit<0>},
    {CommandId::Cmd1, keyDigit<1>},
    {CommandId::Cmd2, keyDigit<2>},
    {CommandId::Cmd3, keyDigit<3>},
    {CommandId::Cmd4, keyDigit<4>},
    {CommandId::Cmd5, keyDigit<5>},
    {CommandId::Cmd6, keyDigit<6>},
    {CommandId::Cmd7, keyDigit<7>},
    {CommandId::Cmd8, keyDigit<8>},
    {CommandId::Cmd9, keyDigit<9>},
    {CommandId::CmdPoint, keyPoint},
    {CommandId::CmdExp, exponentKey},
    {CommandId::CmdChangeSign, changeSign},
    {CommandId::CmdBackspace, backspace},
    {CommandId::CmdAdd, keyOperator<OperatorCode::OpAdd>},
    {CommandId::CmdSubtract, keyOperator<OperatorCode::OpSubtract>},
    {CommandId::CmdMultiply, keyOperator<OperatorCode::OpMultiply>},
    {CommandId::CmdDivide, keyOperator<OperatorCode::OpDivide>},
    {CommandId::CmdPow, keyPow},
    {CommandId::CmdEquals, equalsKey},
    {CommandId::CmdOpenBracket, openBracket},
    {CommandId::CmdCloseBracket, closeBracket},
    {CommandId::CmdClear, clearEntry},
    {CommandId::CmdAllClear, allClear},
    {CommandId::CmdShift, toggleShift},
    {CommandId::CmdSin, keySin},
    {CommandId::CmdCos, keyCos},
    {CommandId::CmdTan, keyTan},
    {CommandId::CmdHyp, keyHyp},
    {CommandId::CmdDeg, keyDeg},
    {CommandId::CmdLn, keyLn},
    {CommandId::CmdLog, keyLog},
    {CommandId::CmdSqr, keySqr},
    {CommandId::CmdSqrt, keySqrt},
    {CommandId::CmdReciprocal, keyReciprocal},
    {CommandId::CmdMemoryRecall, keyMemoryRecall},
    {CommandId::CmdMemoryIn, keyMemoryIn},
    {CommandId::CmdMemoryAdd, keyMemoryAdd},
    {CommandId::CmdUnit, keyUnit},
    {CommandId::CmdConst, keyConst},
    {CommandId::CmdMode, keyMode},
    {CommandId::CmdCopy, nullptr},
    {CommandId::CmdPaste, nullptr},
    {CommandId::CmdHelp, nullptr},
    {CommandId::CmdPercent, noEffect},
};

const CommandEntry* findCommand(CommandId id) {
    for (const CommandEntry& entry : kCommands)
        if (entry.id == id) return &entry;
    return nullptr;
}

// Refuses a command in Error status; the sixth refusal since the last AC
// warns and clears.
void refuse(CalculatorState& state, CalculatorView& view) {
    if (state.errorBeep) view.beep();
    const int before = state.errorKeyCount++;
    if (before > 4) {
        view.showMessage(kNeedAllClearText, kWarningCaption);
        allClear(state, view);
    }
}

}  // namespace

bool handleCommand(CalculatorState& state, CalculatorView& view, std::uint32_t word) {
    const CommandEntry* entry = findCommand(commandOf(word));
    if (!entry) return false;
    // The gate compares the full word: F1 from the keyboard is not the Help button.
    const bool passes = state.calcStatus != CalcStatus::Error ||
                        word == commandWord(CommandId::CmdAllClear) ||
                        word == commandWord(CommandId::CmdHelp);
    if (!passes) {
        refuse(state, view);
        return true;
    }
    if (!entry->handler) return false;
    entry->handler(state, view);
    return true;
}

void resetEntry(CalculatorState& state, CalculatorView& view) {
    state.calcStatus = CalcStatus::Ready;
    showValue(state, view, 0.0);
    state.pendingOperator = OperatorCode::OpEquals;
    state.shift = false;
    state.hyp = false;
    updateKeyLabels(state, view);
}

void allClear(CalculatorState& state, CalculatorView& view) {
    state.bracketDepth = 0;
    if (state.shift && state.numberBase == NumberBase::Statistics) {
        state.sum = 0.0;
        state.sumSq = 0.0;
        state.nSum = 0;
        state.max = -1.7976931348623157e308;
        state.min = 1.7976931348623157e308;
    }
    state.nNPV = 1;
    resetEntry(state, view);
    state.errorKeyCount = 0;
}

void clearEntry(CalculatorState& state, CalculatorView& view) {
    showValue(state, view, 0.0);
}

void toggleShift(CalculatorState& state, CalculatorView& view) {
    state.shift = !state.shift;
    updateKeyLabels(state, view);
}

}  // namespace zentra
