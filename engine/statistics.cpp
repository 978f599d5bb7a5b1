// Single-variable statistics: the Data key keeps running sums, and the digit
// keys under shift show the results computed from them.

#include <climits>
#include <cmath>
#include <optional>

#include "base/display_errors.h"
#include "engine/display_format.h"
#include "engine/evaluation.h"
#include "engine/statistics.h"
#include "engine/tape_notes.h"

namespace zentra {
namespace {

// The one-pass variance numerator, sum of squares less sum squared over n.
// Rounding can take it a little below zero when the data are all equal; the
// spread of such data is zero, not an error.
double squaredDeviations(const CalculatorState& state) {
    const double n = state.nSum;
    const double d = state.sumSq - state.sum * state.sum / n;
    return d < 0.0 ? 0.0 : d;
}

// The result of a statistic key, or nothing when there are too few data. A
// count below zero, which only a damaged saved state can hold, counts as none.
std::optional<double> statistic(const CalculatorState& state, int digit) {
    const int n = state.nSum;
    switch (digit) {
        case 0:
            return n > 0 ? std::optional(state.min) : std::nullopt;
        case 1:
            return n > 0 ? std::optional(state.sum / n) : std::nullopt;
        case 2:
            return n > 0 ? std::optional(std::sqrt(squaredDeviations(state) / n)) : std::nullopt;
        case 3:
            return n > 1 ? std::optional(std::sqrt(squaredDeviations(state) / (n - 1)))
                         : std::nullopt;
        case 4:
            return static_cast<double>(n);
        case 5:
            return n > 0 ? std::optional(state.sum) : std::nullopt;
        case 6:
            return n > 0 ? std::optional(state.sumSq) : std::nullopt;
        case 9:
            return n > 0 ? std::optional(state.max) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

void dataKey(CalculatorState& state, CalculatorView& view) {
    applyOperator(state, view, OperatorCode::OpEquals);
    // A calculation that ended in an error gives no data point: its text
    // would read as 0 and corrupt the sums.
    if (state.calcStatus == CalcStatus::Error) return;
    // The count cannot grow further; refusing the point keeps the sums and
    // the count in step.
    if (state.nSum == INT_MAX) {
        showError(state, view, kOverflowErrorText);
        return;
    }
    const double x = readDisplayValue(state, view);
    state.sum += x;
    state.sumSq += x * x;
    // The first point after a clear sets both bounds, whatever start values a
    // clear or a first start left in them.
    if (state.nSum <= 0 || state.max < x) state.max = x;
    if (state.nSum <= 0 || state.min > x) state.min = x;
    state.nSum += 1;
    if (state.tape)
        noteTape(state, TapeKind::DataPoint, tapeDisplayText(view), {},
                 "n=" + std::to_string(state.nSum));
}

void statisticKey(CalculatorState& state, CalculatorView& view, int digit) {
    if (digit == 7) {
        applyOperator(state, view, OperatorCode::OpPermutations);
    } else if (digit == 8) {
        applyOperator(state, view, OperatorCode::OpCombinations);
    } else if (const std::optional<double> value = statistic(state, digit)) {
        showValue(state, view, *value);
    } else {
        showError(state, view, kNoDataText);
    }
    state.shift = false;
    markCaptions(state, CaptionChange::Latches);
}

}  // namespace zentra
