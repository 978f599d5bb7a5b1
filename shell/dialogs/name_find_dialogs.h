#pragma once
// The Name dialog (a new property, unit or constant) and the Find dialog.

#include <QDialog>

#include "dialogs/find_dialog_model.h"
#include "dialogs/name_dialog_model.h"

class QLineEdit;

namespace zentra {

class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(NameDialogModel& model, QWidget* parent = nullptr);
    // True on OK, after the model took the text exactly as typed.
    bool run();
    QLineEdit* nameEdit() const { return edit_; }

private:
    NameDialogModel& model_;
    QLineEdit* edit_ = nullptr;
};

class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(FindDialogModel& model, QWidget* parent = nullptr);
    // True on OK, after the model searched (found or not).
    bool run();
    QLineEdit* searchEdit() const { return edit_; }

private:
    FindDialogModel& model_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace zentra
