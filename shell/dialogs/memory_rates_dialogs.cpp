#include "shell/dialogs/memory_rates_dialogs.h"

#include <QLineEdit>
#include <QPushButton>

#include "shell/dialogs/dialog_layout.h"

namespace zentra {

SelectMemoryDialog::SelectMemoryDialog(std::string_view title,
                                       const std::array<std::string, 10>& values, QWidget* parent)
    : QDialog(parent) {
    DialogBuilder b(this, templateFont(8), 140, 160, QStringLiteral("Select Memory"));
    // A title from the key replaces the template's caption.
    if (!title.empty())
        setWindowTitle(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
    for (int k = 0; k < 10; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int y = 7 + 14 * k;
        buttons_[i] = b.button(kFirstButton + k, QString::number(k), 7, y, 20, 12);
        edits_[i] = b.edit(kFirstEdit + k, 32, y, 101, 12);
        edits_[i]->setReadOnly(true);
        edits_[i]->setFocusPolicy(Qt::NoFocus);
        edits_[i]->setText(QString::fromLatin1(values[i].c_str()));
        edits_[i]->setCursorPosition(0);
        const int code = kFirstButton + k;
        connect(buttons_[i], &QPushButton::clicked, this, [this, code] { done(code); });
    }
    // Enter presses "0".
    buttons_[0]->setDefault(true);
    buttons_[0]->setFocus();
}

std::optional<int> SelectMemoryDialog::run() {
    const int code = exec();
    if (code == QDialog::Rejected) return std::nullopt;
    return code;
}

FinancialRatesDialog::FinancialRatesDialog(FinancialRatesModel& model, QWidget* parent)
    : ModelDialog(model, parent) {
    using M = FinancialRatesModel;
    DialogBuilder b(this, templateFont(8), 245, 58, QString::fromLatin1(M::kTitle));
    b.label(-1, QStringLiteral("Bank Interest rate\n(for term, pmt. etc.)"), 7, 6, 100, 18);
    b.edit(M::kBankEdit, 110, 8, 60, 12);
    b.label(-1, QStringLiteral("%"), 173, 10, 8, 8);
    b.label(-1, QStringLiteral("Discount rate\n(for NPV, depr. etc.)"), 7, 31, 100, 18);
    b.edit(M::kDiscEdit, 110, 33, 60, 12);
    b.label(-1, QStringLiteral("%"), 173, 35, 8, 8);
    b.okButton(188, 6, 50, 14);
    b.cancelButton(188, 23, 50, 14);
    bindControls(b.controls());
}

QLineEdit* FinancialRatesDialog::bankEdit() const {
    return qobject_cast<QLineEdit*>(control(FinancialRatesModel::kBankEdit));
}

QLineEdit* FinancialRatesDialog::discEdit() const {
    return qobject_cast<QLineEdit*>(control(FinancialRatesModel::kDiscEdit));
}

QPushButton* FinancialRatesDialog::okButton() const {
    return qobject_cast<QPushButton*>(control(kIdOk));
}

}  // namespace zentra
