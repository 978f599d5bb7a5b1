// The Financial Rates dialog's validation.
#include "dialogs/financial_rates.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "support/dialog_test_support.h"

namespace zentra::testing {
namespace {

struct ValidationCase {
    const char* name;
    const char* bank;
    const char* disc;
    std::optional<std::string> message;
    FinancialRateField field;
};

// Test names carry the case; gtest prints the name instead of the bytes.
void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << c.name;
}

class RatesValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(RatesValidation, AcceptsOnlyNumbersInRange) {
    const ValidationCase& c = GetParam();
    FinancialRateField field = FinancialRateField::Bank;
    const auto rates = validateFinancialRates(c.bank, c.disc, &field);
    EXPECT_EQ(rates ? std::nullopt : std::optional(rates.error()), c.message);
    if (!rates) {
        EXPECT_EQ(field, c.field);
    }
}

const std::string kNotANumber = "Please enter a number.";
const std::string kBankRange = "Please enter a number between 0.0000001 and 1000000.";
const std::string kDiscRange = "Please enter a number between 0.0000001 and 10000000.";
constexpr auto kBank = FinancialRateField::Bank;
constexpr auto kDisc = FinancialRateField::Discount;

INSTANTIATE_TEST_SUITE_P(
    Financial, RatesValidation,
    ::testing::Values(ValidationCase{"PlainNumbers", "8", "5", std::nullopt, kBank},
                      ValidationCase{"BlanksAround", " 8.5 ", "\t5e0 ", std::nullopt, kBank},
                      ValidationCase{"BoundsIncluded", "1e-7", "1E7", std::nullopt, kBank},
                      ValidationCase{"BankText", "abc", "5", kNotANumber, kBank},
                      ValidationCase{"BankEmpty", "", "5", kNotANumber, kBank},
                      ValidationCase{"BankTrailingText", "8x", "5", kNotANumber, kBank},
                      ValidationCase{"CommaIsNoPoint", "8,5", "5", kNotANumber, kBank},
                      ValidationCase{"InfinityIsNoNumber", "inf", "5", kNotANumber, kBank},
                      ValidationCase{"BankZero", "0", "5", kBankRange, kBank},
                      ValidationCase{"BankNegative", "-3", "5", kBankRange, kBank},
                      ValidationCase{"BankAboveRange", "1000001", "5", kBankRange, kBank},
                      ValidationCase{"BankHuge", "1e400", "5", kBankRange, kBank},
                      ValidationCase{"DiscountText", "8", "five", kNotANumber, kDisc},
                      ValidationCase{"DiscountZero", "8", "0", kDiscRange, kDisc},
                      ValidationCase{"DiscountAboveRange", "8", "10000001", kDiscRange, kDisc},
                      ValidationCase{"BankCheckedFirst", "0", "x", kBankRange, kBank}),
    [](const auto& param) { return param.param.name; });

TEST(Financial, ValidRatesAreStored) {
    const auto rates = validateFinancialRates("8.5", " 1e-7");
    ASSERT_TRUE(rates);
    EXPECT_EQ(rates->bankRate, 8.5);
    EXPECT_EQ(rates->discRate, 1e-7);
}

TEST(Financial, RateTextIsPlainDecimal) {
    EXPECT_EQ(financialRateText(10.0), "10");
    EXPECT_EQ(financialRateText(8.5), "8.5");
    EXPECT_EQ(financialRateText(0.1), "0.1");
    EXPECT_EQ(financialRateText(1e-7), "0.0000001");
    EXPECT_EQ(financialRateText(1.5e-6), "0.0000015");
    EXPECT_EQ(financialRateText(1000000.0), "1000000");
    EXPECT_EQ(financialRateText(10000000.0), "10000000");
    EXPECT_EQ(financialRateText(1.0 / 3.0), "0.333333333333333");
}

// Answers the Financial Rates dialog like a user who types two texts.

TEST(FinancialRatesModel, ARefusedFieldTakesTheFocusAndKeepsTheRates) {
    using M = FinancialRatesModel;
    FakeDialogView view;
    M model(FinancialRates{10, 8.5});
    model.initialise(view);
    EXPECT_EQ(view.texts[M::kBankEdit], "10");
    EXPECT_EQ(view.texts[M::kDiscEdit], "8.5");
    EXPECT_EQ(view.focus, M::kBankEdit);

    view.texts[M::kBankEdit] = "7";
    view.texts[M::kDiscEdit] = "0";
    EXPECT_FALSE(model.accept(view));
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.focus, M::kDiscEdit);
    EXPECT_EQ(model.rates().bankRate, 10.0);

    view.texts[M::kDiscEdit] = "6.25";
    EXPECT_TRUE(model.accept(view));
    EXPECT_EQ(model.rates().bankRate, 7.0);
    EXPECT_EQ(model.rates().discRate, 6.25);
}

}  // namespace
}  // namespace zentra::testing
