#include "engine/key_handlers.h"

namespace zentra {

// TODO(scientific): the scientific keys in every mode.
void keySin(CalculatorState&, CalculatorView&) {}
void keyCos(CalculatorState&, CalculatorView&) {}
void keyTan(CalculatorState&, CalculatorView&) {}
void keyHyp(CalculatorState&, CalculatorView&) {}
void keyDeg(CalculatorState&, CalculatorView&) {}
void keyLn(CalculatorState&, CalculatorView&) {}
void keyLog(CalculatorState&, CalculatorView&) {}
void keySqr(CalculatorState&, CalculatorView&) {}
void keySqrt(CalculatorState&, CalculatorView&) {}
void keyReciprocal(CalculatorState&, CalculatorView&) {}

}  // namespace zentra
