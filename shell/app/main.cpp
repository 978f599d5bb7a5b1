// zentra: the calculator window.

#include <QApplication>

#include <cstdio>

#include "shell/zentra_app.h"

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    using zentra::CommandLine;
    // --help and --version answer before QApplication, which needs a display.
    if (const CommandLine early = zentra::parseCommandLine(argumentsOf(argc, argv));
        early.action == CommandLine::Action::Print) {
        std::fputs(early.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    const CommandLine commandLine = zentra::parseCommandLine(QApplication::arguments());
    if (commandLine.action == CommandLine::Action::Fail) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    zentra::ZentraApp zentra;
    int exitCode = 0;
    if (zentra.initInstance(commandLine.options)) exitCode = zentra.runMessageLoop();
    return zentra.exitInstance(exitCode);
}
