#pragma once
// The Properties dialog: choose a property and its current unit, edit unit
// factors and offsets, pick and edit constants, create records, find, save and
// load. It runs in two modes: properties-and-units (the shifted unit key) and
// constants (the const key). Every change goes to the database at once;
// Cancel undoes nothing.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/dialog_view.h"
#include "units/property_database.h"

namespace zentra {

class PropertiesDialogModel : public DialogModel {
public:
    static constexpr int kTemplate = 131;
    static constexpr ControlId kPropertyList = 149;
    static constexpr ControlId kNewProperty = 1136;
    static constexpr ControlId kUnitList = 152;
    static constexpr ControlId kUnitSI = 1131;
    static constexpr ControlId kNewUnit = 1135;
    static constexpr ControlId kConstantsGroup = 1143;
    static constexpr ControlId kFactorLabel = 1139;
    static constexpr ControlId kFactorEdit = 151;
    static constexpr ControlId kOffsetLabel = 1140;
    static constexpr ControlId kOffsetEdit = 150;
    static constexpr ControlId kConstantList = 153;
    static constexpr ControlId kValueEdit = 154;
    static constexpr ControlId kNewConstant = 1137;
    static constexpr ControlId kSave = 32775;
    static constexpr ControlId kLoad = 32774;
    static constexpr ControlId kFind = 32776;

    explicit PropertiesDialogModel(PropertyDatabase& db) : db_(db) {}

    // Set before the dialog runs.
    Property* property = nullptr;
    bool allowPropertyChoice = false;  // the Property list and its New
    bool allowUnitEdit = false;        // the Units list, SI, New, Factor and Offset
    bool allowConstantEdit = false;    // the constant list, its New and the value
    bool constantsMode = false;        // constants shown instead of Factor and Offset
    // The Constants group's caption and the title of chooseConstant's dialog.
    static constexpr const char* kConstantsCaption = "Constants";
    std::string title = "Properties";

    // The three edits' values; shownValue is in the property's current unit.
    double factor = 1.0;
    double offset = 0.0;
    double shownValue = 0.0;

protected:
    void onInitialise() override;
    void onSelectionChanged(ControlId list) override;
    void onClicked(ControlId button) override;
    void onFieldLeft(ControlId edit) override;
    bool onAccept() override;

private:
    void propertyChanged();
    void unitChanged();
    void constantChanged();
    void fillPropertyList();
    void refreshFields();
    bool readFields();
    void unitFieldLeft(double Unit::*field, double PropertiesDialogModel::*shown,
                       std::string_view question);
    void valueFieldLeft();
    std::optional<std::string> askName(const char* title);
    void newProperty();
    void newUnit();
    void newConstant();
    void selectSI();
    void find();
    void save();
    void load();

    PropertyDatabase& db_;
};

// Runs the dialog and returns true on OK.
using PropertiesDialogRunner = std::function<bool(PropertiesDialogModel&)>;

// The shifted unit key: the property confirmed in the properties-and-units
// mode, none on Cancel. Unit selections and edits stay either way.
Property* chooseProperty(PropertyDatabase& db, Property* property,
                         const PropertiesDialogRunner& run);

// The const key: the selected constant in the current unit of the selected
// property (0 when none is selected, or the number typed into the value
// field), value itself on Cancel.
double chooseConstant(PropertyDatabase& db, Property* property, double value,
                      const PropertiesDialogRunner& run);

// The text the numeric edits show: 15 significant digits.
std::string numberFieldText(double value);
// An edit's text as a number: the whole text, blanks around it allowed; none
// when it is not a number.
std::optional<double> parseNumberField(std::string_view text);

}  // namespace zentra
