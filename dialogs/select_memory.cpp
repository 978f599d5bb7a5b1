#include "dialogs/select_memory.h"

#include <utility>

namespace zentra {

SelectMemoryModel::SelectMemoryModel(std::string title, std::array<std::string, kMemories> values)
    : title_(title.empty() ? kTitle : std::move(title)), values_(std::move(values)) {}

void SelectMemoryModel::onInitialise() {
    view().setTitle(title_);
    for (int k = 0; k < kMemories; ++k)
        view().setText(kFirstValue + k, values_[static_cast<std::size_t>(k)]);
    view().setFocus(kFirstButton);  // Enter presses "0"
}

void SelectMemoryModel::onClicked(ControlId button) {
    const int k = button - kFirstButton;
    if (k < 0 || k >= kMemories) return;
    chosen_ = k;
    view().endDialog();
}

}  // namespace zentra
