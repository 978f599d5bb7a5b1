#include "base/tape.h"

#include <array>
#include <cassert>
#include <charconv>
#include <chrono>
#include <iterator>
#include <system_error>

#include "base/control_text.h"
#include "base/digit_groups.h"
#include "base/file_lock.h"
#include "base/message_texts.h"
#include "base/printable_text.h"
#include "base/safe_file_read.h"
#include "base/safe_file_write.h"

namespace zentra {
namespace {

constexpr std::string_view kArrow = " \u2192 ";
constexpr int kLastKind = static_cast<int>(TapeKind::Setting);
constexpr std::size_t kFieldCount = 6;  // the kind, the four texts and the time
constexpr std::string_view kDroppedMark = "\tdropped";

// The integer bases pad their display with blanks; the paper has no use for them.
std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Joins the non-empty parts with blanks.
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string line;
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        if (!line.empty()) line += ' ';
        line += part;
    }
    return line;
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

// A line of a file of the first format has no time.
std::optional<TapeEntry> parseLine(std::string_view line, bool timed) {
    const std::size_t fieldCount = timed ? kFieldCount : kFieldCount - 1;
    std::array<std::string_view, kFieldCount> fields;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        if (count == fieldCount) return std::nullopt;
        fields[count++] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (count != fieldCount || fields[0].size() != 1 || fields[0][0] < '0' ||
        fields[0][0] > '0' + kLastKind)
        return std::nullopt;
    TapeEntry entry;
    entry.kind = static_cast<TapeKind>(fields[0][0] - '0');
    std::string* texts[] = {&entry.value, &entry.key, &entry.result, &entry.detail};
    for (std::size_t k = 0; k < std::size(texts); ++k) {
        std::optional<std::string> text = unescaped(fields[k + 1]);
        if (!text) return std::nullopt;
        *texts[k] = std::move(*text);
    }
    if (timed) {
        const std::string_view time = fields[kFieldCount - 1];
        const auto [end, error] =
            std::from_chars(time.data(), time.data() + time.size(), entry.time);
        if (time.empty() || error != std::errc() || end != time.data() + time.size() ||
            entry.time < 0)
            return std::nullopt;
    }
    return entry;
}

}  // namespace

namespace {

// Into the buffer the text already has: append to an emptied string is the
// short path, where assign takes the general replace with its overlap checks.
// The paper shows one line an entry, so a control character never gets in.
inline void refill(std::string& text, std::string_view with) {
    text.clear();
    // Most steps leave two of their four texts empty: those cost no call.
    if (with.empty()) return;
    text.append(with);
    dropControlCharacters(text);
}

// For the debug build's check of the captions: "x²" begins with a byte that
// could lead a control character and is none.
[[maybe_unused]] bool holdsNoControl(std::string_view text) {
    std::string kept(text);
    dropControlCharacters(kept);
    return kept.size() == text.size();
}

void dropEntryControls(TapeEntry& entry) {
    for (std::string* text : {&entry.value, &entry.key, &entry.result, &entry.detail})
        dropControlCharacters(*text);
}

}  // namespace

// A full ring, the usual state of a long run, takes the short path inline.
inline TapeEntry& Tape::nextSlot() {
    if (ring_.size() < kTapeLimit) return newSlot();
    droppedEarlier_ = true;
    TapeEntry& slot = ring_[oldest_];
    if (++oldest_ == kTapeLimit) oldest_ = 0;
    return slot;
}

TapeEntry& Tape::newSlot() {
    if (ring_.capacity() == 0) ring_.reserve(kTapeLimit);
    return ring_.emplace_back();
}

const TapeEntry& Tape::append(TapeKind kind, std::string_view value, std::string_view key,
                              std::string_view result, std::string_view detail) {
    // Never before the newest, so the entries stay in time order if the clock is set back.
    const std::int64_t time = std::max(tapeTimeNow(), backTime_);
    backTime_ = time;
    TapeEntry& slot = nextSlot();
    slot.kind = kind;
    slot.time = time;
    refill(slot.value, value);
    // A caption of the key table's: no control character to look for.
    assert(holdsNoControl(key));
    slot.key.clear();
    slot.key.append(key);
    refill(slot.result, result);
    refill(slot.detail, detail);
    if (unsaved_ < kTapeLimit) ++unsaved_;
    ++appended_;
    return slot;
}

void Tape::append(TapeEntry&& entry) {
    dropEntryControls(entry);
    backTime_ = entry.time;
    nextSlot() = std::move(entry);
    if (unsaved_ < kTapeLimit) ++unsaved_;
    ++appended_;
}

