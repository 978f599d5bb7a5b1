#pragma once
// Select Memory (the shifted memory keys) and Financial Rates (the Rate key).

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/financial_rates.h"

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

class FinancialRatesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBankEdit = 1029;
    static constexpr int kDiscEdit = 1030;

    FinancialRatesDialog(const FinancialRates& rates, QWidget* parent = nullptr);
    // True on OK; the validated rates are then in rates().
    bool run();
    const FinancialRates& rates() const { return rates_; }

    QLineEdit* bankEdit() const { return bank_; }
    QLineEdit* discEdit() const { return disc_; }
    QPushButton* okButton() const { return ok_; }

private:
    void okClicked();

    FinancialRates rates_;
    QLineEdit* bank_ = nullptr;
    QLineEdit* disc_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace zentra
