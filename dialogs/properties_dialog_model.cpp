#include "dialogs/properties_dialog_model.h"

#include "base/message_texts.h"
#include "base/number_text.h"
#include "dialogs/find_dialog_model.h"
#include "dialogs/name_dialog_model.h"
#include "units/prp_file.h"

namespace zentra {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string numberFieldText(double value) {
    return formatDouble(value, 'g', 15, false);
}

std::optional<double> parseNumberField(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    std::size_t used = 0;
    double value = parseDecimalPrefix(text, &used);
    if (text.empty() || used != text.size()) return std::nullopt;
    return value;
}

void PropertiesDialogModel::onInitialise() {
    view().setTitle(title);
    refreshFields();
    fillPropertyList();
    if (property) {
        view().selectListString(kPropertyList, property->name);
        propertyChanged();
        constantChanged();
    }
    if (!allowPropertyChoice) {
        view().setEnabled(kPropertyList, false);
        view().setEnabled(kNewProperty, false);
    }
    if (!allowUnitEdit) {
        for (ControlId id : {kUnitList, kUnitSI, kNewUnit, kFactorEdit, kOffsetEdit}) {
            view().setEnabled(id, false);
        }
    }
    if (!constantsMode) {
        for (ControlId id : {kConstantList, kValueEdit, kNewConstant}) view().setVisible(id, false);
        view().setText(kConstantsGroup, "");
    } else {
        if (!allowConstantEdit) {
            view().setEnabled(kConstantList, false);
            view().setEnabled(kNewConstant, false);
        }
        for (ControlId id : {kFactorEdit, kOffsetEdit, kFactorLabel, kOffsetLabel}) {
            view().setVisible(id, false);
        }
        view().setText(kConstantsGroup, kConstantsCaption);
    }
}

void PropertiesDialogModel::onSelectionChanged(ControlId list) {
    switch (list) {
        case kPropertyList:
            propertyChanged();
            break;
        case kUnitList:
            unitChanged();
            break;
        case kConstantList:
            constantChanged();
            break;
        default:
            break;
    }
}

void PropertiesDialogModel::onClicked(ControlId button) {
    switch (button) {
        case kNewProperty:
            newProperty();
            break;
        case kNewUnit:
            newUnit();
            break;
        case kNewConstant:
            newConstant();
            break;
        case kUnitSI:
            selectSI();
            break;
        case kFind:
            find();
            break;
        case kSave:
            save();
            break;
        case kLoad:
            load();
            break;
        default:
            break;
    }
}

void PropertiesDialogModel::onFieldLeft(ControlId edit) {
    switch (edit) {
        case kFactorEdit:
            unitFieldLeft(&Unit::factor, &PropertiesDialogModel::factor, kChangeFactorText);
            break;
        case kOffsetEdit:
            unitFieldLeft(&Unit::offset, &PropertiesDialogModel::offset, kChangeOffsetText);
            break;
        case kValueEdit:
            valueFieldLeft();
            break;
        default:
            break;
    }
}

// OK stores nothing: edits reached the database when their fields were left.
bool PropertiesDialogModel::onAccept() {
    return readFields();
}

void PropertiesDialogModel::propertyChanged() {
    auto selected = view().selectedListText(kPropertyList);
    property = selected ? findProperty(db_, *selected, false) : nullptr;
    view().clearList(kUnitList);
    view().clearList(kConstantList);
    if (property) {
        if (constantsMode && !property->constants.empty()) {
            view().addListItems(kConstantList, namesOf(property->constants));
            view().selectFirstListItem(kConstantList);
        }
        // A property without units still goes through the unit step, which
        // resets and disables Factor and Offset and shows its constant: the
        // fields must not keep the previous property's numbers.
        if (!property->units.empty()) {
            view().addListItems(kUnitList, namesOf(property->units));
            view().selectListString(kUnitList, property->currentUnit->name);
        }
    }
    unitChanged();
}

void PropertiesDialogModel::unitChanged() {
    factor = 1.0;
    offset = 0.0;
    if (!property) {
        for (ControlId id : {kNewUnit, kUnitSI, kFactorEdit, kOffsetEdit}) {
            view().setEnabled(id, false);
        }
        constantChanged();
        refreshFields();
        return;
    }
    if (allowUnitEdit) {
        view().setEnabled(kNewUnit, true);
        view().setEnabled(kUnitSI, true);
    }
    auto selected = view().selectedListText(kUnitList);
    Unit* unit = selected ? findUnit(db_, *property, *selected, false) : nullptr;
    if (unit) {
        property->currentUnit = unit;  // at once: Cancel keeps it
        factor = unit->factor;
        offset = unit->offset;
        if (allowUnitEdit) {
            view().setEnabled(kFactorEdit, true);
            view().setEnabled(kOffsetEdit, true);
        }
        refreshFields();
    } else {
        refreshFields();
        view().setEnabled(kFactorEdit, false);
        view().setEnabled(kOffsetEdit, false);
    }
    if (constantsMode) constantChanged();
}

void PropertiesDialogModel::constantChanged() {
    shownValue = 0.0;
    if (!property) {
        view().setEnabled(kValueEdit, false);
        view().setEnabled(kNewConstant, false);
        refreshFields();
        return;
    }
    if (allowConstantEdit) view().setEnabled(kNewConstant, true);
    auto selected = view().selectedListText(kConstantList);
    Constant* constant = selected ? findConstant(db_, *property, *selected, false) : nullptr;
    if (constant) {
        shownValue = fromSI(*property->currentUnit, constantValue(db_, *constant));
        if (allowConstantEdit) view().setEnabled(kValueEdit, true);
        refreshFields();
    } else {
        refreshFields();
        view().setEnabled(kValueEdit, false);
    }
}

void PropertiesDialogModel::fillPropertyList() {
    view().clearList(kPropertyList);
    view().addListItems(kPropertyList, namesOf(db_.properties));
}

void PropertiesDialogModel::refreshFields() {
    view().setText(kFactorEdit, numberFieldText(factor));
    view().setText(kOffsetEdit, numberFieldText(offset));
    view().setText(kValueEdit, numberFieldText(shownValue));
}

// All three or none: a refused field changes nothing and gets the focus. A
// field still showing its value's text keeps the value whole: the text has
// fewer digits than the double (pi stays pi).
bool PropertiesDialogModel::readFields() {
    double values[3] = {factor, offset, shownValue};
    const ControlId edits[3] = {kFactorEdit, kOffsetEdit, kValueEdit};
    for (int i = 0; i < 3; ++i) {
        const std::string text = view().text(edits[i]);
        if (text == numberFieldText(values[i])) continue;
        auto value = parseNumberField(text);
        const char* refusal = !value                                     ? kEnterNumberText
                              : edits[i] == kFactorEdit && *value == 0.0 ? kFactorNotZeroText
                                                                         : nullptr;
        if (refusal) {
            view().showMessage(refusal);
            view().setFocus(edits[i]);
            return false;
        }
        values[i] = *value;
    }
    factor = values[0];
    offset = values[1];
    shownValue = values[2];
    return true;
}

void PropertiesDialogModel::unitFieldLeft(double Unit::*field, double PropertiesDialogModel::*shown,
                                          std::string_view question) {
    if (!allowUnitEdit || !property) return;
    // Every property without units shows the shared blank unit, which must stay
    // factor 1, offset 0.
    if (property->currentUnit == &blankUnit()) return;
    Unit& unit = *property->currentUnit;
    const double old = unit.*field;
    if (!readFields()) return;
    if (this->*shown == old) return;
    if (view().askYesNo(question, kWarningCaption)) {
        Unit edited = unit;
        edited.*field = this->*shown;
        editUnit(db_, unit, edited.factor, edited.offset);
    } else {
        this->*shown = old;
        refreshFields();
    }
}

void PropertiesDialogModel::valueFieldLeft() {
    if (!allowConstantEdit || !property) return;
    if (!readFields()) return;
    auto selected = view().selectedListText(kConstantList);
    if (!selected) {
        refreshFields();
        return;
    }
    if (Constant* constant = findConstant(db_, *property, *selected, false)) {
        editConstant(db_, *constant, toSI(*property->currentUnit, shownValue));
    }
}

std::optional<std::string> PropertiesDialogModel::askName(const char* dialogTitle) {
    NameDialogModel dialog(dialogTitle);
    if (!view().runNameDialog(dialog)) return std::nullopt;
    return dialog.name();
}

void PropertiesDialogModel::newProperty() {
    auto name = askName("New property name");
    if (!name) return;
    if (const auto named = checkRecordName(RecordKind::Property, *name); !named) {
        view().showMessage(named.error());
        return;
    }
    property = &createProperty(db_, *name);
    view().addListItem(kPropertyList, *name);
    view().selectListString(kPropertyList, *name);
    propertyChanged();
    factor = 1.0;
    offset = 0.0;
    refreshFields();
}

void PropertiesDialogModel::newUnit() {
    if (!property) return;
    auto name = askName("New unit name");
    if (!name) return;
    if (const auto named = checkRecordName(RecordKind::Unit, *name); !named) {
        view().showMessage(named.error());
        return;
    }
    Unit& unit = createUnit(db_, *property, *name);
    view().addListItem(kUnitList, *name);
    view().selectListString(kUnitList, *name);
    property->currentUnit = &unit;
    unitChanged();
    factor = 1.0;
    offset = 0.0;
    refreshFields();
}

void PropertiesDialogModel::newConstant() {
    if (!property) return;
    auto name = askName("New constant name");
    if (!name) return;
    if (const auto named = checkRecordName(RecordKind::Constant, *name); !named) {
        view().showMessage(named.error());
        return;
    }
    createConstant(db_, *property, *name, 1.0);
    view().addListItem(kConstantList, *name);
    view().selectListString(kConstantList, *name);
    constantChanged();
    // The field shows 0 while the stored value stays 1 until the field is edited.
    shownValue = 0.0;
    refreshFields();
}

void PropertiesDialogModel::selectSI() {
    if (!allowUnitEdit || !property) return;
    selectSIUnit(*property);
    view().selectListString(kUnitList, property->currentUnit->name);
    unitChanged();
}

void PropertiesDialogModel::find() {
    FindDialogModel dialog(db_, constantsMode);
    if (!view().runFindDialog(dialog)) return;
    if (dialog.foundProperty && (!dialog.foundConstant || constantsMode)) {
        view().selectListString(kPropertyList, dialog.foundProperty->name);
        propertyChanged();
        if (dialog.foundUnit) {
            view().selectListString(kUnitList, dialog.foundUnit->name);
            unitChanged();
        }
        if (dialog.foundConstant) {
            view().selectListString(kConstantList, dialog.foundConstant->name);
            constantChanged();
        }
        return;
    }
    view().showMessage(constantsMode ? kNoPropertyUnitOrConstantText : kNoPropertyOrUnitText);
}

void PropertiesDialogModel::save() {
    const auto path = view().chooseSaveFile();
    if (!path) return;
    if (const auto saved = saveDatabase(db_, *path); !saved) view().showMessage(saved.error());
}

void PropertiesDialogModel::load() {
    auto path = view().chooseLoadFile();
    // A damaged file's warning goes to the user's message box, as the
    // unreadable file's does, never to standard error.
    const MessageSink sink = [this](std::string_view text, std::string_view) {
        view().showMessage(text);
    };
    if (path && !loadDatabase(db_, *path, sink)) view().showMessage(kCannotReadText);
    // Confirmed or not, the lists show the database as it now is.
    fillPropertyList();
    if (property) {
        view().selectListString(kPropertyList, property->name);
        propertyChanged();
        constantChanged();
    }
}

Property* chooseProperty(PropertyDatabase& db, Property* property,
                         const PropertiesDialogRunner& run) {
    PropertiesDialogModel dialog(db);
    dialog.title = "Properties and Units";
    dialog.property = property;
    dialog.allowPropertyChoice = true;
    dialog.allowUnitEdit = true;
    return run(dialog) ? dialog.property : nullptr;
}

double chooseConstant(PropertyDatabase& db, Property* property, double value,
                      const PropertiesDialogRunner& run) {
    PropertiesDialogModel dialog(db);
    dialog.title = PropertiesDialogModel::kConstantsCaption;
    dialog.property = property;
    dialog.allowPropertyChoice = true;
    dialog.allowUnitEdit = true;
    dialog.allowConstantEdit = true;
    dialog.constantsMode = true;
    return run(dialog) ? dialog.shownValue : value;
}

}  // namespace zentra
