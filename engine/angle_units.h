#pragma once
// The angle unit is not a field of the state: it is the current unit of the
// database property "angle", whose SI unit is radians.

#include "engine/calculator_state.h"

namespace zentra {

// x in the current angle unit to radians. Without a database or an "angle"
// property the value is taken as radians already.
double toRadians(const CalculatorState& state, double x);
// Radians to the current angle unit; unchanged without the property.
double fromRadians(const CalculatorState& state, double r);

}  // namespace zentra
