#pragma once
// The Calculator Mode dialog's controls, bound to its model: angle unit, base
// or mode, display type and digits, colours and display font, bevel,
// always-on-top, error beep and automatic power-off.

#include "dialogs/mode_dialog_model.h"
#include "shell/dialogs/model_dialog.h"

namespace zentra {

class ModeDialog : public ModelDialog {
    Q_OBJECT
public:
    ModeDialog(ModeDialogModel& model, QWidget* parent = nullptr);
};

}  // namespace zentra
