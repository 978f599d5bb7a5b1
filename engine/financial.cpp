#include "engine/financial.h"

#include <climits>
#include <cmath>

#include "base/message_texts.h"
#include "base/number_text.h"
#include "engine/display_format.h"
#include "engine/key_handlers.h"
#include "engine/key_labels.h"

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

void cashFlowKey(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    const int k = state.nNPV;
    // The first flow is discounted by one full period.
    const double v = x * std::pow(1.0 + state.discRate * 0.01, -static_cast<double>(k));
    state.sNPV = k == 1 ? v : state.sNPV + v;
    if (k < INT_MAX) state.nNPV = k + 1;
    state.calcStatus = CalcStatus::Ready;
    // Replaces a pending operator unevaluated: = now shows the sum.
    state.pendingOperator = OperatorCode::OpRecallNpv;
    updateKeyLabels(state, view);
}

void financialRatesKey(CalculatorState& state, CalculatorView& view) {
    FinancialRates rates{state.bankRate, state.discRate};
    const bool accepted = [&] {
        PowerOffPause pause(view);
        return view.editFinancialRates(rates);
    }();
    if (!accepted) return;
    state.bankRate = rates.bankRate;
    state.discRate = rates.discRate;
}

}  // namespace zentra
