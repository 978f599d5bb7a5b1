#pragma once
// The fixed texts of message boxes, shown alike by the window and zentra-cli.

#include <string_view>

namespace zentra {

// The program's name: the window title without its mode suffix, and the About box's.
inline constexpr const char* kTitleBase = "Zentra";

// The warning after the sixth key refused in Error status.
inline constexpr const char* kNeedAllClearText =
    "Need to do an All Clear because of Error condition";

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

// A number field whose text is not a number.
inline constexpr const char* kEnterNumberText = "Please enter a number.";

}  // namespace zentra
