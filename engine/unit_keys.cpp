#include "engine/unit_keys.h"

#include "dialogs/convert_dialog_model.h"
#include "dialogs/properties_dialog_model.h"
#include "engine/display_format.h"
#include "engine/tape_notes.h"
#include "units/property_database.h"

namespace zentra {
namespace {

PropertiesDialogRunner propertiesRunner(CalculatorView& view) {
    return [&view](PropertiesDialogModel& model) { return view.runPropertiesDialog(model); };
}

// The shifted unit key: the same number is now taken to be in the current
// unit of the chosen property.
void chooseDisplayProperty(CalculatorState& state, CalculatorView& view) {
    if (Property* chosen =
            chooseProperty(*state.database, state.currentProperty, propertiesRunner(view))) {
        state.currentProperty = chosen;
    }
    state.shift = false;
    markCaptions(state, CaptionChange::Latches);
}

// The display value is read in the From unit and shown in the To unit, which
// becomes the property's current unit (for "angle", the angle mode).
void convertDisplay(CalculatorState& state, CalculatorView& view) {
    ConvertDialogModel dialog(*state.database);
    dialog.property = state.currentProperty;
    dialog.fromUnit = state.convertFromUnit;
    if (view.runConvertDialog(dialog)) {
        if (dialog.property) state.currentProperty = dialog.property;
        Property& property = *state.currentProperty;
        if (dialog.fromUnit) {
            property.currentUnit = dialog.fromUnit;
            state.convertFromUnit = dialog.fromUnit;
        }
        std::string shown = tapeDisplayText(view);
        const Unit& from = *property.currentUnit;
        const double si = toSI(*property.currentUnit, readDisplayValue(state, view));
        if (dialog.toUnit) property.currentUnit = dialog.toUnit;
        showValue(state, view, fromSI(*property.currentUnit, si));
        if (state.tape && state.calcStatus != CalcStatus::Error)
            noteTape(state, TapeKind::Conversion, shown, tapeDisplayText(view),
                     from.name + " \u2192 " + property.currentUnit->name);
    }
    markCaptions(state, CaptionChange::Latches);
}

// The property and constant a value came from: the first constant whose value
// it is in its property's current unit (the dialog leaves the unit chosen for
// it there). Nothing for a value typed into the dialog.
std::string constantName(const PropertyDatabase& database, double value) {
    for (const Property& property : database.properties)
        for (const Constant& constant : property.constants)
            if (fromSI(*property.currentUnit, constant.value) == value) {
                std::string name = property.name + ": " + constant.name;
                if (!property.currentUnit->name.empty())
                    name += " [" + property.currentUnit->name + "]";
                return name;
            }
    return {};
}

bool hasUnitContext(const CalculatorState& state) {
    return state.currentProperty != nullptr && state.database != nullptr;
}

}  // namespace

void keyUnit(CalculatorState& state, CalculatorView& view) {
    if (!hasUnitContext(state)) return;
    PowerOffPause pause(view);
    if (state.shift) {
        chooseDisplayProperty(state, view);
    } else {
        convertDisplay(state, view);
    }
}

void keyConst(CalculatorState& state, CalculatorView& view) {
    if (!hasUnitContext(state)) return;
    PowerOffPause pause(view);
    const double shown = readDisplayValue(state, view);
    const double chosen =
        chooseConstant(*state.database, state.currentProperty, shown, propertiesRunner(view));
    showValue(state, view, chosen);
    if (state.tape && chosen != shown && state.calcStatus != CalcStatus::Error)
        noteTape(state, TapeKind::Conversion, {}, tapeDisplayText(view),
                 constantName(*state.database, chosen));
}

}  // namespace zentra
