#include "engine/key_handlers.h"

namespace zentra {

// TODO(units): the unit and const keys.
void keyUnit(CalculatorState&, CalculatorView&) {}
void keyConst(CalculatorState&, CalculatorView&) {}

}  // namespace zentra
