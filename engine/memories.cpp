// The ten memory registers and the Select Memory dialog that the shifted
// memory keys open.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/select_memory.h"
#include "engine/display_format.h"
#include "engine/evaluation.h"
#include "engine/memories.h"
#include "engine/tape_notes.h"

namespace zentra {
namespace {

// A memory as the list shows it, in the current base and display type. A value
// the display cannot hold (an infinity, a word too wide for Binary) shows its
// error text in its own row instead of putting the calculator into Error
// status, so opening the list never costs the calculation in progress.
std::string memoryListText(const CalculatorState& state, double value) {
    return valueText(state, value);
}

// Runs the Select Memory dialog. Returns the chosen memory, or nothing when
// the user cancelled.
std::optional<int> chooseMemory(CalculatorState& state, CalculatorView& view,
                                std::string_view title) {
    std::array<std::string, kMemoryCount> values;
    for (int k = 0; k < kMemoryCount; ++k)
        values[static_cast<std::size_t>(k)] =
            memoryListText(state, state.memory[static_cast<std::size_t>(k)]);
    // Formatting for the list ends an entry in progress, as showing a value does.
    if (state.calcStatus != CalcStatus::Error) state.calcStatus = CalcStatus::Ready;

    SelectMemoryModel model(std::string(title), values);
    const bool chosen = [&] {
        PowerOffPause pause(view);
        return view.runSelectMemoryDialog(model);
    }();
    return chosen ? model.chosen() : std::nullopt;
}

// The memory a key works on: 0 without shift, else the one chosen in the
// dialog. A shifted use always ends with shift cleared, chosen or cancelled.
std::optional<int> targetMemory(CalculatorState& state, CalculatorView& view,
                                std::string_view title) {
    if (!state.shift) return 0;
    const std::optional<int> k = chooseMemory(state, view, title);
    state.shift = false;
    markCaptions(state, CaptionChange::Latches);
    return k;
}

double& memoryAt(CalculatorState& state, int k) {
    return state.memory[static_cast<std::size_t>(k)];
}

void reportStore(CalculatorState& state, CalculatorView& view, int k) {
    if (state.tape)
        noteTape(state, TapeKind::MemoryStore, tapeDisplayText(view), {}, std::to_string(k));
}

}  // namespace

void keyMemoryIn(CalculatorState& state, CalculatorView& view) {
    const std::optional<int> k = targetMemory(state, view, "Memory Input");
    if (!k) return;
    memoryAt(state, *k) = readDisplayValue(state, view);
    // The stored value is finished: the next digit starts a new number, so
    // that 5 Min 3 M+ adds 3, not 53.
    state.calcStatus = CalcStatus::Ready;
    reportStore(state, view, *k);
}

void keyMemoryRecall(CalculatorState& state, CalculatorView& view) {
    const std::optional<int> k = targetMemory(state, view, "Memory Recall");
    if (!k) return;
    showValue(state, view, memoryAt(state, *k));
    // Where the value came from; a value the display cannot show reports its error instead.
    if (!state.tape || state.calcStatus == CalcStatus::Error) return;
    noteTape(state, TapeKind::MemoryRecall, tapeDisplayText(view), {}, std::to_string(*k));
}

void keyMemoryAdd(CalculatorState& state, CalculatorView& view) {
    applyOperator(state, view, OperatorCode::OpEquals);
    // An error while completing the calculation leaves nothing to add; the
    // error text would otherwise read as 0.
    if (state.calcStatus == CalcStatus::Error) return;
    const std::optional<int> k = targetMemory(state, view, "Memory Add");
    if (!k) return;
    memoryAt(state, *k) += readDisplayValue(state, view);
    reportStore(state, view, *k);
}

}  // namespace zentra
