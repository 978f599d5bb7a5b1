#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "units/prp_file.h"
#include "units_test_support.h"

namespace zentra {
namespace {

std::filesystem::path factoryFile() {
    const char* source = std::getenv("ZENTRA_SOURCE_DIR");
    return (source ? std::filesystem::path(source)
                   : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path()) /
           "resources" / "factory.prp";
}

class FactoryDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        ASSERT_TRUE(loadDatabase(
            db, factoryFile(),
            [this](std::string_view text, std::string_view) { messages += text; }, 0));
        EXPECT_EQ(messages, "");
    }

    double convert(const char* property, double x, const char* from, const char* to) {
        Property& p = *findProperty(db, property, false);
        return convertReading(*findUnit(p, from, false), *findUnit(p, to, false), x);
    }

    PropertyDatabase db;
    std::string messages;
};

TEST_F(FactoryDatabaseTest, EveryPropertyStartsWithItsSIUnitAsCurrentUnit) {
    EXPECT_GE(db.properties.size(), 27u);
    int constants = 0;
    for (Property& p : db.properties) {
        ASSERT_FALSE(p.units.empty()) << p.name;
        EXPECT_EQ(findSIUnit(p), &p.units.front()) << p.name;
        EXPECT_EQ(p.currentUnit, &p.units.front()) << p.name;
        for (const Unit& u : p.units) {
            EXPECT_EQ(recordNameProblem(RecordKind::Unit, u.name), std::nullopt) << u.name;
        }
        constants += static_cast<int>(p.constants.size());
    }
    EXPECT_GE(constants, 20);
}

TEST_F(FactoryDatabaseTest, BuiltInAnglesKeepTheirDefinitions) {
    Property& angle = *findProperty(db, "angle", false);
    EXPECT_EQ(angle.units[0].name, "radians");
    EXPECT_EQ(angle.units[1].factor, 0.0174532925199433);
    EXPECT_EQ(angle.units[2].factor, 0.01570796326794897);
    EXPECT_EQ(db.properties[0].units.size(), 5u);  // "", %, per mille, ppm, ppb
}

struct ConversionCase {
    const char* name;
    const char* property;
    double x;
    const char* from;
    const char* to;
    double expected;
};

class FactoryConversionTest : public FactoryDatabaseTest,
                              public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(FactoryConversionTest, ConvertsLikeTheReferenceTables) {
    const ConversionCase& c = GetParam();
    EXPECT_NEAR(convert(c.property, c.x, c.from, c.to), c.expected,
                std::abs(c.expected) * 1e-12 + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Everyday, FactoryConversionTest,
    ::testing::Values(
        ConversionCase{"BoilingPointInFahrenheit", "temperature", 100, "°C", "°F", 212},
        ConversionCase{"BodyTemperatureInCelsius", "temperature", 98.6, "°F", "°C", 37},
        ConversionCase{"AbsoluteZeroInRankine", "temperature", -273.15, "°C", "°R", 0},
        ConversionCase{"MileInKilometres", "length", 1, "mile", "km", 1.609344},
        ConversionCase{"AtmosphereInPsi", "pressure", 1, "atm", "psi", 14.695948775513449},
        ConversionCase{"TorrInPascal", "pressure", 760, "Torr", "Pa", 101325},
        ConversionCase{"KilowattHourInBtu", "energy", 1, "kWh", "Btu", 3412.1416331279},
        ConversionCase{"HorsepowerInKilowatts", "power", 1, "hp", "kW", 0.74569987158227022},
        ConversionCase{"KnotInKilometresPerHour", "velocity", 1, "knot", "km/h", 1.852},
        ConversionCase{"GallonInLitres", "volume", 1, "US gal", "L", 3.785411784},
        ConversionCase{"PoundInKilograms", "mass", 1, "lb", "kg", 0.45359237},
        ConversionCase{"FootPoundInNewtonMetres", "torque", 1, "lbf ft", "N m", 1.3558179483314004},
        ConversionCase{"CentipoiseInPascalSeconds", "dynamic viscosity", 1, "cP", "Pa s", 1e-3},
        ConversionCase{"LitresPer100kmInGallonsPerMile", "fuel consumption", 8, "L/100km",
                       "US gal/mile", 8e-8 / (3.785411784e-3 / 1609.344)},
        ConversionCase{"MpgInKilometresPerLitre", "fuel economy", 30, "mpg US", "km/L",
                       12.754311222908159},
        ConversionCase{"GibibyteInBytes", "data", 1, "GiB", "B", 1073741824},
        ConversionCase{"RightAngleInRevolutions", "angle", 90, "deg", "rev", 0.25}),
    testing::CaseName());

TEST_F(FactoryDatabaseTest, ExactConstantsOfTheSI) {
    auto value = [&](const char* property, const char* name) {
        return findConstant(*findProperty(db, property, false), name, false)->value;
    };
    EXPECT_EQ(value("velocity", "speed of light in vacuum"), 299792458.0);
    EXPECT_EQ(value("action", "Planck constant"), 6.62607015e-34);
    EXPECT_EQ(value("electric charge", "elementary charge"), 1.602176634e-19);
    EXPECT_EQ(value("entropy", "Boltzmann constant"), 1.380649e-23);
    EXPECT_EQ(value("per amount of substance", "Avogadro constant"), 6.02214076e23);
}

}  // namespace
}  // namespace zentra
