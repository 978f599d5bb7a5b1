#include "shell/dialogs/units_dialogs.h"

#include <QComboBox>
#include <QLineEdit>

namespace zentra {

ConvertDialog::ConvertDialog(ConvertDialogModel& model, QWidget* parent)
    : ModelDialog(model, parent) {
    using M = ConvertDialogModel;
    DialogBuilder b(this, templateFont(8), 200, 124, QString::fromLatin1(M::kTitle));
    b.group(-1, QStringLiteral("Property"), 7, 4, 186, 30);
    b.list(M::kPropertyList, 14, 15, 172, 13);
    b.group(-1, QStringLiteral("From"), 7, 37, 186, 30);
    b.list(M::kFromList, 14, 48, 140, 13);
    b.button(M::kFromSI, QStringLiteral("SI"), 160, 48, 26, 13);
    b.group(-1, QStringLiteral("To"), 7, 70, 186, 30);
    b.list(M::kToList, 14, 81, 140, 13);
    b.button(M::kToSI, QStringLiteral("SI"), 160, 81, 26, 13);
    b.button(M::kFind, QStringLiteral("&Find"), 7, 105, 50, 14);
    b.okButton(87, 105, 50, 14);
    b.cancelButton(143, 105, 50, 14);
    bindControls(b.controls());
    // The lists are named by their groups; the two SI buttons by their list.
    nameField(list(M::kPropertyList), QStringLiteral("Property"));
    nameField(list(M::kFromList), QStringLiteral("From"));
    nameField(list(M::kToList), QStringLiteral("To"));
    nameField(control(M::kFromSI), QStringLiteral("From SI unit"));
    nameField(control(M::kToSI), QStringLiteral("To SI unit"));
}

PropertiesDialog::PropertiesDialog(PropertiesDialogModel& model, QWidget* parent)
    : ModelDialog(model, parent) {
    using M = PropertiesDialogModel;
    DialogBuilder b(this, templateFont(8), 284, 124, QStringLiteral("Properties"));
    b.group(-1, QStringLiteral("Property"), 7, 4, 270, 30);
    b.list(M::kPropertyList, 14, 15, 204, 13);
    b.button(M::kNewProperty, QStringLiteral("New"), 224, 14, 46, 14);
    b.group(-1, QStringLiteral("Units"), 7, 37, 270, 30);
    b.list(M::kUnitList, 14, 48, 164, 13);
    b.button(M::kUnitSI, QStringLiteral("SI"), 184, 47, 34, 14);
    b.button(M::kNewUnit, QStringLiteral("New"), 224, 47, 46, 14);
    b.group(M::kConstantsGroup, QString::fromLatin1(M::kConstantsCaption), 7, 70, 270, 30);
    b.label(M::kFactorLabel, QStringLiteral("Factor"), 14, 83, 25, 8);
    b.edit(M::kFactorEdit, 40, 81, 100, 12);
    b.label(M::kOffsetLabel, QStringLiteral("Offset"), 145, 83, 25, 8);
    b.edit(M::kOffsetEdit, 171, 81, 100, 12);
    b.list(M::kConstantList, 14, 81, 110, 13);
    b.edit(M::kValueEdit, 128, 81, 92, 12);
    b.button(M::kNewConstant, QStringLiteral("New"), 224, 80, 46, 14);
    b.button(M::kSave, QStringLiteral("&Save"), 7, 105, 44, 14);
    b.button(M::kLoad, QStringLiteral("&Load"), 53, 105, 44, 14);
    b.button(M::kFind, QStringLiteral("&Find"), 99, 105, 44, 14);
    b.okButton(187, 105, 44, 14);
    b.cancelButton(233, 105, 44, 14);
    bindControls(b.controls());
    // Each New and each list says which record it is for.
    nameField(list(M::kPropertyList), QStringLiteral("Property"));
    nameField(control(M::kNewProperty), QStringLiteral("New property"));
    nameField(list(M::kUnitList), QStringLiteral("Units"));
    nameField(control(M::kUnitSI), QStringLiteral("SI unit"));
    nameField(control(M::kNewUnit), QStringLiteral("New unit"));
    nameField(control(M::kFactorEdit), QStringLiteral("Factor"), QStringLiteral("Factor"));
    nameField(control(M::kOffsetEdit), QStringLiteral("Offset"), QStringLiteral("Offset"));
    nameField(list(M::kConstantList), QString::fromLatin1(M::kConstantsCaption));
    nameField(control(M::kValueEdit), QStringLiteral("Constant value"));
    nameField(control(M::kNewConstant), QStringLiteral("New constant"));
}

}  // namespace zentra
