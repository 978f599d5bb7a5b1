#include "cli/cli_dump.h"

#include <cstdio>
#include <string>

namespace zentra::cli {
namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

}  // namespace

void writeDump(std::ostream& out, const Calculator& calculator, const CliView& view) {
    const CalculatorState& state = calculator.state();
    auto line = [&out](const std::string& key, std::string_view value) {
        out << key << '=' << escaped(value) << '\n';
    };
    for (const auto& [key, value] : calculator.dumpedKeys(view.display)) line(key, value);
    // Not saved: the latches, the title and the captions.
    line("Shift", state.shift ? "1" : "0");
    line("Hyp", state.hyp ? "1" : "0");
    line("Title", view.title);
    for (const auto& [id, caption] : view.labels)  // std::map: ascending identifiers
        line("Label" + std::to_string(static_cast<int>(id)), caption);
}

}  // namespace zentra::cli
