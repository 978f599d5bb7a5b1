#pragma once

#include <algorithm>
#include <string>

#include "cli/cli_view.h"
#include "dialogs/dialog_view.h"

namespace zentra::cli {

// The dialog models without a screen: they run against the controls'
// state, and the answer token picks entries by name as a user would.
class CliDialogView : public ControlStateView {
public:
    explicit CliDialogView(DialogAnswers& answers) : answers_(answers) {}

    void showMessage(std::string_view text) override { answers_.message(std::string(text)); }
    // The answers only choose entries, so no field is edited and no question
    // arises; if one did, No leaves the database as it is.
    bool askYesNo(std::string_view text, std::string_view /*caption*/) override {
        answers_.message(std::string(text));
        return false;
    }
    bool runNameDialog(NameDialogModel&) override { return false; }
    bool runFindDialog(FindDialogModel&) override { return false; }
    std::optional<std::string> chooseSaveFile() override { return std::nullopt; }
    std::optional<std::string> chooseLoadFile() override { return std::nullopt; }

    // Chooses the entry named exactly name, as the user's pick; an empty name
    // keeps the dialog's preselection. False when there is no such entry: the
    // answer is refused.
    bool choose(DialogModel& model, ControlId list, const std::string& name, const Token& token,
                const char* what) {
        if (name.empty()) return true;
        if (!lists[list].selectExact(name)) {
            answers_.refuse(token, "no " + std::string(what) + " \"" + name + "\"");
            return false;
        }
        model.selectionChanged(*this, list);
        return true;
    }

    bool hasEntry(ControlId list, const std::string& name) {
        const auto& items = lists[list].items();
        return std::find(items.begin(), items.end(), name) != items.end();
    }

private:
    DialogAnswers& answers_;
};

}  // namespace zentra::cli
