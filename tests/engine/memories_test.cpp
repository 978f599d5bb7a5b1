#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "dialogs/select_memory.h"
#include "engine/memories.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"

namespace zentra::testing {
namespace {

// Answers the Select Memory dialog with a fixed end code (or a cancel) and
// records what the engine gave it.
class MemoryDialogView : public RecordingView {
public:
    std::optional<int> answer;
    int dialogs = 0;
    int suspends = 0;
    int resumes = 0;
    bool suspendedDuringDialog = false;
    std::string title;
    std::array<std::string, 10> values;

    void suspendPowerOff() override { ++suspends; }
    void resumePowerOff() override { ++resumes; }
    // answer: the button the user presses (48 + k for memory k), none to cancel.
    bool runSelectMemoryDialog(SelectMemoryModel& model) override {
        ++dialogs;
        suspendedDuringDialog = suspends == resumes + 1;
        FakeDialogView form;
        model.initialise(form);
        title = form.title;
        for (int k = 0; k < 10; ++k)
            values[static_cast<std::size_t>(k)] = form.texts[SelectMemoryModel::kFirstValue + k];
        if (!answer) return false;
        model.clicked(form, *answer);
        return form.ended;
    }
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Memories, StoreAddAndRecallWorkOnMemoryZero) {
    CalculatorState s;
    RecordingView v;
    press(s, v, "5 Min 3 M+ C MR");
    EXPECT_EQ(s.memory[0], 8.0);
    EXPECT_EQ(v.display, "8.000000000");
}

TEST(Memories, AddCompletesThePendingCalculationFirst) {
    CalculatorState s;
    RecordingView v;
    press(s, v, "2 + 3 M+");
    EXPECT_EQ(v.display, "5.000000000");
    EXPECT_EQ(s.memory[0], 5.0);
    EXPECT_EQ(s.pendingOperator, OperatorCode::OpEquals);
    press(s, v, "=");
    EXPECT_EQ(v.display, "5.000000000");
}

TEST(Memories, StoreLeavesThePendingCalculationAlone) {
    CalculatorState s;
    RecordingView v;
    press(s, v, "2 + 3 Min");
    EXPECT_EQ(s.memory[0], 3.0);
    EXPECT_EQ(v.display, "3");
    EXPECT_EQ(s.pendingOperator, OperatorCode::OpAdd);
}

TEST(Memories, RecalledValueIsTheRightOperandOfThePendingOperator) {
    CalculatorState s;
    RecordingView v;
    s.memory[0] = 7.0;
    press(s, v, "2 + 1 MR");
    EXPECT_EQ(s.pendingOperator, OperatorCode::OpAdd);
    EXPECT_EQ(s.accum, 2.0);
    press(s, v, "=");
    EXPECT_EQ(v.display, "9.000000000");
}

TEST(Memories, AddAfterAnErrorInThePendingCalculationAddsNothing) {
    CalculatorState s;
    MemoryDialogView v;
    s.memory[0] = 4.0;
    press(s, v, "1 / 0 M+");
    EXPECT_EQ(v.display, "Divide Zero Error");
    EXPECT_EQ(s.memory[0], 4.0);
    press(s, v, "AC 1 / 0 shift M+");
    EXPECT_EQ(v.dialogs, 0);
    EXPECT_FALSE(s.shift);
}

struct ShiftedCase {
    const char* name;
    const char* key;
    std::optional<int> answer;
    const char* title;
    int memory;           // the memory that changes, -1 for none
    double memoryAfter;   // its value afterwards
    const char* display;  // the display afterwards
};

// Test names carry the case; gtest prints the name instead of the bytes.
void PrintTo(const ShiftedCase& c, std::ostream* os) {
    *os << c.name;
}

class ShiftedMemoryKey : public ::testing::TestWithParam<ShiftedCase> {};

TEST_P(ShiftedMemoryKey, UsesTheChosenMemoryAndClearsShift) {
    const ShiftedCase& c = GetParam();
    CalculatorState s;
    MemoryDialogView v;
    for (int k = 0; k < 10; ++k) s.memory[static_cast<std::size_t>(k)] = 10.0 * k;
    v.answer = c.answer;
    press(s, v, std::string("6 shift ") + c.key);
    EXPECT_EQ(v.dialogs, 1);
    EXPECT_EQ(v.title, c.title);
    EXPECT_TRUE(v.suspendedDuringDialog);
    EXPECT_EQ(v.suspends, 1);
    EXPECT_EQ(v.resumes, 1);
    EXPECT_FALSE(s.shift);
    EXPECT_EQ(v.labels[CommandId::CmdMemoryIn], "Min");
    EXPECT_EQ(v.labels[CommandId::CmdMemoryRecall], "MR");
    EXPECT_EQ(v.labels[CommandId::CmdMemoryAdd], "M+");
    for (int k = 0; k < 10; ++k) {
        const double expected = k == c.memory ? c.memoryAfter : 10.0 * k;
        EXPECT_EQ(s.memory[static_cast<std::size_t>(k)], expected) << "memory " << k;
    }
    EXPECT_EQ(v.display, c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Memories, ShiftedMemoryKey,
    ::testing::Values(
        ShiftedCase{"InputStoresInTheChosenMemory", "Min", 51, "Memory Input", 3, 6.0, "6"},
        ShiftedCase{"RecallShowsTheChosenMemory", "MR", 52, "Memory Recall", -1, 0.0,
                    "40.00000000"},
        ShiftedCase{"AddAddsToTheChosenMemory", "M+", 57, "Memory Add", 9, 96.0, "6"},
        ShiftedCase{"AControlAboveTheButtonsChoosesNothing", "Min", 200, "Memory Input", -1, 0.0,
                    "6"},
        ShiftedCase{"AControlBelowTheButtonsChoosesNothing", "M+", 47, "Memory Add", -1, 0.0, "6"},
        ShiftedCase{"CancelledInputChangesNothing", "Min", std::nullopt, "Memory Input", -1, 0.0,
                    "6"},
        ShiftedCase{"CancelledRecallKeepsTheDisplay", "MR", std::nullopt, "Memory Recall", -1, 0.0,
                    "6"}),
    [](const ::testing::TestParamInfo<ShiftedCase>& param) { return param.param.name; });

TEST(Memories, ListShowsTheMemoriesInTheCurrentBase) {
    CalculatorState s;
    MemoryDialogView v;
    s.numberBase = NumberBase::Hexadecimal;
    s.memory[2] = 2.5;
    s.memory[5] = 255.0;
    press(s, v, "shift MR");
    EXPECT_EQ(v.values[2], "2         ");
    EXPECT_EQ(v.values[5], "FF        ");
    EXPECT_EQ(v.values[0], "0         ");
    EXPECT_EQ(s.memory[2], 2.5);  // only the list shows the word
}

// A memory the display cannot hold (from a damaged saved state, an overflow
// of M+, or a word too wide for Binary) shows its error text in its row; the
// calculation in progress survives the list.
TEST(Memories, UnshowableMemoriesShowTheirErrorInTheListOnly) {
    CalculatorState s;
    MemoryDialogView v;
    s.memory[1] = kNaN;
    s.memory[2] = kInf;
    s.memory[3] = -kInf;
    s.memory[4] = 12.0;
    press(s, v, "2 + 7 shift MR");
    EXPECT_EQ(v.values[1], "Error");
    EXPECT_EQ(v.values[2], "Overflow Error");
    EXPECT_EQ(v.values[3], "Overflow Error");
    EXPECT_EQ(v.values[4], "12.00000000");
    EXPECT_EQ(v.display, "7");
    EXPECT_EQ(s.calcStatus, CalcStatus::Ready);
    EXPECT_EQ(s.pendingOperator, OperatorCode::OpAdd);
    press(s, v, "=");
    EXPECT_EQ(v.display, "9.000000000");

    CalculatorState b;
    MemoryDialogView bv;
    b.numberBase = NumberBase::Binary;
    b.memory[6] = 1e6;  // beyond 18 bits
    bv.answer = 54;
    press(b, bv, "shift MR");
    EXPECT_EQ(bv.values[6], "Overflow Error");
    EXPECT_EQ(bv.values[0], "000");
    EXPECT_EQ(bv.display, "Overflow Error");  // recalling it is an error, as ever
    EXPECT_EQ(b.calcStatus, CalcStatus::Error);
}

TEST(Memories, AddThatOverflowsLeavesAnInfiniteMemoryThatRecallsAsOverflow) {
    CalculatorState s;
    RecordingView v;
    s.memory[0] = 1.7e308;
    press(s, v, "1.7E308 M+ MR");
    EXPECT_TRUE(std::isinf(s.memory[0]));
    EXPECT_EQ(v.display, "Overflow Error");
}

TEST(Memories, ListingEndsTheEntryInProgress) {
    CalculatorState s;
    MemoryDialogView v;
    v.answer = 51;
    press(s, v, "12 shift Min 4");
    EXPECT_EQ(s.memory[3], 12.0);
    EXPECT_EQ(v.display, "4");
}

TEST(Memories, AddInStatisticsIsTheDataKey) {
    CalculatorState s;
    MemoryDialogView v;
    s.numberBase = NumberBase::Statistics;
    press(s, v, "5 M+ shift M+");
    EXPECT_EQ(v.dialogs, 0);
    EXPECT_EQ(s.memory[0], 0.0);
    EXPECT_EQ(s.nSum, 2);
    EXPECT_EQ(s.sum, 10.0);
}

}  // namespace
}  // namespace zentra::testing
