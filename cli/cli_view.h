#pragma once
// zentra-cli's CalculatorView: the display, captions and title kept in memory,
// message boxes on standard error, and dialogs answered by the next token.

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "base/latin1_text.h"
#include "base/tape.h"
#include "cli/token_stream.h"
#include "engine/calculator.h"

namespace zentra::cli {

// The tokens that answer dialogs, as the dialog answerers see them.
class DialogAnswers {
public:
    // Messages go to messages, the run's standard error.
    DialogAnswers(TokenStream& tokens, std::ostream& messages)
        : tokens_(tokens), messages_(messages) {}
    // The next answer; nothing at the end of input or after a refusal (the
    // dialog is cancelled).
    std::optional<Token> next();
    // The answer does not fit its dialog: a usage error, which ends the run
    // (exit status 2, no file written) once the key that opened the dialog
    // has ended. The dialog is cancelled.
    void refuse(const Token& token, const std::string& why);
    // The first refusal's message, if an answer was refused.
    const std::optional<std::string>& refusal() const { return refusal_; }
    // A message box's text (a dialog's refused value, the calculator's
    // warnings): standard error, answered OK at once.
    void message(const std::string& text) const;
    // Answers consumed since the last call, for --trace.
    std::vector<Token> takeConsumed();

private:
    TokenStream& tokens_;
    std::ostream& messages_;
    std::vector<Token> consumed_;
    std::optional<std::string> refusal_;
};

class CliView : public CalculatorView {
public:
    explicit CliView(DialogAnswers& answers);

    std::string display = "0";
    std::map<CommandId, std::string> labels;
    std::string title = kTitleBase;
    bool beeped = false;

    std::string getDisplayText() override { return display; }
    void setDisplayText(std::string_view text) override { display = std::string(text); }
    void setKeyLabel(CommandId key, std::string_view caption) override;
    void setKeyFont(CommandId, KeyFont) override {}
    void setTitle(std::string_view text) override { title = std::string(text); }
    void beep() override { beeped = true; }
    void showMessage(std::string_view text, std::string_view caption) override;

    bool runSelectMemoryDialog(SelectMemoryModel& model) override;
    bool runFinancialRatesDialog(FinancialRatesModel& model) override;
    bool runConvertDialog(ConvertDialogModel& model) override;
    bool runPropertiesDialog(PropertiesDialogModel& model) override;
    bool runModeDialog(ModeDialogModel& model) override;
    // No power-off countdown and no window appearance in a terminal.
    void suspendPowerOff() override {}
    void resumePowerOff() override {}
    AppearanceSettings* appearanceSettings() override { return nullptr; }
    void applyAppearance(const CalculatorState&) override {}
    // The tape is printed and saved after the last token, from the Calculator's.
    void tapeGrew(std::size_t) override {}

private:
    DialogAnswers& answers_;
};

// Dialog answerers, one file each, shared with nothing else.
bool answerFinancialRates(DialogAnswers& answers, FinancialRatesModel& model);
bool answerConvertDialog(DialogAnswers& answers, ConvertDialogModel& model);
bool answerPropertiesDialog(DialogAnswers& answers, PropertiesDialogModel& model);
bool answerModeDialog(DialogAnswers& answers, ModeDialogModel& model);

}  // namespace zentra::cli
