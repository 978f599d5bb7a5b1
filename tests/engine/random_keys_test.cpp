// Long random key streams over the whole engine, from random (also damaged)
// states, with a host that answers every dialog at random. The engine must
// never crash, never format a display text longer than the display holds,
// and keep its status and bracket depth within their ranges.
//
// ZENTRA_RANDOM_KEYS_STREAMS sets the number of streams (default 1000);
// ZENTRA_RANDOM_KEYS_SEED replays a run.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/runtime_problem.h"
#include "dialogs/convert_dialog_model.h"
#include "dialogs/select_memory.h"
#include "engine/dispatch.h"
#include "engine/financial.h"
#include "engine/mode_key.h"
#include "support/dialog_test_support.h"
#include "support/recording_view.h"
#include "support/units_test_support.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

constexpr std::size_t kKeysPerStream = 400;
// The degrees-minutes-seconds display is built in a 32-character buffer and
// may be longer than a formatted value; it carries the degree sign 0xBA.
constexpr std::size_t kDmsLimit = 31;

using Rng = std::mt19937_64;

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    return std::strtoull(text, nullptr, 10);
}

int pick(Rng& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool chance(Rng& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

template <typename T, std::size_t N>
const T& oneOf(Rng& rng, const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(N) - 1))];
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double randomDouble(Rng& rng) {
    static constexpr std::array<double, 20> kSpecial = {
        0.0,           -0.0,         1.0,  -1.0,  2.5,  1e308, -1e308, 1.7976931348623157e308,
        5e-324,        kNaN,         kInf, -kInf, 1e30, -1e30, 0.1,    2147483648.0,
        -2147483649.0, 4294967295.0, 1e-7, 100.0};
    switch (pick(rng, 0, 3)) {
        case 0:
            return oneOf(rng, kSpecial);
        case 1:
            return std::uniform_real_distribution<double>(-1e6, 1e6)(rng);
        case 2:
            return static_cast<double>(pick(rng, -20, 120));
        default: {
            const double mantissa = std::uniform_real_distribution<double>(-10.0, 10.0)(rng);
            return mantissa * std::pow(10.0, pick(rng, -320, 310));
        }
    }
}

int randomCount(Rng& rng) {
    static constexpr std::array<int, 8> kSpecial = {0, 1, 2, -5, INT_MAX, INT_MIN, 1000000, -1};
    return chance(rng, 0.5) ? oneOf(rng, kSpecial) : pick(rng, 0, 50);
}

OperatorCode randomOperator(Rng& rng) {
    static constexpr std::array<int, 22> kCodes = {
        61,    43,    45,    42,    47,    15,    107,   1144,  1145,  32776, 32777,
        32779, 32780, 32781, 32782, 32783, 32784, 32785, 32786, 32787, 32788, 32789};
    if (chance(rng, 0.15)) return static_cast<OperatorCode>(pick(rng, INT_MIN, INT_MAX));
    return static_cast<OperatorCode>(oneOf(rng, kCodes));
}

std::string randomDisplayText(Rng& rng) {
    static constexpr std::array<const char*, 16> kTexts = {"0",
                                                           "12abc",
                                                           "",
                                                           "-",
                                                           "1E400",
                                                           "-1e-400",
                                                           " 7",
                                                           "FF",
                                                           "0.0E",
                                                           "1.5E-",
                                                           "Divide Zero Error",
                                                           "-0",
                                                           "101",
                                                           "7777777",
                                                           ".",
                                                           "1e308"};
    if (chance(rng, 0.6)) return oneOf(rng, kTexts);
    static constexpr std::string_view kChars = "0123456789.E-+ ABCDEFxe";
    std::string text(static_cast<std::size_t>(pick(rng, 0, 40)), ' ');
    for (char& c : text)
        c = kChars[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(kChars.size()) - 1))];
    return text;
}

constexpr std::array<CommandId, 45> kAllKeys = {
    CommandId::Cmd0,           CommandId::Cmd1,
    CommandId::Cmd2,           CommandId::Cmd3,
    CommandId::Cmd4,           CommandId::Cmd5,
    CommandId::Cmd6,           CommandId::Cmd7,
    CommandId::Cmd8,           CommandId::Cmd9,
    CommandId::CmdPoint,       CommandId::CmdExp,
    CommandId::CmdChangeSign,  CommandId::CmdBackspace,
    CommandId::CmdAdd,         CommandId::CmdSubtract,
    CommandId::CmdMultiply,    CommandId::CmdDivide,
    CommandId::CmdPow,         CommandId::CmdEquals,
    CommandId::CmdOpenBracket, CommandId::CmdCloseBracket,
    CommandId::CmdClear,       CommandId::CmdAllClear,
    CommandId::CmdShift,       CommandId::CmdSin,
    CommandId::CmdCos,         CommandId::CmdTan,
    CommandId::CmdHyp,         CommandId::CmdDeg,
    CommandId::CmdLn,          CommandId::CmdLog,
    CommandId::CmdSqr,         CommandId::CmdSqrt,
    CommandId::CmdReciprocal,  CommandId::CmdMemoryRecall,
    CommandId::CmdMemoryIn,    CommandId::CmdMemoryAdd,
    CommandId::CmdUnit,        CommandId::CmdConst,
    CommandId::CmdMode,        CommandId::CmdCopy,
    CommandId::CmdPaste,       CommandId::CmdHelp,
    CommandId::CmdPercent};

