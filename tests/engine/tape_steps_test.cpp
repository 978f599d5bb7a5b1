// The steps the engine reports to the tape, by key script: the entries both
// hosts get.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/runtime_problem.h"
#include "dialogs/convert_dialog_model.h"
#include "dialogs/properties_dialog_model.h"
#include "dialogs/select_memory.h"
#include "engine/calculator.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

// An entry as "K|value|key|result|detail" with the empty fields at the end
// left out; K is the kind's first letter (S for the separator, L for a recall).
std::string described(const TapeEntry& e) {
    constexpr const char* kLetters = "ORFMDCESL";
    std::string text(1, kLetters[static_cast<int>(e.kind)]);
    std::vector<std::string_view> fields = {e.value, e.key, e.result, e.detail};
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    for (std::string_view field : fields) (text += '|') += field;
    return text;
}

// The shifted memory keys choose memory 3, the unit key converts length from
// km to m and the const key picks length's "step".
class TapeView : public RecordingView {
public:
    bool runSelectMemoryDialog(SelectMemoryModel& model) override {
        FakeDialogView form;
        model.initialise(form);
        model.clicked(form, SelectMemoryModel::kFirstButton + 3);
        return form.ended;
    }
    bool runConvertDialog(ConvertDialogModel& model) override {
        FakeDialogView form;
        model.initialise(form);
        form.choose(model, ConvertDialogModel::kPropertyList, "length");
        form.choose(model, ConvertDialogModel::kFromList, "km");
        form.choose(model, ConvertDialogModel::kToList, "m");
        return model.accept(form);
    }
    bool runPropertiesDialog(PropertiesDialogModel& model) override {
        FakeDialogView form;
        model.initialise(form);
        form.choose(model, PropertiesDialogModel::kPropertyList, "length");
        form.choose(model, PropertiesDialogModel::kUnitList, "km");
        return model.accept(form);
    }
};

struct TapeCase {
    const char* name;
    NumberBase base;
    const char* keys;
    std::vector<std::string> entries;
};

void PrintTo(const TapeCase& c, std::ostream* os) {
    *os << c.name;
}

class TapeSteps : public ::testing::TestWithParam<TapeCase> {};

TEST_P(TapeSteps, KeysReportTheirSteps) {
    const TapeCase& c = GetParam();
    PropertyDatabase db;
    addBuiltInContent(db);
    Property& length = addProperty(db, "length");
    setUnit(length, "m", 1, 0);
    setUnit(length, "km", 1000, 0);
    setConstant(length, "step", 5);
    CalculatorState state;
    state.database = &db;
    state.currentProperty = &standaloneDimensionless();
    state.numberBase = c.base;
    Tape tape;
    state.tape = &tape;
    TapeView view;
    press(state, view, c.keys);
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < tape.size(); ++i) entries.push_back(described(tape[i]));
    EXPECT_EQ(entries, c.entries);
}

