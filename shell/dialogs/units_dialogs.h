#pragma once
// The Convert dialog of the unit key and the Properties dialog of the shifted
// unit key and the const key, laid out from their templates and driven by
// their models.

#include "dialogs/convert_dialog_model.h"
#include "dialogs/properties_dialog_model.h"
#include "shell/dialogs/model_dialog.h"

namespace zentra {

class ConvertDialog : public ModelDialog {
    Q_OBJECT
public:
    ConvertDialog(ConvertDialogModel& model, QWidget* parent = nullptr);
};

class PropertiesDialog : public ModelDialog {
    Q_OBJECT
public:
    PropertiesDialog(PropertiesDialogModel& model, QWidget* parent = nullptr);
};

}  // namespace zentra
