#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

#include "support/recording_view.h"

namespace zentra::testing {
namespace {

constexpr double kLargest = 1.7976931348623157e308;

CalculatorState statisticsState() {
    CalculatorState s;
    s.numberBase = NumberBase::Statistics;
    return s;
}

// Enters each number with the Data key.
void enterData(CalculatorState& s, RecordingView& v, const std::string& numbers) {
    std::istringstream in(numbers);
    std::string number;
    while (in >> number) press(s, v, number + " M+");
}

struct ResultCase {
    const char* name;
    const char* digit;
    const char* display;
};

// Test names carry the case; gtest prints the name instead of the bytes.
void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.name;
}

class ExampleData : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ExampleData, ShowsItsResultAndClearsShift) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "2 4 4 4 5 5 7 9");
    press(s, v, std::string("shift ") + GetParam().digit);
    EXPECT_EQ(v.display, GetParam().display);
    EXPECT_EQ(s.calcStatus, CalcStatus::Ready);
    EXPECT_FALSE(s.shift);
    EXPECT_EQ(v.labels[CommandId::Cmd0], "0");
}

INSTANTIATE_TEST_SUITE_P(Statistics, ExampleData,
                         ::testing::Values(ResultCase{"Count", "4", "8.000000000"},
                                           ResultCase{"Mean", "1", "5.000000000"},
                                           ResultCase{"PopulationDeviation", "2", "2.000000000"},
                                           ResultCase{"SampleDeviation", "3", "2.138089935"},
                                           ResultCase{"Sum", "5", "40.00000000"},
                                           ResultCase{"SumOfSquares", "6", "232.0000000"},
                                           ResultCase{"Minimum", "0", "2.000000000"},
                                           ResultCase{"Maximum", "9", "9.000000000"}),
                         [](const auto& param) { return param.param.name; });

class NoData : public ::testing::TestWithParam<ResultCase> {};

TEST_P(NoData, AfterStatisticsClear) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "3 8");
    press(s, v, std::string("shift AC shift ") + GetParam().digit);
    EXPECT_EQ(v.display, GetParam().display);
    EXPECT_FALSE(s.shift);
}

TEST_P(NoData, OnAFirstStart) {
    CalculatorState s = statisticsState();
    RecordingView v;
    press(s, v, std::string("shift ") + GetParam().digit);
    EXPECT_EQ(v.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Statistics, NoData,
                         ::testing::Values(ResultCase{"Minimum", "0", "No Data"},
                                           ResultCase{"Maximum", "9", "No Data"},
                                           ResultCase{"Mean", "1", "No Data"},
                                           ResultCase{"PopulationDeviation", "2", "No Data"},
                                           ResultCase{"SampleDeviation", "3", "No Data"},
                                           ResultCase{"Sum", "5", "No Data"},
                                           ResultCase{"SumOfSquares", "6", "No Data"},
                                           ResultCase{"CountIsZero", "4", "0.000000000"}),
                         [](const auto& param) { return param.param.name; });

TEST(Statistics, OneDataPointHasNoSampleDeviation) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "7");
    press(s, v, "shift 2");
    EXPECT_EQ(v.display, "0.000000000");
    press(s, v, "shift 3");
    EXPECT_EQ(v.display, "No Data");
}

// Equal values whose one-pass variance rounds a little below zero.
TEST(Statistics, EqualValuesHaveZeroDeviationDespiteRounding) {
    for (const char* data : {"0.1 0.1 0.1", "0.7 0.7 0.7 0.7 0.7"}) {
        CalculatorState s = statisticsState();
        RecordingView v;
        enterData(s, v, data);
        ASSERT_LT(s.sumSq - s.sum * s.sum / s.nSum, 0.0) << data;
        press(s, v, "shift 2");
        EXPECT_EQ(v.display, "0.000000000") << data;
        press(s, v, "shift 3");
        EXPECT_EQ(v.display, "0.000000000") << data;
    }
}

TEST(Statistics, DataCompletesThePendingCalculationAndKeepsTheDisplay) {
    CalculatorState s = statisticsState();
    RecordingView v;
    press(s, v, "2 + 3 M+");
    EXPECT_EQ(v.display, "5.000000000");
    EXPECT_EQ(s.nSum, 1);
    EXPECT_EQ(s.sum, 5.0);
    EXPECT_EQ(s.sumSq, 25.0);
    EXPECT_EQ(s.min, 5.0);
    EXPECT_EQ(s.max, 5.0);
    EXPECT_EQ(s.memory[0], 0.0);
}