void Tape::clear() {
    clearedAt_ = std::max(tapeTimeNow(), backTime_);
    ring_.clear();
    oldest_ = 0;
    backTime_ = 0;
    unsaved_ = 0;
    droppedEarlier_ = false;
}

void Tape::markSaved() {
    unsaved_ = 0;
    clearedAt_.reset();
}

void Tape::markRewritten() {
    clearedAt_ = std::max({tapeTimeNow(), backTime_, clearedAt_.value_or(0)});
    unsaved_ = size();
}

std::int64_t tapeTimeNow() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

Tape mergedTape(const Tape& onFile, const Tape& ours) {
    std::vector<const TapeEntry*> all;
    all.reserve(onFile.size() + ours.unsavedCount());
    for (std::size_t i = 0; i < onFile.size(); ++i)
        if (!ours.clearedAt() || onFile[i].time > *ours.clearedAt()) all.push_back(&onFile[i]);
    for (std::size_t i = ours.size() - ours.unsavedCount(); i < ours.size(); ++i)
        all.push_back(&ours[i]);
    std::stable_sort(all.begin(), all.end(),
                     [](const TapeEntry* a, const TapeEntry* b) { return a->time < b->time; });
    Tape merged;
    const std::size_t first = all.size() > kTapeLimit ? all.size() - kTapeLimit : 0;
    for (std::size_t i = first; i < all.size(); ++i) merged.append(TapeEntry(*all[i]));
    // Steps the file lost before ours was cleared went with the clearing.
    if (first > 0 || ours.droppedEarlier() || (onFile.droppedEarlier() && !ours.clearedAt()))
        merged.markDroppedEarlier();
    merged.markSaved();
    return merged;
}

std::string tapeLineText(const TapeEntry& e) {
    const std::string_view value = trimmed(e.value);
    const std::string_view result = trimmed(e.result);
    switch (e.kind) {
        case TapeKind::Operation:
            return joined({value, e.key});
        case TapeKind::Result:
            return joined({value, "*"});
        case TapeKind::Function:
            return result.empty()
                       ? joined({value, e.key})
                       : joined({value, e.key}) + std::string(kArrow) + std::string(result);
        case TapeKind::MemoryStore:
            return joined({e.key, value}) + std::string(kArrow) + "M" + e.detail;
        case TapeKind::DataPoint:
            return e.detail.empty() ? joined({e.key, value})
                                    : joined({e.key, value}) + std::string(kArrow) + e.detail;
        case TapeKind::Conversion:
            return joined({value, e.key, e.detail, "=", result});
        case TapeKind::Error:
        case TapeKind::Setting:
            return std::string(value);
        case TapeKind::Separator:
            return joined({e.key, "----"});
        case TapeKind::MemoryRecall:
            return joined({e.key, "M" + e.detail}) + std::string(kArrow) + std::string(value);
    }
    return std::string(value);
}

std::string groupedTapeLineText(const TapeEntry& e, NumberBase base, std::string_view separator) {
    TapeEntry grouped = e;
    grouped.value = groupedDigits(e.value, base, separator);
    grouped.result = groupedDigits(e.result, base, separator);
    return tapeLineText(grouped);
}

std::optional<std::string> tapeRecallValue(const TapeEntry& e) {
    std::string_view value;
    switch (e.kind) {
        case TapeKind::Operation:
        case TapeKind::Result:
        case TapeKind::MemoryStore:
        case TapeKind::MemoryRecall:
        case TapeKind::DataPoint:
            value = e.value;
            break;
        case TapeKind::Function:
            value = e.result.empty() ? e.value : e.result;
            break;
        case TapeKind::Conversion:
            value = e.result;
            break;
        case TapeKind::Error:
        case TapeKind::Separator:
        case TapeKind::Setting:
            break;
    }
    value = trimmed(value);
    if (value.empty()) return std::nullopt;
    return std::string(value);
}

std::string tapeText(const Tape& tape) {
    std::string text;
    if (tape.droppedEarlier()) (text += kTapeDroppedText) += '\n';
    for (std::size_t i = 0; i < tape.size(); ++i) {
        text += tapeLineText(tape[i]);
        text += '\n';
    }
    return text;
}

std::string writeTapeFile(const Tape& tape) {
    std::string text(kTapeHeader);
    if (tape.droppedEarlier()) text += kDroppedMark;
    text += '\n';
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const TapeEntry& e = tape[i];
        text += static_cast<char>('0' + static_cast<int>(e.kind));
        for (const std::string* field : {&e.value, &e.key, &e.result, &e.detail}) {
            text += '\t';
            text += escaped(*field);
        }
        text += '\t';
        text += std::to_string(e.time);
        text += '\n';
    }
    return text;
}

