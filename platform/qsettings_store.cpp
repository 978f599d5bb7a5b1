#include "platform/qsettings_store.h"

#include <cstdint>

#include "platform/settings_file.h"

namespace zentra {
namespace {

QString keyOf(std::string_view key) {
    return QStringLiteral("Calc/") +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

int QSettingsStore::readInt(std::string_view key, int defaultValue) {
    const QVariant value = settings_.value(keyOf(key));
    if (!value.isValid()) return defaultValue;
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok) return defaultValue;
    // A 32-bit store: keep the low 32 bits of whatever was written by hand.
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(number)));
}

std::string QSettingsStore::readText(std::string_view key, std::string_view defaultValue) {
    const QVariant value = settings_.value(keyOf(key));
    if (!value.isValid()) return std::string(defaultValue);
    const QByteArray bytes = value.toString().toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QSettingsStore::writeInt(std::string_view key, int value) {
    settings_.setValue(keyOf(key), value);
}

void QSettingsStore::writeText(std::string_view key, std::string_view value) {
    settings_.setValue(keyOf(key),
                       QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

bool QSettingsStore::sync() {
    if (keptInMemory_) return false;
    if (const auto cleared = clearSettingsLock(settings_.fileName()); !cleared) {
        lockProblem_ = cleared.error();
        return false;
    }
    lockProblem_.clear();
    settings_.sync();
    switch (settings_.status()) {
        case QSettings::NoError:
            return true;
        case QSettings::FormatError: {
            // A damaged file read at the start keeps this status even after a
            // good write, so ask the file on the disk: a failed write would
            // have left the damaged one in place.
            const QSettings written(settings_.fileName(), settings_.format());
            return written.status() == QSettings::NoError && !written.allKeys().isEmpty();
        }
        default:
            return false;
    }
}

}  // namespace zentra
