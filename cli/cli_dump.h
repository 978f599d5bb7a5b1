#pragma once

#include <ostream>

#include "cli/cli_view.h"
#include "engine/calculator.h"

namespace zentra::cli {

// --dump: the state as KEY=VALUE lines, doubles in the settings store's text
// form, bytes outside printable ASCII as \xHH.
void writeDump(std::ostream& out, const Calculator& calculator, const CliView& view);

}  // namespace zentra::cli