std::optional<Tape> parseTapeFile(std::string_view text) {
    if (!isUtf8(text)) return std::nullopt;
    const auto headerEnd = text.find('\n');
    std::string_view header = text.substr(0, headerEnd);
    Tape tape;
    if (header.ends_with(kDroppedMark)) {
        tape.markDroppedEarlier();
        header.remove_suffix(kDroppedMark.size());
    }
    if (header != kTapeHeader && header != kUntimedTapeHeader) return std::nullopt;
    const bool timed = header == kTapeHeader;
    std::size_t start = headerEnd == std::string_view::npos ? text.size() : headerEnd + 1;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos) return std::nullopt;  // cut off mid-line
        std::optional<TapeEntry> entry = parseLine(text.substr(start, end - start), timed);
        if (!entry) return std::nullopt;
        tape.append(std::move(*entry));
        start = end + 1;
    }
    tape.markSaved();
    return tape;
}

namespace {

enum class TapeFileState { Missing, Read, Damaged, Refused };

struct TapeOnDisk {
    TapeFileState state = TapeFileState::Missing;
    Tape tape;
    std::string problem;  // why it was refused
};

TapeOnDisk readTapeOnDisk(const std::filesystem::path& path) {
    TapeOnDisk disk;
    FileText read = readRegularFile(path);
    switch (read.status) {
        case FileOpenStatus::Missing:
            return disk;
        case FileOpenStatus::Refused:
            disk.state = TapeFileState::Refused;
            disk.problem = std::move(read.problem);
            return disk;
        case FileOpenStatus::Opened:
            break;
    }
    std::optional<Tape> tape = parseTapeFile(read.text);
    disk.state = tape ? TapeFileState::Read : TapeFileState::Damaged;
    if (tape) disk.tape = std::move(*tape);
    return disk;
}

// Renames a damaged file beside itself, never over an earlier damaged tape
// (that one is the user's too); nothing when it cannot be.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& path) {
    return setAsideDamaged(path).aside;
}

std::string setAsideMessage(const std::filesystem::path& path, const std::filesystem::path& aside) {
    return std::string(kTapeFileText) + quotedPath(path) + std::string(kTapeSetAsideText) +
           quotedPath(aside) + std::string(kNewTapeText);
}

std::string keptDamagedMessage(const std::filesystem::path& path) {
    return quotedPath(path) + std::string(kDamagedTapeKeptText);
}

}  // namespace

TapeLoad loadTapeFile(const std::filesystem::path& path) {
    TapeLoad load;
    // Nothing is made beside what is no regular file, not even the lock.
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    const bool irregular = type != std::filesystem::file_type::regular &&
                           type != std::filesystem::file_type::not_found;
    // A lock held too long is read past: a file replaced by renaming reads whole
    // anyway, and the save reports it if it is still held then.
    const FileLockResult locked = irregular ? FileLockResult{} : lockFile(path);
    TapeOnDisk disk = readTapeOnDisk(path);
    switch (disk.state) {
        case TapeFileState::Missing:
            break;
        case TapeFileState::Read:
            load.tape = std::move(disk.tape);
            break;
        case TapeFileState::Damaged:
            if (const auto aside = setAside(path))
                load.setAside = setAsideMessage(path, *aside);
            else
                load.keptDamaged = keptDamagedMessage(path);
            break;
        case TapeFileState::Refused:
            load.refused = std::move(disk.problem);
            break;
    }
    return load;
}

Expected<void> saveTapeFile(const std::filesystem::path& path, Tape& tape, bool createFolder) {
    // Every reason names the file.
    auto failed = [](std::string_view why) {
        return failure(std::string(kTapeNotWrittenText) + std::string(why));
    };
    std::error_code error;
    if (createFolder && path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    const FileLockResult locked = lockFile(path);
    if (locked.busy) return failed(*locked.busy);
    TapeOnDisk disk = readTapeOnDisk(path);
    Tape merged;
    switch (disk.state) {
        case TapeFileState::Missing:
        case TapeFileState::Read:
            merged = mergedTape(disk.tape, tape);
            break;
        case TapeFileState::Damaged:
            // Damaged since it was read: the tape in memory is all there is.
            if (!setAside(path)) return failure(keptDamagedMessage(path));
            merged = tape;
            merged.markSaved();
            break;
        case TapeFileState::Refused:
            return failed(disk.problem);
    }
    if (const Expected<void> written = writeFileContent(path, writeTapeFile(merged)); !written)
        return failed(written.error());
    tape = std::move(merged);
    return {};
}

}  // namespace zentra
