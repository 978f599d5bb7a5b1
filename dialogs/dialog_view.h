#pragma once
// The dialogs (Convert, Properties, Name, Find, Calculator Mode, Financial Rates,
// Select Memory) as platform-free models.
// A model holds every step of its dialog; a host (the Qt window, zentra-cli, the
// tests) shows the controls through DialogView and reports the user's actions to
// the model's handlers. Controls are named by their ids in the dialog layouts.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/appearance_settings.h"
#include "dialogs/select_string.h"

namespace zentra {

using ControlId = int;

inline constexpr ControlId kIdOk = 1;
inline constexpr ControlId kIdCancel = 2;

class NameDialogModel;
class FindDialogModel;

class DialogView {
public:
    virtual ~DialogView() = default;

    virtual void setTitle(std::string_view title) = 0;

    // Drop-down lists, kept sorted (lessIgnoringCase, sortedInsertIndex).
    virtual void clearList(ControlId list) = 0;
    virtual void addListItem(ControlId list, std::string_view text) = 0;
    // The same as adding each name in turn, for filling a list with a whole
    // database list: a property may have many thousands of units.
    virtual void addListItems(ControlId list, const std::vector<std::string_view>& names) = 0;
    // Fills the empty list to with the entries of from, as adding them again
    // would, without sorting the same names a second time.
    virtual void copyList(ControlId from, ControlId to) = 0;
    // Selects the entry selectStringIndex picks; no match leaves the selection.
    virtual void selectListString(ControlId list, std::string_view text) = 0;
    virtual void selectFirstListItem(ControlId list) = 0;
    virtual std::optional<std::string> selectedListText(ControlId list) = 0;

    virtual void setEnabled(ControlId control, bool enabled) = 0;
    virtual void setVisible(ControlId control, bool visible) = 0;
    // Edit texts and group-box captions.
    virtual void setText(ControlId control, std::string_view text) = 0;
    virtual std::string text(ControlId control) = 0;
    virtual void setFocus(ControlId control) = 0;
    // Check boxes and radio buttons. Checking a radio button need not clear
    // the others of its group: a model sets each one of the group.
    virtual void setChecked(ControlId control, bool checked) = 0;
    virtual bool isChecked(ControlId control) = 0;

    // The application's message box (OK, application title as caption).
    virtual void showMessage(std::string_view text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view caption) = 0;

    // Sub-dialogs. On OK the host passes the typed text to the model's accept
    // and returns true; Cancel returns false.
    virtual bool runNameDialog(NameDialogModel& model) = 0;
    virtual bool runFindDialog(FindDialogModel& model) = 0;
    // Ends the dialog as its OK does, for a model whose own buttons end it
    // (Select Memory's memory buttons).
    virtual void endDialog() = 0;

    // The properties-file dialogs: the chosen path, none when cancelled.
    virtual std::optional<std::string> chooseSaveFile() = 0;
    virtual std::optional<std::string> chooseLoadFile() = 0;

    // The Calculator Mode dialog's choosers: true when the user chose, with the
    // choice written back; Cancel leaves the arguments as they were.
    virtual bool chooseColour(Rgb& colour, std::string_view title) = 0;
    virtual bool chooseFont(FontSpec& font, Rgb& colour) = 0;
};

// The names of a database list (properties, units or constants), in its order,
// for addListItems.
template <class Records>
std::vector<std::string_view> namesOf(const Records& records) {
    std::vector<std::string_view> names;
    names.reserve(records.size());
    for (const auto& record : records) names.emplace_back(record.name);
    return names;
}

// The handlers a host calls. Changes the model makes itself (selecting a name,
// writing a field) must not come back as user actions: hosts report only what
// the user did. A runtime problem inside a handler has already been shown when
// it arrives here; it abandons that handler and the dialog stays open.
class DialogModel {
public:
    virtual ~DialogModel() = default;

    void initialise(DialogView& view);
    // The user chose an entry of a list.
    void selectionChanged(DialogView& view, ControlId list);
    // A button other than OK and Cancel.
    void clicked(DialogView& view, ControlId button);
    // An edit lost the focus.
    void fieldLeft(DialogView& view, ControlId edit);
    // OK; true ends the dialog. Cancel needs no call: it ends the dialog untouched.
    bool accept(DialogView& view);

protected:
    DialogView& view() { return *view_; }

    virtual void onInitialise() = 0;
    virtual void onSelectionChanged(ControlId) {}
    virtual void onClicked(ControlId) {}
    virtual void onFieldLeft(ControlId) {}
    virtual bool onAccept() { return true; }

private:
    template <class Handler>
    bool guarded(DialogView& view, Handler handler);

    DialogView* view_ = nullptr;
};

// A DialogView that only keeps the state of its controls, for hosts without
// real controls (zentra-cli) and for the tests. Messages, questions,
// sub-dialogs and file choices are left to the deriving host; it has no
// colour or font chooser.
class ControlStateView : public DialogView {
public:
    bool ended = false;  // endDialog was called
    std::string title;
    std::map<ControlId, SortedList> lists;
    std::map<ControlId, std::string> texts;
    std::set<ControlId> disabled;
    std::set<ControlId> hidden;
    std::set<ControlId> checked;
    std::optional<ControlId> focus;

    void setTitle(std::string_view text) override { title = std::string(text); }
    void endDialog() override { ended = true; }
    void clearList(ControlId list) override { lists[list].clear(); }
    void addListItem(ControlId list, std::string_view text) override { lists[list].add(text); }
    void addListItems(ControlId list, const std::vector<std::string_view>& names) override {
        lists[list].addAll(names);
    }
    void copyList(ControlId from, ControlId to) override {
        lists[to] = lists[from];
        lists[to].selectIndex(std::nullopt);
    }
    void selectListString(ControlId list, std::string_view text) override {
        lists[list].selectString(text);
    }
    void selectFirstListItem(ControlId list) override { lists[list].selectIndex(0); }
    std::optional<std::string> selectedListText(ControlId list) override {
        return lists[list].selectedText();
    }
    void setEnabled(ControlId control, bool enabled) override {
        if (enabled) {
            disabled.erase(control);
        } else {
            disabled.insert(control);
        }
    }
    void setVisible(ControlId control, bool visible) override {
        if (visible) {
            hidden.erase(control);
        } else {
            hidden.insert(control);
        }
    }
    void setText(ControlId control, std::string_view text) override {
        texts[control] = std::string(text);
    }
    std::string text(ControlId control) override { return texts[control]; }
    void setFocus(ControlId control) override { focus = control; }
    void setChecked(ControlId control, bool on) override {
        if (on) {
            checked.insert(control);
        } else {
            checked.erase(control);
        }
    }
    bool isChecked(ControlId control) override { return checked.contains(control); }
    bool chooseColour(Rgb&, std::string_view) override { return false; }
    bool chooseFont(FontSpec&, Rgb&) override { return false; }

    bool isEnabled(ControlId control) const { return !disabled.contains(control); }
    bool isVisible(ControlId control) const { return !hidden.contains(control); }
};

}  // namespace zentra
