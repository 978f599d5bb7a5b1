#include "units/property_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/runtime_problem.h"
#include "support/units_test_support.h"

namespace zentra {
namespace {

using testing::CapturedProblems;
using testing::nth;

class PropertyDatabaseTest : public ::testing::Test {
protected:
    PropertyDatabaseTest() { addBuiltInContent(db); }
    Property& prop(const char* name) { return *findProperty(db, name, true); }

    PropertyDatabase db;
    CapturedProblems problems{db};
};

TEST_F(PropertyDatabaseTest, BuiltInContentInOrderWithExactFactors) {
    ASSERT_EQ(db.properties.size(), 2u);
    EXPECT_EQ(db.properties[0].name, "dimensionless");
    ASSERT_EQ(db.properties[0].units.size(), 1u);
    EXPECT_EQ(nth(db.properties[0].units, 0).name, "");
    Property& angle = db.properties[1];
    EXPECT_EQ(angle.name, "angle");
    ASSERT_EQ(angle.units.size(), 3u);
    EXPECT_EQ(nth(angle.units, 0).name, "radians");
    EXPECT_EQ(nth(angle.units, 1).name, "deg");
    EXPECT_EQ(nth(angle.units, 2).name, "gr");
    EXPECT_EQ(nth(angle.units, 1).factor, 0.0174532925199433);
    EXPECT_EQ(nth(angle.units, 2).factor, 0.01570796326794897);
    // One unit in the last place above the nearest doubles to pi/180 and pi/200.
    EXPECT_EQ(nth(angle.units, 1).factor, std::nextafter(M_PI / 180, 1.0));
    EXPECT_EQ(nth(angle.units, 2).factor, std::nextafter(M_PI / 200, 1.0));
    EXPECT_EQ(angle.currentUnit, &nth(angle.units, 0));
}

struct QuietLookup {
    const char* name;
    const char* property;  // nullptr: look up the property itself
    const char* key;
    bool found;
};

class QuietLookupTest : public PropertyDatabaseTest,
                        public ::testing::WithParamInterface<QuietLookup> {};

TEST_P(QuietLookupTest, FindsExactNameOnly) {
    const QuietLookup& c = GetParam();
    if (!c.property) {
        EXPECT_EQ(findProperty(db, c.key, true) != nullptr, c.found);
    } else {
        EXPECT_EQ(findUnit(db, prop(c.property), c.key, true) != nullptr, c.found);
    }
    EXPECT_TRUE(problems.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, QuietLookupTest,
    ::testing::Values(QuietLookup{"UnitCaseMatters", "angle", "Deg", false},
                      QuietLookup{"UnitExact", "angle", "deg", true},
                      QuietLookup{"NoTrimming", "angle", "deg ", false},
                      QuietLookup{"EmptyNameIsOrdinary", "dimensionless", "", true},
                      QuietLookup{"EmptyNameAbsent", "angle", "", false},
                      QuietLookup{"PropertyCaseMatters", nullptr, "Angle", false},
                      QuietLookup{"PropertyExact", nullptr, "dimensionless", true}),
    testing::CaseName());

TEST_F(PropertyDatabaseTest, DimensionlessLookupFindsDatabasePropertyNotStandalone) {
    Property* found = findProperty(db, "dimensionless", true);
    EXPECT_EQ(found, &db.properties[0]);
    EXPECT_NE(found, &standaloneDimensionless());
}

struct MissCase {
    const char* name;
    int which;  // 0 property, 1 unit, 2 constant
    const char* message;
};

class NonQuietMissTest : public PropertyDatabaseTest,
                         public ::testing::WithParamInterface<MissCase> {};

TEST_P(NonQuietMissTest, ReportsSyntaxProblemAndAbandons) {
    Property& angle = prop("angle");
    setConstant(angle, "right", M_PI / 2);
    try {
        switch (GetParam().which) {
            case 0:
                findProperty(db, "nothing", false);
                break;
            case 1:
                findUnit(db, angle, "nothing", false);
                break;
            default:
                findConstant(db, angle, "nothing", false);
                break;
        }
        ADD_FAILURE() << "look-up returned";
    } catch (const RuntimeProblem& problem) {
        EXPECT_EQ(problem.code(), 0);
        EXPECT_EQ(problem.message(), GetParam().message);
    }
    EXPECT_EQ(problems.messages, std::vector<std::string>{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(
    Misses, NonQuietMissTest,
    ::testing::Values(MissCase{"Property", 0, "Runtime Problem: Syntax 'Property not found'"},
                      MissCase{"Unit", 1, "Runtime Problem: Syntax 'Unit not found'"},
                      MissCase{"Constant", 2, "Runtime Problem: Syntax 'Constant not found'"}),
    testing::CaseName());

TEST(PropertyDatabaseEmpty, LookupsInEmptyListsNeverReport) {
    PropertyDatabase db;
    CapturedProblems problems(db);
    EXPECT_EQ(findProperty(db, "angle", false), nullptr);
    Property& bare = addProperty(db, "bare");
    EXPECT_EQ(findUnit(db, bare, "x", false), nullptr);
    EXPECT_EQ(findConstant(db, bare, "x", false), nullptr);
    EXPECT_TRUE(problems.messages.empty());
}

TEST_F(PropertyDatabaseTest, AddPropertyFindsExistingOrAppends) {
    Property& again = addProperty(db, "angle");
    EXPECT_EQ(&again, &db.properties[1]);
    Property& added = addProperty(db, "time");
    EXPECT_EQ(db.properties.size(), 3u);
    EXPECT_EQ(&added, &db.properties.back());
    EXPECT_TRUE(added.units.empty());
    EXPECT_TRUE(added.constants.empty());
    EXPECT_EQ(added.currentUnit, &blankUnit());
}

TEST_F(PropertyDatabaseTest, SetUnitOverwritesInPlaceAndOnlyFirstUnitBecomesCurrent) {
    Property& length = addProperty(db, "length");
    Unit& metre = setUnit(length, "m", 1, 0);
    EXPECT_EQ(length.currentUnit, &metre);
    Unit& foot = setUnit(length, "ft", 0.3048, 0);
    EXPECT_EQ(length.currentUnit, &metre);
    length.currentUnit = &foot;
    Unit& again = setUnit(length, "m", 2, 5);
    EXPECT_EQ(&again, &metre);
    EXPECT_EQ(length.units.size(), 2u);
    EXPECT_EQ(nth(length.units, 0).factor, 2);
    EXPECT_EQ(nth(length.units, 0).offset, 5);
    EXPECT_EQ(length.currentUnit, &foot);
}

TEST_F(PropertyDatabaseTest, SetConstantOverwritesInPlace) {
    Property& angle = prop("angle");
    Constant& right = setConstant(angle, "right", 1.5);
    setConstant(angle, "full", 6.28);
    Constant& again = setConstant(angle, "right", M_PI / 2);
    EXPECT_EQ(&again, &right);
    ASSERT_EQ(angle.constants.size(), 2u);
    EXPECT_EQ(nth(angle.constants, 0).value, M_PI / 2);
}

TEST_F(PropertyDatabaseTest, LookupsSeeRecordsAppendedWithoutIndexInListOrder) {
    // A list filled directly still answers in list order (first match).
    Property& p = addProperty(db, "raw");
    p.units.push_back(Unit{"a", 2, 0});
    p.units.push_back(Unit{"a", 3, 0});
    Unit* a = findUnit(db, p, "a", true);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->factor, 2);
}

struct SICase {
    const char* name;
    std::vector<Unit> units;
    int expected;  // index, -1 for none
};

class FindSIUnitTest : public ::testing::TestWithParam<SICase> {};

TEST_P(FindSIUnitTest, PicksFirstUnitWithFactorOneAndZeroOffset) {
    PropertyDatabase db;
    Property& p = addProperty(db, "p");
    for (const Unit& u : GetParam().units) setUnit(p, u.name, u.factor, u.offset);
    Unit* si = findSIUnit(p);
    if (GetParam().expected < 0) {
        EXPECT_EQ(si, nullptr);
    } else {
        EXPECT_EQ(si, &nth(p.units, static_cast<std::size_t>(GetParam().expected)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Units, FindSIUnitTest,
    ::testing::Values(SICase{"NoUnits", {}, -1},
                      SICase{"DegThenRadians", {{"deg", 0.0174532925199433, 0}, {"rad", 1, 0}}, 1},
                      SICase{"NoneQualifiesGivesFirst", {{"a", 2, 0}, {"b", 3, 0}}, 0},
                      SICase{"NegativeZeroOffsetCounts", {{"a", 2, 0}, {"b", 1, -0.0}}, 1},
                      SICase{"OffsetDisqualifies", {{"C", 1, 273.15}, {"K", 1, 0}}, 1}),
    testing::CaseName());

TEST_F(PropertyDatabaseTest, SelectSIUnitSetsCurrentUnit) {
    Property& angle = prop("angle");
    angle.currentUnit = findUnit(db, angle, "deg", true);
    selectSIUnit(angle);
    EXPECT_EQ(angle.currentUnit->name, "radians");
    Property& empty = addProperty(db, "empty");
    selectSIUnit(empty);
    EXPECT_EQ(empty.currentUnit, &blankUnit());
}

TEST_F(PropertyDatabaseTest, ConvertsThroughSIWithOffsets) {
    Property& angle = prop("angle");
    const double rad = convertReading(*findUnit(db, angle, "deg", true),
                                      *findUnit(db, angle, "radians", true), 180);
    EXPECT_NEAR(rad, 3.14159265358979, 1e-14);
    EXPECT_NEAR(convertReading(*findUnit(db, angle, "radians", true),
                               *findUnit(db, angle, "deg", true), rad),
                180, 1e-12);
    Property& t = addProperty(db, "temperature");
    Unit& kelvin = setUnit(t, "K", 1, 0);
    Unit& celsius = setUnit(t, "C", 1, -273.15);  // offset: the reading at SI zero
    EXPECT_DOUBLE_EQ(convertReading(celsius, kelvin, 100), 373.15);
    EXPECT_DOUBLE_EQ(convertReading(kelvin, celsius, 0), -273.15);
}

TEST_F(PropertyDatabaseTest, OrdinaryConstantReadsStoredValueEvenWhenNamedLikeDynamicInOtherCase) {
    Constant lower{"date", 42};
    EXPECT_EQ(constantValue(db, lower), 42);
    Constant plain{"c", 299792458};
    EXPECT_EQ(constantValue(db, plain), 299792458);
}

TEST_F(PropertyDatabaseTest, DynamicTimeConstantsAreComputedWhenRead) {
    Constant date{"Date", 0};
    const double day = constantValue(db, date);
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 366);
    EXPECT_EQ(day, std::floor(day));
    Constant now{"Current Time", 0};
    const double seconds = constantValue(db, now);
    EXPECT_GE(seconds, 0);
    EXPECT_LT(seconds, 86400 + 1);
    EXPECT_EQ(seconds, std::floor(seconds));
    Constant cpu{"CPU Time", 0};
    const double elapsed = constantValue(db, cpu);
    EXPECT_GE(elapsed, 0);
    EXPECT_LT(elapsed, 60);
    EXPECT_EQ(std::round(elapsed * 1000), elapsed * 1000) << "millisecond resolution";
}

TEST(RandomNumberConstant, FollowsTheClassicGeneratorFromStateOne) {
    PropertyDatabase db;
    Constant random{"Random Number", 0.5};
    // rand() of the classic generator seeded with 1: 41, 18467, 6334, 26500.
    const int expected[] = {41, 18467, 6334, 26500};
    for (int r : expected) EXPECT_EQ(constantValue(db, random), r * (1.0 / 32767.0));
}

TEST(RandomNumberConstant, ExtremesAreZeroAndOne) {
    PropertyDatabase db;
    Constant random{"Random Number", 0};
    // Choose states whose successor yields r = 0 and r = 32767.
    auto predecessor = [](std::uint32_t next) {
        // inverse of 214013 modulo 2^32, found by Newton iteration
        std::uint32_t inv = 214013u;
        for (int i = 0; i < 5; ++i) inv *= 2u - 214013u * inv;
        return (next - 2531011u) * inv;
    };
    db.randomState = predecessor(0x00000000u);
    EXPECT_EQ(constantValue(db, random), 0.0);
    db.randomState = predecessor(0x7FFF0000u);
    EXPECT_EQ(constantValue(db, random), 1.0);
    EXPECT_EQ(1.0 / 32767.0, 3.051850947599719e-05);
}

TEST_F(PropertyDatabaseTest, DynamicConstantsAddedPerExistingProperty) {
    addDynamicConstants(db, 6.01);
    Property& dimensionless = prop("dimensionless");
    ASSERT_EQ(dimensionless.constants.size(), 3u);
    EXPECT_EQ(nth(dimensionless.constants, 0).name, "Windows Version");
    EXPECT_EQ(nth(dimensionless.constants, 0).value, 6.01);
    EXPECT_EQ(nth(dimensionless.constants, 1).name, "Zentra Version");
    EXPECT_EQ(nth(dimensionless.constants, 1).value, 3.31);
    EXPECT_EQ(nth(dimensionless.constants, 2).name, "Random Number");
    EXPECT_EQ(findProperty(db, "time", true), nullptr) << "no time property is created";

    Property& time = addProperty(db, "time");
    setConstant(time, "Date", 17);
    addDynamicConstants(db, 6.01);
    ASSERT_EQ(time.constants.size(), 3u);
    EXPECT_EQ(nth(time.constants, 0).name, "Date");
    EXPECT_EQ(nth(time.constants, 0).value, 0) << "stored value reset";
    EXPECT_EQ(nth(time.constants, 1).name, "Current Time");
    EXPECT_EQ(nth(time.constants, 2).name, "CPU Time");
    EXPECT_EQ(dimensionless.constants.size(), 3u);
}

TEST_F(PropertyDatabaseTest, ClearDatabaseEmptiesEverything) {
    clearDatabase(db);
    EXPECT_TRUE(db.properties.empty());
    EXPECT_EQ(findProperty(db, "angle", true), nullptr);
    addBuiltInContent(db);
    EXPECT_EQ(db.properties.size(), 2u);
}

}  // namespace
}  // namespace zentra
