#pragma once
// zentra's command line: the launch options the window understands, and
// --help and --version, which print and end before any window opens.

#include <QString>
#include <QStringList>

namespace zentra {

struct LaunchOptions {
    bool minimized = false;  // --minimized
};

struct CommandLine {
    enum class Action { Run, Print, Fail };
    Action action = Action::Run;
    LaunchOptions options;
    // Print: the help or version text, for standard output. Fail: what was
    // wrong, with a pointer to --help, for standard error.
    QString text;
};

// The program's name first. Qt's own options (-platform, -style, ...) are
// unknown here: QApplication takes them out before the second reading, and
// the first reading, made before there is a QApplication, heeds only --help
// and --version.
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace zentra