constexpr NumberBase kDec = NumberBase::Decimal;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, TapeSteps, ::testing::Values(
    TapeCase{"ChainShowsEachOperandWithItsOperatorKeyAndTheResult", kDec, "2 + 3 X 4 =",
             {"O|2|+", "O|3|\u00d7", "O|4|=", "R|20.00000000"}},
    TapeCase{"OperandsAreAsTheDisplayShowedThem", kDec, "2 + = - 1.5E3 /",
             {"O|2|+", "O|2|=", "R|4.000000000", "O|4.000000000|\u2212", "O|1.5E3|\u00f7"}},
    TapeCase{"BracketsShowTheirOwnSteps", kDec, "2 X 3 ( 3 + 4 ) = )",
             {"O|2|\u00d7", "O||(", "O|3|+", "O|4|)", "O|7.000000000|=", "R|14.00000000"}},
    TapeCase{"EqualsWithNothingToFinishAddsNothing", kDec, "2 + 3 = =",
             {"O|2|+", "O|3|=", "R|5.000000000"}},
    TapeCase{"FunctionsShowArgumentNameAndResultInWords", kDec,
             "30 sin .5 shift sin 0 hyp cos 9 sqrt 3 sqr 2 Pow 10 = 4 shift Pow",
             {"F|30|sin|-0.9880316241", "F|.5|asin|0.5235987756", "F|0|cosh|1.000000000",
              "F|9|\u221a|3.000000000", "F|3|x\u00b2|9.000000000", "O|2|x\u02b8", "O|10|=",
              "R|1024.000000", "O|4|\u02b8\u221ax"}},
    TapeCase{"DegreesMinutesSecondsShowTheirTextInUtf8", kDec, "12.5 shift deg",
             {"F|12.5|\u2192deg|12 \u00ba 30' 0.000\""}},
    TapeCase{"ErrorsFollowTheStepThatRaisedThem", kDec, "1 / 0 = 5 + AC 1 +/- sqrt",
             {"O|1|\u00f7", "O|0|=", "E|Divide Zero Error", "S||AC", "F|-1.000000000|\u221a",
              "E|Negative Root Error"}},
    TapeCase{"TypingLatchesAndEditsAddNothing", kDec, "12 < shift shift hyp hyp +/- C 7",
             {}},
    TapeCase{"MemoryStoresAndRecallsNameTheirRegister", kDec,
             "5 Min 2 + 3 M+ 7 shift M+ MR + shift MR =",
             {"M|5|Min||0", "O|2|+", "M|5.000000000|M+||0", "M|7|M+||3", "L|10.00000000|MR||0",
              "O|10.00000000|+", "L|7.000000000|MR||3", "O|7.000000000|=", "R|17.00000000"}},
    TapeCase{"StatisticsPointsCountAndStatisticsShowTheirValue", NumberBase::Statistics,
             "4 M+ 6 M+ shift 1 5 shift 8 2 =",
             {"D|4|Data||n=1", "D|6|Data||n=2", "F||x\u0304|5.000000000", "O|5|nCr", "O|2|=",
              "R|10.00000000"}},
    TapeCase{"StatisticsWithoutDataIsAnError", NumberBase::Statistics, "shift 1",
             {"F||x\u0304", "E|No Data"}},
    TapeCase{"PiIsAValueOfItsOwn", kDec, "shift EXP",
             {"F||\u03c0|3.141592654"}},
    TapeCase{"IntegerBasesKeepTheDisplaysPadding", NumberBase::Hexadecimal, "FF + 1 =",
             {"O|FF|+", "O|1|=", "R|100       "}},
    TapeCase{"CashFlowsAreDataPoints", NumberBase::Financial, "100 hyp 200 hyp =",
             {"D|100|V:1", "D|200|V:2", "O|200|=", "R|256.1983471"}},
    TapeCase{"ConversionsAndConstantsNameTheirUnits", kDec, "2 unit const",
             {"C|2|conv|2000.000000|km \u2192 m", "C||const|0.005000000000|length: step [km]"}}
));
// clang-format on

// Recall types a value as a new number through the gate.
class CountingGuard : public CommandGuard {
public:
    bool runHost(const std::function<void()>& work) override {
        work();
        return true;
    }
    bool runEngine(CalculatorView& host,
                   const std::function<void(CalculatorView&)>& compute) override {
        compute(host);
        return true;
    }
};

struct RecallCase {
    const char* name;
    NumberBase base;
    const char* before;  // keys pressed first
    const char* value;
    const char* display;  // after the recall and a following "+ 1 ="
    bool typed;
};

void PrintTo(const RecallCase& c, std::ostream* os) {
    *os << c.name;
}

class TapeRecall : public ::testing::TestWithParam<RecallCase> {};

TEST_P(TapeRecall, TypesTheValueAsANewNumber) {
    const RecallCase& c = GetParam();
    PropertyDatabase db;
    CountingGuard guard;
    Calculator calculator(db, guard);
    calculator.state().numberBase = c.base;
    calculator.state().errorBeep = true;
    RecordingView view;
    press(calculator.state(), view, c.before);
    EXPECT_EQ(calculator.typeValue(view, c.value), c.typed);
    press(calculator.state(), view, "+ 1 =");
    EXPECT_EQ(view.display, c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, TapeRecall, ::testing::Values(
    RecallCase{"AFormattedValueReplacesAnEntry", kDec, "12", "20.00000000", "21.00000000", true},
    RecallCase{"ExponentsTypeTheirSign", kDec, "", "1.500000000E-003", "1.001500000", true},
    RecallCase{"ANegativeValueUsesTheSignKey", kDec, "", "-5.000000000", "-4.000000000", true},
    RecallCase{"ShiftDoesNotTurnDigitsIntoStatistics", NumberBase::Statistics, "shift", "3",
               "4.000000000", true},
    RecallCase{"IntegerBasesDropThePaddingAndTheFraction", NumberBase::Hexadecimal, "",
               "      FF.5", "100       ", true},
    RecallCase{"TextThatIsNoNumberIsRefused", kDec, "7", "12\u00ba30'", "8.000000000", false},
    RecallCase{"TheErrorGateRefusesIt", kDec, "1 / 0 =", "5", "Divide Zero Error", false}
));
// clang-format on

}  // namespace
}  // namespace zentra::testing
