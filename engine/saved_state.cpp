#include "engine/saved_state.h"

#include <algorithm>
#include <string>

#include "engine/display_format.h"
#include "engine/key_labels.h"
#include "units/number_text.h"
#include "units/property_database.h"

namespace zentra {
namespace {

double readDouble(SettingsStore& store, const std::string& key, std::string_view defaultText) {
    return parseStoredDouble(store.readText(key, defaultText));
}

void writeDouble(SettingsStore& store, const std::string& key, double value) {
    store.writeText(key, formatStoredDouble(value));
}

std::string indexed(const char* prefix, int i) {
    return prefix + std::to_string(i);
}

Rgb readColour(SettingsStore& store, const char* prefix, Rgb defaults) {
    const std::string p = prefix;
    // Each channel keeps the low byte of whatever is stored.
    return {static_cast<std::uint8_t>(store.readInt(p + "Red", defaults.red) & 0xFF),
            static_cast<std::uint8_t>(store.readInt(p + "Green", defaults.green) & 0xFF),
            static_cast<std::uint8_t>(store.readInt(p + "Blue", defaults.blue) & 0xFF)};
}

void writeColour(SettingsStore& store, const char* prefix, Rgb colour) {
    const std::string p = prefix;
    store.writeInt(p + "Red", colour.red);
    store.writeInt(p + "Green", colour.green);
    store.writeInt(p + "Blue", colour.blue);
}

FontSpec readFont(SettingsStore& store, const char* prefix, const FontSpec& defaults) {
    const std::string p = prefix;
    FontSpec spec;
    spec.height = store.readInt(p + "Height", defaults.height);
    spec.weight = store.readInt(p + "Weight", defaults.weight);
    spec.italic = static_cast<std::uint8_t>(store.readInt(p + "Italic", defaults.italic) & 0xFF);
    spec.underline =
        static_cast<std::uint8_t>(store.readInt(p + "Underline", defaults.underline) & 0xFF);
    spec.strikeOut =
        static_cast<std::uint8_t>(store.readInt(p + "StrikeOut", defaults.strikeOut) & 0xFF);
    spec.charSet = static_cast<std::uint8_t>(store.readInt(p + "CharSet", defaults.charSet) & 0xFF);
    spec.faceName = store.readText(p + "FaceName", defaults.faceName);
    if (spec.faceName.size() > kFaceNameLimit) spec.faceName.resize(kFaceNameLimit);
    return spec;
}

void writeFont(SettingsStore& store, const char* prefix, const FontSpec& spec) {
    const std::string p = prefix;
    store.writeInt(p + "Height", spec.height);
    store.writeInt(p + "Weight", spec.weight);
    store.writeInt(p + "Italic", spec.italic);
    store.writeInt(p + "Underline", spec.underline);
    store.writeInt(p + "StrikeOut", spec.strikeOut);
    store.writeInt(p + "CharSet", spec.charSet);
    store.writeText(p + "FaceName", spec.faceName);
}

}  // namespace

void restoreSavedState(CalculatorState& state, AppearanceSettings& appearance, SettingsStore& store,
                       PropertyDatabase* database) {
    state.calcStatus = static_cast<CalcStatus>(store.readInt("CalcStatus", 0));
    state.pendingOperator = static_cast<OperatorCode>(store.readInt("Operator", 61));
    state.shift = false;
    for (int i = 0; i < kMemoryCount; ++i)
        state.memory[static_cast<std::size_t>(i)] = readDouble(store, indexed("Memory", i), "0");
    state.accum = readDouble(store, "Accum", "0");
    state.bracketDepth = std::clamp(store.readInt("Brackets", 0), 0, kBracketLevels);
    for (int i = 0; i < state.bracketDepth; ++i) {
        const auto level = static_cast<std::size_t>(i);
        state.accumBracket[level] = readDouble(store, indexed("AccumBracket", i), "0");
        state.operatorBracket[level] =
            static_cast<OperatorCode>(store.readInt(indexed("OperatorBracket", i), 61));
    }
    state.hyp = false;
    state.autoPowerOff = store.readInt("AutoPowerOff", 0) != 0;
    state.apoTime = store.readInt("ApoTime", 120);
    state.powerOffTimer = 0;
    state.powerOffSuspended = false;
    state.displayType = static_cast<DisplayType>(store.readInt("DisplayType", 0));
    state.numberBase = static_cast<NumberBase>(store.readInt("NumberBase", 0));
    state.sum = readDouble(store, "Sum", "0");
    state.sumSq = readDouble(store, "SumSq", "0");
    state.max = readDouble(store, "Max", "-1e30");
    state.min = readDouble(store, "Min", "1e30");
    state.nSum = store.readInt("nSum", 0);
    state.bankRate = readDouble(store, "BankRate", "10");
    state.discRate = readDouble(store, "DiscRate", "10");
    state.nNPV = store.readInt("nNPV", 1);
    state.sNPV = readDouble(store, "sNPV", "0");
    state.digits = store.readInt("Digits", 10);
    state.alwaysOnTop = store.readInt("AlwaysOnTop", 0) != 0;
    state.errorBeep = store.readInt("Beep", 1) != 0;
    appearance.bodyBevel = store.readInt("BodyBevel", 0) != 0;

    const std::string angle = store.readText("Angle", "deg");
    if (database) {
        if (Property* property = findProperty(*database, "angle", true)) {
            if (Unit* unit = findUnit(*database, *property, angle, true))
                property->currentUnit = unit;
        }
    }

    const AppearanceSettings defaults;
    appearance.textColour = readColour(store, "Text", defaults.textColour);
    appearance.backColour = readColour(store, "Back", defaults.backColour);
    appearance.bodyColour = readColour(store, "Body", defaults.bodyColour);
    appearance.displayFontSpec = readFont(store, "lf", defaults.displayFontSpec);
    appearance.keyFontSpec = readFont(store, "lfb", defaults.keyFontSpec);

    state.currentProperty = &standaloneDimensionless();
    state.convertFromUnit = nullptr;
    state.errorKeyCount = 0;
}

std::string readSavedDisplay(SettingsStore& store) {
    return store.readText("Display", "0");
}

void restoreDisplayAndLayout(CalculatorState& state, CalculatorView& view, SettingsStore& store) {
    view.setDisplayText(readSavedDisplay(store));
    applyModeLayout(state, view);
}

void saveState(const CalculatorState& state, const AppearanceSettings& appearance,
               std::string_view displayText, SettingsStore& store, PropertyDatabase* database) {
    store.writeText("Display", displayText.substr(0, kDisplayReadLimit));
    for (int i = 0; i < kMemoryCount; ++i)
        writeDouble(store, indexed("Memory", i), state.memory[static_cast<std::size_t>(i)]);
    writeDouble(store, "Accum", state.accum);
    store.writeInt("CalcStatus", static_cast<int>(state.calcStatus));
    store.writeInt("Operator", static_cast<int>(state.pendingOperator));
    const int depth = std::clamp(state.bracketDepth, 0, kBracketLevels);
    store.writeInt("Brackets", depth);
    for (int i = 0; i < depth; ++i) {
        const auto level = static_cast<std::size_t>(i);
        writeDouble(store, indexed("AccumBracket", i), state.accumBracket[level]);
        store.writeInt(indexed("OperatorBracket", i),
                       static_cast<int>(state.operatorBracket[level]));
    }
    writeDouble(store, "Sum", state.sum);
    writeDouble(store, "SumSq", state.sumSq);
    writeDouble(store, "Max", state.max);
    writeDouble(store, "Min", state.min);
    store.writeInt("nSum", state.nSum);
    writeDouble(store, "BankRate", state.bankRate);
    writeDouble(store, "DiscRate", state.discRate);
    store.writeInt("nNPV", state.nNPV);
    writeDouble(store, "sNPV", state.sNPV);
    store.writeInt("AutoPowerOff", state.autoPowerOff ? 1 : 0);
    store.writeInt("ApoTime", state.apoTime);
    store.writeInt("DisplayType", static_cast<int>(state.displayType));
    store.writeInt("NumberBase", static_cast<int>(state.numberBase));
    store.writeInt("Digits", state.digits);
    store.writeInt("AlwaysOnTop", state.alwaysOnTop ? 1 : 0);
    store.writeInt("Beep", state.errorBeep ? 1 : 0);
    store.writeInt("BodyBevel", appearance.bodyBevel ? 1 : 0);
    writeColour(store, "Text", appearance.textColour);
    writeColour(store, "Back", appearance.backColour);
    writeColour(store, "Body", appearance.bodyColour);
    if (database) {
        if (Property* property = findProperty(*database, "angle", true))
            store.writeText("Angle", property->currentUnit->name);
    }
    writeFont(store, "lf", appearance.displayFontSpec);
    writeFont(store, "lfb", appearance.keyFontSpec);
}

}  // namespace zentra
