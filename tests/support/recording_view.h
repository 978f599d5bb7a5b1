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
#include "support/null_view.h"

namespace zentra::testing {

// Records the captions, fonts, title, beeps and messages too.
class RecordingView : public NullView {
public:
    std::map<CommandId, std::string> labels;
    std::map<CommandId, KeyFont> fonts;
    std::string title;
    int beeps = 0;
    std::vector<std::pair<std::string, std::string>> messages;

    void setKeyLabel(CommandId key, std::string_view caption) override {
        labels[key] = std::string(caption);
    }
    void setKeyFont(CommandId key, KeyFont font) override { fonts[key] = font; }
    void setTitle(std::string_view text) override { title = std::string(text); }
    void beep() override { ++beeps; }
    void showMessage(std::string_view text, std::string_view caption) override {
        messages.emplace_back(std::string(text), std::string(caption));
    }
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
