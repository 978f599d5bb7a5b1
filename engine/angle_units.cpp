#include "engine/angle_units.h"

#include "units/property_database.h"

namespace zentra {
namespace {

const Unit* currentAngleUnit(const CalculatorState& state) {
    if (!state.database) return nullptr;
    const Property* angle = findProperty(*state.database, kAngleProperty, /*quiet=*/true);
    return angle ? angle->currentUnit : nullptr;
}

}  // namespace

double toRadians(const CalculatorState& state, double x) {
    const Unit* unit = currentAngleUnit(state);
    return unit ? toSI(*unit, x) : x;
}

double fromRadians(const CalculatorState& state, double r) {
    const Unit* unit = currentAngleUnit(state);
    return unit ? fromSI(*unit, r) : r;
}

}  // namespace zentra
