#include "shell/dialogs/memory_rates_dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "shell/dialogs/dialog_layout.h"

namespace zentra {

SelectMemoryDialog::SelectMemoryDialog(SelectMemoryModel& model, QWidget* parent)
    : ModelDialog(model, parent) {
    using M = SelectMemoryModel;
    DialogBuilder b(this, templateFont(8), 154, 160, QString::fromLatin1(M::kTitle));
    for (int k = 0; k < M::kMemories; ++k) {
        const int y = 7 + 14 * k;
        b.button(M::kFirstButton + k, QString::number(k), 7, y, 20, 12);
        QLineEdit* value = b.edit(M::kFirstValue + k, 32, y, 115, 12);
        value->setReadOnly(true);
        value->setFocusPolicy(Qt::NoFocus);
    }
    bindControls(b.controls());
    memoryButton(0)->setDefault(true);  // Enter presses "0"
    // Long values show from their start.
    for (int k = 0; k < M::kMemories; ++k) memoryEdit(k)->setCursorPosition(0);
    // The values cannot take the focus: each button says its memory's value.
    for (int k = 0; k < M::kMemories; ++k) {
        nameField(memoryButton(k), QStringLiteral("memory %1").arg(k));
        memoryButton(k)->setAccessibleDescription(memoryEdit(k)->text());
        nameField(memoryEdit(k), QStringLiteral("memory %1 value").arg(k));
    }
}

// A memory's digit chooses it, with Alt as its mnemonic would or without.
void SelectMemoryDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers extra =
        event->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier);
    const int k = event->key() - Qt::Key_0;
    if (extra == Qt::NoModifier && k >= 0 && k < SelectMemoryModel::kMemories) {
        memoryButton(k)->click();
        return;
    }
    ModelDialog::keyPressEvent(event);
}

QPushButton* SelectMemoryDialog::memoryButton(int k) const {
    return qobject_cast<QPushButton*>(control(SelectMemoryModel::kFirstButton + k));
}

QLineEdit* SelectMemoryDialog::memoryEdit(int k) const {
    return qobject_cast<QLineEdit*>(control(SelectMemoryModel::kFirstValue + k));
}

FinancialRatesDialog::FinancialRatesDialog(FinancialRatesModel& model, QWidget* parent)
    : ModelDialog(model, parent) {
    using M = FinancialRatesModel;
    DialogBuilder b(this, templateFont(8), 289, 58, QString::fromLatin1(M::kTitle));
    b.label(-1, QStringLiteral("Bank Interest rate\n(for term, pmt. etc.)"), 7, 6, 100, 18);
    b.edit(M::kBankEdit, 110, 8, 106, 12);
    b.label(-1, QStringLiteral("%"), 219, 10, 8, 8);
    b.label(-1, QStringLiteral("Discount rate\n(for NPV, depr. etc.)"), 7, 31, 100, 18);
    b.edit(M::kDiscEdit, 110, 33, 106, 12);
    b.label(-1, QStringLiteral("%"), 219, 35, 8, 8);
    b.okButton(232, 6, 50, 14);
    b.cancelButton(232, 23, 50, 14);
    bindControls(b.controls());
    nameField(bankEdit(), QStringLiteral("Bank Interest rate (%)"),
              QStringLiteral("Bank Interest rate\n(for term, pmt. etc.)"));
    bankEdit()->setAccessibleDescription(QStringLiteral("for term, pmt. etc."));
    nameField(discEdit(), QStringLiteral("Discount rate (%)"),
              QStringLiteral("Discount rate\n(for NPV, depr. etc.)"));
    discEdit()->setAccessibleDescription(QStringLiteral("for NPV, depr. etc."));
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
