#pragma once
// A settings store held in memory: a first start with nothing saved, and the
// tests' store.

#include <map>
#include <string>

#include "base/settings_store.h"

namespace zentra {

class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> ints;

    int readInt(std::string_view key, int defaultValue) override {
        auto it = ints.find(key);
        return it == ints.end() ? defaultValue : it->second;
    }
    std::string readText(std::string_view key, std::string_view defaultValue) override {
        auto it = texts.find(key);
        return it == texts.end() ? std::string(defaultValue) : it->second;
    }
    void writeInt(std::string_view key, int value) override { ints[std::string(key)] = value; }
    void writeText(std::string_view key, std::string_view value) override {
        texts[std::string(key)] = std::string(value);
    }
};

}  // namespace zentra
