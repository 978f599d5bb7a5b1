#pragma once
// The tape on paper: its lines as on the roll, right-aligned in a column, in
// the display's face, under a heading with the date and time, numbered pages.

#include <QDateTime>
#include <QFont>
#include <QList>

#include "shell/print/print_module.h"

class QPrinter;

namespace zentra {

// Prints the pages the printer's range asks for (all when it asks for none);
// false when the printer could not be started.
bool printTape(QPrinter& printer, const QList<PaperLine>& lines, const QFont& face,
               const QDateTime& when);

}  // namespace zentra
