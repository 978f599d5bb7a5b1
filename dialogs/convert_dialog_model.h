#pragma once
// The Convert dialog of the unit key: a property and the units to convert the
// display value from and to.

#include "dialogs/dialog_view.h"
#include "units/property_database.h"

namespace zentra {

class ConvertDialogModel : public DialogModel {
public:
    static constexpr int kTemplate = 218;
    static constexpr const char* kTitle = "Convert";
    static constexpr ControlId kPropertyList = 149;
    static constexpr ControlId kFromList = 1168;
    static constexpr ControlId kFromSI = 1167;
    static constexpr ControlId kToList = 153;
    static constexpr ControlId kToSI = 1132;
    static constexpr ControlId kFind = 1170;

    explicit ConvertDialogModel(PropertyDatabase& db) : db_(db) {}

    // Set before the dialog runs (the calculator's property and the last From
    // unit) and read after OK. After OK, fromUnit and toUnit are each either
    // none or a unit of property (both none without a property): a unit left
    // over from a property chosen earlier in the dialog, or a remembered From
    // unit that a unit-less property does not have, is dropped, so that the
    // property's current unit stays one of its own or the blank unit.
    Property* property = nullptr;
    Unit* fromUnit = nullptr;
    Unit* toUnit = nullptr;

protected:
    void onInitialise() override;
    void onSelectionChanged(ControlId list) override;
    void onClicked(ControlId button) override;
    bool onAccept() override;

private:
    void propertyChanged();
    void unitChanged(ControlId list, ControlId siButton, Unit*& unit);
    void selectSI(ControlId list, ControlId siButton, Unit*& unit);
    void find();

    PropertyDatabase& db_;
};

}  // namespace zentra
