#include "dialogs/convert_dialog_model.h"

#include <gtest/gtest.h>

#include "support/dialog_test_support.h"
#include "support/units_test_support.h"
#include "units/property_database.h"

namespace zentra {
namespace {

using Model = ConvertDialogModel;
using testing::CapturedProblems;
using testing::FakeDialogView;

class ConvertDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        Property& temperature = addProperty(db, "temperature");
        kelvin = &setUnit(temperature, "K", 1, 0);
        celsius = &setUnit(temperature, "C", 1, -273.15);
        addProperty(db, "empty");
        angle = findProperty(db, "angle", true);
    }

    void open(Property* property, Unit* from = nullptr) {
        model.property = property;
        model.fromUnit = from;
        model.initialise(view);
    }

    PropertyDatabase db;
    Property* angle = nullptr;
    Unit* kelvin = nullptr;
    Unit* celsius = nullptr;
    FakeDialogView view;
    Model model{db};
};

TEST_F(ConvertDialogTest, StandaloneDimensionlessOpensOnTheDatabasesDimensionless) {
    open(&standaloneDimensionless());
    EXPECT_EQ(view.title, "Convert");
    EXPECT_EQ(view.items(Model::kPropertyList),
              (std::vector<std::string>{"angle", "dimensionless", "empty", "temperature"}));
    EXPECT_EQ(view.selected(Model::kPropertyList), "dimensionless");
    EXPECT_EQ(model.property, findProperty(db, "dimensionless", true));
    EXPECT_EQ(view.selected(Model::kFromList), "");
    EXPECT_EQ(view.selected(Model::kToList), "");
    ASSERT_NE(model.fromUnit, nullptr);
    EXPECT_EQ(model.fromUnit, model.toUnit);
    EXPECT_EQ(model.fromUnit, &model.property->units.front());
}

TEST_F(ConvertDialogTest, WithoutPropertyNothingIsSelected) {
    open(nullptr);
    EXPECT_FALSE(view.selected(Model::kPropertyList));
    EXPECT_TRUE(view.items(Model::kFromList).empty());
    EXPECT_EQ(model.property, nullptr);
}

TEST_F(ConvertDialogTest, RememberedFromUnitIsPreselectedAndToShowsTheCurrentUnit) {
    Unit* deg = findUnit(db, *angle, "deg", true);
    angle->currentUnit = findUnit(db, *angle, "radians", true);
    open(angle, deg);
    EXPECT_EQ(view.selected(Model::kFromList), "deg");
    EXPECT_EQ(view.selected(Model::kToList), "radians");
    EXPECT_EQ(model.fromUnit, deg);
    EXPECT_EQ(model.toUnit, angle->currentUnit);
}

TEST_F(ConvertDialogTest, RememberedFromUnitOfAnotherPropertyDoesNotCarryOver) {
    open(angle, kelvin);
    EXPECT_EQ(view.selected(Model::kFromList), "radians");
    EXPECT_EQ(model.fromUnit, angle->currentUnit);
}

TEST_F(ConvertDialogTest, ChoosingPropertyRefillsBothUnitListsAtItsCurrentUnit) {
    open(angle);
    ASSERT_TRUE(view.choose(model, Model::kPropertyList, "temperature"));
    EXPECT_EQ(view.items(Model::kFromList), (std::vector<std::string>{"C", "K"}));
    EXPECT_EQ(view.selected(Model::kFromList), "K");
    EXPECT_EQ(model.fromUnit, kelvin);
    ASSERT_TRUE(view.choose(model, Model::kToList, "C"));
    EXPECT_EQ(model.toUnit, celsius);
    EXPECT_EQ(model.fromUnit, kelvin);
}

