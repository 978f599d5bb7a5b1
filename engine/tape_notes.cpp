#include "engine/tape_notes.h"

#include <utility>

#include "engine/display_format.h"

namespace zentra {

void noteTape(CalculatorState& state, TapeKind kind, std::string value, std::string result,
              std::string detail) {
    state.tapeNote = {true, kind, std::move(value), std::move(result), std::move(detail)};
}

std::string tapeDisplayText(CalculatorView& view) {
    std::string text = readDisplayText(view);
    makeUtf8(text);
    return text;
}

}  // namespace zentra
