#pragma once
// The per-user settings store as the saved state needs it: one section of
// integer and text keys. A missing key or an unreadable store gives the
// default; failed writes are ignored.

#include <string>
#include <string_view>

namespace zentra {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(std::string_view key, int defaultValue) = 0;
    virtual std::string readText(std::string_view key, std::string_view defaultValue) = 0;
    virtual void writeInt(std::string_view key, int value) = 0;
    virtual void writeText(std::string_view key, std::string_view value) = 0;
};

}  // namespace zentra
