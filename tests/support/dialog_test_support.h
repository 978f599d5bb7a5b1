#pragma once
// A scripted host for the units dialog models: it keeps the controls' state
// (ControlStateView), records messages and questions, and answers the
// sub-dialogs and file choices from queues the test fills.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_view.h"
#include "dialogs/find_dialog_model.h"
#include "dialogs/name_dialog_model.h"

namespace zentra::testing {

class FakeDialogView : public ControlStateView {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;                  // "caption: text"
    std::deque<bool> yesNoAnswers;                       // empty: No
    std::deque<std::optional<std::string>> nameAnswers;  // none: Cancel
    std::deque<std::optional<std::string>> findAnswers;  // none: Cancel
    std::vector<std::string> nameTitles;
    std::vector<std::string> findTitles;
    std::optional<std::string> saveFile;
    std::optional<std::string> loadFile;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view text, std::string_view caption) override {
        questions.push_back(std::string(caption) + ": " + std::string(text));
        if (yesNoAnswers.empty()) return false;
        bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }
    bool runNameDialog(NameDialogModel& model) override {
        nameTitles.push_back(model.title());
        auto answer = pop(nameAnswers);
        if (answer) model.accept(*answer);
        return answer.has_value();
    }
    bool runFindDialog(FindDialogModel& model) override {
        findTitles.push_back(model.title());
        auto answer = pop(findAnswers);
        if (answer) model.accept(*answer);
        return answer.has_value();
    }
    std::optional<std::string> chooseSaveFile() override { return saveFile; }
    std::optional<std::string> chooseLoadFile() override { return loadFile; }

    // The user picks an entry by its text; false when the list has no such entry.
    bool choose(DialogModel& model, ControlId list, const std::string& text) {
        if (!lists[list].selectExact(text)) return false;
        model.selectionChanged(*this, list);
        return true;
    }
    // The user types into an edit and moves the focus elsewhere.
    void type(DialogModel& model, ControlId edit, const std::string& text) {
        texts[edit] = text;
        model.fieldLeft(*this, edit);
    }
    std::vector<std::string> items(ControlId list) { return lists[list].items(); }
    std::optional<std::string> selected(ControlId list) { return lists[list].selectedText(); }

private:
    static std::optional<std::string> pop(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace zentra::testing
