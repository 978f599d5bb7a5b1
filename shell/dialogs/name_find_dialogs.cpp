#include "shell/dialogs/name_find_dialogs.h"

#include <QLineEdit>
#include <QPushButton>

#include "shell/dialogs/dialog_layout.h"

namespace zentra {
namespace {

void addOkCancel(DialogBuilder& b, QDialog* dialog, int x) {
    QPushButton* ok = b.okButton(x, 6, 50, 14);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QPushButton* cancel = b.cancelButton(x, 23, 50, 14);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace

NameDialog::NameDialog(NameDialogModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    DialogBuilder b(this, templateFont(8), 230, 44, QString::fromUtf8(model_.title().c_str()));
    edit_ = b.edit(NameDialogModel::kNameEdit, 7, 8, 160, 12);
    edit_->setText(QString::fromUtf8(model_.name().c_str()));
    nameField(edit_, windowTitle());  // the field has no label but the title
    addOkCancel(b, this, 173);
    edit_->setFocus();
}

bool NameDialog::run() {
    if (exec() != QDialog::Accepted) return false;
    model_.accept(edit_->text().toUtf8().toStdString());
    return true;
}

FindDialog::FindDialog(FindDialogModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    DialogBuilder b(this, templateFont(8), 231, 44, QString::fromStdString(model_.title()));
    b.label(-1, QStringLiteral("Search String:"), 7, 10, 58, 8);
    edit_ = b.edit(FindDialogModel::kSearchEdit, 66, 8, 100, 12);
    edit_->setText(QString::fromUtf8(model_.searchText().c_str()));
    nameField(edit_, QStringLiteral("Search String"), QStringLiteral("Search String:"));
    addOkCancel(b, this, 174);
    edit_->setFocus();
}

bool FindDialog::run() {
    if (exec() != QDialog::Accepted) return false;
    model_.accept(edit_->text().toUtf8().toStdString());
    return true;
}

}  // namespace zentra
