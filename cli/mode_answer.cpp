#include "cli/mode_answer.h"

#include <array>
#include <optional>
#include <utility>

namespace zentra {
namespace {

template <class T, std::size_t N>
std::optional<T> lookUp(const std::array<std::pair<std::string_view, T>, N>& table,
                        std::string_view name) {
    for (const auto& [key, value] : table)
        if (key == name) return value;
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, NumberBase>, 6> kBases{{
    {"dec", NumberBase::Decimal},
    {"bin", NumberBase::Binary},
    {"oct", NumberBase::Octal},
    {"hex", NumberBase::Hexadecimal},
    {"stats", NumberBase::Statistics},
    {"fin", NumberBase::Financial},
}};

constexpr std::array<std::pair<std::string_view, DisplayType>, 4> kDisplays{{
    {"normal", DisplayType::Normal},
    {"fixed", DisplayType::Fixed},
    {"sci", DisplayType::Scientific},
    {"fin", DisplayType::Financial},
}};

constexpr std::array<std::pair<std::string_view, AngleChoice>, 3> kAngles{{
    {"deg", AngleChoice::Deg},
    {"rad", AngleChoice::Rad},
    {"grad", AngleChoice::Grad},
}};

std::optional<bool> flagOf(std::string_view value) {
    if (value == "0") return false;
    if (value == "1") return true;
    return std::nullopt;
}

// One "SETTING=VALUE" into settings; an error text when it does not fit.
std::optional<std::string> applyItem(std::string_view item, ModeSettings& s) {
    const std::size_t eq = item.find('=');
    if (eq == std::string_view::npos) return "expected SETTING=VALUE: " + std::string(item);
    const std::string_view name = item.substr(0, eq);
    const std::string_view value = item.substr(eq + 1);
    auto bad = [&] { return "bad value for " + std::string(name) + ": " + std::string(value); };

    if (name == "base") {
        auto base = lookUp(kBases, value);
        if (!base) return bad();
        s.numberBase = *base;
    } else if (name == "display") {
        auto type = lookUp(kDisplays, value);
        if (!type) return bad();
        s.displayType = *type;
    } else if (name == "angle") {
        auto angle = lookUp(kAngles, value);
        if (!angle) return bad();
        s.angle = *angle;
    } else if (name == "digits") {
        s.digitsText = std::string(value);  // the dialog's validation judges it
    } else if (name == "apotime") {
        s.apoTimeText = std::string(value);
    } else {
        bool* flag = name == "apo"     ? &s.autoPowerOff
                     : name == "beep"  ? &s.errorBeep
                     : name == "top"   ? &s.alwaysOnTop
                     : name == "bevel" ? &s.bodyBevel
                     : name == "group" ? &s.groupDigits
                                       : nullptr;
        if (!flag) return "unknown setting: " + std::string(name);
        auto on = flagOf(value);
        if (!on) return bad();
        *flag = *on;
    }
    return std::nullopt;
}

}  // namespace

ModeAnswerResult applyModeAnswer(std::string_view answer, ModeSettings& settings) {
    if (answer == "esc") return {ModeAnswerOutcome::Cancelled, {}};

    ModeSettings edited = settings;
    if (answer != "ok") {
        if (answer.empty()) return {ModeAnswerOutcome::Malformed, "empty answer"};
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = answer.find(',', start);
            const std::string_view item = answer.substr(start, comma - start);
            if (auto fault = applyItem(item, edited))
                return {ModeAnswerOutcome::Malformed, std::move(*fault)};
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }
    settings = std::move(edited);
    return {ModeAnswerOutcome::Edited, {}};
}

}  // namespace zentra
