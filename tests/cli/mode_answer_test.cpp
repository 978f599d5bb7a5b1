// zentra-cli's answer to the Calculator Mode dialog.
#include "cli/mode_answer.h"

#include <gtest/gtest.h>

namespace zentra::testing {
namespace {

TEST(ModeAnswer, NamedSettingsChangeTheRestStay) {
    ModeSettings s;
    s.errorBeep = true;
    auto r = applyModeAnswer("base=hex,display=sci,digits=5,angle=grad,apo=1,apotime=30,top=1", s);
    EXPECT_EQ(r.outcome, ModeAnswerOutcome::Accepted);
    EXPECT_EQ(s.numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(s.displayType, DisplayType::Scientific);
    EXPECT_EQ(s.digits, 5);
    EXPECT_EQ(s.angle, AngleChoice::Grad);
    EXPECT_TRUE(s.autoPowerOff);
    EXPECT_EQ(s.apoTime, 30);
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_TRUE(s.errorBeep);
}

TEST(ModeAnswer, OkAndEsc) {
    ModeSettings s;
    EXPECT_EQ(applyModeAnswer("ok", s).outcome, ModeAnswerOutcome::Accepted);
    EXPECT_EQ(s.digits, 10);
    EXPECT_EQ(applyModeAnswer("esc", s).outcome, ModeAnswerOutcome::Cancelled);
}

TEST(ModeAnswer, RefusedFieldKeepsTheEditsForTheNextAnswer) {
    ModeSettings s;
    auto r = applyModeAnswer("base=bin,digits=23", s);
    EXPECT_EQ(r.outcome, ModeAnswerOutcome::Refused);
    EXPECT_EQ(r.message, "Please enter an integer between 1 and 22.");
    r = applyModeAnswer("digits=8", s);
    EXPECT_EQ(r.outcome, ModeAnswerOutcome::Accepted);
    EXPECT_EQ(s.numberBase, NumberBase::Binary);
    EXPECT_EQ(s.digits, 8);
    EXPECT_EQ(applyModeAnswer("apotime=abc", s).message, "Please enter an integer.");
}

TEST(ModeAnswer, MalformedAnswersChangeNothing) {
    for (const char* bad : {"base=dex", "digits", "colour=1", "beep=2", "", "base=hex,,top=1"}) {
        ModeSettings s;
        auto r = applyModeAnswer(bad, s);
        EXPECT_EQ(r.outcome, ModeAnswerOutcome::Malformed) << bad;
        EXPECT_FALSE(r.message.empty()) << bad;
        EXPECT_EQ(s.numberBase, NumberBase::Decimal) << bad;
    }
}

}  // namespace
}  // namespace zentra::testing
