#include "dialogs/properties_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "support/dialog_test_support.h"
#include "support/units_test_support.h"
#include "units/property_database.h"
#include "units/prp_file.h"

namespace zentra {
namespace {

using Model = PropertiesDialogModel;
using testing::FakeDialogView;

class PropertiesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        angle = findProperty(db, "angle", true);
        length = &addProperty(db, "length");
        metre = &setUnit(*length, "m", 1, 0);
        km = &setUnit(*length, "km", 1000, 0);
        step = &setConstant(*length, "step", 5);
        addProperty(db, "bare");
    }

    // Runs the dialog as the host would: initialise, the user's actions, then
    // OK when ok is set (Cancel otherwise).
    PropertiesDialogRunner host(std::function<void(Model&)> actions, bool ok = true) {
        return [this, actions, ok](Model& model) {
            model.initialise(view);
            if (actions) actions(model);
            return ok && model.accept(view);
        };
    }

    PropertyDatabase db;
    Property* angle = nullptr;
    Property* length = nullptr;
    Unit* metre = nullptr;
    Unit* km = nullptr;
    Constant* step = nullptr;
    FakeDialogView view;
};

TEST_F(PropertiesDialogTest, PropertiesModeShowsUnitsAndHidesConstants) {
    Property* chosen = chooseProperty(db, &standaloneDimensionless(), host(nullptr));
    EXPECT_EQ(chosen, findProperty(db, "dimensionless", true));
    EXPECT_EQ(view.title, "Properties and Units");
    EXPECT_EQ(view.selected(Model::kPropertyList), "dimensionless");
    EXPECT_EQ(view.selected(Model::kUnitList), "");
    for (ControlId id : {Model::kConstantList, Model::kValueEdit, Model::kNewConstant}) {
        EXPECT_FALSE(view.isVisible(id)) << id;
    }
    EXPECT_EQ(view.texts[Model::kConstantsGroup], "");
    EXPECT_TRUE(view.isVisible(Model::kFactorEdit));
    EXPECT_TRUE(view.isEnabled(Model::kFactorEdit));
    EXPECT_EQ(view.texts[Model::kFactorEdit], "1");
    EXPECT_EQ(view.texts[Model::kOffsetEdit], "0");
}

TEST_F(PropertiesDialogTest, CancelReturnsNoPropertyButKeepsTheSelectedUnit) {
    Unit* deg = findUnit(db, *angle, "deg", true);
    angle->currentUnit = findUnit(db, *angle, "radians", true);
    Property* chosen = chooseProperty(
        db, angle, host([&](Model& m) { view.choose(m, Model::kUnitList, "deg"); }, false));
    EXPECT_EQ(chosen, nullptr);
    EXPECT_EQ(angle->currentUnit, deg);
}

TEST_F(PropertiesDialogTest, ConstantIsShownAndEditedInTheCurrentUnit) {
    double result = chooseConstant(db, length, 7, host([&](Model& m) {
                                       EXPECT_EQ(view.title, "Constants");
                                       EXPECT_EQ(view.texts[Model::kConstantsGroup], "Constants");
                                       EXPECT_FALSE(view.isVisible(Model::kFactorEdit));
                                       EXPECT_EQ(view.selected(Model::kConstantList), "step");
                                       EXPECT_EQ(view.texts[Model::kValueEdit], "5");
                                       view.choose(m, Model::kUnitList, "km");
                                       EXPECT_EQ(view.texts[Model::kValueEdit], "0.005");
                                       view.type(m, Model::kValueEdit, "2");
                                   }));
    EXPECT_EQ(step->value, 2000);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(length->currentUnit, km);
    EXPECT_TRUE(db.modified);  // the close warning asks before the edit is lost
}

TEST_F(PropertiesDialogTest, ConstantsModeWithoutConstantsDisablesValueAndGivesZero) {
    double result = chooseConstant(db, angle, 7, host([&](Model&) {
                                       EXPECT_TRUE(view.items(Model::kConstantList).empty());
                                       EXPECT_FALSE(view.isEnabled(Model::kValueEdit));
                                   }));
    EXPECT_EQ(result, 0);
}

// The fields show fifteen digits; a field left as shown gives its value whole.
TEST_F(PropertiesDialogTest, UntouchedFieldsKeepEveryDigit) {
    constexpr double pi = 3.141592653589793, slug = 14.593902937206364;
    setConstant(*length, "pi", pi);
    const double result = chooseConstant(db, length, 7, host([&](Model& m) {
                                             view.choose(m, Model::kConstantList, "pi");
                                             view.type(m, Model::kValueEdit, "3.14159265358979");
                                         }));
    EXPECT_EQ(result, pi);
    Unit& big = setUnit(*length, "slug m", slug, 0);
    length->currentUnit = &big;
    Model model(db);
    model.property = length;
    model.allowPropertyChoice = model.allowUnitEdit = true;
    model.initialise(view);
    view.type(model, Model::kFactorEdit, view.texts[Model::kFactorEdit]);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(big.factor, slug);
}

