#include "cli/cli_view.h"

namespace zentra::cli {

// TODO(units): answers of the unit, shifted unit and const keys.
bool answerConvertDialog(DialogAnswers& answers, ConvertDialogModel&) {
    (void)answers.next();
    return false;
}

bool answerPropertiesDialog(DialogAnswers& answers, PropertiesDialogModel&) {
    (void)answers.next();
    return false;
}

}  // namespace zentra::cli
