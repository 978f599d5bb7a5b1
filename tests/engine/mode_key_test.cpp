#include "engine/mode_key.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/number_text.h"
#include "base/runtime_problem.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

// A host whose Mode dialog is a function of the test.
class ModeView : public RecordingView {
public:
    std::function<bool(ModeSettings&)> dialog;
    AppearanceSettings appearance;
    bool hasAppearance = true;
    int suspended = 0;
    int resumed = 0;
    int appearanceApplied = 0;
    std::vector<std::string> shownTexts;

    void suspendPowerOff() override { ++suspended; }
    void resumePowerOff() override { ++resumed; }
    // The dialog function edits the settings as the user's controls would;
    // true presses OK, which the model may still refuse.
    bool runModeDialog(ModeDialogModel& model) override {
        if (!dialog) return false;
        FakeDialogView controls;
        model.initialise(controls);
        ModeSettings edited = model.settings();
        if (!dialog(edited)) return false;
        model.show(controls, edited);
        return model.accept(controls);
    }
    AppearanceSettings* appearanceSettings() override {
        return hasAppearance ? &appearance : nullptr;
    }
    void applyAppearance(const CalculatorState&) override { ++appearanceApplied; }
    void setDisplayText(std::string_view text) override {
        shownTexts.emplace_back(text);
        RecordingView::setDisplayText(text);
    }
};

class ModeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        state.database = &db;
        angle = findProperty(db, "angle", true);
        angle->currentUnit = findUnit(db, *angle, "deg", true);
        db.presentProblem = [this](const std::string& m) { problems.push_back(m); };
    }

    // Runs the mode key with a dialog that edits the settings and presses OK.
    void okWith(const std::function<void(ModeSettings&)>& edit) {
        view.dialog = [edit](ModeSettings& s) {
            edit(s);
            return true;
        };
        press(state, view, "mode");
    }

    PropertyDatabase db;
    Property* angle = nullptr;
    CalculatorState state;
    ModeView view;
    std::vector<std::string> problems;
};

