#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>

#include "shell/single_instance.h"
#include "shell/zentra_app.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

TEST(SingleInstance, ALaterStartReachesTheFirstOne) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("ZENTRACLASS"));
    SingleInstance first(name);
    ASSERT_FALSE(first.askRunningInstance(200));
    ASSERT_TRUE(first.listen());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    SingleInstance second(name);
    EXPECT_TRUE(second.askRunningInstance(1000));
    EXPECT_TRUE(activated.wait(2000));
}

// What a crashed run leaves: its socket with nobody listening, or any file.
bool leaveSocket(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

bool leaveFile(const QString& path) {
    QFile stale(path);
    return stale.open(QIODevice::WriteOnly);
}

TEST(SingleInstance, ASocketLeftByACrashIsTakenOver) {
    for (const auto leave : {leaveSocket, leaveFile}) {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("ZENTRACLASS"));
        ASSERT_TRUE(leave(name));
        SingleInstance instance(name);
        EXPECT_FALSE(instance.askRunningInstance(200));
        ASSERT_TRUE(instance.listen());
        QSignalSpy activated(&instance, &SingleInstance::activationRequested);
        EXPECT_TRUE(SingleInstance(name).askRunningInstance(1000));
        EXPECT_TRUE(activated.wait(2000));
    }
}

// Root stands in for the user here; nobody (65534) for another user.
bool giveToNobody(const QString& path) {
    return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

TEST(SingleInstance, AnotherUsersSocketIsNeverAskedAndIsReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a socket to another user needs root";
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("ZENTRACLASS"));
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(name));
    ASSERT_TRUE(giveToNobody(name));
    SingleInstance instance(name);
    EXPECT_FALSE(instance.askRunningInstance(200));
    EXPECT_FALSE(squatter.waitForNewConnection(200));
    EXPECT_TRUE(instance.listen());
}

#ifdef ZENTRA_PROGRAM

// The built program with its own runtime, configuration and working directories.
struct ProgramRun {
    QTemporaryDir runtime, config, data, work;
    QProcess process;

    ProgramRun() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(work.path());
        process.setProgram(QStringLiteral(ZENTRA_PROGRAM));
    }
    QString settingsFile() const {
        return config.filePath(QStringLiteral("Vantrell/Marvolet.conf"));
    }
    QString socket() const { return runtime.filePath(QStringLiteral("ZENTRACLASS")); }
    QString tapeFile() const { return data.filePath(QStringLiteral("zentra/tape.txt")); }
};

TEST(Program, SecondStartRaisesTheFirstAndEndsAtOnceWithoutTouchingSettings) {
    ProgramRun second;
    // This process plays the first calculator, minimised.
    SingleInstance first(second.socket());
    ASSERT_TRUE(first.listen());
    QWidget window;
    window.showMinimized();
    QObject::connect(&first, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
    });

    QElapsedTimer clock;
    clock.start();
    second.process.start();
    ASSERT_TRUE(second.process.waitForStarted());
    QSignalSpy finished(&second.process, &QProcess::finished);
    ASSERT_TRUE(finished.wait(10000)) << "the second start did not end";
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 2000));
    EXPECT_TRUE(QDir(second.config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

TEST(Program, ASquatterOnTheSharedNameDoesNotStopTheStart) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a directory to another user needs root";
    ProgramRun run;
    QTemporaryDir tmp, cache;
    // The runtime directory, and the one Qt would put in its place, are another
    // user's; someone listens at the old shared name.
    const QString fallback =
        tmp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(0)->pw_name));
    ASSERT_TRUE(QDir().mkdir(fallback));
    ASSERT_TRUE(giveToNobody(fallback));
    ASSERT_TRUE(giveToNobody(run.runtime.path()));
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(tmp.filePath(QStringLiteral("ZENTRACLASS"))));
    QProcessEnvironment env = run.process.processEnvironment();
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    run.process.setProcessEnvironment(env);

    run.process.start();
    const QString socket = cache.filePath(QStringLiteral("zentra-instance/ZENTRACLASS"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(socket) || run.process.state() == QProcess::NotRunning; },
        10000));
    ASSERT_EQ(run.process.state(), QProcess::Running) << "the start was stopped";
    EXPECT_TRUE(QFile::exists(socket));
    EXPECT_FALSE(squatter.hasPendingConnections());
    run.process.kill();
    run.process.waitForFinished(10000);
}

// A pid of 0 would signal this test's whole process group, so only a started child is signalled.
bool sendTermination(const QProcess& process) {
    const qint64 pid = process.processId();
    return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}

TEST(Program, TerminationSignalEndsTheRunAndSavesTheState) {
    ProgramRun run;
    run.process.start();
    ASSERT_TRUE(run.process.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(run.socket()); }, 10000));
    QTest::qWait(500);
    ASSERT_TRUE(sendTermination(run.process));
    ASSERT_TRUE(run.process.waitForFinished(10000));
    EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process.exitCode(), 0);
    QSettings saved(run.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(saved.value(QStringLiteral("Calc/Display")).toString(), QStringLiteral("0"));
    EXPECT_EQ(saved.value(QStringLiteral("Calc/Operator")).toInt(), 61);
}

TEST(Program, TerminationSignalWritesTheTape) {
    ProgramRun run;
    // More lines than a tape keeps: only a new write leaves the newest thousand.
    ASSERT_TRUE(QDir().mkpath(run.data.filePath(QStringLiteral("zentra"))));
    QFile tape(run.tapeFile());
    ASSERT_TRUE(tape.open(QIODevice::WriteOnly));
    tape.write("Zentra tape 1\n");
    for (int k = 0; k < 1005; ++k) tape.write("0\t" + QByteArray::number(k) + "\t+\t\t\n");
    tape.close();
    run.process.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(run.socket()); }, 10000));
    QTest::qWait(500);
    ASSERT_TRUE(sendTermination(run.process));
    ASSERT_TRUE(run.process.waitForFinished(10000));
    EXPECT_EQ(run.process.exitCode(), 0);
    ASSERT_TRUE(tape.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = tape.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1002);          // the header, a thousand entries, the empty end
    EXPECT_EQ(lines[1], "0\t5\t+\t\t\t0");  // an untimed file's entries have time 0
}

TEST(Program, UnwritableSettingsDoNotHoldUpTheEnd) {
    ProgramRun run;
    // The configuration "directory" is a file, so nothing can be written under it.
    QFile blocker(run.config.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment env = run.process.processEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), blocker.fileName());
    run.process.setProcessEnvironment(env);
    run.process.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(run.socket()); }, 10000));
    QTest::qWait(500);
    ASSERT_TRUE(sendTermination(run.process));
    ASSERT_TRUE(run.process.waitForFinished(10000));
    EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(run.process.readAllStandardError().contains("could not be saved"));
}

#endif

}  // namespace
}  // namespace zentra::testing
