#include "base/runtime_problem.h"

#include <gtest/gtest.h>

#include "support/units_test_support.h"

#include <set>
#include <string>
#include <vector>

namespace zentra {
namespace {

struct TextCase {
    int code;
    const char* text;
};

class RuntimeProblemTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RuntimeProblemTextTest, LooksUpTextByCode) {
    EXPECT_EQ(runtimeProblemText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    KnownRows, RuntimeProblemTextTest,
    ::testing::Values(TextCase{0, "Syntax"}, TextCase{1, "Misplaced character"},
                      TextCase{2, "Unbalanced parentheses"}, TextCase{79, "Memory allocation"},
                      TextCase{114, "Arithmetic processor"}, TextCase{126, "Arithmetic"},
                      TextCase{127, "Attempt to divide by zero"}, TextCase{135, "Can't DEALLOCATE"},
                      TextCase{136, "Can't ALLOCATE"},
                      TextCase{138, "Loss of arithmetic significance"},
                      TextCase{139, "Value is outside allowed arithmetic range"},
                      TextCase{140, "Arithmetic overflow"}, TextCase{141, "Arithmetic underflow"},
                      TextCase{153, "Internal"}, TextCase{154, "TEST ERROR"},
                      // Codes outside the table stop at the closing entry.
                      TextCase{155, " Error message failure!"},
                      TextCase{-1, " Error message failure!"},
                      TextCase{1000000, " Error message failure!"}));

TEST(RuntimeProblemTable, HoldsEachCodeOnceWith136Before135AndTheClosingEntryLast) {
    std::vector<int> codes;
    for (const RuntimeProblemEntry& entry : RuntimeProblemTable) codes.push_back(entry.code);
    ASSERT_EQ(codes.size(), 156u);
    std::vector<int> expected;
    for (int c = 0; c <= 134; ++c) expected.push_back(c);
    expected.push_back(136);
    expected.push_back(135);
    for (int c = 137; c <= 154; ++c) expected.push_back(c);
    expected.push_back(154);
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(std::string(RuntimeProblemTable.back().text), " Error message failure!");
    for (std::size_t i = 0; i + 1 < RuntimeProblemTable.size(); ++i) {
        const RuntimeProblemEntry& entry = RuntimeProblemTable[i];
        EXPECT_NE(entry.text[0], ' ') << "only the closing entry may begin with a blank";
        EXPECT_NE(entry.text[0], '\0') << "code " << entry.code << " has no text";
        EXPECT_EQ(entry.text[sizeof entry.text - 1], '\0');
    }
}

struct MessageCase {
    const char* name;
    int code;
    std::optional<std::string_view> detail;
    const char* message;
};

class RuntimeProblemMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(RuntimeProblemMessageTest, BuildsMessage) {
    EXPECT_EQ(runtimeProblemMessage(GetParam().code, GetParam().detail), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RuntimeProblemMessageTest,
    ::testing::Values(MessageCase{"UnitNotFound", 0, "Unit not found",
                                  "Runtime Problem: Syntax 'Unit not found'"},
                      MessageCase{"FloatingPointSignal", 126, std::nullopt,
                                  "Runtime Problem: Arithmetic"},
                      MessageCase{"EmptyDetailKeepsQuotes", 0, "", "Runtime Problem: Syntax ''"},
                      MessageCase{"UnknownCodeGivesTwoBlanks", 155, std::nullopt,
                                  "Runtime Problem:  Error message failure!"}),
    testing::CaseName());

TEST(ReportRuntimeProblem, PresentsThenThrowsWithCodeAndMessage) {
    std::vector<std::string> shown;
    try {
        reportRuntimeProblem([&](const std::string& m) { shown.push_back(m); }, 0,
                             "Property not found");
        ADD_FAILURE() << "reportRuntimeProblem returned";
    } catch (const RuntimeProblem& problem) {
        EXPECT_EQ(problem.code(), 0);
        EXPECT_EQ(problem.message(), "Runtime Problem: Syntax 'Property not found'");
        EXPECT_STREQ(problem.what(), "Runtime Problem: Syntax 'Property not found'");
    }
    EXPECT_EQ(shown, std::vector<std::string>{"Runtime Problem: Syntax 'Property not found'"});
}

TEST(ReportRuntimeProblem, EmptyPresenterWritesNothingAndStillThrows) {
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(reportRuntimeProblem({}, 126), RuntimeProblem);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace zentra
