#include "dialogs/convert_dialog_model.h"

#include "base/message_texts.h"
#include "dialogs/find_dialog_model.h"

namespace zentra {
namespace {

bool ownsUnit(const Property& property, const Unit* unit) {
    for (const Unit& u : property.units) {
        if (&u == unit) return true;
    }
    return false;
}

}  // namespace

void ConvertDialogModel::onInitialise() {
    view().setTitle(kTitle);
    view().addListItems(kPropertyList, namesOf(db_.properties));
    if (!property) return;
    // Selecting by name maps the stand-alone "dimensionless" to the database's.
    view().selectListString(kPropertyList, property->name);
    // The remembered From unit carries over by name, and only within the
    // property passed in.
    Unit* remembered = fromUnit ? findUnit(db_, *property, fromUnit->name, true) : nullptr;
    propertyChanged();
    if (remembered) {
        fromUnit = remembered;
        view().selectListString(kFromList, remembered->name);
    }
}

void ConvertDialogModel::onSelectionChanged(ControlId list) {
    switch (list) {
        case kPropertyList:
            propertyChanged();
            break;
        case kFromList:
            unitChanged(kFromList, kFromSI, fromUnit);
            break;
        case kToList:
            unitChanged(kToList, kToSI, toUnit);
            break;
        default:
            break;
    }
}

void ConvertDialogModel::onClicked(ControlId button) {
    switch (button) {
        case kFromSI:
            selectSI(kFromList, kFromSI, fromUnit);
            break;
        case kToSI:
            selectSI(kToList, kToSI, toUnit);
            break;
        case kFind:
            find();
            break;
        default:
            break;
    }
}

bool ConvertDialogModel::onAccept() {
    if (fromUnit && !(property && ownsUnit(*property, fromUnit))) fromUnit = nullptr;
    if (toUnit && !(property && ownsUnit(*property, toUnit))) toUnit = nullptr;
    return true;
}

void ConvertDialogModel::propertyChanged() {
    auto selected = view().selectedListText(kPropertyList);
    property = selected ? findProperty(db_, *selected, false) : nullptr;
    view().clearList(kFromList);
    view().clearList(kToList);
    if (property && property->units.empty()) return;
    if (property) {
        view().addListItems(kFromList, namesOf(property->units));
        view().copyList(kFromList, kToList);
        view().selectListString(kFromList, property->currentUnit->name);
        view().selectListString(kToList, property->currentUnit->name);
    }
    unitChanged(kFromList, kFromSI, fromUnit);
    unitChanged(kToList, kToSI, toUnit);
}

void ConvertDialogModel::unitChanged(ControlId list, ControlId siButton, Unit*& unit) {
    // The SI button is usable exactly while there is a property to look in.
    view().setEnabled(siButton, property != nullptr);
    if (!property) return;
    auto selected = view().selectedListText(list);
    if (!selected) return;
    unit = findUnit(db_, *property, *selected, false);
}

void ConvertDialogModel::selectSI(ControlId list, ControlId siButton, Unit*& unit) {
    if (!property) return;
    if (Unit* si = findSIUnit(*property)) view().selectListString(list, si->name);
    unitChanged(list, siButton, unit);
}

void ConvertDialogModel::find() {
    FindDialogModel dialog(db_, false);
    if (!view().runFindDialog(dialog)) return;
    if (!dialog.foundProperty) {
        view().showMessage(kNoPropertyOrUnitText);
        return;
    }
    property = dialog.foundProperty;
    view().selectListString(kPropertyList, property->name);
    propertyChanged();
    if (dialog.foundUnit) {
        fromUnit = toUnit = dialog.foundUnit;
        view().selectListString(kFromList, dialog.foundUnit->name);
        view().selectListString(kToList, dialog.foundUnit->name);
    }
}

}  // namespace zentra
