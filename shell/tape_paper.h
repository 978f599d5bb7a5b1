#pragma once
// The tape as lines for paper, and the printing module that prints them.

#include <QList>
#include <QString>

#include "base/tape.h"
#include "shell/print/print_module.h"

namespace zentra {

// The note of dropped steps, if any, then a line for each entry.
QList<PaperLine> paperLines(const Tape& tape);

// The printing module's entry point, loaded from the module folders on first
// use (and kept loaded); nullptr, with the reason in problem, when it cannot be.
PrintTapeFromDialog loadPrintModule(QString& problem);

}  // namespace zentra
