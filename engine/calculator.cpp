#include "engine/calculator.h"

#include "engine/dispatch.h"
#include "engine/key_handlers.h"
#include "engine/saved_state.h"
#include "units/property_database.h"

namespace zentra {

Calculator::Calculator(PropertyDatabase& database, CommandGuard& guard)
    : database_(database), guard_(guard) {
    state_.database = &database_;
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
    });
}

bool Calculator::press(CalculatorView& view, std::uint32_t commandWord) {
    bool hostsKey = false;
    guard_.runEngine(
        view, [&](CalculatorView& host) { hostsKey = !handleCommand(state_, host, commandWord); });
    return hostsKey;
}

void Calculator::openModeDialog(CalculatorView& view) {
    guard_.runEngine(view, [&](CalculatorView& host) { keyMode(state_, host); });
}

void Calculator::save(SettingsStore& store, std::string_view displayText) const {
    saveState(state_, appearance_, displayText, store, &database_);
}

std::vector<std::pair<std::string, std::string>> Calculator::dumpedKeys(
    std::string_view displayText) const {
    return zentra::dumpedKeys(state_, displayText);
}

}  // namespace zentra
