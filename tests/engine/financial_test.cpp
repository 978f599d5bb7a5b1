#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "engine/financial.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"

namespace zentra::testing {
namespace {

using Op = OperatorCode;

CalculatorState financialState() {
    CalculatorState s;
    s.numberBase = NumberBase::Financial;
    return s;
}

// In Financial the scientific keys are the financial operators: deg NPV, log
// Mrtg, ln Inv, sqr Ann, sqrt Term, sin SLD, cos DDB, tan SYD.
class FinancialOperator : public ::testing::TestWithParam<KeysCase> {};

TEST_P(FinancialOperator, AtTenPercent) {
    CalculatorState s = financialState();
    RecordingView v;
    press(s, v, GetParam().keys);
    EXPECT_EQ(v.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Financial, FinancialOperator,
    ::testing::Values(KeysCase{"MortgagePayment", "1000 log 12 =", "146.7633151"},
                      KeysCase{"InvestmentGrowth", "1000 ln 2 =", "1210.000000"},
                      KeysCase{"Annuity", "100 sqr 2 =", "210.0000000"},
                      KeysCase{"Term", "1000 sqrt 2000 =", "7.272540897"},
                      KeysCase{"PresentValue", "121 deg 2 =", "100.0000000"},
                      KeysCase{"StraightLine", "5 sin 2 =", "0.4000000000"},
                      KeysCase{"DoubleDecliningBalance", "5 cos 1 =", "0.4000000000"},
                      KeysCase{"SumOfYearsDigits", "5 tan 1 =", "0.3333333333"},
                      KeysCase{"NextOperatorEvaluatesIt", "1000 ln 2 + 90 =", "1300.000000"},
                      KeysCase{"StraightLineWithNoLife", "0 sin 3 =", "Error: life <= 0"},
                      KeysCase{"DecliningBalanceWithNegativeLife",
                               "1 +/- cos 3 =", "Error: life <= 0"},
                      KeysCase{"SumOfYearsWithNoLife", "0 tan 3 =", "Error: life <= 0"},
                      KeysCase{"TermWithNegativePrincipal", "100 +/- sqrt 200 =", "Error: P <= 0"},
                      KeysCase{"TermWithZeroPrincipal", "0 sqrt 200 =", "Error: P <= 0"},
                      // No checks of their own: the results are shown as any other value.
                      KeysCase{"TermToAZeroTarget", "100 sqrt 0 =", "Overflow Error"},
                      KeysCase{"TermToANegativeTarget", "100 sqrt 5 +/- =", "Error"}),
    [](const auto& param) { return param.param.name; });

// The depreciation fractions stay within 0..1: the whole cost once the life is
// over, and at once for a double-declining rate of 100% or more.
INSTANTIATE_TEST_SUITE_P(
    DepreciationBounds, FinancialOperator,
    ::testing::Values(KeysCase{"StraightLinePastTheLife", "5 sin 7 =", "1.000000000"},
                      KeysCase{"StraightLineBeforeTheStart", "5 sin 2 +/- =", "0.000000000"},
                      KeysCase{"SumOfYearsJustPastTheLife", "5 tan 7 =", "1.000000000"},
                      KeysCase{"SumOfYearsLongPastTheLife", "5 tan 11 =", "1.000000000"},
                      KeysCase{"SumOfYearsBeforeTheStart", "5 tan 1 +/- =", "0.000000000"},
                      KeysCase{"DecliningPastTheLife", "5 cos 7 =", "1.000000000"},
                      KeysCase{"DecliningAtTheEndOfTheLife", "5 cos 5 =", "0.9222400000"},
                      KeysCase{"DecliningBeforeTheStart", "5 cos 1 +/- =", "0.000000000"},
                      KeysCase{"DecliningOverAYearLife", "1 cos 1 =", "1.000000000"},
                      KeysCase{"DecliningOverAHalfYearLife", "0.5 cos 1 =", "1.000000000"},
                      KeysCase{"DecliningPartOfTheFirstYearAtFullRate",
                               "1.5 cos 0.5 =", "1.000000000"},
                      KeysCase{"DecliningAtTheStartAtFullRate", "1 cos 0 =", "0.000000000"}),
    [](const auto& param) { return param.param.name; });

// A rate of 0 comes only from a damaged saved state; the formulas then divide
// by zero, which must end in an error display and never a trap.
class ZeroRate : public ::testing::TestWithParam<KeysCase> {};

TEST_P(ZeroRate, ShowsAnErrorText) {
    CalculatorState s = financialState();
    s.bankRate = 0.0;
    s.discRate = 0.0;
    RecordingView v;
    press(s, v, GetParam().keys);
    EXPECT_EQ(v.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Financial, ZeroRate,
    ::testing::Values(KeysCase{"Mortgage", "1000 log 12 =", "Error"},
                      KeysCase{"Annuity", "100 sqr 2 =", "Error"},
                      KeysCase{"Term", "1000 sqrt 2000 =", "Overflow Error"},
                      KeysCase{"TermToTheSameAmount", "1000 sqrt 1000 =", "Error"},
                      KeysCase{"PresentValueIsTheAmount", "121 deg 2 =", "121.0000000"}),
    [](const auto& param) { return param.param.name; });

TEST(Financial, OperatorsUseTheirOwnRate) {
    CalculatorState s = financialState();
    RecordingView v;
    s.bankRate = 5.0;
    s.discRate = 20.0;
    press(s, v, "1000 ln 1 =");
    EXPECT_EQ(v.display, "1050.000000");
    press(s, v, "120 deg 1 =");
    EXPECT_EQ(v.display, "100.0000000");
}

TEST(Financial, CashFlowsSumTheirPresentValues) {
    CalculatorState s = financialState();
    RecordingView v;
    press(s, v, "AC");
    EXPECT_EQ(v.labels[CommandId::CmdHyp], "V:1");
    press(s, v, "110 hyp");
    EXPECT_EQ(v.labels[CommandId::CmdHyp], "V:2");
    EXPECT_EQ(s.calcStatus, CalcStatus::Ready);
    EXPECT_EQ(v.display, "110");
    press(s, v, "121 hyp");
    EXPECT_EQ(v.labels[CommandId::CmdHyp], "V:3");
    EXPECT_EQ(s.nNPV, 3);
    press(s, v, "=");
    EXPECT_EQ(v.display, "200.0000000");
}

TEST(Financial, CashFlowReplacesAPendingOperatorUnevaluated) {
    CalculatorState s = financialState();
    RecordingView v;
    press(s, v, "5 + 110 hyp");
    EXPECT_EQ(s.pendingOperator, Op::OpRecallNpv);
    EXPECT_EQ(s.accum, 5.0);
    press(s, v, "=");
    EXPECT_EQ(v.display, "100.0000000");
}

TEST(Financial, AllClearStartsANewSumAtPeriodOne) {
    CalculatorState s = financialState();
    RecordingView v;
    press(s, v, "110 hyp AC");
    EXPECT_EQ(s.nNPV, 1);
    EXPECT_EQ(v.labels[CommandId::CmdHyp], "V:1");
    press(s, v, "121 hyp =");
    EXPECT_EQ(v.display, "110.0000000");
}

TEST(Financial, CashFlowPeriodStopsAtTheLargestCount) {
    CalculatorState s = financialState();
    RecordingView v;
    s.nNPV = INT_MAX;
    press(s, v, "7 hyp");
    EXPECT_EQ(s.nNPV, INT_MAX);
    EXPECT_EQ(s.sNPV, 0.0);  // discounted over so many periods
}

class RatesDialogView : public RecordingView {
public:
    std::optional<std::pair<std::string, std::string>> typed;  // nothing: Cancel
    FinancialRates shown;
    int suspends = 0;
    int resumes = 0;
    bool suspendedDuringDialog = false;

    void suspendPowerOff() override { ++suspends; }
    void resumePowerOff() override { ++resumes; }
    bool runFinancialRatesDialog(FinancialRatesModel& model) override {
        suspendedDuringDialog = suspends == resumes + 1;
        shown = model.rates();
        if (!typed) return false;
        FakeDialogView form;
        model.initialise(form);
        form.texts[FinancialRatesModel::kBankEdit] = typed->first;
        form.texts[FinancialRatesModel::kDiscEdit] = typed->second;
        return model.accept(form);
    }
};

TEST(Financial, RatesDialogStoresBothRatesOnOk) {
    CalculatorState s = financialState();
    RatesDialogView v;
    v.typed = {{"8", "5"}};
    press(s, v, "1/X");
    EXPECT_EQ(v.shown.bankRate, 10.0);
    EXPECT_EQ(v.shown.discRate, 10.0);
    EXPECT_TRUE(v.suspendedDuringDialog);
    EXPECT_EQ(v.resumes, 1);
    EXPECT_EQ(s.bankRate, 8.0);
    EXPECT_EQ(s.discRate, 5.0);
    press(s, v, "1000 ln 1 =");
    EXPECT_EQ(v.display, "1080.000000");
}

TEST(Financial, RatesDialogCancelKeepsTheRates) {
    CalculatorState s = financialState();
    RatesDialogView v;
    press(s, v, "1/X");
    EXPECT_EQ(v.resumes, 1);
    EXPECT_EQ(s.bankRate, 10.0);
    EXPECT_EQ(s.discRate, 10.0);
}

}  // namespace
}  // namespace zentra::testing
