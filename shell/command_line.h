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

// The program's name first. Read before there is a QApplication, which needs
// a display: Qt's own options (-platform, -style, ...) are accepted and left
// for QApplication to take out.
CommandLine parseCommandLine(const QStringList& arguments);

// For standard error when QApplication finds no display to open.
inline constexpr const char* kNoDisplayText =
    "zentra: cannot open a display for the window (is DISPLAY or WAYLAND_DISPLAY set?); "
    "zentra-cli needs none\n";

}  // namespace zentra
