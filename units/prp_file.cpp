#include "units/prp_file.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <utility>

#include "base/number_text.h"
#include "base/safe_file_read.h"

namespace zentra {
namespace {

// Fixed bytes after "o:10"; readers look only at "o:".
constexpr std::string_view kHeaderLine = "o:10Zentra properties v3.31";
static_assert(kHeaderLine.size() == 27);

// The scrambling walk stops after this many bytes.
constexpr std::size_t kMaxScrambled = 100;

bool isSeparator(char c) {
    return c == ':' || c == '\\';
}
bool endsWalk(char c) {
    return c == '\0' || c == '\n' || c == '\r';
}

template <int Sign>
void applyKeys(std::uint32_t& state, std::string& line) {
    for (std::size_t i = 0; i < line.size() && i < kMaxScrambled && !endsWalk(line[i]); ++i) {
        const auto key = static_cast<unsigned>(nextScrambleKey(state));
        const auto byte = static_cast<unsigned char>(line[i]);
        line[i] =
            static_cast<char>(static_cast<unsigned char>(byte + static_cast<unsigned>(Sign) * key));
    }
}

// A number field as the C library's decimal conversion reads it, infinities and
// NaN included (a saved infinite factor must read back as one).
double readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t j = i;
    bool negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
    auto startsWith = [&](std::string_view word) {
        if (text.size() - j < word.size()) return false;
        for (std::size_t k = 0; k < word.size(); ++k) {
            if (std::tolower(static_cast<unsigned char>(text[j + k])) != word[k]) return false;
        }
        return true;
    };
    if (startsWith("inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (startsWith("nan"))
        return negative ? -std::numeric_limits<double>::quiet_NaN()
                        : std::numeric_limits<double>::quiet_NaN();
    return parseDecimalPrefix(text.substr(i));
}

// Reads record lines as the format defines them: up to a line feed (dropped,
// with a carriage return before it) or up to 99 characters, the rest of a longer
// line coming as the next line. A line cut short by the end of the file is not
// a line. Reads in blocks, so memory stays bounded whatever the file holds.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd), buf_(kBlock) {}

    // A read error ended the lines early.
    bool failed() const { return failed_; }

    bool next(std::string& line) {
        line.clear();
        while (line.size() < kMaxRecordLine) {
            const int c = peek(0);
            if (c < 0) return false;
            if (atLineEnd()) return true;
            line.push_back(static_cast<char>(c));
            ++pos_;
        }
        // A full piece: a line end right after it belongs to it.
        if (peek(0) < 0) return false;
        atLineEnd();
        return true;
    }

private:
    // Many lines a block; a bigger one only adds fresh pages to touch at start-up.
    static constexpr std::size_t kBlock = 1 << 12;

    // Consumes a line end (LF or CR LF) at the current position, if one is there.
    bool atLineEnd() {
        if (peek(0) == '\n') {
            pos_ += 1;
            return true;
        }
        if (peek(0) == '\r' && peek(1) == '\n') {
            pos_ += 2;
            return true;
        }
        return false;
    }

    // The byte ahead of the current position, or -1 at the end of the file.
    int peek(std::size_t ahead) {
        if (pos_ + ahead >= len_) refill();
        if (pos_ + ahead >= len_) return -1;
        return static_cast<unsigned char>(buf_[pos_ + ahead]);
    }

    void refill() {
        if (ended_) return;
        std::copy(buf_.begin() + static_cast<std::ptrdiff_t>(pos_),
                  buf_.begin() + static_cast<std::ptrdiff_t>(len_), buf_.begin());
        len_ -= pos_;
        pos_ = 0;
        while (len_ < buf_.size()) {
            const ssize_t n = ::read(fd_, buf_.data() + len_, buf_.size() - len_);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ended_ = true;
                failed_ = n < 0;
                return;
            }
            len_ += static_cast<std::size_t>(n);
        }
    }

