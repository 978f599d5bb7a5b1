#include "cli/cli_view.h"

#include "cli/cli_dialog_view.h"
#include "dialogs/select_memory.h"

namespace zentra::cli {

std::optional<Token> DialogAnswers::next() {
    if (refusal_) return std::nullopt;
    auto token = tokens_.next();
    if (token) consumed_.push_back(*token);
    return token;
}

void DialogAnswers::refuse(const Token& token, const std::string& why) {
    if (!refusal_)
        refusal_ = "token " + std::to_string(token.position) + " \"" + token.text + "\": " + why;
}

void DialogAnswers::message(const std::string& text) const {
    messages_ << latin1ToUtf8(text) << '\n';
}

std::vector<Token> DialogAnswers::takeConsumed() {
    std::vector<Token> taken;
    taken.swap(consumed_);
    return taken;
}

CliView::CliView(DialogAnswers& answers) : answers_(answers) {}

void CliView::setKeyLabel(CommandId key, std::string_view caption) {
    labels[key] = std::string(caption);
}

void CliView::showMessage(std::string_view text, std::string_view /*caption*/) {
    answers_.message(std::string(text));
}

bool CliView::runSelectMemoryDialog(SelectMemoryModel& model) {
    CliDialogView form(answers_);
    model.initialise(form);
    const auto token = answers_.next();
    if (!token || token->text == "esc") return false;
    if (token->text.size() == 1 && token->text[0] >= '0' && token->text[0] <= '9') {
        model.clicked(form, SelectMemoryModel::kFirstButton + (token->text[0] - '0'));
        return form.ended;
    }
    answers_.refuse(*token, "not a memory number 0 to 9 or esc");
    return false;
}

bool CliView::runFinancialRatesDialog(FinancialRatesModel& model) {
    return answerFinancialRates(answers_, model);
}
bool CliView::runConvertDialog(ConvertDialogModel& model) {
    return answerConvertDialog(answers_, model);
}
bool CliView::runPropertiesDialog(PropertiesDialogModel& model) {
    return answerPropertiesDialog(answers_, model);
}
bool CliView::runModeDialog(ModeDialogModel& model) {
    return answerModeDialog(answers_, model);
}

}  // namespace zentra::cli
