#include "dialogs/financial_rates.h"

#include <climits>
#include <cmath>

#include "base/message_texts.h"
#include "base/number_text.h"

namespace zentra {
namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

// The whole text as a number, blanks around it allowed; nothing otherwise.
std::optional<double> parseWholeNumber(std::string_view text) {
    std::size_t used = 0;
    const double value = parseDecimalPrefix(text, &used);
    if (used == 0) return std::nullopt;
    if (text.find_first_not_of(kBlanks, used) != std::string_view::npos) return std::nullopt;
    return value;
}

std::string rangeMessage(double low, double high) {
    std::string text = kEnterNumberBetweenText;
    const auto fill = [&text](std::string_view mark, const std::string& value) {
        if (auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    };
    fill("%1", financialRateText(low));
    fill("%2", financialRateText(high));
    return text;
}

// One field: its value, or the message that refuses it.
std::optional<std::string> checkRate(std::string_view text, double low, double high,
                                     double& value) {
    const std::optional<double> parsed = parseWholeNumber(text);
    if (!parsed) return std::string(kEnterNumberText);
    if (!(*parsed >= low && *parsed <= high)) return rangeMessage(low, high);
    value = *parsed;
    return std::nullopt;
}

std::string withoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::optional<std::string> validateFinancialRates(std::string_view bankText,
                                                  std::string_view discText, FinancialRates& out,
                                                  FinancialRateField* badField) {
    FinancialRates rates;
    if (auto problem = checkRate(bankText, kMinBankRate, kMaxBankRate, rates.bankRate)) {
        if (badField) *badField = FinancialRateField::Bank;
        return problem;
    }
    if (auto problem = checkRate(discText, kMinDiscRate, kMaxDiscRate, rates.discRate)) {
        if (badField) *badField = FinancialRateField::Discount;
        return problem;
    }
    out = rates;
    return std::nullopt;
}

std::string financialRateText(double rate) {
    const std::string general = formatDouble(rate, 'g', 15, false);
    if (!std::isfinite(rate) || rate == 0.0 || general.find('e') == std::string::npos)
        return general;
    // Small rates in plain decimals, still with 15 significant digits.
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rate))));
    if (exponent >= 0) return general;
    return withoutTrailingZeros(formatDouble(rate, 'f', 14 - exponent, false));
}

void FinancialRatesModel::onInitialise() {
    view().setText(kBankEdit, financialRateText(rates_.bankRate));
    view().setText(kDiscEdit, financialRateText(rates_.discRate));
    view().setFocus(kBankEdit);
}

bool FinancialRatesModel::onAccept() {
    FinancialRateField bad = FinancialRateField::Bank;
    const std::optional<std::string> problem =
        validateFinancialRates(view().text(kBankEdit), view().text(kDiscEdit), rates_, &bad);
    if (!problem) return true;
    view().showMessage(*problem);
    view().setFocus(bad == FinancialRateField::Bank ? kBankEdit : kDiscEdit);
    return false;
}

}  // namespace zentra
