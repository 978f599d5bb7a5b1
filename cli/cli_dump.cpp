#include "cli/cli_dump.h"

#include <cstdio>
#include <string>

#include "units/number_text.h"
#include "units/property_database.h"

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

void writeDump(std::ostream& out, const CalculatorState& state, const CliView& view) {
    auto line = [&out](const std::string& key, const std::string& value) {
        out << key << '=' << value << '\n';
    };
    auto number = [](double value) { return formatStoredDouble(value); };
    line("Display", escaped(view.display));
    line("CalcStatus", std::to_string(static_cast<int>(state.calcStatus)));
    line("Operator", std::to_string(static_cast<int>(state.pendingOperator)));
    line("Accum", number(state.accum));
    line("Brackets", std::to_string(state.bracketDepth));
    for (int i = 0; i < state.bracketDepth && i < kBracketLevels; ++i) {
        const auto level = static_cast<std::size_t>(i);
        line("AccumBracket" + std::to_string(i), number(state.accumBracket[level]));
        line("OperatorBracket" + std::to_string(i),
             std::to_string(static_cast<int>(state.operatorBracket[level])));
    }
    for (int i = 0; i < kMemoryCount; ++i)
        line("Memory" + std::to_string(i), number(state.memory[static_cast<std::size_t>(i)]));
    line("Sum", number(state.sum));
    line("SumSq", number(state.sumSq));
    line("Max", number(state.max));
    line("Min", number(state.min));
    line("nSum", std::to_string(state.nSum));
    line("BankRate", number(state.bankRate));
    line("DiscRate", number(state.discRate));
    line("nNPV", std::to_string(state.nNPV));
    line("sNPV", number(state.sNPV));
    line("DisplayType", std::to_string(static_cast<int>(state.displayType)));
    line("NumberBase", std::to_string(static_cast<int>(state.numberBase)));
    line("Digits", std::to_string(state.digits));
    std::string angle;
    if (state.database)
        if (Property* property = findProperty(*state.database, "angle", true))
            angle = property->currentUnit->name;
    line("Angle", escaped(angle));
    line("Shift", state.shift ? "1" : "0");
    line("Hyp", state.hyp ? "1" : "0");
    line("Title", escaped(view.title));
    for (const auto& [id, caption] : view.labels)  // std::map: ascending identifiers
        line("Label" + std::to_string(static_cast<int>(id)), escaped(caption));
}

}  // namespace zentra::cli
