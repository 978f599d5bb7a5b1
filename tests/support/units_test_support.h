#pragma once
// Helpers shared by the units database tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "units/property_database.h"

namespace zentra::testing {

// Names a parameterised case after the name field of its parameter.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& test) const {
        return test.param.name;
    }
};

// The index-th unit or constant of a property's list.
template <class List>
auto& nth(List& list, std::size_t index) {
    return *std::next(list.begin(), static_cast<std::ptrdiff_t>(index));
}

// Collects the runtime-problem messages of a database instead of printing them.
// It must outlive the database's look-ups.
class CapturedProblems {
public:
    explicit CapturedProblems(PropertyDatabase& db) {
        db.presentProblem = [this](const std::string& message) { messages.push_back(message); };
    }
    CapturedProblems(const CapturedProblems&) = delete;
    CapturedProblems& operator=(const CapturedProblems&) = delete;

    std::vector<std::string> messages;
};

// A fresh directory for one test's files, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("zentra-units-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    // A new file rather than a truncated one: file systems flush truncated files.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zentra::testing
