// The Calculator Mode dialog's validation.
#include "dialogs/mode_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zentra::testing {
namespace {

struct FieldCase {
    const char* name;
    const char* digits;
    const char* apoTime;
    std::optional<ModeField> field;
    const char* message;
};

class ModeValidationTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ModeValidationTest, RefusesWhatTheDialogRefuses) {
    const FieldCase& c = GetParam();
    ModeSettings s;
    s.digitsText = c.digits;
    s.apoTimeText = c.apoTime;
    auto problem = validateModeSettings(s);
    if (!c.field) {
        EXPECT_FALSE(problem) << problem->message;
        return;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, *c.field);
    EXPECT_EQ(problem->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ModeValidationTest,
    ::testing::Values(
        FieldCase{"DigitsZero", "0", "120", ModeField::Digits,
                  "Please enter an integer between 1 and 22."},
        FieldCase{"DigitsTwentyThree", "23", "120", ModeField::Digits,
                  "Please enter an integer between 1 and 22."},
        FieldCase{"SecNine", "10", "9", ModeField::ApoTime,
                  "Please enter an integer between 10 and 32000."},
        FieldCase{"SecTooMany", "10", "32001", ModeField::ApoTime,
                  "Please enter an integer between 10 and 32000."},
        FieldCase{"DigitsText", "abc", "120", ModeField::Digits, "Please enter an integer."},
        FieldCase{"DigitsEmpty", "", "120", ModeField::Digits, "Please enter an integer."},
        FieldCase{"DigitsWithTrailingText", "5x", "120", ModeField::Digits,
                  "Please enter an integer."},
        FieldCase{"DigitsDecimal", "5.0", "120", ModeField::Digits, "Please enter an integer."},
        FieldCase{"DigitsBeyondInt", "99999999999", "120", ModeField::Digits,
                  "Please enter an integer between 1 and 22."},
        FieldCase{"DigitsCheckedBeforeSec", "0", "0", ModeField::Digits,
                  "Please enter an integer between 1 and 22."},
        FieldCase{"BoundsAndBlanksAccepted", " +22 ", "32000", std::nullopt, ""},
        FieldCase{"LowBoundsAccepted", "1", "10", std::nullopt, ""}),
    [](const ::testing::TestParamInfo<FieldCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zentra::testing
