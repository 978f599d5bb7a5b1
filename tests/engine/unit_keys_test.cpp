// The unit and const keys, with the dialogs answered by scripts that act on the
// dialog models as a host's user would.

#include <gtest/gtest.h>

#include <functional>

#include "dialogs/convert_dialog_model.h"
#include "dialogs/properties_dialog_model.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra {
namespace {

using testing::FakeDialogView;
using testing::press;
using Convert = ConvertDialogModel;
using Properties = PropertiesDialogModel;

// Runs each dialog through a fresh FakeDialogView; the script gets the view
// after initialisation and says whether the user pressed OK.
class DialogHostView : public testing::RecordingView {
public:
    std::function<bool(FakeDialogView&, Convert&)> convertScript;
    std::function<bool(FakeDialogView&, Properties&)> propertiesScript;
    int convertRuns = 0;
    int propertiesRuns = 0;
    int suspended = 0;
    int resumed = 0;
    FakeDialogView dialog;

    void suspendPowerOff() override { ++suspended; }
    void resumePowerOff() override { ++resumed; }
    bool runConvertDialog(Convert& model) override {
        ++convertRuns;
        dialog = FakeDialogView();
        model.initialise(dialog);
        return convertScript && convertScript(dialog, model) && model.accept(dialog);
    }
    bool runPropertiesDialog(Properties& model) override {
        ++propertiesRuns;
        dialog = FakeDialogView();
        model.initialise(dialog);
        return propertiesScript && propertiesScript(dialog, model) && model.accept(dialog);
    }
};

// Picks From and To by name (empty: keep the preselection) and presses OK.
std::function<bool(FakeDialogView&, Convert&)> convertTo(std::string property, std::string from,
                                                         std::string to) {
    return [=](FakeDialogView& view, Convert& model) {
        if (!property.empty()) {
            EXPECT_TRUE(view.choose(model, Convert::kPropertyList, property));
        }
        if (!from.empty()) {
            EXPECT_TRUE(view.choose(model, Convert::kFromList, from));
        }
        if (!to.empty()) {
            EXPECT_TRUE(view.choose(model, Convert::kToList, to));
        }
        return true;
    };
}

class UnitKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        Property& temperature = addProperty(db, "temperature");
        setUnit(temperature, "K", 1, 0);
        setUnit(temperature, "C", 1, -273.15);
        Property& length = addProperty(db, "length");
        setUnit(length, "m", 1, 0);
        km = &setUnit(length, "km", 1000, 0);
        setConstant(length, "step", 5);
        addProperty(db, "time");
        angle = findProperty(db, "angle", true);
        angle->currentUnit = findUnit(db, *angle, "deg", true);
        state.database = &db;
        state.currentProperty = &standaloneDimensionless();
    }

    PropertyDatabase db;
    Property* angle = nullptr;
    Unit* km = nullptr;
    CalculatorState state;
    DialogHostView view;
};

TEST_F(UnitKeysTest, IntegerBasesOpenNoDialogAndHexConstIsTheDigitA) {
    view.convertScript = convertTo("", "", "");
    for (NumberBase base : {NumberBase::Binary, NumberBase::Octal, NumberBase::Hexadecimal}) {
        state.numberBase = base;
        view.display = "1";
        state.calcStatus = CalcStatus::Entering;
        press(state, view, "unit");
        press(state, view, "shift unit");
        state.shift = false;
        press(state, view, "const");
        EXPECT_EQ(view.display, base == NumberBase::Hexadecimal ? "1A" : "1")
            << static_cast<int>(base);
    }
    EXPECT_EQ(view.convertRuns, 0);
    EXPECT_EQ(view.propertiesRuns, 0);
    EXPECT_EQ(view.suspended, 0);
}

TEST_F(UnitKeysTest, FirstUseShowsDimensionlessAndKeepsTheValue) {
    view.convertScript = [](FakeDialogView& dialog, Convert&) {
        EXPECT_EQ(dialog.selected(Convert::kPropertyList), "dimensionless");
        EXPECT_EQ(dialog.selected(Convert::kFromList), "");
        EXPECT_EQ(dialog.selected(Convert::kToList), "");
        return true;
    };
    press(state, view, "42 unit");
    EXPECT_EQ(view.convertRuns, 1);
    EXPECT_EQ(view.display, "42.00000000");
    EXPECT_EQ(state.currentProperty, findProperty(db, "dimensionless", true));
    EXPECT_EQ(view.suspended, 1);
    EXPECT_EQ(view.resumed, 1);
}

TEST_F(UnitKeysTest, TemperatureConvertsThereAndBack) {
    view.convertScript = convertTo("temperature", "K", "C");
    press(state, view, "100 unit");
    EXPECT_EQ(view.display, "-173.1500000");
    view.convertScript = [](FakeDialogView& dialog, Convert& model) {
        EXPECT_EQ(dialog.selected(Convert::kFromList), "K");  // the remembered From
        EXPECT_EQ(dialog.selected(Convert::kToList), "C");    // the current unit
        return convertTo("", "C", "K")(dialog, model);
    };
    press(state, view, "unit");
    EXPECT_EQ(view.display, "100.0000000");
}

