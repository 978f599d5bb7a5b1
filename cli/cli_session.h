#pragma once
// One run of zentra-cli: options in, exit status out.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/tape_export.h"

namespace zentra::cli {

struct Options {
    std::optional<std::string> statePath;
    std::optional<std::string> prpPath;
    std::optional<std::string> savePrpPath;
    std::optional<std::string> tapePath;  // read first, written back after the last token
    std::optional<TapeFormat> printTape;  // print the tape after the display, so
    bool trace = false;
    bool dump = false;
    bool interactive = false;         // standard input is a terminal
    std::vector<std::string> tokens;  // empty: read standard input
};

// The exit status: 0 after the last token; 1 when a file could not be read
// (--prp, before any token) or written (--save-prp, --state, --tape); 2 for a
// usage error, and then the --state and --tape files are left as they were.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

int runSession(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zentra::cli
