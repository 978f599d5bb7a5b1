#pragma once
// The units and properties database: physical quantities with their units and
// named constants. Every unit converts through the property's SI unit:
//   SI = (reading - offset) * factor;  reading = SI / factor + offset.
// Lists keep insertion order (never sorted); records are never removed one by one,
// so references to units, constants and properties stay valid for the whole run.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zentra {

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
    std::deque<Unit> units;          // stable addresses on append
    std::deque<Constant> constants;  // empty behaves as "absent"
    Unit* currentUnit = &blankUnit();  // BlankUnit until the first unit is added

    // Look-up indexes beside the ordered lists; names are unique per list.
    std::unordered_map<std::string, Unit*> unitIndex;
    std::unordered_map<std::string, Constant*> constantIndex;
};

// "dimensionless" with no units, outside the database: the calculator's first
// currentProperty. No look-up finds it.
Property& standaloneDimensionless();

struct PropertyDatabase {
    std::deque<Property> properties;
    std::unordered_map<std::string, Property*> propertyIndex;
    bool modified = false;
    std::uint32_t scrambleState = 0;
    std::uint32_t randomState = 1;  // C-library style generator, never re-seeded
    double startSeconds = 0;        // steady clock at start-up, for "CPU Time"
};

// The one database of a running program. Hosts pass it to the functions below;
// tests build their own.
PropertyDatabase& globalDatabase();

}  // namespace zentra