// A host that answers every dialog at random and checks each text the engine
// gives it.
class RandomHost : public RecordingView {
public:
    explicit RandomHost(Rng& rng) : rng_(rng) {}

    std::vector<std::string> problems;
    int suspendDepth = 0;
    PropertyDatabase* database = nullptr;  // the properties the Convert dialog offers

    void setDisplayText(std::string_view text) override {
        RecordingView::setDisplayText(text);
        const bool dms = text.find('\xBA') != std::string_view::npos;
        if (text.size() > (dms ? kDmsLimit : 25))
            problems.push_back("display text too long: \"" + std::string(text) + "\"");
    }
    void suspendPowerOff() override {
        if (++suspendDepth != 1) problems.push_back("power-off suspended twice");
    }
    void resumePowerOff() override {
        if (--suspendDepth != 0) problems.push_back("power-off resumed without a suspend");
    }

    bool runSelectMemoryDialog(SelectMemoryModel& model) override {
        FakeDialogView form;
        model.initialise(form);
        if (form.title.empty()) problems.push_back("Select Memory without a title");
        for (const auto& [id, value] : form.texts)
            if (value.size() > 25) problems.push_back("memory list text too long: " + value);
        switch (pick(rng_, 0, 4)) {
            case 0:
                return false;
            case 1:
                model.clicked(form, pick(rng_, INT_MIN, INT_MAX));
                return form.ended;
            default:
                model.clicked(form, SelectMemoryModel::kFirstButton + pick(rng_, 0, 9));
                return form.ended;
        }
    }

    bool runFinancialRatesDialog(FinancialRatesModel& model) override {
        static constexpr std::array<const char*, 9> kTexts = {"8",       "0",  "abc", "1e-7", "1e7",
                                                              "1000000", "-3", " 5 ", "0.5"};
        FakeDialogView form;
        model.initialise(form);
        // The dialog stays open on a refused text; the user then tries again or cancels.
        while (!chance(rng_, 0.2)) {
            form.texts[FinancialRatesModel::kBankEdit] = oneOf(rng_, kTexts);
            form.texts[FinancialRatesModel::kDiscEdit] = oneOf(rng_, kTexts);
            if (model.accept(form)) return true;
        }
        return false;
    }

    bool runModeDialog(ModeDialogModel& model) override {
        if (chance(rng_, 0.3)) return false;
        FakeDialogView form;
        model.initialise(form);
        ModeSettings settings = model.settings();
        static constexpr std::array<const char*, 8> kDigits = {"1",  "10",  "22",  "0",
                                                               "23", "abc", " 5 ", "17"};
        settings.numberBase = static_cast<NumberBase>(pick(rng_, 0, 5));
        settings.displayType = static_cast<DisplayType>(pick(rng_, 0, 3));
        settings.angle = static_cast<AngleChoice>(pick(rng_, 0, 2));
        settings.digitsText = oneOf(rng_, kDigits);
        settings.errorBeep = chance(rng_, 0.5);
        model.show(form, settings);
        return model.accept(form);
    }

    bool runConvertDialog(ConvertDialogModel& model) override {
        if (chance(rng_, 0.3)) return false;
        if (database && !database->properties.empty() && chance(rng_, 0.5)) {
            const auto n = static_cast<int>(database->properties.size());
            model.property = &database->properties[static_cast<std::size_t>(pick(rng_, 0, n - 1))];
            model.fromUnit = nullptr;
            model.toUnit = nullptr;
        }
        if (model.property && !model.property->units.empty()) {
            auto& units = model.property->units;
            const auto n = static_cast<int>(units.size());
            model.fromUnit = chance(rng_, 0.2)
                                 ? nullptr
                                 : &nth(units, static_cast<std::size_t>(pick(rng_, 0, n - 1)));
            model.toUnit = chance(rng_, 0.2)
                               ? nullptr
                               : &nth(units, static_cast<std::size_t>(pick(rng_, 0, n - 1)));
        }
        return true;
    }

private:
    Rng& rng_;
};

