#include "cli/cli_dialog_view.h"
#include "cli/cli_view.h"
#include "dialogs/financial_rates.h"

namespace zentra::cli {

// "BANK,DISC", checked by the model as the dialog's OK; a refused value keeps
// the dialog open and the next token is a new answer.
bool answerFinancialRates(DialogAnswers& answers, FinancialRatesModel& model) {
    CliDialogView view(answers);
    model.initialise(view);
    while (auto token = answers.next()) {
        if (token->text == "esc") return false;
        const auto comma = token->text.find(',');
        if (comma == std::string::npos) {
            answers.refuse(*token, "expected BANK,DISC or esc");
            return false;
        }
        view.texts[FinancialRatesModel::kBankEdit] = token->text.substr(0, comma);
        view.texts[FinancialRatesModel::kDiscEdit] = token->text.substr(comma + 1);
        if (model.accept(view)) return true;
    }
    return false;
}

}  // namespace zentra::cli