    int fd_;
    bool ended_ = false;
    bool failed_ = false;
    std::vector<char> buf_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

// Cuts a line at its first NUL, as a C string would end there.
void cutAtNul(std::string& line) {
    const auto nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
}

// A call without a sink has nobody to tell.
void show(const MessageSink& sink, std::string_view text, std::string_view caption) {
    if (sink) sink(text, caption);
}

// kCannotWriteText, then on a line of its own what went wrong first, when known.
Failure cannotWrite(const std::vector<std::string>& problems) {
    std::string message(kCannotWriteText);
    if (problems.empty()) return failure(std::move(message));
    message += "\n" + problems.front();
    if (problems.size() > 1) message += "\n(and " + std::to_string(problems.size() - 1) + " more)";
    return failure(std::move(message));
}

// Does line scramble into bytes that the reader would take for a line end or
// the end of the text? The walk stops where scrambleLine stops; bytes after a
// carriage return stay as they are, and the reader's walk stops there too.
bool scramblesCleanly(std::uint32_t state, std::string_view line) {
    for (std::size_t i = 0; i < line.size() && i < kMaxScrambled && !endsWalk(line[i]); ++i) {
        const auto key = static_cast<unsigned>(nextScrambleKey(state));
        const auto out = static_cast<unsigned char>(static_cast<unsigned char>(line[i]) + key);
        if (endsWalk(static_cast<char>(out))) return false;
    }
    return true;
}

// Produces the whole file in memory, so that nothing is written unless every
// record can be stored.
class RecordWriter {
public:
    explicit RecordWriter(std::string& out, std::uint32_t& state) : out_(out), state_(state) {}

    void writeHeader() { writeRaw(kHeaderLine); }

    // Writes one record scrambled. Bytes of 0x80 and above (UTF-8 names) and
    // control characters can scramble into NUL, CR or LF; then an ignored "V:"
    // line of printable filler goes first, its length moving the keystream on
    // to keys that scramble the record cleanly.
    bool writeRecord(std::string_view line) {
        for (int round = 0; round < kMaxFillerRounds; ++round) {
            if (scramblesCleanly(state_, line)) {
                writeScrambled(std::string(line));
                return true;
            }
            std::size_t filler = 2;
            for (; filler <= kMaxRecordLine; ++filler) {
                std::uint32_t ahead = state_;
                for (std::size_t k = 0; k < filler; ++k) nextScrambleKey(ahead);
                if (scramblesCleanly(ahead, line)) break;
            }
            filler = std::min(filler, kMaxRecordLine);
            writeScrambled("V:" + std::string(filler - 2, '-'));
        }
        return false;
    }

private:
    static constexpr int kMaxFillerRounds = 64;

    void writeScrambled(std::string line) {
        scrambleLine(state_, line);
        writeRaw(line);
    }
    void writeRaw(std::string_view line) {
        out_ += line;
        out_ += "\r\n";
    }

