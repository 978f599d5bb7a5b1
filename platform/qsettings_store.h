#pragma once
// The settings store on QSettings, section "Calc". Texts are kept byte for
// byte (each byte one Latin-1 character), so any text the engine saves comes
// back unchanged.

#include <QSettings>

#include "base/settings_store.h"

namespace zentra {

class QSettingsStore : public SettingsStore {
public:
    // keptInMemory: the settings stand in for a file that must stay as it was,
    // so sync never reports them saved.
    explicit QSettingsStore(QSettings& settings, bool keptInMemory = false)
        : settings_(settings), keptInMemory_(keptInMemory) {}

    int readInt(std::string_view key, int defaultValue) override;
    std::string readText(std::string_view key, std::string_view defaultValue) override;
    void writeInt(std::string_view key, int value) override;
    void writeText(std::string_view key, std::string_view value) override;

    // Writes pending changes; false when they did not reach the disk. QSettings
    // replaces the file atomically, so a failed write leaves the old file whole.
    // A lock file left by a run that ended is removed first; one a running
    // program holds is waited for briefly, and then the sync fails with
    // lockProblem set, the changes still pending.
    bool sync();
    const std::string& lockProblem() const { return lockProblem_; }

private:
    QSettings& settings_;
    bool keptInMemory_;
    std::string lockProblem_;
};

}  // namespace zentra
