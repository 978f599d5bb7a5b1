#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/number_text.h"
#include "engine/dms_text.h"
#include "engine/factorial.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

constexpr double kDegree = 0.0174532925199433;  // the built-in "deg" factor
constexpr double kGrad = 0.01570796326794897;   // the built-in "gr" factor

// A fresh calculator on a fresh database with the built-in angle units.
class ScientificTest : public ::testing::Test {
protected:
    ScientificTest() {
        addBuiltInContent(db);
        state.database = &db;
    }

    void useAngleUnit(const char* name) {
        Property* angle = findProperty(db, "angle", true);
        ASSERT_NE(angle, nullptr);
        Unit* unit = findUnit(db, *angle, name, true);
        ASSERT_NE(unit, nullptr);
        angle->currentUnit = unit;
    }

    double shown() { return parseDecimalPrefix(view.display); }

    PropertyDatabase db;
    CalculatorState state;
    RecordingView view;
};

// --- results, compared with the library's own functions ---------------------

struct ValueCase {
    const char* angle;
    const char* keys;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << c.angle << ": " << c.keys;
}

class FunctionValueTest : public ScientificTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(FunctionValueTest, ShowsTheFunctionsValue) {
    const ValueCase& c = GetParam();
    useAngleUnit(c.angle);
    press(state, view, c.keys);
    EXPECT_EQ(state.calcStatus, CalcStatus::Ready) << view.display;
    const double tolerance = std::max(std::fabs(c.expected), 1e-300) * 1e-9;
    EXPECT_NEAR(shown(), c.expected, tolerance) << view.display;
}

INSTANTIATE_TEST_SUITE_P(SinCosTan, FunctionValueTest,
                         ::testing::Values(ValueCase{"radians", "0.5 sin", std::sin(0.5)},
                                           ValueCase{"radians", "0.5 cos", std::cos(0.5)},
                                           ValueCase{"radians", "0.5 tan", std::tan(0.5)},
                                           ValueCase{"deg", "30 sin", std::sin(30 * kDegree)},
                                           ValueCase{"deg", "60 cos", std::cos(60 * kDegree)},
                                           ValueCase{"deg", "45 tan", std::tan(45 * kDegree)},
                                           ValueCase{"gr", "50 sin", std::sin(50 * kGrad)},
                                           // The right-angle window is for +90 only.
                                           ValueCase{"deg", "90 +/- sin", std::sin(-90 * kDegree)},
                                           ValueCase{"deg", "90 tan", std::tan(90 * kDegree)},
                                           ValueCase{"deg", "270 sin", std::sin(270 * kDegree)}));

INSTANTIATE_TEST_SUITE_P(
    Inverse, FunctionValueTest,
    ::testing::Values(ValueCase{"radians", "0.5 shift sin", std::asin(0.5)},
                      ValueCase{"deg", "0.5 shift sin", std::asin(0.5) / kDegree},
                      ValueCase{"deg", "1 shift sin", 90.0},
                      ValueCase{"deg", "1 +/- shift sin", -90.0},
                      ValueCase{"gr", "0.5 shift cos", std::acos(0.5) / kGrad},
                      ValueCase{"deg", "1 +/- shift cos", 180.0},
                      ValueCase{"deg", "1000 shift tan", std::atan(1000.0) / kDegree}));

INSTANTIATE_TEST_SUITE_P(
    Hyperbolic, FunctionValueTest,
    ::testing::Values(ValueCase{"deg", "2 hyp sin", std::sinh(2.0)},
                      ValueCase{"deg", "2 hyp cos", std::cosh(2.0)},
                      ValueCase{"deg", "0.5 hyp tan", std::tanh(0.5)},
                      ValueCase{"deg", "2 shift hyp sin", std::asinh(2.0)},
                      ValueCase{"deg", "2 shift hyp cos", std::acosh(2.0)},
                      ValueCase{"deg", "1 shift hyp cos", 0.0},
                      ValueCase{"deg", "0.5 shift hyp tan", std::atanh(0.5)},
                      // Where ln(x + sqrt(x^2 + 1)) cancels or overflows.
                      ValueCase{"deg", "1E10 +/- shift hyp sin", std::asinh(-1e10)},
                      ValueCase{"deg", "1E200 shift hyp sin", std::asinh(1e200)},
                      ValueCase{"deg", "1E +/- 12 shift hyp sin", 1e-12},
                      ValueCase{"deg", "1E +/- 12 shift hyp tan", 1e-12}));

