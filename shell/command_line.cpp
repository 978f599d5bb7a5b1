#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "zentra_version.h"

namespace zentra {
namespace {

struct QtOption {
    const char* name;
    const char* valueName;  // empty for a switch
    const char* description;
};

// The options QApplication and its X11 platform take out of the arguments
// (Qt 6): known here so that the command line is checked whole before there
// is a display, and listed by --help-all.
constexpr QtOption kQtOptions[] = {
    {"platform", "platformName[:options]", "QPA plugin, such as xcb, wayland or offscreen."},
    {"platformpluginpath", "path", "Path to the platform plugins."},
    {"platformtheme", "theme", "Platform theme."},
    {"plugin", "plugin", "Additional plugins to load, can be specified multiple times."},
    {"qwindowgeometry", "geometry", "Window geometry in the X11 syntax, like 100x100+50+50."},
    {"qwindowicon", "icon", "Default window icon."},
    {"qwindowtitle", "title", "Title of the first window."},
    {"geometry", "geometry", "Alias for --qwindowgeometry."},
    {"icon", "icon", "Alias for --qwindowicon."},
    {"title", "title", "Alias for --qwindowtitle."},
    {"style", "style", "Application GUI style."},
    {"stylesheet", "stylesheet", "Application style sheet."},
    {"reverse", "", "Lay the application out right to left (debugging helper)."},
    {"session", "session", "Restores the application from an earlier session."},
    {"display", "displayname", "X11 display name, overrides $DISPLAY."},
    {"name", "name", "X11 instance name."},
    {"visual", "id", "ID of the X11 visual to use."},
    {"nograb", "", "Never grab the mouse or the keyboard (useful in debuggers)."},
    {"dograb", "", "Grab the mouse and the keyboard even in a debugger."},
    {"widgetcount", "", "Print at the end how many widgets were left and the most at once."},
    {"testability", "", "Load the testability plugin."},
    {"qmljsdebugger", "value", "Activates the QML/JS debugger, format port:1234[,block]."},
};

struct ZentraOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption minimized;
};

// --help lists zentra's own options, --help-all Qt's as well.
ZentraOptions describe(QCommandLineParser& parser, bool listQtOptions) {
    // One dash or two, as Qt's own options are written; "-platformtheme"
    // must not read as -p -l -a ... -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Zentra, an engineering pocket calculator. Qt's standard options, such as\n"
                       "-platform and -style, are understood as well (--help-all lists them)."));
    ZentraOptions options{parser.addHelpOption(), parser.addVersionOption(),
                          QCommandLineOption(QStringLiteral("minimized"),
                                             QStringLiteral("Start with the window minimised."))};
    parser.addOption(options.minimized);
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromLatin1(qt.description),
                                  QString::fromLatin1(qt.valueName));
        if (!listQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    return options;
}

QString helpText(bool listQtOptions) {
    QCommandLineParser parser;
    describe(parser, listQtOptions);
    // helpText() names the program from QCoreApplication, which may not exist yet.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("zentra"));
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const ZentraOptions options = describe(parser, false);
    const bool parsed = parser.parse(arguments);
    CommandLine result;
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::Action::Print;
        result.text = helpText(parser.isSet(QStringLiteral("help-all")));
    } else if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::Print;
        result.text = QStringLiteral("zentra %1\n").arg(QString::fromLatin1(kProductVersion));
    } else if (!parsed || !parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Fail;
        const QString problem = parsed ? QStringLiteral("unexpected argument '%1'")
                                             .arg(parser.positionalArguments().first())
                                       : parser.errorText();
        result.text =
            QStringLiteral("zentra: %1\nTry 'zentra --help' for more information.\n").arg(problem);
    }
    result.options.minimized = parser.isSet(options.minimized);
    return result;
}

}  // namespace zentra
