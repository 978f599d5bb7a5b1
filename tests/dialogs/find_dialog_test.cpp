#include "dialogs/find_dialog_model.h"

#include <gtest/gtest.h>

#include "support/units_test_support.h"
#include "units/property_database.h"

namespace zentra {
namespace {

// The database every case searches, in this order:
//   "speed"   units "m/s", "knot";  constant "light"
//   "angle"   units "radians", "deg", "gr"
//   "Mass"    units "kg", "Speedy";  constants "electron", "proton"
//   "Ångström" (non-ASCII name)
//   "flow"    units "zb", "za"
PropertyDatabase makeDatabase() {
    PropertyDatabase db;
    Property& speed = addProperty(db, "speed");
    setUnit(speed, "m/s", 1, 0);
    setUnit(speed, "knot", 0.514444, 0);
    setConstant(speed, "light", 299792458);
    addBuiltInContent(db);  // "dimensionless" and "angle" after "speed"
    Property& mass = addProperty(db, "Mass");
    setUnit(mass, "kg", 1, 0);
    setUnit(mass, "Speedy", 2, 0);
    setConstant(mass, "electron", 9.109e-31);
    setConstant(mass, "proton", 1.673e-27);
    addProperty(db, "\xc3\x85ngstr\xc3\xb6m");
    Property& flow = addProperty(db, "flow");
    setUnit(flow, "zb", 1, 0);
    setUnit(flow, "za", 2, 0);
    return db;
}

struct FindCase {
    std::string name;
    std::string search;
    bool includeConstants;
    std::string property;  // empty: nothing found
    std::string unit;
    std::string constant;
};

class FindOrderTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindOrderTest, FirstMatchWins) {
    const FindCase& c = GetParam();
    PropertyDatabase db = makeDatabase();
    FindDialogModel find(db, c.includeConstants);
    find.accept(c.search);
    EXPECT_EQ(find.searchText(), c.search);
    EXPECT_EQ(find.foundProperty ? find.foundProperty->name : "", c.property);
    EXPECT_EQ(find.foundUnit ? find.foundUnit->name : "", c.unit);
    EXPECT_EQ(find.foundConstant ? find.foundConstant->name : "", c.constant);
}

INSTANTIATE_TEST_SUITE_P(
    FindDialog, FindOrderTest,
    ::testing::Values(FindCase{"PropertyNameBeforeLaterUnits", "speed", true, "speed", "", ""},
                      FindCase{"EarlierPropertyBeforeLaterUnit", "SPEED", true, "speed", "", ""},
                      FindCase{"UnitInAnyCase", "rAd", true, "angle", "radians", ""},
                      FindCase{"UnitsInListOrderNotSorted", "z", true, "flow", "zb", ""},
                      FindCase{"UnitsBeforeConstants", "o", true, "speed", "knot", ""},
                      FindCase{"ConstantWhenIncluded", "light", true, "speed", "", "light"},
                      FindCase{"ConstantsInListOrder", "ron", true, "Mass", "", "electron"},
                      FindCase{"ConstantsSkippedWhenExcluded", "light", false, "", "", ""},
                      FindCase{"EmptyTextMatchesFirstProperty", "", true, "speed", "", ""},
                      FindCase{"NothingMatches", "furlong", true, "", "", ""},
                      FindCase{"PropertyNameInOtherCase", "mass", false, "Mass", "", ""},
                      FindCase{"NonAsciiNameFoundAsWritten", "\xc3\x85ngstr\xc3\xb6m", false,
                               "\xc3\x85ngstr\xc3\xb6m", "", ""}),
    testing::CaseName());

TEST(FindDialog, TitleNamesWhatIsSearched) {
    PropertyDatabase db;
    EXPECT_EQ(FindDialogModel(db, true).title(), "Find Property, Units or Constant");
    EXPECT_EQ(FindDialogModel(db, false).title(), "Find Property or Units");
    EXPECT_EQ(FindDialogModel(db).title(), "Find Property, Units or Constant");
}

TEST(FindDialog, NewSearchForgetsEarlierResults) {
    PropertyDatabase db = makeDatabase();
    FindDialogModel find(db);
    find.accept("knot");
    ASSERT_NE(find.foundUnit, nullptr);
    find.accept("nothing like it");
    EXPECT_EQ(find.foundProperty, nullptr);
    EXPECT_EQ(find.foundUnit, nullptr);
}

}  // namespace
}  // namespace zentra
