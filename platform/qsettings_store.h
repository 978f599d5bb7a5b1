#pragma once
// The settings store on QSettings, section "Calc". Texts are kept byte for
// byte (each byte one Latin-1 character), so any text the engine saves comes
// back unchanged.

#include <QSettings>

#include "base/settings_store.h"

namespace zentra {

class QSettingsStore : public SettingsStore {
public:
    explicit QSettingsStore(QSettings& settings) : settings_(settings) {}

    int readInt(std::string_view key, int defaultValue) override;
    std::string readText(std::string_view key, std::string_view defaultValue) override;
    void writeInt(std::string_view key, int value) override;
    void writeText(std::string_view key, std::string_view value) override;

    // Writes pending changes; false when they did not reach the disk. QSettings
    // replaces the file atomically, so a failed write leaves the old file whole.
    bool sync();

private:
    QSettings& settings_;
};

}  // namespace zentra
