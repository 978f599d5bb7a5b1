#include <gtest/gtest.h>

#include "shell/command_line.h"
#include "zentra_version.h"

namespace zentra::testing {
namespace {

using Action = CommandLine::Action;

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    Action action;
    bool minimized;
    QString textHas;  // part of the printed or failure text
};

TEST(CommandLine, OptionsHelpVersionAndMistakes) {
    const QString version = QStringLiteral("zentra %1\n").arg(QString::fromLatin1(kProductVersion));
    const CommandLineCase cases[] = {
        {"plain start", {"zentra"}, Action::Run, false, ""},
        {"minimised start", {"zentra", "--minimized"}, Action::Run, true, ""},
        {"first argument is the program", {"--minimized"}, Action::Run, false, ""},
        {"version", {"zentra", "--version"}, Action::Print, false, version},
        {"short version", {"zentra", "-v"}, Action::Print, false, version},
        {"help names the options", {"zentra", "--help"}, Action::Print, false, "--minimized"},
        {"help-all lists Qt's options too",
         {"zentra", "--help-all"},
         Action::Print,
         false,
         "--platformtheme <theme>"},
        // Before QApplication has taken out Qt's own options.
        {"Qt option before version",
         {"zentra", "-platform", "xcb", "--version"},
         Action::Print,
         false,
         version},
        {"Qt option is not -p -l -a ... -h",
         {"zentra", "-platformtheme", "gtk3", "--minimized"},
         Action::Run,
         true,
         ""},
        {"Qt switch", {"zentra", "--reverse"}, Action::Run, false, ""},
        {"Qt option without its value", {"zentra", "-style"}, Action::Fail, false, "style"},
        {"unknown option", {"zentra", "--bogus"}, Action::Fail, false, "bogus"},
        {"stray argument", {"zentra", "calc.txt"}, Action::Fail, false, "calc.txt"},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.options.minimized, c.minimized);
        EXPECT_TRUE(line.text.contains(c.textHas)) << line.text.toStdString();
    }
    // --help lists only zentra's own options, and says where Qt's are.
    const QString help = parseCommandLine({"zentra", "--help"}).text;
    EXPECT_FALSE(help.contains(QStringLiteral("--platformtheme"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("--help-all"))) << help.toStdString();
}

}  // namespace
}  // namespace zentra::testing
