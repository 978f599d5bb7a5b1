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
#include <optional>
#include <string>
#include <string_view>

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

// The well-formed lines of an INI text, when some line is not: a line is a
// blank, a comment, a "[section]" or "key=value" whose quotes and escapes are
// closed on that line, in UTF-8. nullopt when the whole text reads.
std::optional<std::string> readableIniLines(std::string_view text);

// Clears the way for writing path: a lock file whose owner is gone is removed
// at once; one held by a running program is waited for up to wait. Why the
// file stays locked, or nullopt.
std::optional<std::string> clearSettingsLock(const QString& path,
                                             std::chrono::milliseconds wait = kSettingsLockWait);

}  // namespace zentra
