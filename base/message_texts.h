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

// The tape's first line once its oldest entries have fallen off.
inline constexpr std::string_view kTapeDroppedText = "Earlier steps dropped";

// Save Tape As and Print Tape that failed; the path and the reason follow the first.
inline constexpr std::string_view kTapeNotSavedText = "Couldn't save the tape to";
inline constexpr std::string_view kTapeNotPrintedText = "Couldn't print the tape";

// A number field whose text is not a number.
inline constexpr const char* kEnterNumberText = "Please enter a number.";

}  // namespace zentra
