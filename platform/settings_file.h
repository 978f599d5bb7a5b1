#pragma once
// Opening the INI file of a settings store so that nothing it holds is lost
// without a word: a file that is no regular file (or a link another user
// planted) is never read, a damaged file keeps every line that still reads and
// is itself kept beside as FILE.damaged, and a lock file left by a killed run
// does not hold up reading or writing.

#include <QSettings>
#include <QString>
#include <QTemporaryFile>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "base/expected.h"

namespace zentra {

// How long a lock held by a running program is waited for before the save is
// reported as failed.
inline constexpr std::chrono::milliseconds kSettingsLockWait{1500};

struct SettingsFile {
    // Set when the file itself must stay as it is: the settings then live in
    // this private copy and are not written back. (Declared first, so that
    // the settings are gone before it.)
    std::unique_ptr<QTemporaryFile> standIn;
    std::unique_ptr<QSettings> settings;
    // What to tell the user once; empty when the file read whole.
    std::string notice;

    // After a sync failed on a lock a running program holds: the changes are
    // dropped, so that nothing waits for that lock at the end (QSettings
    // would write them on its destruction, waiting half a minute).
    void dropPendingChanges() { (void)settings.release(); }
};

// Opens path (INI format). A missing file starts empty, as QSettings does.
SettingsFile openSettingsFile(const QString& path);

// Clears the way for writing path: a lock file whose owner is gone is removed
// at once; one held by a running program is waited for up to wait, and then
// the error says that the file stays locked.
Expected<void> clearSettingsLock(const QString& path,
                                 std::chrono::milliseconds wait = kSettingsLockWait);

}  // namespace zentra