TEST_F(PropertiesDialogTest, ConstantCancelledGivesTheDisplayValueBack) {
    EXPECT_EQ(chooseConstant(db, length, 7, host(nullptr, false)), 7);
}

struct FactorCase {
    std::string name;
    ControlId edit;
    std::string typed;
    std::optional<bool> answer;  // none: no question expected
    double factor;               // the unit's afterwards
    double offset;
    std::string shown;         // the edit's text afterwards
    std::string refusal = {};  // the message that refuses the text, with the focus kept
};

class FactorFieldTest : public PropertiesDialogTest,
                        public ::testing::WithParamInterface<FactorCase> {};

TEST_P(FactorFieldTest, ChangesTheUnitOnlyAfterYes) {
    const FactorCase& c = GetParam();
    length->currentUnit = km;
    Model model(db);
    model.property = length;
    model.allowPropertyChoice = model.allowUnitEdit = true;
    model.initialise(view);
    if (c.answer) view.yesNoAnswers.push_back(*c.answer);
    view.type(model, c.edit, c.typed);
    EXPECT_EQ(view.questions.size(), c.answer ? 1u : 0u);
    if (c.answer) {
        EXPECT_EQ(
            view.questions[0],
            c.edit == Model::kFactorEdit
                ? "Warning: Are you sure you want to change the value of the conversion factor?"
                : "Warning: Are you sure you want to change the value of the conversion offset?");
    }
    EXPECT_EQ(km->factor, c.factor);
    EXPECT_EQ(km->offset, c.offset);
    EXPECT_EQ(view.texts[c.edit], c.shown);
    EXPECT_EQ(view.messages,
              c.refusal.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.refusal});
    if (!c.refusal.empty()) {
        EXPECT_EQ(view.focus, c.edit);
    }
    EXPECT_EQ(db.modified, c.factor != 1000 || c.offset != 0);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesDialog, FactorFieldTest,
    ::testing::Values(FactorCase{"SameFactorAsksNothing", Model::kFactorEdit, " 1000.0 ",
                                 std::nullopt, 1000, 0, " 1000.0 "},
                      FactorCase{"NewFactorAfterYes", Model::kFactorEdit, "1609.344", true,
                                 1609.344, 0, "1609.344"},
                      FactorCase{"NoRestoresTheField", Model::kFactorEdit, "2", false, 1000, 0,
                                 "1000"},
                      FactorCase{"NewOffsetAfterYes", Model::kOffsetEdit, "-273.15", true, 1000,
                                 -273.15, "-273.15"},
                      FactorCase{"NotANumberIsRefusedWithoutQuestion", Model::kFactorEdit, "12abc",
                                 std::nullopt, 1000, 0, "12abc", "Please enter a number."},
                      FactorCase{"ZeroFactorIsRefusedWithoutQuestion", Model::kFactorEdit, "-0.0",
                                 std::nullopt, 1000, 0, "-0.0", "The factor must not be 0."}),
    testing::CaseName());

TEST_F(PropertiesDialogTest, NotANumberKeepsTheDialogOpenAndFocusesTheField) {
    Model model(db);
    model.property = length;
    model.allowUnitEdit = true;
    model.initialise(view);
    view.texts[Model::kOffsetEdit] = "";
    EXPECT_FALSE(model.accept(view));
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Please enter a number."}));
    EXPECT_EQ(view.focus, Model::kOffsetEdit);
    view.texts[Model::kOffsetEdit] = "0";
    EXPECT_TRUE(model.accept(view));
}

TEST(NumberField, ReadsWholeNumbersOnly) {
    EXPECT_EQ(parseNumberField("2"), 2.0);
    EXPECT_EQ(parseNumberField("\t-1.5e3 "), -1500.0);
    EXPECT_EQ(parseNumberField(".5"), 0.5);
    EXPECT_EQ(parseNumberField("-0"), 0.0);
    EXPECT_FALSE(parseNumberField(""));
    EXPECT_FALSE(parseNumberField("  "));
    EXPECT_FALSE(parseNumberField("1,5"));
    EXPECT_FALSE(parseNumberField("2 m"));
    EXPECT_EQ(numberFieldText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberFieldText(1e30), "1e+030");
}