    std::string& out_;
    std::uint32_t& state_;
};

// Writes a record line, or says why it could not be read back as itself. A
// carriage return in a name is no problem: without a line feed after it, it is
// no line end.
Expected<void> storeRecord(RecordWriter& writer, RecordKind kind, std::string_view name,
                           const std::string& line) {
    if (name.find_first_of(std::string_view("\0\n", 2)) != std::string_view::npos)
        return failure(kNameHasLineBreakText);
    if (kind != RecordKind::Property && name.find_first_of(":\\") != std::string_view::npos)
        return failure(kNameHasSeparatorText);
    if (line.size() > kMaxRecordLine) return failure(kRecordTooLongText);
    if (!writer.writeRecord(line)) return failure(kRecordNotScrambledText);
    return {};
}

// The shortest text the reader turns back into exactly value: the shortest
// digits, then whichever of the plain form (".5", "120") and the form with an
// integer mantissa ("12e-6", "1e5") is shorter.
std::string compactNumber(double value) {
    if (!std::isfinite(value) || value == 0.0) return formatShortestDouble(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    std::string sign;
    if (text.front() == '-') {
        sign = "-";
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') digits += c;
    }
    int exponent = 0;  // of the first digit
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    if (text[e + 1] == '-') exponent = -exponent;
    const int last = static_cast<int>(digits.size()) - 1;
    const int scaled = exponent - last;  // of the last digit
    const std::string integer = scaled == 0 ? digits : digits + "e" + std::to_string(scaled);
    std::string plain;
    if (scaled >= 0) {
        plain = digits + std::string(static_cast<std::size_t>(scaled), '0');
    } else if (exponent >= 0) {
        plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        plain = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return sign + (integer.size() < plain.size() ? integer : plain);
}

// The unit's record, with numbers in their shortest exact form when the usual
// form would make the line too long (a name read from a file may be longer
// than the New commands allow). Never longer than the line it was read from.
std::string fittingUnitRecord(const Unit& unit) {
    std::string line = unitRecord(unit);
    if (line.size() <= kMaxRecordLine) return line;
    line = "U:" + unit.name;
    if (!(unit.factor == 1.0 && unit.offset == 0.0)) line += '\\' + compactNumber(unit.factor);
    if (unit.offset != 0.0) line += '\\' + compactNumber(unit.offset);
    return line;
}

std::string fittingConstantRecord(const Constant& constant) {
    std::string line = constantRecord(constant);
    if (line.size() <= kMaxRecordLine) return line;
    // A missing value reads as zero.
    if (constant.value == 0.0 && !std::signbit(constant.value)) return "C:" + constant.name;
    return "C:" + constant.name + '\\' + compactNumber(constant.value);
}

// Writes every property that has units; describes in problems each record that
// cannot be stored.
void writeProperties(RecordWriter& writer, const PropertyDatabase& db,
                     std::vector<std::string>& problems) {
    for (const Property& property : db.properties) {
        if (property.units.empty()) continue;
        auto write = [&](RecordKind kind, const std::string& name, const std::string& line) {
            const Expected<void> stored = storeRecord(writer, kind, name, line);
            if (stored) return;
            const char* what = kind == RecordKind::Property ? "property \""
                               : kind == RecordKind::Unit   ? "unit \""
                                                            : "constant \"";
            problems.push_back(
                what + name + "\"" +
                (kind == RecordKind::Property ? "" : " of \"" + property.name + "\"") + ": " +
                stored.error());
        };
        write(RecordKind::Property, property.name, "P:" + property.name);
        const Unit* current = nullptr;
        for (const Unit& unit : property.units) {
            if (&unit == property.currentUnit) current = &unit;
        }
        if (current) write(RecordKind::Unit, current->name, fittingUnitRecord(*current));
        for (const Unit& unit : property.units) {
            if (&unit != current) write(RecordKind::Unit, unit.name, fittingUnitRecord(unit));
        }
        for (const Constant& constant : property.constants) {
            write(RecordKind::Constant, constant.name, fittingConstantRecord(constant));
        }
    }
}

}  // namespace

void scrambleLine(std::uint32_t& state, std::string& line) {
    applyKeys<1>(state, line);
}
void unscrambleLine(std::uint32_t& state, std::string& line) {
    applyKeys<-1>(state, line);
}

Expected<void> checkRecordName(RecordKind kind, std::string_view name) {
    const char* what = kind == RecordKind::Property ? "Property"
                       : kind == RecordKind::Unit   ? "Unit"
                                                    : "Constant";
    if (name.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) {
        return failure(what + std::string(kNamesWithoutLineBreaksText));
    }
    if (kind != RecordKind::Property && name.find_first_of(":\\") != std::string_view::npos) {
        return failure(what + std::string(kNamesWithoutSeparatorsText));
    }
    const std::size_t limit = kind == RecordKind::Property ? kMaxPropertyName
                              : kind == RecordKind::Unit   ? kMaxUnitName
                                                           : kMaxConstantName;
    if (name.size() > limit) {
        return failure(what + std::string(kNamesAtMostText) + std::to_string(limit) +
                       std::string(kNameBytesText));
    }
    return {};
}

RecordFields parseRecordFields(std::string_view payload) {
    RecordFields fields;
    std::size_t i = 0;
    for (int index = 0; index < 3; ++index) {
        while (i < payload.size() && isSeparator(payload[i])) ++i;
        if (i >= payload.size()) break;
        const std::size_t start = i;
        while (i < payload.size() && !isSeparator(payload[i])) ++i;
        const std::string_view token = payload.substr(start, i - start);
        if (index == 0) {
            fields.name = token;
        } else if (index == 1) {
            fields.first = readNumber(token);
        } else {
            fields.second = readNumber(token);
        }
    }
    return fields;
}

std::string unitRecord(const Unit& unit) {
    std::string line = "U:" + unit.name;
    if (unit.factor == 1.0 && unit.offset == 0.0) return line;
    line += '\\';
    line += formatRecordDouble(unit.factor);
    if (unit.offset == 0.0) return line;
    line += '\\';
    line += formatRecordDouble(unit.offset);
    return line;
}

std::string constantRecord(const Constant& constant) {
    return "C:" + constant.name + '\\' + formatRecordDouble(constant.value);
}

bool loadDatabase(PropertyDatabase& db, const std::filesystem::path& path, const MessageSink& sink,
                  std::optional<double> osVersion) {
    if (osVersion) db.osVersion = *osVersion;
    db.scrambleState = kScrambleSeed;
    bool scrambled = false;
    Property* property = nullptr;

    // Only a regular file is read; a FIFO or device never blocks the start.
    const OpenedFile file = openRegularFile(path, true);
    if (file.status != FileOpenStatus::Opened) return false;
    LineReader reader(file.fd.get());
    std::string line;
    while (reader.next(line)) {
        cutAtNul(line);
        if (scrambled) {
            unscrambleLine(db.scrambleState, line);
            cutAtNul(line);
        }
        const char type = line.empty() ? '\0' : line[0];
        if (line.size() < 2 || line[1] != ':' ||
            std::string_view("PUCoOV").find(type) == std::string_view::npos) {
            show(sink, kCorruptDatabaseText, kWarningCaption);
            return false;
        }
        const std::string_view payload = std::string_view(line).substr(2);
        switch (type) {
            case 'P':
                property = &addProperty(db, payload);
                break;
            case 'U':
                if (property) {
                    const RecordFields f = parseRecordFields(payload);
                    double factor = f.first.value_or(1.0);
                    if (factor == 0.0) factor = 1.0;  // a zero factor would divide by zero
                    setUnit(*property, f.name, factor, f.second.value_or(0.0));
                }
                break;
            case 'C':
                if (property) {
                    const RecordFields f = parseRecordFields(payload);
                    setConstant(*property, f.name, f.first.value_or(0.0));
                }
                break;
            case 'o':
                scrambled = true;
                break;
            default:  // 'O', 'V': ignored
                break;
        }
    }
    if (reader.failed()) {
        show(sink, kCorruptDatabaseText, kWarningCaption);
        return false;
    }
    addDynamicConstants(db, db.osVersion);
    return true;
}

Expected<void> saveDatabase(PropertyDatabase& db, const std::filesystem::path& path,
                            const FileSaveHooks& hooks) {
    if (db.properties.empty()) return cannotWrite({});
    std::string text;
    db.scrambleState = kScrambleSeed;
    RecordWriter writer(text, db.scrambleState);
    writer.writeHeader();
    std::vector<std::string> unstorable;
    writeProperties(writer, db, unstorable);
    if (!unstorable.empty()) return cannotWrite(unstorable);
    if (auto written = writeFileContent(path, text, hooks); !written)
        return cannotWrite({written.error()});
    db.modified = false;
    return {};
}

Expected<void> checkDatabaseFolder(const std::filesystem::path& path) {
    if (auto folder = checkFolderExists(path); !folder) return cannotWrite({folder.error()});
    return {};
}

std::optional<std::filesystem::path> initDatabase(PropertyDatabase& db,
                                                  const std::vector<std::string>& searchDirectories,
                                                  const MessageSink& sink, double osVersion) {
    db.modified = false;
    db.osVersion = osVersion;
    addBuiltInContent(db);
    std::vector<std::filesystem::path> directories{std::filesystem::path()};
    for (const std::string& dir : searchDirectories) directories.emplace_back(dir);
    for (const std::filesystem::path& dir : directories) {
        for (const char* name : {kUserDatabaseFile, kFactoryDatabaseFile}) {
            const std::filesystem::path file =
                dir.empty() ? std::filesystem::path(name) : dir / name;
            if (loadDatabase(db, file, sink)) return file;
        }
    }
    show(sink, kNoDatabaseText, kWarningCaption);
    return std::nullopt;
}

}  // namespace zentra
