#include "engine/mode_dialog.h"

#include "engine/display_format.h"
#include "engine/key_handlers.h"
#include "engine/key_labels.h"
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
    applyModeLayout(state, view);
    showValue(state, view, heldValue);
}

void runModeDialog(CalculatorState& state, CalculatorView& view) {
    PowerOffPause pause(view);
    const double held = readDisplayValue(state, view);
    // The model hands back only settings it validated.
    ModeDialogModel model(modeSettingsFrom(state, view));
    if (!view.runModeDialog(model)) return;
    applyModeSettings(state, view, model.settings(), held);
}

void keyMode(CalculatorState& state, CalculatorView& view) {
    runModeDialog(state, view);
}

}  // namespace zentra
