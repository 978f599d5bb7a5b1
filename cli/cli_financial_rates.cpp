#include "cli/cli_view.h"
#include "dialogs/financial_rates.h"

namespace zentra::cli {

// "BANK,DISC" with the dialog's validation; a refused value keeps the dialog
// open and the next token is a new answer.
bool answerFinancialRates(DialogAnswers& answers, FinancialRates& rates) {
    while (auto token = answers.next()) {
        if (token->text == "esc") return false;
        const auto comma = token->text.find(',');
        if (comma == std::string::npos) answers.refuse(*token, "expected BANK,DISC or esc");
        const std::string_view text = token->text;
        if (auto problem =
                validateFinancialRates(text.substr(0, comma), text.substr(comma + 1), rates)) {
            answers.message(*problem);
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace zentra::cli
