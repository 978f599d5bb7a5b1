#include "shell/zentra_app.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <cstdio>

#include "base/message_texts.h"
#include "base/runtime_problem.h"
#include "platform/host_dispatch.h"
#include "platform/qsettings_store.h"
#include "platform/settings_file.h"
#include "platform/system_facts.h"
#include "shell/calculator_window.h"
#include "shell/qt_text.h"
#include "shell/single_instance.h"
#include "shell/splash_window.h"
#include "units/property_database.h"
#include "units/prp_file.h"

namespace zentra {
namespace {

// Added in this order at start-up and removed in the same order at the end.
constexpr const char* kFontFiles[] = {"Sevenseg.fnt", "Buttons.fnt", "Minitron.fnt"};
constexpr std::size_t kButtonsFont = 1;
// How long the start-up window waits for the calculator to get the keyboard.
constexpr int kSplashWaitMs = 3000;

QWidget* messageOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// Termination signals end the run as a close does, so the state is saved:
// the handler only writes to a pipe that the event loop watches.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    (void)!write(signalPipe[1], &byte, 1);
}

}  // namespace

ZentraApp::ZentraApp() = default;

ZentraApp::~ZentraApp() = default;

bool ZentraApp::initInstance(const LaunchOptions& options) {
    // One calculator per user: a running one comes to the front instead, and
    // this process touches no settings, fonts or database.
    instance_ = std::make_unique<SingleInstance>();
    if (instance_->askRunningInstance()) return false;
    instance_->listen();
    watchTerminationSignals();

    // The program's name for the desktop (window class, menu entry); the
    // settings store keeps the maker key and application title below.
    QCoreApplication::setApplicationName(QStringLiteral("zentra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zentra"));
    // The file QSettings would pick for the maker key and title, looked at
    // before anything reads it.
    settings_ = std::make_unique<SettingsFile>(
        openSettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + QLatin1String(kMakerKey) + QLatin1Char('/') +
                         QLatin1String(kApplicationTitle) + QStringLiteral(".conf")));
    store_ = std::make_unique<QSettingsStore>(*settings_->settings, settings_->standIn != nullptr);

    splash_ = std::make_unique<SplashWindow>();
    splash_->show();
    QCoreApplication::processEvents();

    database_.presentProblem = [](const std::string& message) {
        const HostCallScope messageBox;  // a look-up may fail while the engine computes
        QMessageBox::critical(messageOwner(), QString::fromLatin1(kApplicationTitle),
                              fromLatin1(message));
    };
    guard_ = std::make_unique<FloatingPointGuard>(database_.presentProblem);
    calculator_ = std::make_unique<Calculator>(database_, *guard_);
    calculator_->loadDatabase({dataDirectories(), std::nullopt, kernelVersion()},
                              [](std::string_view text, std::string_view caption) {
                                  QMessageBox::warning(messageOwner(), fromLatin1(caption),
                                                       fromLatin1(text));
                              });
    // The start-up window has the template font loaded; adding the font
    // files drops it.
    const DialogUnits units = windowDialogUnits();
    addFonts();
    const bool buttonFontLoaded = fontIds_[kButtonsFont] >= 0;
    window_ = std::make_unique<CalculatorWindow>(*calculator_, *store_, buttonFontLoaded, units);
    connect(window_.get(), &CalculatorWindow::closeAccepted, this,
            [] { QCoreApplication::exit(0); });
    connect(instance_.get(), &SingleInstance::activationRequested, window_.get(),
            &CalculatorWindow::restoreAndActivate);
    // A session that ends keeps what the user left, even if it kills us later.
    connect(qApp, &QGuiApplication::commitDataRequest, window_.get(), [this] {
        window_->saveNow();
        store_->sync();
    });

    if (options.minimized) {
        window_->showMinimized();
    } else {
        window_->show();
        // Without a window manager nobody else gives it the keyboard.
        window_->activateWindow();
    }
    // Told once the calculator is up, from the event loop, so that a
    // termination signal still ends the run.
    if (!settings_->notice.empty()) {
        QTimer::singleShot(0, window_.get(), [this] {
            QMessageBox::warning(messageOwner(), fromLatin1(kWarningCaption),
                                 QString::fromStdString(settings_->notice));
        });
    }
    // Set once the calculator is on the screen: reading the icon's image
    // before would keep the window from the screen for no gain, and the
    // desktop takes a changed icon from a mapped window as well.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentra.png")));
    // The start-up window stays until the calculator has the keyboard, so
    // that keys typed meanwhile reach the start-up window and are kept.
    if (options.minimized || window_->isActiveWindow()) {
        retireSplash();
    } else {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
            if (focused && focused == window_->windowHandle()) retireSplash();
        });
        QTimer::singleShot(kSplashWaitMs, this, &ZentraApp::retireSplash);
    }
    return true;
}

void ZentraApp::retireSplash() {
    if (!splash_ || !window_) return;
    // Replayed before any later key is read, so the calculator takes them in order.
    QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_.get();
    for (const auto& key : splash_->takeKeys()) QCoreApplication::sendEvent(target, key.get());
    // Called while the focus moves away from it: it goes once that is done.
    splash_->hide();
    splash_.release()->deleteLater();
}

int ZentraApp::runMessageLoop() {
    // A termination signal during start-up (a message box of the database
    // runs its own loop) must still end the run.
    if (quitRequested_) return 0;
    return QApplication::exec();
}

int ZentraApp::exitInstance(int loopExitCode) {
    if (!window_) return 0;  // another calculator was running
    splash_.reset();
    window_.reset();  // saves the state
    if (!store_->sync()) {
        std::fprintf(stderr, "zentra: the calculator state could not be saved to %s%s%s\n",
                     qPrintable(settings_->settings->fileName()),
                     store_->lockProblem().empty() ? "" : ": ", store_->lockProblem().c_str());
        if (!store_->lockProblem().empty()) settings_->dropPendingChanges();
    }
    clearDatabase(database_);
    removeFonts();
    return loopExitCode;
}

void ZentraApp::addFonts() {
    const std::vector<std::string> dirs = dataDirectories();
    for (const char* file : kFontFiles) {
        int id = -1;
        for (const std::string& dir : dirs) {
            // Installed and source trees keep the fonts in a "fonts" folder.
            const QString path =
                QString::fromStdString(dir) + QLatin1String("/fonts/") + QLatin1String(file);
            if (QFileInfo::exists(path)) {
                id = QFontDatabase::addApplicationFont(path);
                break;
            }
        }
        fontIds_.push_back(id);
    }
}

void ZentraApp::removeFonts() {
    for (const int id : fontIds_)
        if (id >= 0) QFontDatabase::removeApplicationFont(id);
    fontIds_.clear();
}

void ZentraApp::watchTerminationSignals() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        (void)!read(signalPipe[0], &byte, 1);
        quitRequested_ = true;
        // No question about the database here: nobody may be there to answer.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

}  // namespace zentra
