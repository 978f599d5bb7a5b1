#include "engine/key_handlers.h"

namespace zentra {

// TODO(memories)
void keyMemoryIn(CalculatorState&, CalculatorView&) {}
void keyMemoryRecall(CalculatorState&, CalculatorView&) {}
void keyMemoryAdd(CalculatorState&, CalculatorView&) {}

}  // namespace zentra
