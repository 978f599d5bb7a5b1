#include <gtest/gtest.h>

#include <cmath>

#include "base/memory_settings_store.h"
#include "engine/saved_state.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

struct Restored {
    CalculatorState state;
    AppearanceSettings appearance;
    PropertyDatabase database;
};

void restore(Restored& r, MemorySettingsStore& store) {
    addBuiltInContent(r.database);
    restoreSavedState(r.state, r.appearance, store, &r.database);
}

TEST(SavedState, FirstStartGivesTheDefaults) {
    MemorySettingsStore store;
    Restored r;
    restore(r, store);
    EXPECT_EQ(readSavedDisplay(store), "0");
    EXPECT_EQ(r.state.calcStatus, CalcStatus::Ready);
    EXPECT_EQ(r.state.pendingOperator, OperatorCode::OpEquals);
    EXPECT_EQ(r.state.bracketDepth, 0);
    EXPECT_EQ(r.state.max, -1e30);
    EXPECT_EQ(r.state.min, 1e30);
    EXPECT_EQ(r.state.bankRate, 10);
    EXPECT_EQ(r.state.discRate, 10);
    EXPECT_EQ(r.state.nNPV, 1);
    EXPECT_EQ(r.state.digits, 10);
    EXPECT_EQ(r.state.apoTime, 120);
    EXPECT_FALSE(r.state.autoPowerOff);
    EXPECT_TRUE(r.state.errorBeep);
    EXPECT_EQ(findProperty(r.database, "angle", true)->currentUnit->name, "deg");
    EXPECT_EQ(r.appearance.textColour, (Rgb{0, 255, 255}));
    EXPECT_EQ(r.appearance.backColour, (Rgb{0, 0, 64}));
    EXPECT_EQ(r.appearance.bodyColour, (Rgb{128, 128, 128}));
    EXPECT_EQ(r.appearance.displayFontSpec, AppearanceSettings::makeFont(-12, 700));
    EXPECT_EQ(r.appearance.keyFontSpec, AppearanceSettings::makeFont(-14, 0));
    EXPECT_EQ(r.state.currentProperty, &standaloneDimensionless());
}

TEST(SavedState, RoundTripKeepsTheCalculationAndItsTextForms) {
    Restored before;
    MemorySettingsStore empty;
    restore(before, empty);
    before.state.calcStatus = CalcStatus::Error;
    before.state.pendingOperator = OperatorCode::OpMultiply;
    before.state.accum = 1.0 / 3.0;
    before.state.bracketDepth = 3;
    for (int i = 0; i < 3; ++i) {
        before.state.accumBracket[static_cast<std::size_t>(i)] = i + 0.5;
        before.state.operatorBracket[static_cast<std::size_t>(i)] = OperatorCode::OpSubtract;
    }
    before.state.memory[0] = 0;
    before.state.memory[1] = 10;
    before.state.numberBase = NumberBase::Hexadecimal;
    before.appearance.bodyBevel = true;
    findProperty(before.database, "angle", true)->currentUnit =
        findUnit(before.database, *findProperty(before.database, "angle", true), "gr", true);

    MemorySettingsStore store;
    saveState(before.state, before.appearance, "Divide Zero Error and more text", store,
              &before.database);
    EXPECT_EQ(store.texts["Memory0"], "0.00000000000000000");
    EXPECT_EQ(store.texts["Memory1"], "10.0000000000000000");
    EXPECT_EQ(store.texts["Accum"], "0.333333333333333315");
    EXPECT_EQ(store.texts["Display"], "Divide Zero Error and mor");  // 25 characters
    EXPECT_EQ(store.texts["Angle"], "gr");
    EXPECT_EQ(store.ints["Brackets"], 3);
    EXPECT_EQ(store.ints.count("OperatorBracket2"), 1u);
    EXPECT_EQ(store.ints.count("OperatorBracket3"), 0u);

    Restored after;
    restore(after, store);
    EXPECT_EQ(after.state.calcStatus, CalcStatus::Error);
    EXPECT_EQ(after.state.pendingOperator, OperatorCode::OpMultiply);
    EXPECT_EQ(after.state.accum, 1.0 / 3.0);
    EXPECT_EQ(after.state.bracketDepth, 3);
    EXPECT_EQ(after.state.accumBracket[2], 2.5);
    EXPECT_EQ(after.state.operatorBracket[1], OperatorCode::OpSubtract);
    EXPECT_EQ(after.state.memory[1], 10);
    EXPECT_EQ(after.state.numberBase, NumberBase::Hexadecimal);
    EXPECT_TRUE(after.appearance.bodyBevel);
    EXPECT_EQ(findProperty(after.database, "angle", true)->currentUnit->name, "gr");
}

TEST(SavedState, StaleDeeperBracketKeysAreNotRead) {
    MemorySettingsStore store;
    store.ints["Brackets"] = 1;
    store.texts["AccumBracket0"] = "4";
    store.texts["AccumBracket2"] = "99";
    Restored r;
    restore(r, store);
    EXPECT_EQ(r.state.bracketDepth, 1);
    EXPECT_EQ(r.state.accumBracket[0], 4);
    EXPECT_EQ(r.state.accumBracket[2], 0);
}

TEST(SavedState, DamagedValuesAreHeldToTheModel) {
    MemorySettingsStore store;
    store.ints["Brackets"] = 1000;
    store.ints["TextRed"] = 300;
    store.texts["lfFaceName"] = std::string(80, 'F');
    store.texts["Angle"] = "furlongs";
    store.texts["Memory4"] = "not a number";
    store.texts["Sum"] = "1e999";
    Restored r;
    restore(r, store);
    EXPECT_EQ(r.state.bracketDepth, 16);
    EXPECT_EQ(r.appearance.textColour.red, 44);
    EXPECT_EQ(r.appearance.displayFontSpec.faceName.size(), 31u);
    EXPECT_EQ(findProperty(r.database, "angle", true)->currentUnit->name, "radians");
    EXPECT_EQ(r.state.memory[4], 0);
    EXPECT_TRUE(std::isinf(r.state.sum));

    MemorySettingsStore negative;
    negative.ints["Brackets"] = -5;
    Restored n;
    restore(n, negative);
    EXPECT_EQ(n.state.bracketDepth, 0);
}

TEST(SavedState, WithoutAngleNothingIsAppliedOrWritten) {
    MemorySettingsStore store;
    PropertyDatabase database;  // no built-in content: no "angle"
    CalculatorState state;
    AppearanceSettings appearance;
    restoreSavedState(state, appearance, store, &database);
    saveState(state, appearance, "0", store, &database);
    EXPECT_EQ(store.texts.count("Angle"), 0u);
}

TEST(SavedState, RestartContinuesAPendingOperation) {
    MemorySettingsStore store;
    {
        Restored r;
        restore(r, store);
        RecordingView view;
        press(r.state, view, "2 +");
        saveState(r.state, r.appearance, view.display, store, &r.database);
    }
    Restored r;
    restore(r, store);
    RecordingView view;
    view.display = readSavedDisplay(store);
    press(r.state, view, "3 =");
    EXPECT_EQ(view.display, "5.000000000");
}

}  // namespace
}  // namespace zentra::testing
