#pragma once

#include <ostream>

#include "cli/cli_view.h"
#include "engine/calculator_state.h"

namespace zentra::cli {

// --dump: the state as KEY=VALUE lines, doubles in the settings store's text
// form, bytes outside printable ASCII as \xHH.
void writeDump(std::ostream& out, const CalculatorState& state, const CliView& view);

}  // namespace zentra::cli