INSTANTIATE_TEST_SUITE_P(
    Powers, FunctionValueTest,
    ::testing::Values(ValueCase{"deg", "10 ln", std::log(10.0)},
                      ValueCase{"deg", "2 shift ln", 2.718281828 * 2.718281828},
                      ValueCase{"deg", "1000 log", 3.0},
                      ValueCase{"deg", "0.5 log", std::log10(0.5)},
                      ValueCase{"deg", "2.5 shift log", std::pow(10.0, 2.5)},
                      ValueCase{"deg", "1.5 +/- sqr", 2.25},
                      ValueCase{"deg", "2 sqrt", std::sqrt(2.0)}, ValueCase{"deg", "8 1/X", 0.125},
                      ValueCase{"deg", "3.7 shift 1/X", 6.0}, ValueCase{"deg", "0 shift 1/X", 1.0},
                      ValueCase{"deg", "0.5 shift 1/X", 1.0},
                      ValueCase{"deg", "10 shift 1/X", 3628800.0},
                      ValueCase{"deg", "100 shift 1/X", 9.33262154439441e157}));

// --- errors --------------------------------------------------------------------

struct ErrorCase {
    const char* keys;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const ErrorCase& c) {
    return out << c.keys;
}

class FunctionErrorTest : public ScientificTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(FunctionErrorTest, ShowsTheErrorAndClearsTheLatches) {
    const ErrorCase& c = GetParam();
    useAngleUnit("deg");
    press(state, view, c.keys);
    EXPECT_EQ(view.display, c.text);
    EXPECT_EQ(state.calcStatus, CalcStatus::Error);
    EXPECT_FALSE(state.shift);
    EXPECT_FALSE(state.hyp);
    EXPECT_EQ(view.labels[CommandId::CmdSin], "sin");
}

INSTANTIATE_TEST_SUITE_P(Domains, FunctionErrorTest,
                         ::testing::Values(ErrorCase{"1.0001 shift sin", "Range Error"},
                                           ErrorCase{"1.0001 +/- shift cos", "Range Error"},
                                           ErrorCase{"0.999 shift hyp cos", "Range Error"},
                                           ErrorCase{"1.5 shift hyp tan", "Range Error"},
                                           ErrorCase{"1.5 +/- shift hyp tan", "Range Error"},
                                           ErrorCase{"0 ln", "Range Error"},
                                           ErrorCase{"2 +/- ln", "Range Error"},
                                           ErrorCase{"0 log", "Range Error"},
                                           ErrorCase{"4 +/- sqrt", "Negative Root Error"},
                                           ErrorCase{"0 1/X", "Divide Zero Error"},
                                           ErrorCase{"0 +/- 1/X", "Divide Zero Error"},
                                           ErrorCase{"100.5 shift 1/X", "Error"},
                                           ErrorCase{"1 +/- shift 1/X", "Error"}));

INSTANTIATE_TEST_SUITE_P(
    Overflows, FunctionErrorTest,
    ::testing::Values(ErrorCase{"1000 hyp sin", "Overflow Error"},
                      ErrorCase{"1000 shift log", "Overflow Error"},
                      ErrorCase{"1E200 sqr", "Overflow Error"},
                      // atanh at the ends of its domain is infinite, not a trap.
                      ErrorCase{"1 shift hyp tan", "Overflow Error"},
                      ErrorCase{"1 +/- shift hyp tan", "Overflow Error"}));

