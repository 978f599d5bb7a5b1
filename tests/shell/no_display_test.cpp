#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace zentra::testing {
namespace {

#ifdef ZENTRA_PROGRAM

struct NoDisplayCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    QString message;  // part of the one line on standard error
};

// Without any display the command line is still checked, and a start that
// needs the window ends with one line instead of Qt's abort.
TEST(ProgramWithoutDisplay, ChecksTheCommandLineAndSaysSoInOneLine) {
    const NoDisplayCase cases[] = {
        {"unknown option", {"--bogus"}, 2, "bogus"},
        {"plain start", {}, 1, "cannot open a display"},
        {"platform named", {"-platform", "xcb", "--minimized"}, 1, "cannot open a display"},
    };
    for (const NoDisplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZENTRA_PROGRAM), c.arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.exitCode);
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(error.contains(c.message)) << error.toStdString();
        if (c.exitCode == 1) {
            EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
        }
    }
}

#endif

}  // namespace
}  // namespace zentra::testing