TEST_F(ConvertDialogTest, SIButtonsSelectTheSIUnit) {
    Property& length = addProperty(db, "length");
    Unit& mm = setUnit(length, "mm", 0.001, 0);
    Unit& metre = setUnit(length, "m", 1, 0);
    open(&length);
    ASSERT_EQ(model.fromUnit, &mm);
    model.clicked(view, Model::kFromSI);
    EXPECT_EQ(view.selected(Model::kFromList), "m");
    EXPECT_EQ(model.fromUnit, &metre);
    EXPECT_EQ(model.toUnit, &mm);
    model.clicked(view, Model::kToSI);
    EXPECT_EQ(model.toUnit, &metre);
}

TEST_F(ConvertDialogTest, FindInAnyCaseSelectsPropertyAndUnitInBothLists) {
    for (const char* text : {"rad", "RAD", "Rad"}) {
        SCOPED_TRACE(text);
        open(&standaloneDimensionless());
        view.findAnswers.push_back(text);
        model.clicked(view, Model::kFind);
        EXPECT_EQ(view.findTitles.back(), "Find Property or Units");
        EXPECT_EQ(model.property, angle);
        EXPECT_EQ(view.selected(Model::kPropertyList), "angle");
        EXPECT_EQ(view.selected(Model::kFromList), "radians");
        EXPECT_EQ(view.selected(Model::kToList), "radians");
        EXPECT_EQ(model.fromUnit, findUnit(db, *angle, "radians", true));
        EXPECT_EQ(model.toUnit, model.fromUnit);
    }
}

TEST_F(ConvertDialogTest, FindWithoutMatchReportsAndKeepsSelections) {
    open(angle);
    Unit* from = model.fromUnit;
    view.findAnswers.push_back("furlong");
    model.clicked(view, Model::kFind);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Couldn't find Property or Unit"}));
    EXPECT_EQ(model.property, angle);
    EXPECT_EQ(model.fromUnit, from);
    EXPECT_EQ(view.selected(Model::kPropertyList), "angle");
}

TEST_F(ConvertDialogTest, FindCancelledChangesNothing) {
    open(angle);
    view.findAnswers.push_back(std::nullopt);
    model.clicked(view, Model::kFind);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(model.property, angle);
}

TEST_F(ConvertDialogTest, FindIgnoresConstants) {
    setConstant(*findProperty(db, "empty", true), "zeta", 1);
    open(angle);
    view.findAnswers.push_back("zeta");
    model.clicked(view, Model::kFind);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Couldn't find Property or Unit"}));
}

TEST_F(ConvertDialogTest, UnitlessPropertyConfirmedDropsUnitsOfThePreviousProperty) {
    open(&*findProperty(db, "temperature", true));
    ASSERT_EQ(model.fromUnit, kelvin);
    ASSERT_TRUE(view.choose(model, Model::kPropertyList, "empty"));
    EXPECT_TRUE(view.items(Model::kFromList).empty());
    EXPECT_TRUE(model.accept(view));
    EXPECT_EQ(model.property, findProperty(db, "empty", true));
    EXPECT_EQ(model.fromUnit, nullptr);
    EXPECT_EQ(model.toUnit, nullptr);
}

TEST_F(ConvertDialogTest, RememberedUnitOutsideAUnitlessPropertyIsDroppedOnOk) {
    open(findProperty(db, "empty", true), kelvin);
    EXPECT_TRUE(model.accept(view));
    EXPECT_EQ(model.fromUnit, nullptr);
}

TEST_F(ConvertDialogTest, ListNamingNoPropertyReportsAndKeepsTheDialogOpen) {
    CapturedProblems problems(db);
    open(angle);
    view.lists[Model::kPropertyList].add("ghost");
    ASSERT_TRUE(view.choose(model, Model::kPropertyList, "ghost"));
    EXPECT_EQ(problems.messages,
              (std::vector<std::string>{"Runtime Problem: Syntax 'Property not found'"}));
    EXPECT_EQ(model.property, angle);
    EXPECT_EQ(view.items(Model::kFromList).size(), 3u);  // the handler stopped at the look-up
    EXPECT_TRUE(model.accept(view));
}

}  // namespace
}  // namespace zentra