TEST_F(PropertiesDialogTest, NewUnitWithAnExistingNameResetsItWithoutAsking) {
    km->offset = 3;
    chooseProperty(db, length, host([&](Model& m) {
                       view.nameAnswers.push_back("km");
                       m.clicked(view, Model::kNewUnit);
                   }));
    EXPECT_EQ(view.nameTitles, (std::vector<std::string>{"New unit name"}));
    EXPECT_EQ(km->factor, 1);
    EXPECT_EQ(km->offset, 0);
    EXPECT_EQ(length->units.size(), 2u);
    EXPECT_EQ(length->currentUnit, km);
    EXPECT_EQ(view.items(Model::kUnitList), (std::vector<std::string>{"km", "km", "m"}));
    EXPECT_TRUE(view.questions.empty());
    EXPECT_TRUE(db.modified);
}

TEST_F(PropertiesDialogTest, NewConstantStoresOneAndShowsZero) {
    double result = chooseConstant(db, length, 7, host([&](Model& m) {
                                       view.nameAnswers.push_back("c0");
                                       m.clicked(view, Model::kNewConstant);
                                       EXPECT_EQ(view.selected(Model::kConstantList), "c0");
                                       EXPECT_EQ(view.texts[Model::kValueEdit], "0");
                                   }));
    EXPECT_EQ(findConstant(db, *length, "c0", true)->value, 1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(view.nameTitles, (std::vector<std::string>{"New constant name"}));
    EXPECT_TRUE(db.modified);
}

TEST_F(PropertiesDialogTest, NewPropertyIsSelectedWithoutUnits) {
    Property* chosen = chooseProperty(db, angle, host([&](Model& m) {
                                          view.nameAnswers.push_back("time");
                                          m.clicked(view, Model::kNewProperty);
                                          EXPECT_TRUE(view.items(Model::kUnitList).empty());
                                          EXPECT_FALSE(view.isEnabled(Model::kFactorEdit));
                                          EXPECT_TRUE(view.isEnabled(Model::kNewUnit));
                                      }));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, "time");
    EXPECT_EQ(view.nameTitles, (std::vector<std::string>{"New property name"}));
    EXPECT_TRUE(db.modified);
}

TEST_F(PropertiesDialogTest, CancelledNameDialogCreatesNothing) {
    chooseProperty(db, length, host([&](Model& m) { m.clicked(view, Model::kNewUnit); }));
    EXPECT_EQ(length->units.size(), 2u);
    EXPECT_FALSE(db.modified);
}

struct BadNameCase {
    std::string name;
    ControlId button;
    std::string text;
};

class BadNameTest : public PropertiesDialogTest,
                    public ::testing::WithParamInterface<BadNameCase> {};

TEST_P(BadNameTest, IsRefusedWithAMessage) {
    const BadNameCase& c = GetParam();
    const std::size_t properties = db.properties.size();
    chooseConstant(db, length, 0, host([&](Model& m) {
                       view.nameAnswers.push_back(c.text);
                       m.clicked(view, c.button);
                   }));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_FALSE(view.messages[0].empty());
    EXPECT_EQ(length->units.size(), 2u);
    EXPECT_EQ(length->constants.size(), 1u);
    EXPECT_EQ(db.properties.size(), properties);
    EXPECT_FALSE(db.modified);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesDialog, BadNameTest,
    ::testing::Values(BadNameCase{"UnitWithColon", Model::kNewUnit, "m:s"},
                      BadNameCase{"UnitWithBackslash", Model::kNewUnit, "m\\s"},
                      BadNameCase{"ConstantWithColon", Model::kNewConstant, "c:0"},
                      BadNameCase{"UnitTooLongForALine", Model::kNewUnit, std::string(60, 'u')},
                      BadNameCase{"PropertyTooLongForALine", Model::kNewProperty,
                                  std::string(120, 'p')}),
    testing::CaseName());

TEST_F(PropertiesDialogTest, FindRadMakesRadiansTheCurrentUnit) {
    angle->currentUnit = findUnit(db, *angle, "deg", true);
    chooseProperty(db, length,
                   host(
                       [&](Model& m) {
                           view.findAnswers.push_back("RaD");
                           m.clicked(view, Model::kFind);
                       },
                       false));
    EXPECT_EQ(view.findTitles, (std::vector<std::string>{"Find Property or Units"}));
    EXPECT_EQ(angle->currentUnit, findUnit(db, *angle, "radians", true));
    EXPECT_EQ(view.selected(Model::kPropertyList), "angle");
    EXPECT_EQ(view.selected(Model::kUnitList), "radians");
}