TEST(Factorial, OfNotANumberShowsError) {
    CalculatorState state;
    RecordingView view;
    EXPECT_EQ(factorial(state, view, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(view.display, "Error");
    EXPECT_EQ(state.calcStatus, CalcStatus::Error);
}

// --- exact results --------------------------------------------------------------

struct DisplayCase {
    const char* angle;
    const char* keys;
    const char* display;
};

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) {
    return out << c.angle << ": " << c.keys;
}

class ExactDisplayTest : public ScientificTest,
                         public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(ExactDisplayTest, ShowsExactly) {
    const DisplayCase& c = GetParam();
    useAngleUnit(c.angle);
    press(state, view, c.keys);
    EXPECT_EQ(view.display, c.display);
}

INSTANTIATE_TEST_SUITE_P(RightAngle, ExactDisplayTest,
                         ::testing::Values(DisplayCase{"deg", "90 sin", "1.000000000"},
                                           DisplayCase{"deg", "90 cos", "0.000000000"},
                                           DisplayCase{"gr", "100 sin", "1.000000000"},
                                           DisplayCase{"gr", "100 cos", "0.000000000"},
                                           DisplayCase{"radians", "1.570796327 cos", "0.000000000"},
                                           DisplayCase{"deg", "0 +/- sqrt", "-0.000000000"}));

TEST_F(ScientificTest, CosOfMinusNinetyIsComputedNotForcedToZero) {
    useAngleUnit("deg");
    press(state, view, "90 +/- cos");
    EXPECT_NE(shown(), 0.0);
    EXPECT_NEAR(shown(), 0.0, 1e-15);
}

TEST_F(ScientificTest, ExpUsesTheTenDigitBase) {
    state.digits = 15;
    press(state, view, "1 shift ln");
    EXPECT_EQ(view.display, "2.71828182800000");
}

TEST_F(ScientificTest, AngleUnitFallsBackToRadiansWithoutTheProperty) {
    PropertyDatabase empty;
    state.database = &empty;
    press(state, view, "0.5 sin");
    EXPECT_NEAR(shown(), std::sin(0.5), 1e-10);
    state.database = nullptr;
    press(state, view, "0.5 shift sin");
    EXPECT_NEAR(shown(), std::asin(0.5), 1e-10);
}

// --- the latches ---------------------------------------------------------------

struct LatchCase {
    const char* keys;
    bool shift;
    bool hyp;
};

std::ostream& operator<<(std::ostream& out, const LatchCase& c) {
    return out << c.keys;
}

class LatchTest : public ScientificTest, public ::testing::WithParamInterface<LatchCase> {};

TEST_P(LatchTest, LeavesTheLatchesAsTheFunctionUsedThem) {
    const LatchCase& c = GetParam();
    press(state, view, c.keys);
    EXPECT_EQ(state.shift, c.shift);
    EXPECT_EQ(state.hyp, c.hyp);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LatchTest,
    ::testing::Values(
        LatchCase{"hyp", false, true}, LatchCase{"hyp hyp", false, false},
        LatchCase{"shift hyp 0.5 sin", false, false},
        LatchCase{"shift hyp 0.5 cos", false, false},  // range error
        LatchCase{"shift hyp 0.5 tan", false, false}, LatchCase{"shift hyp 0.5 ln", false, true},
        LatchCase{"shift hyp 0.5 log", false, true}, LatchCase{"shift 0.5 sin", false, false},
        LatchCase{"hyp 0.5 sin", false, false}, LatchCase{"hyp 0.5 ln", false, true},
        LatchCase{"hyp 2 sqr", false, true}, LatchCase{"shift 2 sqr", true, false},
        LatchCase{"shift 4 sqrt", true, false}, LatchCase{"shift hyp 2 1/X", false, true},
        LatchCase{"shift hyp 2 sin", false, false},  // asinh
        LatchCase{"shift 4 1/X", false, false}, LatchCase{"hyp 0.5 tan", false, false},
        LatchCase{"shift 0.5 tan", false, false}));

TEST_F(ScientificTest, HypKeyRelabelsTheTrigonometricKeys) {
    press(state, view, "hyp");
    EXPECT_EQ(view.labels[CommandId::CmdSin], "sinh");
    press(state, view, "2 sin");
    EXPECT_EQ(view.labels[CommandId::CmdSin], "sin");
}

// --- degrees, minutes and seconds ---------------------------------------------

TEST_F(ScientificTest, DegreesMinutesSecondsStepThroughTheirLabels) {
    press(state, view, "12 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "min");
    press(state, view, "30 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "sec");
    press(state, view, "36 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "deg");
    EXPECT_EQ(view.display, "12.51000000");
}

// An angle entered in degrees, minutes and seconds is one displayed number:
// the keys after it take it as their operand, and a pending operation waits.
class DmsEntry : public ScientificTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(DmsEntry, ActsAsOneEnteredNumber) {
    press(state, view, GetParam().keys);
    EXPECT_EQ(view.display, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DmsEntry,
    ::testing::Values(
        KeysCase{"Equals", "12 deg 30 deg 36 deg =", "12.51000000"},
        KeysCase{"EqualsAfterMinutes", "12 deg 30 deg =", "12.50000000"},
        KeysCase{"PendingAddition", "5 + 12 deg 30 deg 36 deg =", "17.51000000"},
        KeysCase{"Multiplied", "12 deg 30 deg 36 deg X 2 =", "25.02000000"},
        KeysCase{"Function", "12 deg 30 deg 36 deg sqr", "156.5001000"},
        KeysCase{"DivisorIsTheWholeAngle", "1 / 0 deg 30 deg =", "2.000000000"},
        // hyp ends the angle of 12 degrees; 30 starts a new one.
        KeysCase{"LabelRefreshRestartsTheAngle", "12 deg hyp hyp 30 deg", "30.00000000"},
        // Any key but typing and deg ends the angle: the next deg
        // after a new number starts a new angle in degrees.
        KeysCase{"AdditionEndsTheAngle", "12 deg 30 deg + 5 deg =", "17.50000000"},
        KeysCase{"AddedAngleInMinutes", "20 deg 30 deg + 1 deg 15 deg =", "21.75000000"},
        KeysCase{"FunctionEndsTheAngle", "20 deg 30 deg sqrt 4 deg =", "4.000000000"},
        KeysCase{"ClearEndsTheAngle", "12 deg 30 deg C 5 deg 15 deg =", "5.250000000"},
        // Typing between the steps carries the angle on.
        KeysCase{"BackspaceCarries", "12 deg 35 < deg", "12.05000000"},
        KeysCase{"PointAndExponentCarry", "12 deg .5 EXP 2 deg", "12.83333333"},
        KeysCase{"DegRightAfterDegCarries", "12 deg deg", "12.20000000"}),
    [](const auto& param) { return param.param.name; });

// Keys that leave the captions alone end an angle all the same, and the deg
// key's caption says so.
class DmsEndingKey : public ScientificTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DmsEndingKey, EndsTheAngleUnderWay) {
    press(state, view, std::string("12 deg 30 deg ") + GetParam());
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "deg");
    press(state, view, "5 deg");
    EXPECT_EQ(view.display, "5.000000000");
}

INSTANTIATE_TEST_SUITE_P(Keys, DmsEndingKey,
                         ::testing::Values("sin", "+/-", "MR", "1/X", "const", "mode", "unit",
                                           "sqr", "(", "=", "copy"));

TEST_F(ScientificTest, DegreesMinutesSecondsStepsShowGlyphsWithTheButtonFont) {
    state.buttonFontLoaded = true;
    press(state, view, "12 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "\xD9");
    press(state, view, "30 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "\xDA");
    press(state, view, "36 deg");
    EXPECT_EQ(view.labels[CommandId::CmdDeg], "\xD8");
}

struct DmsCase {
    double value;
    const char* text;  // nullptr: does not fit
};

std::ostream& operator<<(std::ostream& out, const DmsCase& c) {
    return out << c.value;
}

class DmsTextTest : public ::testing::TestWithParam<DmsCase> {};

TEST_P(DmsTextTest, FormatsDegreesMinutesSeconds) {
    const DmsCase& c = GetParam();
    const auto text = dmsText(c.value);
    if (c.text) {
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, c.text);
    } else {
        EXPECT_FALSE(text.has_value()) << *text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, DmsTextTest,
    ::testing::Values(
        DmsCase{12.51, "12 \xBA 30' 36.000\""}, DmsCase{1.5, "1 \xBA 30' 0.000\""},
        DmsCase{-12.51, "-12 \xBA -30' -36.000\""}, DmsCase{0.0, "0 \xBA 0' 0.000\""},
        // Seconds that round to 60 carry into the minutes and degrees.
        DmsCase{1.2, "1 \xBA 12' 0.000\""}, DmsCase{-1.2, "-1 \xBA -12' 0.000\""},
        DmsCase{0.99999999, "1 \xBA 0' 0.000\""}, DmsCase{-0.99999999, "-1 \xBA 0' 0.000\""},
        // Degrees of 0 keep the sign of a negative angle.
        DmsCase{-0.5, "-0 \xBA -30' 0.000\""}, DmsCase{2147483647.5, "2147483647 \xBA 30' 0.000\""},
        DmsCase{-2147483648.25, "-2147483648 \xBA -15' 0.000\""},
        // Beyond a 32-bit degree count the parts would wrap.
        DmsCase{2147483648.0, nullptr}, DmsCase{4294967296.5, nullptr}, DmsCase{-3e9, nullptr},
        DmsCase{std::numeric_limits<double>::infinity(), nullptr}));

TEST(DmsText, SecondsNeverShowAsSixty) {
    for (int hundredths = 0; hundredths < 2000; ++hundredths) {
        const auto text = dmsText(hundredths / 100.0);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(text->find(" 60.000"), std::string::npos) << *text;
        EXPECT_EQ(text->find(" 60'"), std::string::npos) << *text;
    }
}

TEST_F(ScientificTest, ShiftedDegShowsDegreesMinutesSecondsUntilAllClear) {
    press(state, view, "12.51 shift deg");
    EXPECT_EQ(view.display, "12 \xBA 30' 36.000\"");
    EXPECT_EQ(state.calcStatus, CalcStatus::Error);
    EXPECT_FALSE(state.shift);
    press(state, view, "5 +");
    EXPECT_EQ(view.display, "12 \xBA 30' 36.000\"");
    press(state, view, "AC");
    EXPECT_EQ(state.calcStatus, CalcStatus::Ready);
    EXPECT_EQ(view.display, "0.000000000");
}

TEST_F(ScientificTest, ShiftedDegOfAHugeValueShowsOverflow) {
    press(state, view, "4294967296.5 shift deg");
    EXPECT_EQ(view.display, "Overflow Error");
    EXPECT_EQ(state.calcStatus, CalcStatus::Error);
}

// --- the same keys in the other modes -------------------------------------------

struct ModeKeyCase {
    NumberBase base;
    const char* keys;
    const char* display;  // trailing padding ignored
    OperatorCode pending;
};

std::ostream& operator<<(std::ostream& out, const ModeKeyCase& c) {
    return out << static_cast<int>(c.base) << ": " << c.keys;
}

std::string withoutPadding(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

class ModeDispatchTest : public ScientificTest,
                         public ::testing::WithParamInterface<ModeKeyCase> {};

TEST_P(ModeDispatchTest, KeyActsAsTheModeSays) {
    const ModeKeyCase& c = GetParam();
    state.numberBase = c.base;
    press(state, view, "AC 1 " + std::string(c.keys));
    EXPECT_EQ(withoutPadding(view.display), c.display);
    EXPECT_EQ(state.pendingOperator, c.pending);
}

constexpr auto Eq = OperatorCode::OpEquals;
using B = NumberBase;

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ModeDispatchTest,
    ::testing::Values(ModeKeyCase{B::Hexadecimal, "sin", "1D", Eq},
                      ModeKeyCase{B::Hexadecimal, "cos", "1E", Eq},
                      ModeKeyCase{B::Hexadecimal, "tan", "1F", Eq},
                      ModeKeyCase{B::Hexadecimal, "hyp", "1C", Eq},
                      ModeKeyCase{B::Hexadecimal, "deg", "1B", Eq},
                      ModeKeyCase{B::Hexadecimal, "shift sin", "1D", Eq},
                      ModeKeyCase{B::Hexadecimal, "ln", "1", OperatorCode::OpXnor},
                      ModeKeyCase{B::Hexadecimal, "log", "1", OperatorCode::OpXor},
                      ModeKeyCase{B::Hexadecimal, "sqr", "1", OperatorCode::OpOr},
                      ModeKeyCase{B::Hexadecimal, "sqrt", "1", OperatorCode::OpAnd},
                      ModeKeyCase{B::Hexadecimal, "1/X", "FFFFFFFE", Eq}));

INSTANTIATE_TEST_SUITE_P(
    BinaryOctal, ModeDispatchTest,
    ::testing::Values(ModeKeyCase{B::Binary, "sin cos tan hyp deg 1/X", "1", Eq},
                      ModeKeyCase{B::Octal, "sin cos tan hyp deg", "1", Eq},
                      ModeKeyCase{B::Octal, "1/X", "37777777776", Eq},
                      ModeKeyCase{B::Binary, "ln", "1", OperatorCode::OpXnor},
                      ModeKeyCase{B::Octal, "sqrt", "1", OperatorCode::OpAnd}));

INSTANTIATE_TEST_SUITE_P(
    Financial, ModeDispatchTest,
    ::testing::Values(ModeKeyCase{B::Financial, "sin", "1", OperatorCode::OpSld},
                      ModeKeyCase{B::Financial, "cos", "1", OperatorCode::OpDdb},
                      ModeKeyCase{B::Financial, "tan", "1", OperatorCode::OpSyd},
                      ModeKeyCase{B::Financial, "deg", "1", OperatorCode::OpPresentValue},
                      ModeKeyCase{B::Financial, "ln", "1", OperatorCode::OpInvest},
                      ModeKeyCase{B::Financial, "log", "1", OperatorCode::OpMortgage},
                      ModeKeyCase{B::Financial, "sqr", "1", OperatorCode::OpAnnuity},
                      ModeKeyCase{B::Financial, "sqrt", "1", OperatorCode::OpTerm},
                      ModeKeyCase{B::Financial, "hyp", "1", OperatorCode::OpRecallNpv},
                      ModeKeyCase{B::Financial, "1/X", "1", Eq}));

INSTANTIATE_TEST_SUITE_P(Statistics, ModeDispatchTest,
                         ::testing::Values(ModeKeyCase{B::Statistics, "sqr", "1.000000000", Eq},
                                           ModeKeyCase{B::Statistics, "shift ln", "2.718281828",
                                                       Eq},
                                           ModeKeyCase{B::Statistics, "deg", "1.000000000", Eq}));

}  // namespace
}  // namespace zentra::testing
