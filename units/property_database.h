#pragma once
// The units and properties database: physical quantities with their units and
// named constants. Every unit converts through the property's SI unit:
//   SI = (reading - offset) * factor;  reading = SI / factor + offset.
// Lists keep insertion order (never sorted); records are never removed one by one,
// so references to units, constants and properties stay valid for the whole run.

#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/runtime_problem.h"

namespace zentra {

// Hash for the name indexes that also takes string_view, so look-ups build no string.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        return std::hash<std::string_view>{}(name);
    }
};
template <class Record>
using NameIndex = std::unordered_map<std::string, Record*, NameHash, std::equal_to<>>;

struct Unit {
    std::string name;
    double factor = 1.0;
    double offset = 0.0;
};

struct Constant {
    std::string name;
    double value = 0.0;  // always in the property's SI unit
};

// The unit of every property that has no unit yet: conversions leave values unchanged.
// Never modified.
Unit& blankUnit();

struct Property {
    std::string name;
    // Lists: stable addresses on append, and no memory while empty (most
    // properties have a few units and no constants).
    std::list<Unit> units;
    std::list<Constant> constants;     // empty behaves as "absent"
    Unit* currentUnit = &blankUnit();  // BlankUnit until the first unit is added

    // Look-up indexes beside the ordered lists; names are unique per list.
    NameIndex<Unit> unitIndex;
    NameIndex<Constant> constantIndex;
};

// "dimensionless" with no units, outside the database: the calculator's first
// currentProperty. No look-up finds it.
Property& standaloneDimensionless();

// The built-in properties the calculator itself looks up by name, and the
// angle units (their names are stored in the settings and in ".prp" files).
inline constexpr const char* kDimensionlessProperty = "dimensionless";
inline constexpr const char* kAngleProperty = "angle";
inline constexpr const char* kRadiansUnit = "radians";
inline constexpr const char* kDegreesUnit = "deg";
inline constexpr const char* kGradsUnit = "gr";

struct PropertyDatabase {
    std::deque<Property> properties;
    NameIndex<Property> propertyIndex;
    bool modified = false;
    std::uint32_t scrambleState = 0;
    std::uint32_t randomState = 1;  // C-library style generator, never re-seeded
    double startSeconds = 0;        // steady clock at start-up (set by addBuiltInContent)
    double osVersion = 0;           // "Windows Version" after each load (set by initDatabase)
    // How a failed look-up is shown, set by every host (empty: not shown).
    // Kept by clearDatabase: it belongs to the host, not to the content.
    RuntimeProblemPresenter presentProblem;
};

// Look-ups return the first match in list order, comparing names byte for byte.
// Without quiet, a miss reports a runtime problem (code 0) through
// db.presentProblem and does not return. Looking up in an empty list gives
// nullptr without a report.
Property* findProperty(PropertyDatabase& db, std::string_view name, bool quiet);
Unit* findUnit(const PropertyDatabase& db, Property& property, std::string_view name, bool quiet);
Constant* findConstant(const PropertyDatabase& db, Property& property, std::string_view name,
                       bool quiet);

// Find-or-create. setUnit overwrites factor and offset of an existing unit in
// place; a property's first unit becomes its current unit.
Property& addProperty(PropertyDatabase& db, std::string_view name);
Unit& setUnit(Property& property, std::string_view name, double factor, double offset);
Constant& setConstant(Property& property, std::string_view name, double value);

// The user's edits: each marks the database as changed, so closing asks before
// they are lost. Building and loading use the setters above and leave the mark alone.
Property& createProperty(PropertyDatabase& db, std::string_view name);
Unit& createUnit(PropertyDatabase& db, Property& property, std::string_view name);
Constant& createConstant(PropertyDatabase& db, Property& property, std::string_view name,
                         double value);
void editUnit(PropertyDatabase& db, Unit& unit, double factor, double offset);
void editConstant(PropertyDatabase& db, Constant& constant, double value);

// A constant's value in SI; "Current Time", "Date", "CPU Time" and
// "Random Number" are computed when read.
double constantValue(PropertyDatabase& db, const Constant& constant);

Unit* findSIUnit(Property& property);
void selectSIUnit(Property& property);
inline double toSI(const Unit& unit, double x) {
    return (x - unit.offset) * unit.factor;
}
inline double fromSI(const Unit& unit, double s) {
    return s / unit.factor + unit.offset;
}
// The one conversion between two units of a property: subtract, multiply, divide, add.
inline double convertReading(const Unit& from, const Unit& to, double x) {
    const double s = toSI(from, x);
    return fromSI(to, s);
}

void clearDatabase(PropertyDatabase& db);
// "dimensionless" with the unnamed unit, "angle" with radians, deg and gr.
// Also starts the "CPU Time" clock (db.startSeconds).
void addBuiltInContent(PropertyDatabase& db);
// The dynamic constants, set after every successful load. osVersion is the
// host's operating-system version as major + minor * 0.01.
void addDynamicConstants(PropertyDatabase& db, double osVersion);

}  // namespace zentra
