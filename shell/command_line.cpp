#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "zentra_version.h"

namespace zentra {

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // One dash or two, as Qt's own options are written; "-platformtheme"
    // must not read as -p -l -a ... -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Zentra, an engineering pocket calculator. Qt's standard options, such as\n"
                       "-platform and -style, are understood as well."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption minimized(QStringLiteral("minimized"),
                                       QStringLiteral("Start with the window minimised."));
    parser.addOption(minimized);

    const bool parsed = parser.parse(arguments);
    CommandLine result;
    // --help-all, which the parser adds beside --help, says the same.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::Action::Print;
        // helpText() names the program from QCoreApplication, which may not exist yet.
        result.text = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("zentra"));
    } else if (parser.isSet(version)) {
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
    result.options.minimized = parser.isSet(minimized);
    return result;
}

}  // namespace zentra
