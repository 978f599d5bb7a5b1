#pragma once
// What the Financial Rates dialog edits, and the validation that every host's
// dialog applies when the user presses OK.

#include <string>
#include <string_view>

#include "base/expected.h"
#include "dialogs/dialog_view.h"

namespace zentra {

// Both in percent per period: the bank rate for term, payment, growth and
// annuity, the discount rate for present values and cash flows.
struct FinancialRates {
    double bankRate = 10.0;
    double discRate = 10.0;
};

inline constexpr double kMinBankRate = 1e-7;
inline constexpr double kMaxBankRate = 1000000.0;
inline constexpr double kMinDiscRate = 1e-7;
inline constexpr double kMaxDiscRate = 10000000.0;

// %1 and %2 are the bounds, written by financialRateText.
inline constexpr const char* kEnterNumberBetweenText = "Please enter a number between %1 and %2.";

enum class FinancialRateField { Bank = 0, Discount = 1 };

// Checks the two edit texts of the Financial Rates dialog, bank rate first.
// A number is the whole text: an optional sign, digits with an optional
// point, an optional exponent ("E" or "e"), with blanks allowed around it and
// nothing else; the point is always ".", whatever the user's locale. Gives
// both rates, or the message to show, with *badField (when given) naming the
// field that should get the focus.
Expected<FinancialRates> validateFinancialRates(std::string_view bankText,
                                                std::string_view discText,
                                                FinancialRateField* badField = nullptr);

// A rate as the dialog's edit shows it and as the range message prints the
// bounds: plain decimal without an exponent ("10", "8.5", "0.0000001"), up to
// 15 significant digits, independent of the locale.
std::string financialRateText(double rate);

// The Financial Rates dialog: the bank rate's edit, then the discount rate's.
// OK checks both; a refused text shows its message and takes the focus, and
// the dialog stays open.
class FinancialRatesModel : public DialogModel {
public:
    static constexpr const char* kTitle = "Financial Rates";
    static constexpr ControlId kBankEdit = 1029;
    static constexpr ControlId kDiscEdit = 1030;

    explicit FinancialRatesModel(const FinancialRates& rates) : rates_(rates) {}
    // As given until an OK is accepted, then the validated rates.
    const FinancialRates& rates() const { return rates_; }

protected:
    void onInitialise() override;
    bool onAccept() override;

private:
    FinancialRates rates_;
};

}  // namespace zentra
