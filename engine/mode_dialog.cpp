#include "engine/key_handlers.h"

namespace zentra {

// TODO(mode): the Calculator Mode dialog's settings, validation and apply.
void keyMode(CalculatorState&, CalculatorView&) {}

}  // namespace zentra
