#pragma once
// The tape: the last steps of the calculation, as the Calculator keeps them
// for both hosts, with the text file they are kept in. The file is UTF-8 text, a
// header line and then one entry a line: the kind's number, the entry's four
// texts and its time (decimal microseconds), separated by tabs (a tab, line
// break or backslash inside a text is written \t, \n or \\). Files of the
// first format, whose lines end after the texts, are read with time 0. A tape
// that has lost its oldest entries says so in its header line: the header, a
// tab and "dropped" (in either format).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "base/number_modes.h"
#include "base/tape_entry.h"

namespace zentra {

inline constexpr std::size_t kTapeLimit = 1000;
inline constexpr std::string_view kTapeHeader = "Zentra tape 2";
inline constexpr std::string_view kUntimedTapeHeader = "Zentra tape 1";

// A ring of kTapeLimit entries: once full, each new entry takes the oldest's
// place, so that a long run of keys allocates nothing for the ring itself.
// It also knows what is new since it was read from its file or written to
// it, so that a save adds that to what other runs wrote meanwhile.
class Tape {
public:
    // Adds an entry made now (never before the newest entry), without the
    // control characters of its value, result and detail (the key is a
    // caption of the engine's, which holds none); beyond kTapeLimit the oldest
    // goes, and the new entry takes over its place and its texts' buffers, so
    // that a long run of keys allocates nothing. The texts are only read
    // during the call.
    const TapeEntry& append(TapeKind kind, std::string_view value, std::string_view key = {},
                            std::string_view result = {}, std::string_view detail = {});
    // Adds an entry with the time it has.
    void append(TapeEntry&& entry);
    // Empties the tape: entries made before now are gone from its file too.
    void clear();
    // The newest entries that are not in the file yet.
    std::size_t unsavedCount() const { return std::min(unsaved_, size()); }
    // When it was last cleared since the file was read or written, if it was.
    std::optional<std::int64_t> clearedAt() const { return clearedAt_; }
    // The tape and its file hold the same: nothing unsaved, no clearing.
    void markSaved();
    // The tape is to replace what its file holds up to now (lines were taken
    // off or put back): as if cleared now and all of it added anew.
    void markRewritten();
    // Entry i, the oldest first.
    const TapeEntry& operator[](std::size_t i) const {
        // A wrap without a division: every key's step reads the newest entry.
        const std::size_t at = oldest_ + i;
        return ring_[at < ring_.size() ? at : at - ring_.size()];
    }
    std::size_t size() const { return ring_.size(); }
    bool empty() const { return ring_.empty(); }
    const TapeEntry& back() const { return (*this)[size() - 1]; }
    // How many entries were ever added to this tape: a view of it tells the
    // new ones from it.
    std::uint64_t appendedCount() const { return appended_; }
    // Set once an entry has fallen off the front, until the tape is cleared:
    // then its first line says the roll does not begin at the first step.
    bool droppedEarlier() const { return droppedEarlier_; }
    void markDroppedEarlier() { droppedEarlier_ = true; }

private:
    TapeEntry& nextSlot();
    TapeEntry& newSlot();

    std::vector<TapeEntry> ring_;
    std::size_t oldest_ = 0;
    // back().time, 0 while empty: each step reads it, without the ring's index.
    std::int64_t backTime_ = 0;
    std::size_t unsaved_ = 0;
    std::uint64_t appended_ = 0;
    std::optional<std::int64_t> clearedAt_;
    bool droppedEarlier_ = false;
};

// Microseconds since 1970 (UTC), the time of a step made now.
std::int64_t tapeTimeNow();

// What a save writes: the file's entries (only those made after ours was
// cleared, if it was) and ours not yet saved, in time order (the file's first
// at equal times), the newest kTapeLimit of them. Nothing in it is unsaved.
Tape mergedTape(const Tape& onFile, const Tape& ours);

// An entry as one line of the paper: "2 +", "30 sin → 0.5", "20 *".
std::string tapeLineText(const TapeEntry& entry);
// The same line with the value and result drawn with separator between their
// digit groups in base (base/digit_groups.h): for the tape window only.
std::string groupedTapeLineText(const TapeEntry& entry, NumberBase base,
                                std::string_view separator);
// The value a line puts back on the display, or nothing (a separator).
std::optional<std::string> tapeRecallValue(const TapeEntry& entry);
// The lines, each ended by a line break, the note of dropped steps first:
// what --print-tape and Save Tape As give.
std::string tapeText(const Tape& tape);

std::string writeTapeFile(const Tape& tape);
// Nothing when the text is not a tape file or is damaged: no header, a line
// that is no entry, or bytes that are not UTF-8. More than kTapeLimit entries
// keep the newest. Nothing in it is unsaved.
std::optional<Tape> parseTapeFile(std::string_view text);

// Reading the tape file at start-up. The texts are for the user, after the
// program's name.
struct TapeLoad {
    Tape tape;
    // Set when the file was damaged or foreign and has been renamed, so that a
    // new tape starts without losing it: what happened.
    std::optional<std::string> setAside;
    // Set when such a file could not be set aside (the folder is not
    // writable): the message for the user. The file is left as it was, and
    // the host keeps the session's steps in memory only, never saving them.
    std::optional<std::string> keptDamaged;
    // Set when the path is no regular file, a link that may not be followed, or
    // cannot be read: nothing was read or moved, and the tape is not to be
    // written there.
    std::optional<std::string> refused;
};
// Runs sharing a file take its lock (base/file_lock.h) to read it, and again
// to merge and write it. A missing file gives an empty tape. A file that
// cannot be parsed is set aside beside itself ("tape.txt" ->
// "tape.txt.damaged").
TapeLoad loadTapeFile(const std::filesystem::path& path);
// Writes what mergedTape gives from the file as it is now and the tape, which
// then holds that; creates the directory when asked (the window's own data
// folder; a folder the user named must exist). The file is replaced
// atomically; one damaged meanwhile is set aside first, or else left as it
// was and the save fails, saying why in words for the user.
Expected<void> saveTapeFile(const std::filesystem::path& path, Tape& tape,
                            bool createFolder = true);

}  // namespace zentra
