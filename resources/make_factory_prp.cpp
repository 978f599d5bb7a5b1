// Builds factory.prp from the readable list factory-units.txt:
//   zentra_make_factory_prp factory-units.txt factory.prp
// The database starts from the built-in content and is written with the
// program's own writer, so the shipped file is exactly what a save produces.

#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "units/number_text.h"
#include "units/property_database.h"
#include "units/prp_file.h"

namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (true) {
        const auto bar = line.find('|', start);
        out.push_back(trim(line.substr(start, bar - start)));
        if (bar == std::string_view::npos) return out;
        start = bar + 1;
    }
}

// A decimal number, "pi", or a product and quotient of them, left to right.
bool evaluate(std::string_view text, double& value) {
    value = 1.0;
    char op = '*';
    std::size_t pos = 0;
    while (true) {
        const auto next = text.find_first_of("*/", pos);
        const std::string_view term = trim(text.substr(pos, next - pos));
        double number = 0;
        if (term == "pi") {
            number = std::numbers::pi;
        } else {
            std::size_t used = 0;
            number = zentra::parseDecimalPrefix(term, &used);
            if (used == 0 || used != term.size()) return false;
        }
        value = op == '*' ? value * number : value / number;
        if (next == std::string_view::npos) return true;
        op = text[next];
        pos = next + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zentra_make_factory_prp factory-units.txt factory.prp\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    zentra::PropertyDatabase db;
    zentra::addBuiltInContent(db);
    zentra::Property* property = nullptr;
    std::string line;
    int lineNumber = 0;
    int errors = 0;
    auto fail = [&](const std::string& why) {
        std::cerr << argv[1] << ":" << lineNumber << ": " << why << "\n";
        ++errors;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string_view text = trim(line);
        if (text.empty() || text[0] == '#') continue;
        const auto f = fields(text);
        auto checkName = [&](zentra::RecordKind kind) {
            if (auto problem = zentra::recordNameProblem(kind, f[1])) fail(*problem);
        };
        if (f[0] == "property" && f.size() == 2) {
            checkName(zentra::RecordKind::Property);
            property = &zentra::addProperty(db, f[1]);
        } else if (f[0] == "unit" && f.size() == 5 && property) {
            checkName(zentra::RecordKind::Unit);
            double factor = 0, offset = 0;
            if (!evaluate(f[2], factor) || factor == 0) fail("bad factor");
            if (!f[3].empty() && !evaluate(f[3], offset)) fail("bad offset");
            if (f[4].empty()) fail("no source given");
            // Units already present (the built-in angles) must keep their definition.
            if (const zentra::Unit* old = zentra::findUnit(*property, f[1], true)) {
                if (old->factor != factor || old->offset != offset) fail("redefines a unit");
            }
            zentra::setUnit(*property, f[1], factor, offset);
        } else if (f[0] == "constant" && f.size() == 4 && property) {
            checkName(zentra::RecordKind::Constant);
            double value = 0;
            if (!evaluate(f[2], value)) fail("bad value");
            if (f[3].empty()) fail("no source given");
            if (zentra::findConstant(*property, f[1], true)) fail("constant given twice");
            zentra::setConstant(*property, f[1], value);
        } else {
            fail("not a property, unit or constant line");
        }
    }
    if (errors) return 1;
    std::vector<std::string> leftOut;
    if (!zentra::saveDatabase(db, argv[2], &leftOut) || !leftOut.empty()) {
        std::cerr << argv[2] << ": cannot write\n";
        for (const std::string& what : leftOut) std::cerr << "  left out: " << what << "\n";
        return 1;
    }
    return 0;
}