TEST_F(ModeDialogTest, HexadecimalShowsTheWholeValueAndDecimalReadsItBack) {
    press(state, view, "255.75");
    okWith([](ModeSettings& s) { s.numberBase = NumberBase::Hexadecimal; });
    EXPECT_EQ(state.numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(view.display.substr(0, view.display.find(' ')), "FF");

    okWith([](ModeSettings& s) { s.numberBase = NumberBase::Decimal; });
    EXPECT_EQ(view.display, "255.0000000");
}

TEST_F(ModeDialogTest, CancelChangesNothingAndDoesNotShowTheValueAgain) {
    press(state, view, "2.5 shift");
    view.shownTexts.clear();
    view.dialog = [](ModeSettings& s) {
        s.numberBase = NumberBase::Binary;
        s.digitsText = "3";
        s.alwaysOnTop = true;
        s.bodyColour = Rgb{1, 2, 3};
        s.angle = AngleChoice::Rad;
        return false;
    };
    press(state, view, "mode");
    EXPECT_EQ(state.numberBase, NumberBase::Decimal);
    EXPECT_EQ(state.digits, 10);
    EXPECT_FALSE(state.alwaysOnTop);
    EXPECT_TRUE(state.shift);
    EXPECT_EQ(view.appearance.bodyColour, (Rgb{128, 128, 128}));
    EXPECT_EQ(angle->currentUnit->name, "deg");
    EXPECT_TRUE(view.shownTexts.empty());
    EXPECT_EQ(view.appearanceApplied, 0);
    EXPECT_EQ(view.suspended, 1);
    EXPECT_EQ(view.resumed, 1);
}

TEST_F(ModeDialogTest, UnchangedOkClearsLatchesRebuildsAppearanceAndRoundsTheDisplay) {
    view.display = "3.14159265358979";
    state.shift = true;
    state.hyp = true;
    okWith([](ModeSettings&) {});
    EXPECT_FALSE(state.shift);
    EXPECT_FALSE(state.hyp);
    EXPECT_EQ(view.appearanceApplied, 1);
    EXPECT_EQ(view.display, "3.141592654");
}

TEST_F(ModeDialogTest, DialogStartsFromTheStateAndTheWindowAppearance) {
    state.digits = 7;
    state.apoTime = 300;
    state.displayType = DisplayType::Scientific;
    view.appearance.backColour = Rgb{9, 8, 7};
    angle->currentUnit = findUnit(db, *angle, "gr", true);
    ModeSettings seen;
    view.dialog = [&](ModeSettings& s) {
        seen = s;
        return false;
    };
    press(state, view, "mode");
    EXPECT_EQ(seen.digitsText, "7");
    EXPECT_EQ(seen.apoTimeText, "300");
    EXPECT_EQ(seen.displayType, DisplayType::Scientific);
    EXPECT_EQ(seen.backColour, (Rgb{9, 8, 7}));
    EXPECT_EQ(seen.angle, AngleChoice::Grad);
    EXPECT_EQ(seen.displayFontSpec, &view.appearance.displayFontSpec);
}

TEST_F(ModeDialogTest, OkWritesEverySettingBack) {
    okWith([](ModeSettings& s) {
        s.displayType = DisplayType::Fixed;
        s.digitsText = "4";
        s.autoPowerOff = true;
        s.apoTimeText = "60";
        s.alwaysOnTop = true;
        s.errorBeep = false;
        s.bodyBevel = true;
        s.textColour = Rgb{1, 1, 1};
        s.backColour = Rgb{2, 2, 2};
        s.bodyColour = Rgb{3, 3, 3};
        s.angle = AngleChoice::Rad;
    });
    EXPECT_EQ(state.displayType, DisplayType::Fixed);
    EXPECT_EQ(state.digits, 4);
    EXPECT_TRUE(state.autoPowerOff);
    EXPECT_EQ(state.apoTime, 60);
    EXPECT_TRUE(state.alwaysOnTop);
    EXPECT_FALSE(state.errorBeep);
    EXPECT_TRUE(view.appearance.bodyBevel);
    EXPECT_EQ(view.appearance.textColour, (Rgb{1, 1, 1}));
    EXPECT_EQ(view.appearance.backColour, (Rgb{2, 2, 2}));
    EXPECT_EQ(view.appearance.bodyColour, (Rgb{3, 3, 3}));
    EXPECT_EQ(angle->currentUnit->name, "radians");
    EXPECT_EQ(view.display, "0.0000");
}

TEST_F(ModeDialogTest, AnAngleUnitOfTheUsersOwnShowsDegAndOkSetsDeg) {
    angle->currentUnit = &setUnit(*angle, "turns", 6.283185307179586, 0.0);
    AngleChoice seen = AngleChoice::Rad;
    okWith([&](ModeSettings& s) { seen = s.angle; });
    EXPECT_EQ(seen, AngleChoice::Deg);
    EXPECT_EQ(angle->currentUnit->name, "deg");
}

TEST_F(ModeDialogTest, MissingAngleUnitAbandonsTheRestButResumesPowerOff) {
    PropertyDatabase bare;
    bare.presentProblem = db.presentProblem;
    Property& onlyRadians = addProperty(bare, "angle");
    setUnit(onlyRadians, "radians", 1.0, 0.0);
    state.database = &bare;
    view.display = "1.5";
    state.shift = true;
    view.shownTexts.clear();
    view.dialog = [](ModeSettings& s) {
        s.angle = AngleChoice::Grad;
        s.digitsText = "3";
        s.bodyColour = Rgb{5, 5, 5};
        return true;
    };
    EXPECT_THROW(press(state, view, "mode"), RuntimeProblem);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "Runtime Problem: Syntax 'Unit not found'");
    // Applied before the angle: stays applied.
    EXPECT_EQ(state.digits, 3);
    EXPECT_EQ(view.appearance.bodyColour, (Rgb{5, 5, 5}));
    // After it: not done.
    EXPECT_TRUE(state.shift);
    EXPECT_TRUE(view.shownTexts.empty());
    EXPECT_EQ(view.resumed, 1);
}

TEST_F(ModeDialogTest, HostWithoutAppearanceOrDatabaseStillAppliesTheMode) {
    view.hasAppearance = false;
    state.database = nullptr;
    okWith([](ModeSettings& s) { s.numberBase = NumberBase::Octal; });
    EXPECT_EQ(state.numberBase, NumberBase::Octal);
}

}  // namespace
}  // namespace zentra::testing
