#include "cli/cli_view.h"
#include "cli/mode_answer.h"

namespace zentra::cli {

// "SETTING=VALUE,...", "ok" or "esc"; a refused value keeps the dialog open.
bool answerModeDialog(DialogAnswers& answers, ModeSettings& settings) {
    while (auto token = answers.next()) {
        const ModeAnswerResult result = applyModeAnswer(token->text, settings);
        switch (result.outcome) {
            case ModeAnswerOutcome::Accepted:
                return true;
            case ModeAnswerOutcome::Cancelled:
                return false;
            case ModeAnswerOutcome::Refused:
                answers.message(result.message);
                continue;
            case ModeAnswerOutcome::Malformed:
                answers.refuse(*token, result.message);
        }
    }
    return false;
}

}  // namespace zentra::cli
