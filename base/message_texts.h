#pragma once
// The fixed texts of message boxes, shown alike by the window and zentra-cli.

#include <string_view>

namespace zentra {

// The program's name: the window title without its mode suffix, and the About box's.
inline constexpr const char* kTitleBase = "Zentra";

// The caption of the window's own message boxes and the settings store's name
// under the maker key.
inline constexpr const char* kApplicationTitle = "Marvolet";

// The warning after the sixth key refused in Error status.
inline constexpr const char* kNeedAllClearText =
    "Need to do an All Clear because of Error condition";

// The caption of every warning; the window gives such a box the warning icon.
inline constexpr std::string_view kWarningCaption = "Warning";

// Properties files.
inline constexpr std::string_view kCorruptDatabaseText = "Corrupt properties database";
// Why a record could not be saved, after the record's name.
inline constexpr const char* kNameHasLineBreakText =
    "its name contains a line feed or NUL character";
inline constexpr const char* kNameHasSeparatorText = "its name contains ':' or '\\'";
inline constexpr const char* kRecordTooLongText = "its record line is too long";
inline constexpr const char* kRecordNotScrambledText = "it cannot be scrambled";
// A new name refused, after "Property", "Unit" or "Constant" (a limit goes
// between the last two parts).
inline constexpr std::string_view kNamesWithoutLineBreaksText =
    " names cannot contain line breaks.";
inline constexpr std::string_view kNamesWithoutSeparatorsText =
    " names cannot contain ':' or '\\'.";
inline constexpr std::string_view kNamesAtMostText = " names can be at most ";
inline constexpr std::string_view kNameBytesText =
    " bytes long (letters outside ASCII take two or more).";
inline constexpr std::string_view kNoDatabaseText = "Unable to open properties database";
inline constexpr std::string_view kCannotWriteText = "Sorry, couldn't write properties";
inline constexpr std::string_view kCannotReadText = "Sorry, couldn't read properties";

// Files the user names; each text follows the quoted path.
inline constexpr std::string_view kNotRegularFileText = " is not a regular file";
inline constexpr std::string_view kForeignLinkText =
    " is a link owned by another user in a shared folder; it is not followed";
inline constexpr std::string_view kBrokenLinkText = " is a link to no file";
inline constexpr std::string_view kChangedWhileOpenText = " changed while it was being opened";
inline constexpr std::string_view kMissingFolderText = ": its folder does not exist";

// Settings files; each text follows the quoted path.
inline constexpr std::string_view kSettingsNotUsedText =
    "; the settings are not read from it or saved to it";
inline constexpr std::string_view kDamagedSettingsKeptText =
    " was damaged; every setting that could be read was kept, and the damaged file was set "
    "aside as ";
inline constexpr std::string_view kDamagedSettingsStuckText =
    " is damaged and could not be set aside, so it is left as it was and this session's "
    "settings are not saved: ";
inline constexpr std::string_view kDamagedSettingsUnwrittenText =
    " was damaged and was set aside, but what could be read could not be written back, so "
    "this session's settings are not saved: ";
inline constexpr std::string_view kSettingsLockedText = " is locked by another running program";

// A Find in the Convert and Properties dialogs that found nothing.
inline constexpr const char* kNoPropertyOrUnitText = "Couldn't find Property or Unit";
inline constexpr const char* kNoPropertyUnitOrConstantText =
    "Couldn't find Property, Unit or Constant";

// The tape file. The texts follow the quoted path.
inline constexpr std::string_view kFileInUseText = " is in use by another run";
inline constexpr std::string_view kDamagedTapeKeptText =
    " is damaged and could not be set aside; it is left as it was, and this session's steps are "
    "kept in memory only";
// A damaged tape file renamed: "the tape file", its path, the middle text, the
// new path, the end.
inline constexpr std::string_view kTapeFileText = "the tape file ";
inline constexpr std::string_view kTapeSetAsideText = " could not be read; it was set aside as ";
inline constexpr std::string_view kNewTapeText = " and a new tape starts";
// The tape file not written at the end of a run; the reason, naming the file, follows.
inline constexpr std::string_view kTapeNotWrittenText = "could not write the tape: ";

// The tape's first line once its oldest entries have fallen off.
inline constexpr std::string_view kTapeDroppedText = "Earlier steps dropped";

// Save Tape As and Print Tape that failed; the path and the reason follow the first.
inline constexpr std::string_view kTapeNotSavedText = "Couldn't save the tape to";
inline constexpr std::string_view kTapeNotPrintedText = "Couldn't print the tape";
// Why not, when the printing module is not where the program looks; its file name follows.
inline constexpr std::string_view kPrintModuleMissingText = "printing is not installed: no ";

// A number field whose text is not a number.
inline constexpr const char* kEnterNumberText = "Please enter a number.";
// An integer field whose text is no integer, or one out of its range (the two
// bounds go between the parts).
inline constexpr const char* kEnterIntegerText = "Please enter an integer.";
inline constexpr std::string_view kIntegerBetweenText = "Please enter an integer between ";
inline constexpr std::string_view kIntegerAndText = " and ";

// The Properties dialog's unit fields. A zero factor is refused: every reading
// would convert to 0 or overflow, and the file reader turns a stored 0 into 1.
inline constexpr const char* kFactorNotZeroText = "The factor must not be 0.";
inline constexpr const char* kChangeFactorText =
    "Are you sure you want to change the value of the conversion factor?";
inline constexpr const char* kChangeOffsetText =
    "Are you sure you want to change the value of the conversion offset?";

// A look-up of the database that found nothing, as its runtime problem says.
inline constexpr const char* kPropertyNotFoundText = "Property not found";
inline constexpr const char* kUnitNotFoundText = "Unit not found";
inline constexpr const char* kConstantNotFoundText = "Constant not found";

}  // namespace zentra
