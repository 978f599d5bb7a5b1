// The Calculator Mode dialog's model against plain control state: what OK
// hands back, and a refusal that keeps the dialog open on its field.
#include "dialogs/mode_dialog_model.h"

#include <gtest/gtest.h>

#include "support/dialog_test_support.h"

namespace zentra::testing {
namespace {

using M = ModeDialogModel;

TEST(ModeDialogModel, ShownSettingsComeBackOnOkAndARefusalKeepsTheOldOnes) {
    ModeSettings start;
    M model(start);
    FakeDialogView view;
    model.initialise(view);
    EXPECT_TRUE(view.isChecked(M::kDeg));
    EXPECT_TRUE(view.isChecked(M::kDecimal));
    EXPECT_TRUE(view.isChecked(M::kErrorBeep));
    EXPECT_FALSE(view.isChecked(M::kHexadecimal));

    ModeSettings edited = start;
    edited.numberBase = NumberBase::Hexadecimal;
    edited.angle = AngleChoice::Grad;
    edited.alwaysOnTop = true;
    edited.digitsText = "23";
    model.show(view, edited);
    EXPECT_FALSE(view.isChecked(M::kDecimal));
    EXPECT_FALSE(model.accept(view));
    EXPECT_EQ(view.messages, std::vector<std::string>{"Please enter an integer between 1 and 22."});
    EXPECT_EQ(view.focus, M::kDigitsEdit);
    EXPECT_EQ(model.settings().numberBase, NumberBase::Decimal);

    view.texts[M::kDigitsEdit] = " 4 ";
    ASSERT_TRUE(model.accept(view));
    EXPECT_EQ(model.settings().numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(model.settings().angle, AngleChoice::Grad);
    EXPECT_TRUE(model.settings().alwaysOnTop);
    EXPECT_EQ(model.settings().digits, 4);
    EXPECT_EQ(model.settings().apoTime, 120);
}

}  // namespace
}  // namespace zentra::testing
