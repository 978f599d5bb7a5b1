// zentra: the calculator window.

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/zentra_app.h"

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Installed only while QApplication opens the display. With none to open, Qt
// prints its platform plugin's reasons over several lines and aborts; one
// line and exit status 1 say it instead.
void reportNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(zentra::kNoDisplayText, stderr);
        std::_Exit(1);
    }
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    using zentra::CommandLine;
    // The whole command line is read before QApplication, which needs a display.
    const CommandLine commandLine = zentra::parseCommandLine(argumentsOf(argc, argv));
    switch (commandLine.action) {
        case CommandLine::Action::Print:
            std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
            return 0;
        case CommandLine::Action::Fail:
            std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    qInstallMessageHandler(reportNoDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    zentra::ZentraApp zentra;
    int exitCode = 0;
    if (zentra.initInstance(commandLine.options)) exitCode = zentra.runMessageLoop();
    return zentra.exitInstance(exitCode);
}
