#include "engine/calculator.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/control_keys.h"
#include "engine/dispatch.h"
#include "engine/key_labels.h"
#include "engine/mode_key.h"
#include "engine/number_bases.h"
#include "engine/saved_state.h"
#include "units/property_database.h"

namespace zentra {

Calculator::Calculator(PropertyDatabase& database, CommandGuard& guard)
    : database_(database), guard_(guard) {
    state_.database = &database_;
    state_.tape = &tape_;
}

bool Calculator::loadDatabase(const DatabaseSource& source, const MessageSink& messages) {
    return guard_.runHost([&] {
        if (source.file) {
            addBuiltInContent(database_);
            zentra::loadDatabase(database_, *source.file, messages, source.osVersion);
        } else {
            initDatabase(database_, source.dataDirectories, messages, source.osVersion);
        }
    });
}

void Calculator::restore(SettingsStore& store, CalculatorView& view) {
    guard_.runEngine(view, [&](CalculatorView& host) {
        restoreSavedState(state_, appearance_, store, &database_);
        host.applyAppearance(state_);
        restoreDisplayAndLayout(state_, host, store);
        redrawCaptions(state_, host);
    });
}

bool Calculator::press(CalculatorView& view, std::uint32_t commandWord) {
    const std::uint64_t appended = tape_.appendedCount();
    bool hostsKey = false;
    if (!guard_.runEngine(view, [&](CalculatorView& host) {
            hostsKey = !handleCommand(state_, host, commandWord);
        }))
        finishAbandoned(view);
    reportTape(view, appended);
    return hostsKey;
}

void Calculator::reportTape(CalculatorView& view, std::uint64_t appendedBefore) {
    if (tape_.appendedCount() != appendedBefore)
        view.tapeGrew(static_cast<std::size_t>(tape_.appendedCount() - appendedBefore));
}

void Calculator::finishAbandoned(CalculatorView& view) {
    state_.tapeNote.taken = false;
    if (state_.captionChanges == 0) return;
    guard_.runEngine(view, [&](CalculatorView& host) { redrawCaptions(state_, host); });
}

namespace {

// The keys that type a value as the display shows it: blanks dropped, the
// exponent's "+" left out and its "-" (and a leading one) by the sign key.
// The integer bases type the whole part.
std::optional<std::vector<CommandId>> keysOfValue(std::string_view text, NumberBase base) {
    std::string digits;
    bool negative = false;
    bool exponentNegative = false;
    for (char c : text) {
        if (c == ' ') continue;
        if (c == '-' && digits.empty() && !negative) {
            negative = true;
        } else if ((c == '-' || c == '+') && !isIntegerBase(base) && !digits.empty() &&
                   digits.back() == 'E') {
            exponentNegative = exponentNegative || c == '-';
            if (c == '-') digits += '-';
        } else if (c == '.' && isIntegerBase(base)) {
            break;
        } else {
            digits += c;
        }
    }
    std::vector<CommandId> keys;
    std::size_t start = 0;
    while (start <= digits.size()) {
        const auto minus = digits.find('-', start);
        const std::string_view part = std::string_view(digits).substr(
            start, minus == std::string::npos ? minus : minus - start);
        if (!part.empty()) {
            std::optional<std::vector<CommandId>> typed = keysOfNumber(part, base);
            if (!typed) return std::nullopt;
            keys.insert(keys.end(), typed->begin(), typed->end());
        }
        if (minus == std::string::npos) break;
        keys.push_back(CommandId::CmdChangeSign);
        start = minus + 1;
    }
    if (keys.empty()) return std::nullopt;
    if (negative) keys.push_back(CommandId::CmdChangeSign);
    return keys;
}

}  // namespace

bool Calculator::typeValue(CalculatorView& view, std::string_view text) {
    const std::optional<std::vector<CommandId>> keys = keysOfValue(text, state_.numberBase);
    if (!keys) return false;
    const std::uint64_t appended = tape_.appendedCount();
    bool typed = false;
    const bool finished = guard_.runEngine(view, [&](CalculatorView& host) {
        // In Error status the first key is refused as any key is, and nothing
        // is typed.
        if (state_.calcStatus == CalcStatus::Error) {
            handleCommand(state_, host, commandWord(keys->front()));
            return;
        }
        // A new number, not more digits of the last; under shift the digits
        // of Statistics would be its statistics.
        state_.calcStatus = CalcStatus::Ready;
        if (state_.shift) {
            toggleShift(state_, host);
            redrawCaptions(state_, host);
        }
        for (CommandId key : *keys) handleCommand(state_, host, commandWord(key));
        typed = true;
    });
    if (!finished) finishAbandoned(view);
    reportTape(view, appended);
    return typed;
}

void Calculator::openModeDialog(CalculatorView& view) {
    const std::uint64_t appended = tape_.appendedCount();
    if (!guard_.runEngine(view,
                          [&](CalculatorView& host) { performOffKeypad(state_, host, keyMode); }))
        finishAbandoned(view);
    reportTape(view, appended);
}

Expected<TapeFileNotice> Calculator::openTapeFile(const std::filesystem::path& path,
                                                  bool createFolder) {
    TapeLoad load = loadTapeFile(path);
    if (load.refused) {
        tapeNotSaved_ = *load.refused;
        return failure(std::move(*load.refused));
    }
    tapePath_ = path;
    tapeCreatesFolder_ = createFolder;
    tapeNotSaved_ = load.keptDamaged;
    for (std::size_t i = 0; i < tape_.size(); ++i) load.tape.append(TapeEntry(tape_[i]));
    tape_ = std::move(load.tape);
    return TapeFileNotice{std::move(load.setAside), std::move(load.keptDamaged)};
}

Expected<void> Calculator::saveTapeFile() {
    if (tapeNotSaved_) return failure(*tapeNotSaved_);
    if (!tapePath_) return {};
    return zentra::saveTapeFile(*tapePath_, tape_, tapeCreatesFolder_);
}

void Calculator::save(SettingsStore& store, std::string_view displayText) const {
    saveState(state_, appearance_, displayText, store, &database_);
}

std::vector<std::pair<std::string, std::string>> Calculator::dumpedKeys(
    std::string_view displayText) const {
    return zentra::dumpedKeys(state_, displayText);
}

}  // namespace zentra
