#pragma once
// A CalculatorView that records what the engine shows, for the tests.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"
#include "engine/dispatch.h"
#include "engine/key_names.h"

namespace zentra::testing {

class RecordingView : public CalculatorView {
public:
    std::string display = "0";
    std::map<CommandId, std::string> labels;
    std::map<CommandId, KeyFont> fonts;
    std::string title;
    int beeps = 0;
    std::vector<std::pair<std::string, std::string>> messages;

    std::string getDisplayText() override { return display; }
    void setDisplayText(std::string_view text) override { display = std::string(text); }
    void setKeyLabel(CommandId key, std::string_view caption) override {
        labels[key] = std::string(caption);
    }
    void setKeyFont(CommandId key, KeyFont font) override { fonts[key] = font; }
    void setTitle(std::string_view text) override { title = std::string(text); }
    void beep() override { ++beeps; }
    void showMessage(std::string_view text, std::string_view caption) override {
        messages.emplace_back(std::string(text), std::string(caption));
    }
    // A host without power-off, appearance or tape whose dialogs cancel; the
    // tests' views override what they answer.
    void suspendPowerOff() override {}
    void resumePowerOff() override {}
    bool runSelectMemoryDialog(SelectMemoryModel&) override { return false; }
    bool runFinancialRatesDialog(FinancialRatesModel&) override { return false; }
    bool runConvertDialog(ConvertDialogModel&) override { return false; }
    bool runPropertiesDialog(PropertiesDialogModel&) override { return false; }
    bool runModeDialog(ModeDialogModel&) override { return false; }
    AppearanceSettings* appearanceSettings() override { return nullptr; }
    void applyAppearance(const CalculatorState&) override {}
    bool keepsTape() override { return false; }
    void appendTape(const TapeStep&) override {}
};

// A named key script and the display it must leave; gtest prints the name.
struct KeysCase {
    const char* name;
    const char* keys;
    const char* display;
};

inline void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.name;
}

// Presses keys written as zentra-cli tokens: "2 + 3 X 4 =", "1.5E3", "#123205".
inline void press(CalculatorState& state, CalculatorView& view, const std::string& script) {
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        auto words = commandWordsOfToken(token, state.numberBase);
        if (!words) throw std::invalid_argument("unknown key token: " + token);
        for (std::uint32_t word : *words) handleCommand(state, view, word);
    }
}

}  // namespace zentra::testing
