#pragma once
// Select Memory, which the shifted memory keys open: ten buttons "0".."9"
// beside the ten memories as the engine formatted them. A button ends the
// dialog with its memory; Cancel (Escape) ends it with none.

#include <array>
#include <optional>
#include <string>

#include "dialogs/dialog_view.h"

namespace zentra {

class SelectMemoryModel : public DialogModel {
public:
    static constexpr const char* kTitle = "Select Memory";
    static constexpr int kMemories = 10;
    static constexpr ControlId kFirstButton = 48;   // memory k's button is kFirstButton + k
    static constexpr ControlId kFirstValue = 1029;  // its value, read-only

    // title: the key's own ("Memory Input"), or empty for kTitle.
    SelectMemoryModel(std::string title, std::array<std::string, kMemories> values);
    const std::string& title() const { return title_; }
    // The memory whose button ended the dialog.
    std::optional<int> chosen() const { return chosen_; }

protected:
    void onInitialise() override;
    void onClicked(ControlId button) override;
    bool onAccept() override { return chosen_.has_value(); }

private:
    std::string title_;
    std::array<std::string, kMemories> values_;
    std::optional<int> chosen_;
};

}  // namespace zentra
