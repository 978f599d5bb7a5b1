#pragma once
// What the window and the printing module share. Printing is a module that
// the window loads when the user first prints: linked into the program, the
// print system's libraries were loaded, and their symbols bound, at every start.

#include <QFont>
#include <QList>
#include <QString>

class QWidget;

namespace zentra {

// A line of the tape as printed: results and errors in bold, as in the window.
struct PaperLine {
    QString text;
    bool bold = false;
};

enum class PrintOutcome { Cancelled, Printed, Failed };

// The module's one entry point: asks for a printer in the print dialog over
// parent and prints the lines there in face, under the date and time.
using PrintTapeFromDialog = PrintOutcome (*)(QWidget* parent, const QList<PaperLine>& lines,
                                             const QFont& face);

inline constexpr char kPrintModuleFile[] = "zentra_print.so";
inline constexpr char kPrintEntryPoint[] = "zentraPrintTapeFromDialog";

}  // namespace zentra
