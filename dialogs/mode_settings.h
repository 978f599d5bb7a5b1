#pragma once
// What the Calculator Mode dialog edits, and the validation its model applies
// on OK.

#include <optional>
#include <string>

#include "base/appearance_settings.h"
#include "base/message_texts.h"
#include "base/number_modes.h"
#include "units/property_database.h"

namespace zentra {

// Angle radio buttons, by position in their group.
enum class AngleChoice : int { Deg = 0, Rad = 1, Grad = 2 };

// Names of the "angle" units the radio buttons stand for.
inline constexpr const char* kAngleUnitNames[] = {kDegreesUnit, kRadiansUnit, kGradsUnit};

inline constexpr int kDigitsMin = 1;
inline constexpr int kDigitsMax = 22;
inline constexpr int kApoTimeMin = 10;
inline constexpr int kApoTimeMax = 32000;

// What the dialog edits. The two edit fields are held as typed; validation turns
// them into digits and apoTime.
struct ModeSettings {
    AngleChoice angle = AngleChoice::Deg;
    NumberBase numberBase = NumberBase::Decimal;
    DisplayType displayType = DisplayType::Normal;
    std::string digitsText = "10";
    bool autoPowerOff = false;
    std::string apoTimeText = "120";
    bool bodyBevel = false;
    bool alwaysOnTop = false;
    bool errorBeep = true;
    bool groupDigits = false;
    Rgb textColour{0, 255, 255};
    Rgb backColour{0, 0, 64};
    Rgb bodyColour{128, 128, 128};
    // The Font button writes straight into the window's own display font (a font
    // chosen there stays even when the dialog is cancelled). Null when the host
    // has no appearance settings.
    FontSpec* displayFontSpec = nullptr;

    // Filled by validateModeSettings.
    int digits = 10;
    int apoTime = 120;
};

enum class ModeField { Digits, ApoTime };

struct ModeFieldProblem {
    ModeField field;
    std::string message;  // kEnterIntegerText or the range text
};

// "Please enter an integer between %1 and %2." with the bounds filled in.
std::string integerRangeText(int low, int high);

// Reads an integer edit as the dialog-data exchange does: blanks around an
// optional sign and decimal digits, nothing else. Nothing for other text.
// Values beyond an int read as the nearest int limit (so they fail the range).
std::optional<int> parseIntegerField(const std::string& text);

// Checks the fields in the dialog's order (Digits, then sec) and fills digits
// and apoTime. The first problem stops the check; the dialog stays open with
// the message and gives that field the focus.
std::optional<ModeFieldProblem> validateModeSettings(ModeSettings& settings);

}  // namespace zentra
