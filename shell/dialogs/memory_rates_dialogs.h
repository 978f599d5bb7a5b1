#pragma once
// Select Memory (the shifted memory keys) and Financial Rates (the Rate key).

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/financial_rates.h"
#include "shell/dialogs/model_dialog.h"

class QLineEdit;
class QPushButton;

namespace zentra {

class SelectMemoryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstButton = 48;  // buttons "0".."9" end with 48 + k
    static constexpr int kFirstEdit = 1029;

    // values: the ten memories as the engine formatted them.
    SelectMemoryDialog(std::string_view title, const std::array<std::string, 10>& values,
                       QWidget* parent = nullptr);
    // The end code of the button pressed, nothing on Escape or close.
    std::optional<int> run();

    QPushButton* memoryButton(int k) const { return buttons_[static_cast<std::size_t>(k)]; }
    QLineEdit* memoryEdit(int k) const { return edits_[static_cast<std::size_t>(k)]; }

private:
    std::array<QPushButton*, 10> buttons_{};
    std::array<QLineEdit*, 10> edits_{};
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
