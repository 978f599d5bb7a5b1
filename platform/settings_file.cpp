#include "platform/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <ctime>
#include <thread>

#include "base/message_texts.h"
#include "base/printable_text.h"
#include "base/safe_file_read.h"
#include "base/safe_file_write.h"

namespace zentra {
namespace {

using Clock = std::chrono::steady_clock;

// An empty lock file is what a run killed between creating and filling it
// leaves; a younger one may still be being filled.
constexpr std::time_t kEmptyLockAge = 1;
constexpr std::chrono::milliseconds kLockPoll{50};

std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Quotes closed and no escape left hanging: QSettings would otherwise run the
// value on over the following lines.
bool closedValue(std::string_view value) {
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            if (++i == value.size()) return false;
        } else if (value[i] == '"') {
            quoted = !quoted;
        }
    }
    return !quoted;
}

bool wellFormedLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return true;
    line.remove_prefix(first);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.front() == ';' || line.front() == '#') return true;
    if (line.front() == '[') return line.back() == ']' && line.find(']') == line.size() - 1;
    const auto equals = line.find('=');
    return equals != std::string_view::npos && equals > 0 && closedValue(line.substr(0, equals)) &&
           closedValue(line.substr(equals + 1));
}

std::string readAll(int fd) {
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// The well-formed lines of an INI text: a line is a blank, a comment, a
// "[section]" or "key=value" whose quotes and escapes are closed on that line,
// in UTF-8. Damage is no failure: the lines that read are kept.
struct IniLines {
    std::string readable;  // each well-formed line, ended by '\n'
    bool damaged = false;  // some line was not
};

IniLines readableIniLines(std::string_view text) {
    IniLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // Bytes that are not UTF-8 would read as replacement characters.
        if (wellFormedLine(line) && isUtf8(line)) {
            lines.readable.append(line);
            lines.readable += '\n';
        } else {
            lines.damaged = true;
        }
        start = end + 1;
    }
    return lines;
}

// A private copy holding text, for settings that must not reach the file.
SettingsFile standIn(std::string_view text, std::string notice) {
    SettingsFile file;
    file.standIn = std::make_unique<QTemporaryFile>();
    if (file.standIn->open()) {
        file.standIn->write(text.data(), static_cast<qint64>(text.size()));
        file.standIn->flush();
    }
    file.settings = std::make_unique<QSettings>(file.standIn->fileName(), QSettings::IniFormat);
    file.notice = std::move(notice);
    return file;
}

}  // namespace

Expected<void> clearSettingsLock(const QString& path, std::chrono::milliseconds wait) {
    const std::filesystem::path lock = pathOf(path + QStringLiteral(".lock"));
    const auto deadline = Clock::now() + wait;
    while (true) {
        FileDescriptor fd(::open(lock.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
        // A running holder keeps the lock file flock()ed (QLockFile does), so
        // a free one is left by a run that has ended.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            const bool filled = !readAll(fd.get()).empty();
            struct stat now {};
            if ((filled || std::time(nullptr) - st.st_mtime >= kEmptyLockAge) &&
                ::lstat(lock.c_str(), &now) == 0 && now.st_ino == st.st_ino &&
                now.st_dev == st.st_dev) {
                ::unlink(lock.c_str());
                return {};
            }
        }
        fd.reset();
        if (Clock::now() >= deadline)
            return failure(quotedPath(pathOf(path)) + std::string(kSettingsLockedText));
        std::this_thread::sleep_for(kLockPoll);
    }
}

SettingsFile openSettingsFile(const QString& path) {
    const std::filesystem::path file = pathOf(path);
    // Only a lock left by a run that has ended is cleared here; a held one is
    // waited for when the settings are written.
    (void)clearSettingsLock(path, std::chrono::milliseconds(0));
    FileText read = readRegularFile(file);
    struct stat st {};
    if (read.status == FileOpenStatus::Refused && ::lstat(file.c_str(), &st) == 0)
        return standIn({}, read.problem + std::string(kSettingsNotUsedText));
    if (read.status == FileOpenStatus::Opened) {
        if (const IniLines lines = readableIniLines(read.text); lines.damaged) {
            const std::string& kept = lines.readable;
            const SetAside aside = setAsideDamaged(file);
            if (!aside.aside)
                return standIn(kept, quotedPath(file) + std::string(kDamagedSettingsStuckText) +
                                         aside.problem);
            if (const auto written = writeFileContent(file, kept); !written)
                return standIn(kept, quotedPath(file) + std::string(kDamagedSettingsUnwrittenText) +
                                         written.error());
            SettingsFile opened;
            opened.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
            opened.notice =
                quotedPath(file) + std::string(kDamagedSettingsKeptText) + quotedPath(*aside.aside);
            return opened;
        }
    }
    SettingsFile opened;
    opened.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return opened;
}

}  // namespace zentra