TEST(Statistics, DataAfterAnErrorAddsNoPoint) {
    CalculatorState s = statisticsState();
    RecordingView v;
    press(s, v, "2 / 0 M+");
    EXPECT_EQ(v.display, "Divide Zero Error");
    EXPECT_EQ(s.nSum, 0);
    EXPECT_EQ(s.sum, 0.0);
}

TEST(Statistics, ResultIsTheRightOperandOfThePendingOperator) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "1 1 1");
    press(s, v, "2 + shift 4 =");
    EXPECT_EQ(v.display, "5.000000000");
}

TEST(Statistics, StatisticsClearResetsTheAccumulators) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "3 8");
    press(s, v, "shift");
    EXPECT_EQ(v.labels[CommandId::CmdAllClear], "SAC");
    press(s, v, "AC");
    EXPECT_EQ(s.nSum, 0);
    EXPECT_EQ(s.sum, 0.0);
    EXPECT_EQ(s.sumSq, 0.0);
    EXPECT_EQ(s.max, -kLargest);
    EXPECT_EQ(s.min, kLargest);
    EXPECT_EQ(v.labels[CommandId::CmdAllClear], "AC");
}

TEST(Statistics, OnlyShiftedAllClearInStatisticsClearsTheAccumulators) {
    CalculatorState s = statisticsState();
    RecordingView v;
    enterData(s, v, "3 8");
    press(s, v, "AC");
    EXPECT_EQ(s.nSum, 2);
    s.numberBase = NumberBase::Decimal;
    press(s, v, "shift AC");
    EXPECT_EQ(s.nSum, 2);
    EXPECT_EQ(s.sum, 11.0);
    EXPECT_EQ(s.max, 8.0);
    EXPECT_EQ(s.min, 3.0);
}

TEST(Statistics, DataWhenTheCountIsFullIsRefused) {
    CalculatorState s = statisticsState();
    RecordingView v;
    s.nSum = INT_MAX;
    press(s, v, "4 M+");
    EXPECT_EQ(v.display, "Overflow Error");
    EXPECT_EQ(s.nSum, INT_MAX);
    EXPECT_EQ(s.sum, 0.0);
}

TEST(Statistics, NegativeCountFromADamagedStateHasNoData) {
    CalculatorState s = statisticsState();
    RecordingView v;
    s.nSum = -3;
    s.sum = 6.0;
    press(s, v, "shift 1");
    EXPECT_EQ(v.display, "No Data");
}

// On a first start the bounds hold 1e30 and -1e30; the first point replaces
// both, and later points compare.
class FirstPoint : public ::testing::TestWithParam<KeysCase> {};

TEST_P(FirstPoint, SetsMinimumAndMaximum) {
    CalculatorState s = statisticsState();
    RecordingView v;
    press(s, v, GetParam().keys);
    EXPECT_EQ(v.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, FirstPoint,
    ::testing::Values(KeysCase{"MinimumAboveTheStartValue", "1E31 M+ shift 0", "1.000000000E+031"},
                      KeysCase{"MaximumBelowTheStartValue", "1E31 +/- M+ shift 9",
                               "-1.000000000E+031"},
                      KeysCase{"LaterPointsCompare", "1E31 M+ 5 M+ shift 0", "5.000000000"}),
    [](const auto& param) { return param.param.name; });

class Combinatorics : public ::testing::TestWithParam<KeysCase> {};

TEST_P(Combinatorics, EvaluatesAsABinaryOperator) {
    CalculatorState s = statisticsState();
    RecordingView v;
    press(s, v, GetParam().keys);
    EXPECT_EQ(v.display, GetParam().display);
    EXPECT_FALSE(s.shift);
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, Combinatorics,
    ::testing::Values(KeysCase{"Permutations", "5 shift 7 2 =", "20.00000000"},
                      KeysCase{"Combinations", "5 shift 8 2 =", "10.00000000"},
                      KeysCase{"ChooseMoreThanNIsAnError", "5 shift 8 7 =", "Error"},
                      KeysCase{"ArrangeMoreThanNIsAnError", "5 shift 7 7 =", "Error"},
                      KeysCase{"NAboveHundredIsAnError", "101 shift 7 1 =", "Error"},
                      KeysCase{"ArrangeANegativeNumberIsAnError", "5 shift 7 1 +/- =", "Error"},
                      KeysCase{"ChooseANegativeNumberIsAnError", "5 shift 8 1 +/- =", "Error"},
                      KeysCase{"FractionsAreFlooredInEachFactorial",
                               "5.5 shift 8 2.5 =", "10.00000000"},
                      KeysCase{"NextOperatorEvaluatesIt", "6 shift 8 3 + 1 =", "21.00000000"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace zentra::testing
