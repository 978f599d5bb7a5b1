#include "cli/cli_dialog_view.h"
#include "cli/cli_view.h"
#include "cli/mode_answer.h"
#include "dialogs/mode_dialog_model.h"

namespace zentra::cli {

// "SETTING=VALUE,...", "ok" or "esc", each followed by the dialog's OK; a
// refused value keeps the dialog open with the edits made so far, as a
// person's edits stay in the fields.
bool answerModeDialog(DialogAnswers& answers, ModeDialogModel& model) {
    CliDialogView view(answers);
    model.initialise(view);
    ModeSettings edited = model.settings();
    while (auto token = answers.next()) {
        const ModeAnswerResult result = applyModeAnswer(token->text, edited);
        if (result.outcome == ModeAnswerOutcome::Cancelled) return false;
        if (result.outcome == ModeAnswerOutcome::Malformed) {
            answers.refuse(*token, result.message);
            return false;
        }
        model.show(view, edited);
        if (model.accept(view)) return true;
    }
    return false;
}

}  // namespace zentra::cli
