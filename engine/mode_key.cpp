#include "engine/mode_key.h"

#include <array>
#include <string>

#include "base/tape.h"
#include "engine/display_format.h"
#include "units/property_database.h"

namespace zentra {

AngleChoice currentAngleChoice(PropertyDatabase* database) {
    if (!database) return AngleChoice::Deg;
    Property* angle = findProperty(*database, kAngleProperty, true);
    if (!angle) return AngleChoice::Deg;
    if (angle->currentUnit == findUnit(*database, *angle, kRadiansUnit, true))
        return AngleChoice::Rad;
    if (angle->currentUnit == findUnit(*database, *angle, kGradsUnit, true))
        return AngleChoice::Grad;
    return AngleChoice::Deg;
}

ModeSettings modeSettingsFrom(const CalculatorState& state, CalculatorView& view) {
    ModeSettings s;
    s.angle = currentAngleChoice(state.database);
    s.numberBase = state.numberBase;
    s.displayType = state.displayType;
    s.digits = state.digits;
    s.digitsText = std::to_string(state.digits);
    s.autoPowerOff = state.autoPowerOff;
    s.apoTime = state.apoTime;
    s.apoTimeText = std::to_string(state.apoTime);
    s.alwaysOnTop = state.alwaysOnTop;
    s.errorBeep = state.errorBeep;
    s.groupDigits = state.groupDigits;
    if (AppearanceSettings* appearance = view.appearanceSettings()) {
        s.bodyBevel = appearance->bodyBevel;
        s.textColour = appearance->textColour;
        s.backColour = appearance->backColour;
        s.bodyColour = appearance->bodyColour;
        s.displayFontSpec = &appearance->displayFontSpec;
    }
    return s;
}

void applyModeSettings(CalculatorState& state, CalculatorView& view, const ModeSettings& settings,
                       double heldValue) {
    state.displayType = settings.displayType;
    state.digits = settings.digits;
    state.numberBase = settings.numberBase;
    state.autoPowerOff = settings.autoPowerOff;
    state.alwaysOnTop = settings.alwaysOnTop;
    state.errorBeep = settings.errorBeep;
    state.groupDigits = settings.groupDigits;
    state.apoTime = settings.apoTime;
    if (AppearanceSettings* appearance = view.appearanceSettings()) {
        appearance->textColour = settings.textColour;
        appearance->backColour = settings.backColour;
        appearance->bodyColour = settings.bodyColour;
        appearance->bodyBevel = settings.bodyBevel;
    }
    // Z-order, brushes, fonts and the repaint request.
    view.applyAppearance(state);

    if (state.database) {
        if (Property* angle = findProperty(*state.database, kAngleProperty, true)) {
            const int choice = static_cast<int>(settings.angle);
            const char* name = kAngleUnitNames[choice >= 0 && choice <= 2 ? choice : 0];
            angle->currentUnit = findUnit(*state.database, *angle, name, false);
        }
    }
    // A new mode starts without the latches.
    state.shift = false;
    state.hyp = false;
    markCaptions(state, CaptionChange::Mode);
    showValue(state, view, heldValue);
}

namespace {

constexpr std::array<const char*, 6> kBaseNames = {"Decimal",     "Binary",     "Octal",
                                                   "Hexadecimal", "Statistics", "Financial"};
constexpr std::array<const char*, 4> kDisplayTypeNames = {"Normal", "Fixed", "Scientific",
                                                          "Financial"};
constexpr std::array<const char*, 3> kAngleNames = {"Degrees", "Radians", "Grads"};

template <std::size_t N, class Enum>
const char* nameIn(const std::array<const char*, N>& names, Enum value) {
    const auto i = static_cast<std::size_t>(value);
    return i < names.size() ? names[i] : "";
}

// The settings that change what later values mean, each a step on the tape.
void reportModeChanges(Tape& tape, const ModeSettings& before, const ModeSettings& after) {
    const auto report = [&tape](const std::string& text) {
        tape.append(TapeKind::Setting, "Mode: " + text);
    };
    if (after.numberBase != before.numberBase) report(nameIn(kBaseNames, after.numberBase));
    if (after.displayType != before.displayType || after.digits != before.digits)
        report(std::string(nameIn(kDisplayTypeNames, after.displayType)) + ", " +
               std::to_string(after.digits) + " digits");
    if (after.angle != before.angle) report(nameIn(kAngleNames, after.angle));
}

}  // namespace

void runModeDialog(CalculatorState& state, CalculatorView& view) {
    PowerOffPause pause(view);
    const double held = readDisplayValue(state, view);
    // The model hands back only settings it validated.
    const ModeSettings before = modeSettingsFrom(state, view);
    ModeDialogModel model(before);
    if (!view.runModeDialog(model)) return;
    applyModeSettings(state, view, model.settings(), held);
    if (state.tape) reportModeChanges(*state.tape, before, model.settings());
}

void keyMode(CalculatorState& state, CalculatorView& view) {
    runModeDialog(state, view);
}

}  // namespace zentra