TEST_F(PropertiesDialogTest, FindSelectsAConstantInConstantsMode) {
    length->currentUnit = km;
    double result = chooseConstant(db, angle, 0, host([&](Model& m) {
                                       view.findAnswers.push_back("STEP");
                                       m.clicked(view, Model::kFind);
                                   }));
    EXPECT_EQ(view.findTitles, (std::vector<std::string>{"Find Property, Units or Constant"}));
    EXPECT_EQ(result, 0.005);
}

TEST_F(PropertiesDialogTest, FindWithoutMatchNamesWhatWasSearched) {
    chooseProperty(db, length, host([&](Model& m) {
                       view.findAnswers.push_back("zzz");
                       m.clicked(view, Model::kFind);
                   }));
    chooseConstant(db, length, 0, host([&](Model& m) {
                       view.findAnswers.push_back("zzz");
                       m.clicked(view, Model::kFind);
                   }));
    EXPECT_EQ(view.messages,
              (std::vector<std::string>{"Couldn't find Property or Unit",
                                        "Couldn't find Property, Unit or Constant"}));
}

TEST_F(PropertiesDialogTest, SIButtonSelectsTheSIUnit) {
    length->currentUnit = km;
    chooseProperty(db, length, host([&](Model& m) { m.clicked(view, Model::kUnitSI); }));
    EXPECT_EQ(length->currentUnit, metre);
    EXPECT_EQ(view.selected(Model::kUnitList), "m");
}

TEST_F(PropertiesDialogTest, UnitlessPropertyClearsTheFieldsAndLeavesTheBlankUnitAlone) {
    setConstant(*findProperty(db, "bare", true), "b", 3);
    length->currentUnit = km;
    chooseConstant(db, length, 0, host([&](Model& m) {
                       ASSERT_EQ(view.texts[Model::kValueEdit], "0.005");
                       view.choose(m, Model::kPropertyList, "bare");
                       EXPECT_EQ(view.texts[Model::kValueEdit], "3");
                       EXPECT_EQ(view.texts[Model::kFactorEdit], "1");
                       EXPECT_FALSE(view.isEnabled(Model::kFactorEdit));
                       view.yesNoAnswers.push_back(true);
                       view.type(m, Model::kFactorEdit, "1000");
                   }));
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(blankUnit().factor, 1);
}

class PropertiesFileTest : public PropertiesDialogTest {
protected:
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("zentra-properties-dialog-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(PropertiesFileTest, FailedSaveAndLoadAreReportedAndLoadRefillsTheLists) {
    view.saveFile = (dir / "missing" / "x.prp").string();
    view.loadFile = (dir / "missing.prp").string();
    chooseProperty(db, length, host([&](Model& m) {
                       m.clicked(view, Model::kSave);
                       view.lists[Model::kPropertyList].clear();
                       m.clicked(view, Model::kLoad);
                   }));
    ASSERT_EQ(view.messages.size(), 2u);
    // The write failure says why on a second line.
    EXPECT_EQ(view.messages[0].substr(0, view.messages[0].find('\n')),
              "Sorry, couldn't write properties");
    EXPECT_NE(view.messages[0].find("x.prp"), std::string::npos);
    EXPECT_EQ(view.messages[1], "Sorry, couldn't read properties");
    EXPECT_EQ(view.items(Model::kPropertyList).size(), db.properties.size());
    EXPECT_EQ(view.selected(Model::kPropertyList), "length");
}

TEST_F(PropertiesFileTest, ADamagedFileIsReportedInTheDialog) {
    std::filesystem::create_directories(dir);
    view.loadFile = (dir / "damaged.prp").string();
    std::ofstream(*view.loadFile) << "no properties file\n";
    chooseProperty(db, length, host([&](Model& m) { m.clicked(view, Model::kLoad); }));
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0], "Corrupt properties database");
}

TEST_F(PropertiesFileTest, LoadedPropertiesAppearInTheList) {
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "saved.prp").string();
    PropertyDatabase other;
    addBuiltInContent(other);
    setUnit(addProperty(other, "volume"), "l", 0.001, 0);
    ASSERT_TRUE(saveDatabase(other, path));
    view.loadFile = path;
    chooseProperty(db, length, host([&](Model& m) { m.clicked(view, Model::kLoad); }));
    EXPECT_TRUE(view.messages.empty());
    const auto items = view.items(Model::kPropertyList);
    EXPECT_NE(std::find(items.begin(), items.end(), "volume"), items.end());
    EXPECT_EQ(view.selected(Model::kPropertyList), "length");
    EXPECT_FALSE(db.modified);
}

}  // namespace
}  // namespace zentra
