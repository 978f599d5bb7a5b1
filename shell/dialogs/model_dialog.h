#pragma once
// A Qt dialog that shows a units-dialog model's controls and reports the user's
// actions back to it. Only what the user does is reported: the model's own
// changes to lists and fields never come back as selections or left fields.

#include <QDialog>
#include <functional>
#include <map>

#include "dialogs/dialog_view.h"
#include "shell/dialogs/dialog_layout.h"

class QComboBox;
class QStringListModel;

namespace zentra {

class ModelDialog : public QDialog, public DialogView {
    Q_OBJECT

public:
    ModelDialog(DialogModel& model, QWidget* parent);

    // Runs the dialog modally; true on OK.
    bool run();

    QWidget* control(ControlId id) const;
    QComboBox* list(ControlId id) const;

    // The colour and font choosers chooseColour and chooseFont open; tests
    // replace them.
    std::function<bool(Rgb&, const QString& title)> colourChooser;
    std::function<bool(FontSpec&, Rgb&)> fontChooser;

    // DialogView
    void setTitle(std::string_view title) override;
    void clearList(ControlId list) override;
    void addListItem(ControlId list, std::string_view text) override;
    void addListItems(ControlId list, const std::vector<std::string_view>& names) override;
    void copyList(ControlId from, ControlId to) override;
    void selectListString(ControlId list, std::string_view text) override;
    void selectFirstListItem(ControlId list) override;
    std::optional<std::string> selectedListText(ControlId list) override;
    void setEnabled(ControlId control, bool enabled) override;
    void setVisible(ControlId control, bool visible) override;
    void setText(ControlId control, std::string_view text) override;
    std::string text(ControlId control) override;
    void setFocus(ControlId control) override;
    void setChecked(ControlId control, bool checked) override;
    bool isChecked(ControlId control) override;
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view text, std::string_view caption) override;
    bool runNameDialog(NameDialogModel& model) override;
    bool runFindDialog(FindDialogModel& model) override;
    std::optional<std::string> chooseSaveFile() override;
    std::optional<std::string> chooseLoadFile() override;
    bool chooseColour(Rgb& colour, std::string_view title) override;
    bool chooseFont(FontSpec& font, Rgb& colour) override;
    void endDialog() override;

protected:
    // Called by the derived dialog once its controls are placed: connects the
    // lists, buttons and edits to the model and runs its initialisation.
    void bindControls(std::map<int, QWidget*> controls);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void okClicked();
    // Each list's entries, set whole: a long list fills in one step.
    static QStringListModel* entriesOf(QComboBox* box);

    DialogModel& model_;
    std::map<int, QWidget*> controls_;
    // The lists' texts as the model gave them, so that sorting and selecting
    // need not read them back from the combo boxes.
    std::map<ControlId, SortedList> listItems_;
    bool ending_ = false;  // no field-left reports once the dialog is ending
};

}  // namespace zentra
