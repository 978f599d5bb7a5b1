#include "base/tape.h"

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "base/control_text.h"
#include "base/digit_groups.h"
#include "base/safe_file_write.h"

namespace zentra {
namespace {

constexpr std::string_view kArrow = " \u2192 ";
constexpr int kLastKind = static_cast<int>(TapeKind::Separator);
constexpr std::size_t kFieldCount = 5;  // the kind and the four texts

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

// Well-formed UTF-8 without overlong forms, surrogates or code points past U+10FFFF.
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::optional<TapeEntry> parseLine(std::string_view line) {
    std::array<std::string_view, kFieldCount> fields;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        if (count == kFieldCount) return std::nullopt;
        fields[count++] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (count != kFieldCount || fields[0].size() != 1 || fields[0][0] < '0' ||
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
    return entry;
}

}  // namespace

namespace {

// Into the buffer the text already has: append to an emptied string is the
// short path, where assign takes the general replace with its overlap checks.
// The paper shows one line an entry, so a control character never gets in.
void refill(std::string& text, std::string_view with) {
    text.clear();
    if (!with.empty()) text.append(with);
    dropControlCharacters(text);
}

void dropEntryControls(TapeEntry& entry) {
    for (std::string* text : {&entry.value, &entry.key, &entry.result, &entry.detail})
        dropControlCharacters(*text);
}

}  // namespace

TapeEntry& Tape::nextSlot() {
    if (ring_.size() < kTapeLimit) {
        if (ring_.capacity() == 0) ring_.reserve(kTapeLimit);
        return ring_.emplace_back();
    }
    TapeEntry& slot = ring_[oldest_];
    if (++oldest_ == kTapeLimit) oldest_ = 0;
    return slot;
}

const TapeEntry& Tape::append(const TapeStep& step) {
    TapeEntry& slot = nextSlot();
    slot.kind = step.kind;
    refill(slot.value, step.value);
    refill(slot.key, step.key);
    refill(slot.result, step.result);
    refill(slot.detail, step.detail);
    return slot;
}

void Tape::append(TapeEntry&& entry) {
    dropEntryControls(entry);
    nextSlot() = std::move(entry);
}

void Tape::clear() {
    ring_.clear();
    oldest_ = 0;
}

std::vector<TapeEntry> Tape::entries() const {
    std::vector<TapeEntry> in;
    in.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) in.push_back((*this)[i]);
    return in;
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
            return std::string(value);
        case TapeKind::Separator:
            return joined({e.key, "----"});
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
            break;
    }
    value = trimmed(value);
    if (value.empty()) return std::nullopt;
    return std::string(value);
}

std::string tapeText(const Tape& tape) {
    std::string text;
    for (std::size_t i = 0; i < tape.size(); ++i) {
        text += tapeLineText(tape[i]);
        text += '\n';
    }
    return text;
}

std::string writeTapeFile(const Tape& tape) {
    std::string text(kTapeHeader);
    text += '\n';
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const TapeEntry& e = tape[i];
        text += static_cast<char>('0' + static_cast<int>(e.kind));
        for (const std::string* field : {&e.value, &e.key, &e.result, &e.detail}) {
            text += '\t';
            text += escaped(*field);
        }
        text += '\n';
    }
    return text;
}

std::optional<Tape> parseTapeFile(std::string_view text) {
    if (!isUtf8(text)) return std::nullopt;
    const auto headerEnd = text.find('\n');
    if (text.substr(0, headerEnd) != kTapeHeader) return std::nullopt;
    Tape tape;
    std::size_t start = headerEnd == std::string_view::npos ? text.size() : headerEnd + 1;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos) return std::nullopt;  // cut off mid-line
        std::optional<TapeEntry> entry = parseLine(text.substr(start, end - start));
        if (!entry) return std::nullopt;
        tape.append(std::move(*entry));
        start = end + 1;
    }
    return tape;
}

TapeLoad loadTapeFile(const std::filesystem::path& path) {
    TapeLoad load;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return load;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (in && !in.bad()) {
        if (std::optional<Tape> tape = parseTapeFile(content.str())) {
            load.tape = std::move(*tape);
            return load;
        }
    }
    std::filesystem::path aside = path;
    aside += ".damaged";
    std::filesystem::rename(path, aside, error);
    if (!error) load.setAside = aside;
    return load;
}

std::optional<std::string> saveTapeFile(const std::filesystem::path& path, const Tape& tape) {
    std::error_code error;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
    return replaceFileContent(path, writeTapeFile(tape));
}

}  // namespace zentra
