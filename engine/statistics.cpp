#include "engine/key_handlers.h"

namespace zentra {

// TODO(statistics)
void statisticKey(CalculatorState&, CalculatorView&, int) {}

}  // namespace zentra
