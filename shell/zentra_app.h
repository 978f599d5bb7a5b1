#pragma once
// The application: start-up (one calculator per user, settings store, start-up
// window, floating-point hook, units database, font files, calculator window)
// and shut-down in the reverse of that.

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "engine/calculator.h"
#include "shell/command_line.h"
#include "units/property_database.h"
#include "zentra_version.h"

namespace zentra {

class CalculatorWindow;
class FloatingPointGuard;
class QSettingsStore;
struct SettingsFile;
class SingleInstance;
class SplashWindow;

// The settings store's folder under the user's configuration folder.
inline constexpr const char* kMakerKey = kProductMaker;

class ZentraApp : public QObject {
    Q_OBJECT

public:
    ZentraApp();
    ~ZentraApp() override;

    // False when another calculator was running and has been brought to the
    // front: this process then ends at once.
    bool initInstance(const LaunchOptions& options);
    // The message loop; its exit code.
    int runMessageLoop();
    // Destroys the window (which saves the state), releases the database and
    // the fonts. Returns the process exit code.
    int exitInstance(int loopExitCode);

private:
    void addFonts();
    void removeFonts();
    void watchTerminationSignals();
    // Hands the keys typed at the start-up window to the calculator and closes it.
    void retireSplash();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<QSettingsStore> store_;
    // Before the window, which works on it and outlives no part of it; its
    // presenter shows the run's runtime problems.
    PropertyDatabase database_;
    std::unique_ptr<FloatingPointGuard> guard_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<SplashWindow> splash_;
    std::vector<int> fontIds_;    // in the order added, -1 for a file not added
    bool quitRequested_ = false;  // by a termination signal
};

}  // namespace zentra
