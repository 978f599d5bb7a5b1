#pragma once
// Select Memory (the shifted memory keys) and Financial Rates (the Rate key).

#include <QDialog>

#include "dialogs/financial_rates.h"
#include "dialogs/select_memory.h"
#include "shell/dialogs/model_dialog.h"

class QLineEdit;
class QPushButton;

namespace zentra {

class SelectMemoryDialog : public ModelDialog {
    Q_OBJECT
public:
    SelectMemoryDialog(SelectMemoryModel& model, QWidget* parent = nullptr);

    QPushButton* memoryButton(int k) const;
    QLineEdit* memoryEdit(int k) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class FinancialRatesDialog : public ModelDialog {
    Q_OBJECT
public:
    FinancialRatesDialog(FinancialRatesModel& model, QWidget* parent = nullptr);

    QLineEdit* bankEdit() const;
    QLineEdit* discEdit() const;
    QPushButton* okButton() const;
};

}  // namespace zentra
