#include "engine/entry.h"

#include <string_view>

#include "engine/display_format.h"
#include "engine/number_bases.h"

namespace zentra {
namespace {

std::string_view acceptedCharacters(NumberBase base) {
    switch (base) {
        case NumberBase::Binary:
            return "01";
        case NumberBase::Octal:
            return "01234567";
        case NumberBase::Hexadecimal:
            return "0123456789ABCDEF";
        default:
            return "0123456789.E";
    }
}

bool isDecimalBase(NumberBase base) {
    return !isIntegerBase(base);
}

}  // namespace

bool endUncarriedAngleEntry(CalculatorState& state) {
    if (state.dmsCarried || state.dmsPhase == DmsPhase::Degrees) return false;
    state.dmsPhase = DmsPhase::Degrees;
    return true;
}

void enterCharacter(CalculatorState& state, CalculatorView& view, char ch) {
    carryAngleEntry(state);  // also a refused character: it was typed
    if (acceptedCharacters(state.numberBase).find(ch) == std::string_view::npos) return;
    std::string text;
    if (state.calcStatus == CalcStatus::Entering) {
        text = readDisplayText(view);
        if (ch == '.' && text.find('.') != std::string::npos) return;
        if (ch == 'E' && isDecimalBase(state.numberBase) && text.find('E') != std::string::npos)
            return;
    } else {
        // A new number starts; leading zeros cannot be typed.
        if (ch == '0') {
            view.setDisplayText("0");
            state.calcStatus = CalcStatus::Ready;
            return;
        }
        if (ch == 'E' && isDecimalBase(state.numberBase)) {
            view.setDisplayText("0.0E");
            state.calcStatus = CalcStatus::Entering;
            return;
        }
        state.calcStatus = CalcStatus::Entering;
    }
    if (text.size() >= kEntryLimit) return;
    std::size_t position = text.size();
    if (text == "0")
        position = 0;
    else if (text == "-0")
        position = 1;
    text.resize(position);
    text += ch;
    view.setDisplayText(text);
}

void changeSign(CalculatorState& state, CalculatorView& view) {
    std::string text = readDisplayText(view);
    if (isDecimalBase(state.numberBase)) {
        if (!text.empty() && text.back() == 'E') {
            view.setDisplayText(text + '-');
            return;
        }
        if (text.size() >= 2 && text.ends_with("E-")) {
            text.pop_back();
            view.setDisplayText(text);
            return;
        }
    }
    if (state.numberBase == NumberBase::Binary) return;
    showValue(state, view, -readDisplayValue(state, view));
}

void backspace(CalculatorState& state, CalculatorView& view) {
    carryAngleEntry(state);
    if (state.calcStatus == CalcStatus::Ready) return;  // results cannot be edited
    std::string text = readDisplayText(view);
    if (text.size() == 1)
        text = "0";
    else if (!text.empty())
        text.pop_back();
    view.setDisplayText(text);
}

void exponentKey(CalculatorState& state, CalculatorView& view) {
    switch (state.numberBase) {
        case NumberBase::Decimal:
        case NumberBase::Statistics:
            if (state.shift) {
                showValue(state, view, kPi);
                state.shift = false;
                markCaptions(state, CaptionChange::Latches);
                return;
            }
            enterCharacter(state, view, 'E');
            return;
        case NumberBase::Financial:
            enterCharacter(state, view, 'E');
            return;
        default:
            return;
    }
}

}  // namespace zentra
