#pragma once
// A property of many units and as many constants for the dialog benchmarks,
// added in a scrambled order and in mixed case, as a user's database grows.

#include <string>

#include "units/property_database.h"

namespace zentra::bench {

inline Property& bigProperty(PropertyDatabase& db, long count) {
    addBuiltInContent(db);
    Property& property = addProperty(db, "big");
    for (long i = 0; i < count; ++i) {
        const long n = (i * 7919) % count;
        const std::string name = (n % 2 ? "Unit " : "unit ") + std::to_string(n / 2);
        setUnit(property, name + (n % 2 ? " B" : " a"), 1.0 + static_cast<double>(n), 0.0);
        setConstant(property, "constant " + name, static_cast<double>(n));
    }
    return property;
}

}  // namespace zentra::bench
