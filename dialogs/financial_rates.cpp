#include "dialogs/financial_rates.h"

#include <climits>
#include <cmath>
#include <optional>

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
Expected<double> checkRate(std::string_view text, double low, double high) {
    const std::optional<double> parsed = parseWholeNumber(text);
    if (!parsed) return failure(std::string(kEnterNumberText));
    if (!(*parsed >= low && *parsed <= high)) return failure(rangeMessage(low, high));
    return *parsed;
}

std::string withoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

Expected<FinancialRates> validateFinancialRates(std::string_view bankText,
                                                std::string_view discText,
                                                FinancialRateField* badField) {
    const Expected<double> bank = checkRate(bankText, kMinBankRate, kMaxBankRate);
    if (!bank) {
        if (badField) *badField = FinancialRateField::Bank;
        return failure(bank.error());
    }
    const Expected<double> disc = checkRate(discText, kMinDiscRate, kMaxDiscRate);
    if (!disc) {
        if (badField) *badField = FinancialRateField::Discount;
        return failure(disc.error());
    }
    return FinancialRates{*bank, *disc};
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
    const Expected<FinancialRates> rates =
        validateFinancialRates(view().text(kBankEdit), view().text(kDiscEdit), &bad);
    if (rates) {
        rates_ = *rates;
        return true;
    }
    view().showMessage(rates.error());
    view().setFocus(bad == FinancialRateField::Bank ? kBankEdit : kDiscEdit);
    return false;
}

}  // namespace zentra
