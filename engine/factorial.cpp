#include "engine/factorial.h"

#include <cmath>

#include "engine/display_format.h"

namespace zentra {

double factorial(CalculatorState& state, CalculatorView& view, double x) {
    if (!(x >= 0.0 && x <= 100.0)) {  // also catches not-a-number
        showError(state, view);
        return 0.0;
    }
    const double start = std::floor(x);
    const int k = static_cast<int>(start);
    if (k == 0) return 1.0;
    double result = start;
    for (int i = k - 1; i >= 2; --i) result *= i;
    return result;
}

}  // namespace zentra
