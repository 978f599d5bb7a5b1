#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>

#include "base/number_text.h"
#include "support/units_test_support.h"
#include "units/prp_file.h"

namespace zentra {

using testing::nth;

namespace {

std::filesystem::path factoryFile() {
    return std::filesystem::path(ZENTRA_SOURCE_DIR) / "resources" / "factory.prp";
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
        return convertReading(*findUnit(db, p, from, false), *findUnit(db, p, to, false), x);
    }
    double value(const char* property, const char* name) {
        return findConstant(db, *findProperty(db, property, false), name, false)->value;
    }

    PropertyDatabase db;
    std::string messages;
};

// The counts follow factory-units.txt, so that a record the writer leaves out
// is noticed.
TEST_F(FactoryDatabaseTest, EveryPropertyStartsWithItsSIUnitAsCurrentUnit) {
    EXPECT_EQ(db.properties.size(), 57u);
    int constants = 0;
    for (Property& p : db.properties) {
        ASSERT_FALSE(p.units.empty()) << p.name;
        EXPECT_EQ(findSIUnit(p), &p.units.front()) << p.name;
        EXPECT_EQ(p.currentUnit, &p.units.front()) << p.name;
        for (const Unit& u : p.units) {
            EXPECT_TRUE(checkRecordName(RecordKind::Unit, u.name)) << u.name;
        }
        constants += static_cast<int>(p.constants.size());
    }
    EXPECT_EQ(constants, 31 + 6);  // the list's and the dynamic ones
}

TEST_F(FactoryDatabaseTest, BuiltInAnglesKeepTheirDefinitions) {
    Property& angle = *findProperty(db, "angle", false);
    EXPECT_EQ(nth(angle.units, 0).name, "radians");
    EXPECT_EQ(nth(angle.units, 1).factor, 0.0174532925199433);
    EXPECT_EQ(nth(angle.units, 2).factor, 0.01570796326794897);
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

INSTANTIATE_TEST_SUITE_P(
    Engineering, FactoryConversionTest,
    ::testing::Values(
        ConversionCase{"CurieInBecquerel", "radioactivity", 1, "Ci", "Bq", 3.7e10},
        ConversionCase{"MicrocurieInKilobecquerel", "radioactivity", 1, "µCi", "kBq", 37},
        ConversionCase{"RadInGray", "absorbed dose", 1, "rad", "Gy", 0.01},
        ConversionCase{"MilliremInMicrosievert", "dose equivalent", 1, "mrem", "µSv", 10},
        ConversionCase{"RpmInRadiansPerSecond", "angular velocity", 1, "rpm", "rad/s",
                       2 * std::numbers::pi / 60},
        ConversionCase{"DegreesPerSecondInRpm", "angular velocity", 360, "deg/s", "rpm", 60},
        ConversionCase{"MilliampereHourInCoulomb", "electric charge", 1, "mAh", "C", 3.6},
        ConversionCase{"AmpereHourInMilliampereHours", "electric charge", 2, "Ah", "mAh", 2000},
        ConversionCase{"MicrohenryInNanohenry", "inductance", 1, "µH", "nH", 1000},
        ConversionCase{"MillisiemensInSiemens", "conductance", 5, "mS", "S", 0.005},
        ConversionCase{"FootlambertInNit", "luminance", 1, "fL", "nit", 3.4262590996353905},
        ConversionCase{"NitInCandelaPerSquareMetre", "luminance", 1, "nit", "cd/m²", 1},
        ConversionCase{"KilolumenInLumen", "luminous flux", 1, "klm", "lm", 1000},
        ConversionCase{"MillicandelaInCandela", "luminous intensity", 1, "mcd", "cd", 0.001},
        ConversionCase{"BtuPerPoundFahrenheitInSI", "specific heat capacity", 1, "Btu/(lb °F)",
                       "J/(kg K)", 4186.8},
        ConversionCase{"BtuPerHourFootFahrenheitInSI", "thermal conductivity", 1, "Btu/(h ft °F)",
                       "W/(m K)", 1.7307346663713911},
        ConversionCase{"BtuInchPerHourSquareFootFahrenheitInSI", "thermal conductivity", 1,
                       "Btu in/(h ft² °F)", "W/(m K)", 0.14422788886428259},
        ConversionCase{"BtuPerHourSquareFootInSI", "heat flux density", 1, "Btu/(h ft²)", "W/m²",
                       3.1545907450630488},
        ConversionCase{"BtuPerPoundInKilojoulesPerKilogram", "specific energy", 1, "Btu/lb",
                       "kJ/kg", 2.326}),
    testing::CaseName());

// What engineers look for first, each from its definition: 1 au = 149597870700 m,
// 1 ft = 0.3048 m, 1 lb = 0.45359237 kg, g0 = 9.80665 m/s^2, Btu IT = 1055.05585262 J.
constexpr double kFoot = 0.3048, kPoundForce = 0.45359237 * 9.80665;
INSTANTIATE_TEST_SUITE_P(
    LookedForFirst, FactoryConversionTest,
    ::testing::Values(
        ConversionCase{"ParsecInAstronomicalUnits", "length", 1, "pc", "au",
                       180 * 3600 / std::numbers::pi},
        ConversionCase{"KipInKilonewtons", "force", 1, "kip", "kN", 1000 * kPoundForce / 1000},
        ConversionCase{"KsiInMegapascals", "pressure", 1, "ksi", "N/mm²",
                       1000 * kPoundForce / (kFoot * kFoot / 144) / 1e6},
        ConversionCase{"KgfPerSquareCentimetreInBar", "pressure", 1, "kgf/cm²", "bar", 0.980665},
        ConversionCase{"GigapascalInPsi", "pressure", 1, "GPa", "psi",
                       1e9 * (kFoot * kFoot / 144) / kPoundForce},
        ConversionCase{"PsfInPascals", "pressure", 1, "psf", "Pa", kPoundForce / (kFoot * kFoot)},
        ConversionCase{"FootOfWaterInPascals", "pressure", 1, "ftH2O", "Pa",
                       1000 * 9.80665 * kFoot},
        ConversionCase{"FootPerMinuteInMetresPerSecond", "velocity", 200, "ft/min", "m/s",
                       200 * kFoot / 60},
        ConversionCase{"BtuPerHourSquareFootFahrenheitInSI", "heat transfer coefficient", 1,
                       "Btu/(h ft² °F)", "W/(m² K)",
                       1055.05585262 / 3600 / (kFoot * kFoot) / (5.0 / 9.0)}),
    testing::CaseName());

TEST_F(FactoryDatabaseTest, ExactConstantsOfTheSI) {
    EXPECT_EQ(value("velocity", "speed of light in vacuum"), 299792458.0);
    EXPECT_EQ(value("action", "Planck constant"), 6.62607015e-34);
    EXPECT_EQ(value("electric charge", "elementary charge"), 1.602176634e-19);
    EXPECT_EQ(value("entropy", "Boltzmann constant"), 1.380649e-23);
    EXPECT_EQ(value("per amount of substance", "Avogadro constant"), 6.02214076e23);
}

struct ConstantCase {
    const char* property;
    const char* name;
    double expected;
};

// Constants exact by definition come from their definitions over the SI
// defining constants, not from rounded decimals.
TEST_F(FactoryDatabaseTest, ConstantsExactByDefinitionAreComputedFromTheirDefinitions) {
    constexpr double h = 6.62607015e-34, e = 1.602176634e-19, k = 1.380649e-23, NA = 6.02214076e23;
    const ConstantCase cases[] = {
        {"action", "reduced Planck constant", h / (2 * std::numbers::pi)},
        {"molar heat capacity", "molar gas constant", NA * k},
        {"charge per amount of substance", "Faraday constant", NA * e},
        {"magnetic flux", "magnetic flux quantum", h / (2 * e)},
        {"conductance", "conductance quantum", 2 * (e * e) / h},
        {"resistance", "von Klitzing constant", h / (e * e)},
    };
    // The file keeps every digit a value needs, so each comes back as the very
    // double its definition gives.
    for (const ConstantCase& c : cases) EXPECT_EQ(value(c.property, c.name), c.expected) << c.name;
    // Stefan-Boltzmann: 2 pi^5 k^4 / (15 h^3 c^2), here computed in another order.
    constexpr double pi = std::numbers::pi, c = 299792458;
    const double sigma =
        (pi * pi * pi * pi * pi) / 15 * 2 * (k * k) * (k * k) / (h * h * h) / (c * c);
    EXPECT_NEAR(value("Stefan-Boltzmann constant", "Stefan-Boltzmann constant"), sigma,
                sigma * 4e-16);
    EXPECT_EQ(formatDouble(sigma, 'E', 9), "5.670374419E-008");
    // Rounded to ten digits it reads 1.054571818, where the old decimal gave ...817.
    EXPECT_EQ(formatDouble(value("action", "reduced Planck constant"), 'E', 9), "1.054571818E-034");
}

TEST_F(FactoryDatabaseTest, MeasuredConstantsAreTheCodata2022Values) {
    const ConstantCase cases[] = {
        {"dimensionless", "fine-structure constant", 7.2973525643e-3},
        {"mass", "electron mass", 9.1093837139e-31},
        {"mass", "proton mass", 1.67262192595e-27},
        {"mass", "neutron mass", 1.67492750056e-27},
        {"mass", "atomic mass constant", 1.66053906892e-27},
        {"length", "Bohr radius", 5.29177210544e-11},
        {"length", "classical electron radius", 2.8179403205e-15},
        {"wavenumber", "Rydberg constant", 10973731.568157},
        {"energy", "Hartree energy", 4.3597447222060e-18},
        {"permittivity", "vacuum electric permittivity", 8.8541878188e-12},
        {"permeability", "vacuum magnetic permeability", 1.25663706127e-6},
        {"gravitational constant", "Newtonian constant of gravitation", 6.67430e-11},
    };
    for (const ConstantCase& c : cases) EXPECT_EQ(value(c.property, c.name), c.expected) << c.name;
    EXPECT_EQ(findUnit(db, *findProperty(db, "mass", false), "u", false)->factor,
              value("mass", "atomic mass constant"));
}

// The measured values hang together through the exact constants, to the
// digits they are given with; a mistyped digit breaks one of these.
TEST_F(FactoryDatabaseTest, MeasuredConstantsAgreeWithEachOther) {
    constexpr double h = 6.62607015e-34, e = 1.602176634e-19, c = 299792458;
    const double alpha = value("dimensionless", "fine-structure constant");
    const double me = value("mass", "electron mass");
    const double mu0 = value("permeability", "vacuum magnetic permeability");
    const double a0 = value("length", "Bohr radius");
    const double rInf = value("wavenumber", "Rydberg constant");
    const struct {
        const char* relation;
        double left, right;
    } relations[] = {
        {"mu0 = 2 alpha h / (e^2 c)", mu0, 2 * alpha * h / (e * e * c)},
        {"eps0 = 1 / (mu0 c^2)", value("permittivity", "vacuum electric permittivity"),
         1 / (mu0 * c * c)},
        {"a0 = hbar / (me c alpha)", a0, h / (2 * std::numbers::pi) / (me * c * alpha)},
        {"re = alpha^2 a0", value("length", "classical electron radius"), alpha * alpha * a0},
        {"Rinf = alpha^2 me c / (2 h)", rInf, alpha * alpha * me * c / (2 * h)},
        {"Eh = 2 Rinf h c", value("energy", "Hartree energy"), 2 * rInf * h * c},
    };
    for (const auto& r : relations) {
        EXPECT_NEAR(r.left / r.right, 1, 5e-11) << r.relation;
    }
}

}  // namespace
}  // namespace zentra
