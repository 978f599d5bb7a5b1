// Builds factory.prp from the readable list factory-units.txt:
//   zentra_make_factory_prp factory-units.txt factory.prp
// The database starts from the built-in content and is written with the
// program's own writer, so the shipped file is exactly what a save produces.

#include <cctype>
#include <cmath>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
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

// The named numbers an expression may use: pi and the SI defining constants,
// exact since 2019, so that constants exact by definition are computed from
// them rather than copied as rounded decimals.
struct NamedNumber {
    std::string_view name;
    double value;
};
constexpr NamedNumber kNamedNumbers[] = {
    {"pi", std::numbers::pi}, {"h", 6.62607015e-34},  {"e", 1.602176634e-19},
    {"k", 1.380649e-23},      {"N_A", 6.02214076e23}, {"c", 299792458},
};

// Evaluates FACTOR, OFFSET and VALUE fields: decimal numbers, named numbers,
// "( )", unary "-", "^" (right-associative, binds tighter than "*" and "/"),
// "*" and "/" (left to right), in double precision.
class Expression {
public:
    explicit Expression(std::string_view text) : text_(text) {}

    bool evaluate(double& value) { return product(value) && (skipBlanks(), pos_ == text_.size()); }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }
    bool take(char op) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == op) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool product(double& value) {
        if (!power(value)) return false;
        while (true) {
            const bool times = take('*');
            if (!times && !take('/')) return true;
            double rhs = 0;
            if (!power(rhs)) return false;
            value = times ? value * rhs : value / rhs;
        }
    }
    bool power(double& value) {
        if (take('-')) {
            if (!power(value)) return false;
            value = -value;
            return true;
        }
        if (!primary(value)) return false;
        if (!take('^')) return true;
        double exponent = 0;
        if (!power(exponent)) return false;
        value = std::pow(value, exponent);
        return true;
    }
    bool primary(double& value) {
        if (take('(')) return product(value) && take(')');
        skipBlanks();
        const std::string_view rest = text_.substr(pos_);
        if (!rest.empty() &&
            (std::isdigit(static_cast<unsigned char>(rest[0])) || rest[0] == '.')) {
            std::size_t used = 0;
            value = zentra::parseDecimalPrefix(rest, &used);
            pos_ += used;
            return used != 0;
        }
        std::size_t length = 0;
        while (length < rest.size() &&
               (std::isalnum(static_cast<unsigned char>(rest[length])) || rest[length] == '_')) {
            ++length;
        }
        for (const NamedNumber& named : kNamedNumbers) {
            if (length != 0 && rest.substr(0, length) == named.name) {
                value = named.value;
                pos_ += length;
                return true;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool evaluate(std::string_view text, double& value) {
    return Expression(text).evaluate(value) && std::isfinite(value);
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
            if (const auto named = zentra::checkRecordName(kind, f[1]); !named) fail(named.error());
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
            if (const zentra::Unit* old = zentra::findUnit(db, *property, f[1], true)) {
                if (old->factor != factor || old->offset != offset) fail("redefines a unit");
            }
            zentra::setUnit(*property, f[1], factor, offset);
        } else if (f[0] == "constant" && f.size() == 4 && property) {
            checkName(zentra::RecordKind::Constant);
            double value = 0;
            if (!evaluate(f[2], value)) fail("bad value");
            if (f[3].empty()) fail("no source given");
            if (zentra::findConstant(db, *property, f[1], true)) fail("constant given twice");
            zentra::setConstant(*property, f[1], value);
        } else {
            fail("not a property, unit or constant line");
        }
    }
    if (errors) return 1;
    if (const auto saved = zentra::saveDatabase(db, argv[2]); !saved) {
        std::cerr << argv[2] << ": " << saved.error() << "\n";
        return 1;
    }
    return 0;
}