TEST_F(UnitKeysTest, DegreesToRadiansSetsTheAngleModeAndIsRememberedNextTime) {
    view.convertScript = convertTo("angle", "deg", "radians");
    press(state, view, "180 unit");
    EXPECT_EQ(view.display.substr(0, 10), "3.14159265");
    EXPECT_EQ(angle->currentUnit->name, "radians");
    EXPECT_EQ(state.convertFromUnit, findUnit(db, *angle, "deg", true));
    view.convertScript = [](FakeDialogView& dialog, Convert&) {
        EXPECT_EQ(dialog.selected(Convert::kPropertyList), "angle");
        EXPECT_EQ(dialog.selected(Convert::kFromList), "deg");
        EXPECT_EQ(dialog.selected(Convert::kToList), "radians");
        return false;
    };
    press(state, view, "unit");
    EXPECT_EQ(view.convertRuns, 2);
}

TEST_F(UnitKeysTest, CancelledConversionChangesNothingButTheDialogsOwnSelections) {
    view.convertScript = [](FakeDialogView& dialog, Convert& model) {
        convertTo("angle", "radians", "gr")(dialog, model);
        return false;
    };
    press(state, view, "180 unit");
    EXPECT_EQ(view.display, "180");
    EXPECT_EQ(angle->currentUnit->name, "deg");
    EXPECT_EQ(state.currentProperty, &standaloneDimensionless());
    EXPECT_EQ(state.convertFromUnit, nullptr);
}

TEST_F(UnitKeysTest, UnitlessPropertyTakesTheValueAsItIs) {
    view.convertScript = convertTo("temperature", "K", "C");
    press(state, view, "100 unit");
    view.convertScript = convertTo("time", "", "");
    press(state, view, "5 unit");
    EXPECT_EQ(view.display, "5.000000000");
    Property* time = findProperty(db, "time", true);
    EXPECT_EQ(state.currentProperty, time);
    EXPECT_EQ(time->currentUnit, &blankUnit());
    EXPECT_EQ(findProperty(db, "temperature", true)->currentUnit->name, "C");
}

TEST_F(UnitKeysTest, ShiftedUnitChoosesThePropertyAndKeepsTheValue) {
    view.propertiesScript = [](FakeDialogView& dialog, Properties& model) {
        EXPECT_EQ(dialog.title, "Properties and Units");
        return dialog.choose(model, Properties::kPropertyList, "time");
    };
    press(state, view, "7 shift unit");
    EXPECT_EQ(view.display, "7");
    EXPECT_FALSE(state.shift);
    EXPECT_EQ(state.currentProperty, findProperty(db, "time", true));
    view.convertScript = [](FakeDialogView& dialog, Convert&) {
        EXPECT_EQ(dialog.selected(Convert::kPropertyList), "time");
        return false;
    };
    press(state, view, "unit");
    EXPECT_EQ(view.convertRuns, 1);
}

TEST_F(UnitKeysTest, ShiftedUnitCancelledKeepsTheProperty) {
    view.propertiesScript = [](FakeDialogView& dialog, Properties& model) {
        dialog.choose(model, Properties::kPropertyList, "time");
        return false;
    };
    press(state, view, "shift unit");
    EXPECT_FALSE(state.shift);
    EXPECT_EQ(state.currentProperty, &standaloneDimensionless());
}

TEST_F(UnitKeysTest, ConstShowsTheConstantInTheUnitChosenInTheDialog) {
    for (NumberBase base : {NumberBase::Decimal, NumberBase::Statistics, NumberBase::Financial}) {
        state.numberBase = base;
        view.propertiesScript = [](FakeDialogView& dialog, Properties& model) {
            EXPECT_EQ(dialog.title, "Constants");
            dialog.choose(model, Properties::kPropertyList, "length");
            dialog.choose(model, Properties::kUnitList, "km");
            return true;
        };
        press(state, view, "AC 3 const");
        EXPECT_EQ(view.display.substr(0, 5), "0.005") << static_cast<int>(base);
    }
    EXPECT_EQ(state.currentProperty, &standaloneDimensionless());
    EXPECT_EQ(view.suspended, 3);
    EXPECT_EQ(view.resumed, 3);
}

TEST_F(UnitKeysTest, ConstCancelledShowsTheValueAgain) {
    view.propertiesScript = [](FakeDialogView&, Properties&) { return false; };
    press(state, view, "1.50 const");
    EXPECT_EQ(view.display, "1.500000000");
    EXPECT_EQ(state.calcStatus, CalcStatus::Ready);
}

}  // namespace
}  // namespace zentra
