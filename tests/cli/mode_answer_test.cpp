// zentra-cli's answer to the Calculator Mode dialog; the dialog's OK judges the
// fields (its model's tests), so here only the parsing.
#include "cli/mode_answer.h"

#include <gtest/gtest.h>

namespace zentra::testing {
namespace {

TEST(ModeAnswer, NamedSettingsChangeTheRestStay) {
    ModeSettings s;
    s.errorBeep = true;
    auto r = applyModeAnswer(
        "base=hex,display=sci,digits=5,angle=grad,apo=1,apotime=x,top=1,group=1", s);
    EXPECT_EQ(r.outcome, ModeAnswerOutcome::Edited);
    EXPECT_EQ(s.numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(s.displayType, DisplayType::Scientific);
    EXPECT_EQ(s.digitsText, "5");
    EXPECT_EQ(s.angle, AngleChoice::Grad);
    EXPECT_TRUE(s.autoPowerOff);
    EXPECT_EQ(s.apoTimeText, "x");
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_TRUE(s.errorBeep);
    EXPECT_TRUE(s.groupDigits);
}

TEST(ModeAnswer, OkAndEsc) {
    ModeSettings s;
    EXPECT_EQ(applyModeAnswer("ok", s).outcome, ModeAnswerOutcome::Edited);
    EXPECT_EQ(s.digitsText, "10");
    EXPECT_EQ(applyModeAnswer("esc", s).outcome, ModeAnswerOutcome::Cancelled);
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