void randomiseState(CalculatorState& s, RandomHost& host, Rng& rng) {
    s.numberBase = static_cast<NumberBase>(chance(rng, 0.9) ? pick(rng, 0, 5)
                                                            : oneOf(rng, std::array{-1, 6, 99}));
    s.displayType = static_cast<DisplayType>(chance(rng, 0.9) ? pick(rng, 0, 3)
                                                              : oneOf(rng, std::array{-2, 4, 77}));
    static constexpr std::array<int, 7> kDigits = {0, 23, -5, 1000000, INT_MAX, INT_MIN, 25};
    s.digits = chance(rng, 0.7) ? pick(rng, 1, 22) : oneOf(rng, kDigits);
    s.calcStatus = static_cast<CalcStatus>(pick(rng, 0, 2));
    host.display = randomDisplayText(rng);
    s.shift = chance(rng, 0.3);
    s.hyp = chance(rng, 0.3);
    s.errorBeep = chance(rng, 0.5);
    s.errorKeyCount = pick(rng, 0, 10);
    s.accum = randomDouble(rng);
    s.pendingOperator = randomOperator(rng);
    s.bracketDepth = pick(rng, 0, kBracketLevels);
    for (int i = 0; i < kBracketLevels; ++i) {
        s.accumBracket[static_cast<std::size_t>(i)] = randomDouble(rng);
        s.operatorBracket[static_cast<std::size_t>(i)] = randomOperator(rng);
    }
    for (double& m : s.memory) m = randomDouble(rng);
    s.sum = randomDouble(rng);
    s.sumSq = randomDouble(rng);
    s.max = randomDouble(rng);
    s.min = randomDouble(rng);
    s.nSum = randomCount(rng);
    s.bankRate = chance(rng, 0.5) ? 10.0 : randomDouble(rng);
    s.discRate = chance(rng, 0.5) ? 10.0 : randomDouble(rng);
    s.nNPV = randomCount(rng);
    s.sNPV = randomDouble(rng);
    s.dmsPhase = static_cast<DmsPhase>(pick(rng, 0, 2));
    s.buttonFontLoaded = chance(rng, 0.5);
}

CommandId randomKey(Rng& rng) {
    // Digits and operators more often, so that numbers and chains form.
    if (chance(rng, 0.3)) return static_cast<CommandId>('0' + pick(rng, 0, 9));
    return oneOf(rng, kAllKeys);
}

std::string describe(CalculatorState& s, const std::vector<std::uint32_t>& words,
                     std::uint64_t seed, int stream) {
    std::ostringstream out;
    out << "seed " << seed << " stream " << stream << ", base " << static_cast<int>(s.numberBase)
        << ", display type " << static_cast<int>(s.displayType) << ", digits " << s.digits
        << "; last keys:";
    const std::size_t from = words.size() > 20 ? words.size() - 20 : 0;
    for (std::size_t i = from; i < words.size(); ++i) out << ' ' << words[i];
    return out.str();
}

TEST(RandomKeyStreams, KeepTheEngineSound) {
    const std::uint64_t seed = environmentNumber("ZENTRA_RANDOM_KEYS_SEED", 20240611);
    const int streams = static_cast<int>(environmentNumber("ZENTRA_RANDOM_KEYS_STREAMS", 1000));
    Rng rng(seed);
    int failures = 0;

    for (int stream = 0; stream < streams && failures < 5; ++stream) {
        PropertyDatabase db;
        addBuiltInContent(db);
        db.presentProblem = [](const std::string&) {};
        CalculatorState s;
        s.database = &db;
        s.currentProperty = &standaloneDimensionless();
        RandomHost host(rng);
        host.database = &db;
        randomiseState(s, host, rng);
        std::vector<std::uint32_t> words;

        for (std::size_t k = 0; k < kKeysPerStream && failures < 5; ++k) {
            const CommandId key = randomKey(rng);
            const bool accelerator = chance(rng, 0.05);
            const std::uint32_t word = chance(rng, 0.01)
                                           ? static_cast<std::uint32_t>(pick(rng, 0, 70000))
                                           : commandWord(key, accelerator);
            words.push_back(word);
            try {
                handleCommand(s, host, word);
            } catch (const RuntimeProblem&) {
                // A failed database look-up abandons the command, as the hosts do.
            } catch (const std::exception& e) {
                host.problems.push_back(std::string("exception: ") + e.what());
            }

            const int status = static_cast<int>(s.calcStatus);
            if (status < 0 || status > 2)
                host.problems.push_back("calcStatus " + std::to_string(status));
            if (s.bracketDepth < 0 || s.bracketDepth > kBracketLevels)
                host.problems.push_back("bracketDepth " + std::to_string(s.bracketDepth));
            if (host.suspendDepth != 0) host.problems.push_back("power-off left suspended");
            if (word == commandWord(CommandId::CmdAllClear) &&
                (s.calcStatus != CalcStatus::Ready || s.bracketDepth != 0 ||
                 s.pendingOperator != OperatorCode::OpEquals))
                host.problems.push_back("AC did not reset the calculation");

            if (!host.problems.empty()) {
                ++failures;
                ADD_FAILURE() << host.problems.front() << "\n" << describe(s, words, seed, stream);
                host.problems.clear();
                host.suspendDepth = 0;
            }
        }
    }
}

}  // namespace
}  // namespace zentra::testing
