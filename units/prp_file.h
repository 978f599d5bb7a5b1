#pragma once
// Properties files (".prp"): one record per line, "P:" a property, "U:" a unit
// of it, "C:" a constant of it. After the header line "o:..." every line is
// scrambled with a keystream that runs on through the whole file.
//
// Reading merges into the database; writing replaces the file only once the
// whole database has been written.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "base/message_texts.h"
#include "base/safe_file_write.h"
#include "units/property_database.h"

namespace zentra {

// ---- Keystream -------------------------------------------------------------

inline constexpr std::uint32_t kScrambleSeed = 0x3A9C52E7u;

// Advances the register and gives the next key, 0 to 127.
inline std::uint8_t nextScrambleKey(std::uint32_t& state) {
    state = (state & 0x40000u) ? ((state ^ 0x13u) << 1) | 1u : state << 1;
    return static_cast<std::uint8_t>(state & 0x7Fu);
}

// Adds (scramble) or subtracts (unscramble) one key per byte, from the start of
// line up to the first NUL, CR or LF and at most 100 bytes. Keys are below 128,
// so printable text never scrambles into a line end or a NUL.
void scrambleLine(std::uint32_t& state, std::string& line);
void unscrambleLine(std::uint32_t& state, std::string& line);

// ---- Records ---------------------------------------------------------------

enum class RecordKind { Property, Unit, Constant };

// Longest record line (without its line end): the reader takes this many
// characters per line, so the writer may use every one of them.
inline constexpr std::size_t kMaxRecordLine = 99;
// Longest names the New commands accept: they always fit, with numbers in
// their longest form (a unit whose factor and offset both need 17 digits
// writes them in their compact exact form instead).
inline constexpr std::size_t kMaxPropertyName = 96;
inline constexpr std::size_t kMaxUnitName = 48;
inline constexpr std::size_t kMaxConstantName = 72;

// Fails, saying why, when a name cannot be stored in a properties file. The
// New commands of the Properties dialog refuse such names.
Expected<void> checkRecordName(RecordKind kind, std::string_view name);

// A parsed "U:" or "C:" payload: the name and up to two numbers.
struct RecordFields {
    std::string_view name;
    std::optional<double> first;   // factor of a unit, value of a constant
    std::optional<double> second;  // offset of a unit
};
// Splits the payload (after "U:" or "C:") at runs of ':' and '\'.
RecordFields parseRecordFields(std::string_view payload);

// The record line of a unit ("U:name", "U:name\factor", "U:name\factor\offset")
// and of a constant ("C:name\value"), numbers as formatRecordDouble writes them.
std::string unitRecord(const Unit& unit);
std::string constantRecord(const Constant& constant);

// ---- Files -----------------------------------------------------------------

// The file operations show their message boxes (text and kWarningCaption)
// through the host's MessageSink (base/expected.h); an empty sink drops them.

// Reads one file into the database, merging (existing names are updated in
// place, new ones appended), then sets the dynamic constants. Returns false,
// with no message, when the file cannot be opened; on a corrupt line shows
// kCorruptDatabaseText, keeps what was read before it and returns
// false. Leaves db.modified alone. osVersion, when given, replaces
// db.osVersion for the "Windows Version" constant.
bool loadDatabase(PropertyDatabase& db, const std::filesystem::path& path, const MessageSink& sink,
                  std::optional<double> osVersion = std::nullopt);

// Writes the whole database as writeFileContent does: the old file stays as
// it was unless the new one is complete. Every record a load accepts can be
// stored (a long one with its numbers in their shortest form); when one cannot
// (a line end or NUL in a name, ':' or '\\' in a unit's or constant's name, a
// line too long) nothing is written. Clears db.modified on success. Fails,
// leaving db.modified, when nothing could be written or the database is
// empty; the error is the message to show: kCannotWriteText, then on a line of
// its own the first record or file problem, when there is one, and how many
// more there are.
Expected<void> saveDatabase(PropertyDatabase& db, const std::filesystem::path& path,
                            const FileSaveHooks& hooks = {});

// Fails, with the message saveDatabase would give, when path's folder is
// missing or is no folder: checked before a run that saves at its end.
Expected<void> checkDatabaseFolder(const std::filesystem::path& path);

// The user's database and the factory one, as start-up looks for them.
inline constexpr const char* kUserDatabaseFile = "default.prp";
inline constexpr const char* kFactoryDatabaseFile = "factory.prp";

// Start-up: clears db.modified, creates the built-in content, then loads the
// first of "default.prp", "factory.prp" that loads, from the current directory
// and then from each of searchDirectories in turn. When none loads, shows
// kNoDatabaseText. Returns the file loaded.
std::optional<std::filesystem::path> initDatabase(PropertyDatabase& db,
                                                  const std::vector<std::string>& searchDirectories,
                                                  const MessageSink& sink, double osVersion);

}  // namespace zentra
