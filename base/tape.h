#pragma once
// The tape: the last steps of the calculation, as the window and zentra-cli
// keep them, with the text file they are kept in. The file is UTF-8 text, a
// header line and then one entry a line: the kind's number and the entry's
// four texts, separated by tabs (a tab, line break or backslash inside a text
// is written \t, \n or \\).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_modes.h"
#include "base/tape_entry.h"

namespace zentra {

inline constexpr std::size_t kTapeLimit = 1000;
inline constexpr std::string_view kTapeHeader = "Zentra tape 1";

// A ring of kTapeLimit entries: once full, each new entry takes the oldest's
// place, so that a long run of keys allocates nothing for the ring itself.
class Tape {
public:
    // Adds an entry without its control characters; beyond kTapeLimit the
    // oldest goes, and the new entry takes over its place and its texts' buffers.
    const TapeEntry& append(const TapeStep& step);
    void append(TapeEntry&& entry);
    void clear();
    // Entry i, the oldest first.
    const TapeEntry& operator[](std::size_t i) const { return ring_[(oldest_ + i) % ring_.size()]; }
    std::size_t size() const { return ring_.size(); }
    bool empty() const { return ring_.empty(); }
    const TapeEntry& back() const { return (*this)[size() - 1]; }
    std::vector<TapeEntry> entries() const;

private:
    TapeEntry& nextSlot();

    std::vector<TapeEntry> ring_;
    std::size_t oldest_ = 0;
};

// An entry as one line of the paper: "2 +", "30 sin → 0.5", "20 *".
std::string tapeLineText(const TapeEntry& entry);
// The same line with the value and result drawn with separator between their
// digit groups in base (base/digit_groups.h): for the tape window only.
std::string groupedTapeLineText(const TapeEntry& entry, NumberBase base,
                                std::string_view separator);
// The value a line puts back on the display, or nothing (a separator).
std::optional<std::string> tapeRecallValue(const TapeEntry& entry);
// The lines, each ended by a line break: what copying and --print-tape give.
std::string tapeText(const Tape& tape);

std::string writeTapeFile(const Tape& tape);
// Nothing when the text is not a tape file or is damaged: no header, a line
// that is no entry, or bytes that are not UTF-8. More than kTapeLimit entries
// keep the newest.
std::optional<Tape> parseTapeFile(std::string_view text);

// Reading the tape file at start-up.
struct TapeLoad {
    Tape tape;
    // Set when the file was damaged or foreign and has been renamed to this
    // path, so that a new tape starts without losing it.
    std::optional<std::filesystem::path> setAside;
};
// A missing file gives an empty tape. A file that cannot be parsed is set
// aside beside itself ("tape.txt" -> "tape.txt.damaged").
TapeLoad loadTapeFile(const std::filesystem::path& path);
// Writes the tape atomically, creating the directory; nullopt on success, else why not.
std::optional<std::string> saveTapeFile(const std::filesystem::path& path, const Tape& tape);

}  // namespace zentra
