#include "units/property_database.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "base/message_texts.h"
#include "base/runtime_problem.h"

namespace zentra {
namespace {

// Names are unique per list because every addition goes through addProperty,
// setUnit or setConstant, which keep the index beside the list; the index then
// gives the first (only) match in list order. A list that grew some other way
// (its size differs from its index's) is searched in order instead.
template <class Record, class List>
Record* findByName(List& list, NameIndex<Record>& index, std::string_view name) {
    if (index.size() == list.size()) {
        auto it = index.find(name);
        return it == index.end() ? nullptr : it->second;
    }
    for (Record& record : list) {
        if (record.name == name) return &record;
    }
    return nullptr;
}

std::int64_t steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Local time now, or nullptr when the C library cannot give it.
const std::tm* localNow() {
    const std::time_t now = std::time(nullptr);
    return std::localtime(&now);
}

}  // namespace

Unit& blankUnit() {
    static Unit blank{"", 1.0, 0.0};
    return blank;
}

Property& standaloneDimensionless() {
    static Property dimensionless{kDimensionlessProperty, {}, {}, &blankUnit(), {}, {}};
    return dimensionless;
}

Property* findProperty(PropertyDatabase& db, std::string_view name, bool quiet) {
    if (db.properties.empty()) return nullptr;
    Property* found = findByName<Property>(db.properties, db.propertyIndex, name);
    if (!found && !quiet)
        reportRuntimeProblem(db.presentProblem, kSyntaxProblem, kPropertyNotFoundText);
    return found;
}

Unit* findUnit(const PropertyDatabase& db, Property& property, std::string_view name, bool quiet) {
    if (property.units.empty()) return nullptr;
    Unit* found = findByName<Unit>(property.units, property.unitIndex, name);
    if (!found && !quiet)
        reportRuntimeProblem(db.presentProblem, kSyntaxProblem, kUnitNotFoundText);
    return found;
}

Constant* findConstant(const PropertyDatabase& db, Property& property, std::string_view name,
                       bool quiet) {
    if (property.constants.empty()) return nullptr;
    Constant* found = findByName<Constant>(property.constants, property.constantIndex, name);
    if (!found && !quiet)
        reportRuntimeProblem(db.presentProblem, kSyntaxProblem, kConstantNotFoundText);
    return found;
}

Property& addProperty(PropertyDatabase& db, std::string_view name) {
    if (Property* existing = findProperty(db, name, true)) return *existing;
    Property& added = db.properties.emplace_back();
    added.name = std::string(name);
    db.propertyIndex.emplace(added.name, &added);
    return added;
}

Unit& setUnit(Property& property, std::string_view name, double factor, double offset) {
    Unit* unit = findByName<Unit>(property.units, property.unitIndex, name);
    if (unit) {
        unit->factor = factor;
        unit->offset = offset;
    } else {
        unit = &property.units.emplace_back(Unit{std::string(name), factor, offset});
        property.unitIndex.emplace(unit->name, unit);
    }
    if (property.units.size() == 1) property.currentUnit = &property.units.front();
    return *unit;
}

Constant& setConstant(Property& property, std::string_view name, double value) {
    Constant* constant = findByName<Constant>(property.constants, property.constantIndex, name);
    if (constant) {
        constant->value = value;
    } else {
        constant = &property.constants.emplace_back(Constant{std::string(name), value});
        property.constantIndex.emplace(constant->name, constant);
    }
    return *constant;
}

Property& createProperty(PropertyDatabase& db, std::string_view name) {
    db.modified = true;
    return addProperty(db, name);
}

Unit& createUnit(PropertyDatabase& db, Property& property, std::string_view name) {
    db.modified = true;
    return setUnit(property, name, 1.0, 0.0);
}

Constant& createConstant(PropertyDatabase& db, Property& property, std::string_view name,
                         double value) {
    db.modified = true;
    return setConstant(property, name, value);
}

namespace {
// Leaving a field unchanged is no edit; -0 is one, as the file writes it apart from 0.
bool sameStored(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}
}  // namespace

void editUnit(PropertyDatabase& db, Unit& unit, double factor, double offset) {
    if (sameStored(unit.factor, factor) && sameStored(unit.offset, offset)) return;
    unit.factor = factor;
    unit.offset = offset;
    db.modified = true;
}

void editConstant(PropertyDatabase& db, Constant& constant, double value) {
    if (sameStored(constant.value, value)) return;
    constant.value = value;
    db.modified = true;
}

// The constants computed when read; addDynamicConstants creates them.
constexpr const char* kCurrentTimeName = "Current Time";
constexpr const char* kDateName = "Date";
constexpr const char* kCpuTimeName = "CPU Time";
constexpr const char* kRandomNumberName = "Random Number";

double constantValue(PropertyDatabase& db, const Constant& constant) {
    if (constant.name == kCurrentTimeName) {
        const std::tm* now = localNow();
        if (!now) return 0.0;
        return now->tm_hour * 3600.0 + now->tm_min * 60.0 + now->tm_sec;
    }
    if (constant.name == kDateName) {
        const std::tm* now = localNow();
        if (!now) return 0.0;
        return now->tm_yday + 1.0;
    }
    if (constant.name == kCpuTimeName) {
        const auto start = static_cast<std::int64_t>(db.startSeconds * 1000.0 + 0.5);
        return static_cast<double>(steadyMilliseconds() - start) * 0.001;
    }
    if (constant.name == kRandomNumberName) {
        // The classic C library generator, so the sequence is the same everywhere.
        db.randomState = db.randomState * 214013u + 2531011u;
        const std::uint32_t r = (db.randomState >> 16) & 0x7FFFu;
        return r * (1.0 / 32767.0);
    }
    return constant.value;
}

Unit* findSIUnit(Property& property) {
    if (property.units.empty()) return nullptr;
    for (Unit& unit : property.units) {
        if (unit.factor == 1.0 && unit.offset == 0.0) return &unit;  // -0 counts as zero
    }
    return &property.units.front();
}

void selectSIUnit(Property& property) {
    if (Unit* si = findSIUnit(property)) property.currentUnit = si;
}

void clearDatabase(PropertyDatabase& db) {
    db.propertyIndex.clear();
    db.properties.clear();
}

void addBuiltInContent(PropertyDatabase& db) {
    db.startSeconds = static_cast<double>(steadyMilliseconds()) * 0.001;
    setUnit(addProperty(db, kDimensionlessProperty), "", 1.0, 0.0);
    Property& angle = addProperty(db, kAngleProperty);
    setUnit(angle, kRadiansUnit, 1.0, 0.0);
    // Exact literals, not pi/180 and pi/200: the stored factors are these doubles.
    setUnit(angle, kDegreesUnit, 0.0174532925199433, 0.0);
    setUnit(angle, kGradsUnit, 0.01570796326794897, 0.0);
}

void addDynamicConstants(PropertyDatabase& db, double osVersion) {
    if (Property* dimensionless = findProperty(db, kDimensionlessProperty, true)) {
        setConstant(*dimensionless, "Windows Version", osVersion);
        setConstant(*dimensionless, "Zentra Version", 3.31);
        setConstant(*dimensionless, kRandomNumberName, 0.0);
    }
    if (Property* time = findProperty(db, "time", true)) {
        setConstant(*time, kCurrentTimeName, 0.0);
        setConstant(*time, kDateName, 0.0);
        setConstant(*time, kCpuTimeName, 0.0);
    }
}

}  // namespace zentra
