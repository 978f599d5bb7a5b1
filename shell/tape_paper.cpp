#include "shell/tape_paper.h"

#include <QFileInfo>
#include <QLibrary>

#include "base/message_texts.h"
#include "platform/system_facts.h"
#include "shell/qt_text.h"

namespace zentra {

QList<PaperLine> paperLines(const Tape& tape) {
    QList<PaperLine> lines;
    if (tape.droppedEarlier()) lines.push_back({fromUtf8(kTapeDroppedText), false});
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const TapeEntry& entry = tape[i];
        // Results and errors stand out as in the window.
        lines.push_back({fromUtf8(tapeLineText(entry)),
                         entry.kind == TapeKind::Result || entry.kind == TapeKind::Error});
    }
    return lines;
}

PrintTapeFromDialog loadPrintModule(QString& problem) {
    for (const std::string& dir : moduleDirectories()) {
        const QString path =
            QString::fromStdString(dir) + QLatin1Char('/') + QLatin1String(kPrintModuleFile);
        if (!QFileInfo::exists(path)) continue;
        // A QLibrary going out of scope leaves its library loaded.
        QLibrary module(path);
        if (auto entry = reinterpret_cast<PrintTapeFromDialog>(module.resolve(kPrintEntryPoint)))
            return entry;
        problem = module.errorString();
        return nullptr;
    }
    problem = fromUtf8(kPrintModuleMissingText) + QLatin1String(kPrintModuleFile);
    return nullptr;
}

}  // namespace zentra
