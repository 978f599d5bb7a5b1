#include "engine/tape_notes.h"

#include <utility>

#include "base/latin1_text.h"
#include "engine/display_format.h"

namespace zentra {

void noteTape(CalculatorState& state, TapeKind kind, std::string value, std::string result,
              std::string detail) {
    state.tapeNote = {true, kind, std::move(value), std::move(result), std::move(detail)};
}

void convertLatin1(std::string& text) {
    text = latin1ToUtf8(text);
}

std::string tapeDisplayText(CalculatorView& view) {
    std::string text = readDisplayText(view);
    makeUtf8(text);
    return text;
}

}  // namespace zentra
