// The printing module: the print dialog and the pages, loaded on demand.

#include <QDateTime>
#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

#include "shell/print/print_module.h"
#include "shell/print/tape_print.h"

extern "C" Q_DECL_EXPORT zentra::PrintOutcome zentraPrintTapeFromDialog(
    QWidget* parent, const QList<zentra::PaperLine>& lines, const QFont& face) {
    using zentra::PrintOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zentra tape"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Tape"));
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    return zentra::printTape(printer, lines, face, QDateTime::currentDateTime())
               ? PrintOutcome::Printed
               : PrintOutcome::Failed;
}

// The window calls the entry point through this type.
static_assert(std::is_same_v<decltype(&zentraPrintTapeFromDialog), zentra::PrintTapeFromDialog>);
