#pragma once
// The fixed texts of message boxes, shown alike by the window and zentra-cli.

#include <string_view>

namespace zentra {

// The caption of every warning; the window gives such a box the warning icon.
inline constexpr std::string_view kWarningCaption = "Warning";

// Properties files.
inline constexpr std::string_view kCorruptDatabaseText = "Corrupt properties database";
inline constexpr std::string_view kNoDatabaseText = "Unable to open properties database";
inline constexpr std::string_view kCannotWriteText = "Sorry, couldn't write properties";
inline constexpr std::string_view kCannotReadText = "Sorry, couldn't read properties";

// A Find in the Convert and Properties dialogs that found nothing.
inline constexpr const char* kNoPropertyOrUnitText = "Couldn't find Property or Unit";
inline constexpr const char* kNoPropertyUnitOrConstantText =
    "Couldn't find Property, Unit or Constant";

// The tape file. The texts follow the quoted path.
inline constexpr std::string_view kFileInUseText = " is in use by another run";
inline constexpr std::string_view kDamagedTapeKeptText =
    " is damaged and could not be set aside; it is left as it was, and this session's steps are "
    "kept in memory only";

// A number field whose text is not a number.
inline constexpr const char* kEnterNumberText = "Please enter a number.";

}  // namespace zentra
