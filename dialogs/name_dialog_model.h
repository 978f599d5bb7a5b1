#pragma once
// The Name dialog: one edit for the name of a new property, unit or constant.

#include <string>
#include <string_view>

#include "dialogs/dialog_view.h"

namespace zentra {

class NameDialogModel {
public:
    static constexpr ControlId kNameEdit = 131;

    explicit NameDialogModel(std::string title = "Name") : title_(std::move(title)) {}

    const std::string& title() const { return title_; }
    // The edit's first text.
    const std::string& name() const { return name_; }
    // OK: the text exactly as typed; it may be empty and is not trimmed.
    void accept(std::string_view typed) { name_ = std::string(typed); }

private:
    std::string title_;
    std::string name_;
};

}  // namespace zentra
