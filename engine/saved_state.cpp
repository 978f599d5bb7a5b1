#include "engine/saved_state.h"

#include <type_traits>

#include "base/number_text.h"
#include "engine/display_format.h"
#include "engine/saved_fields.h"
#include "units/property_database.h"

namespace zentra {
namespace {

StoredValue readStored(SettingsStore& store, const std::string& key, const StoredValue& fallback) {
    return std::visit(
        [&](const auto& value) -> StoredValue {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, int>)
                return store.readInt(key, value);
            else if constexpr (std::is_same_v<T, double>)
                return parseStoredDouble(store.readText(key, formatStoredDouble(value)));
            else
                return store.readText(key, value);
        },
        fallback);
}

void writeStored(SettingsStore& store, const std::string& key, const StoredValue& stored) {
    std::visit(
        [&](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, int>)
                store.writeInt(key, value);
            else if constexpr (std::is_same_v<T, double>)
                store.writeText(key, formatStoredDouble(value));
            else
                store.writeText(key, value);
        },
        stored);
}

// A missing key gives the record's initial value.
void readKeys(SettingsStore& store, SavedRecord& record, int step) {
    SavedRecord defaults;
    forEachKey(
        FieldWalk::Restore, record,
        [&](const std::string& key, const SavedField& field, std::size_t index) {
            StoredValue value = readStored(store, key, *storedValue(field.slot(defaults, index)));
            if (field.hold) field.hold(value);
            assignStored(field.slot(record, index), value);
        },
        step);
}

Property* angleProperty(PropertyDatabase* database) {
    return database ? findProperty(*database, kAngleProperty, true) : nullptr;
}

std::optional<std::string> angleName(PropertyDatabase* database) {
    if (Property* property = angleProperty(database)) return property->currentUnit->name;
    return std::nullopt;
}

}  // namespace

void restoreSavedState(CalculatorState& state, AppearanceSettings& appearance, SettingsStore& store,
                       PropertyDatabase* database) {
    SavedRecord record{state, appearance};
    readKeys(store, record, kRestoreWithState);
    state = record.state;
    appearance = record.appearance;
    if (Property* property = angleProperty(database)) {
        if (Unit* unit = findUnit(*database, *property, *record.angle, true))
            property->currentUnit = unit;
    }

    // Not saved: every start begins with these.
    state.shift = false;
    state.hyp = false;
    state.currentProperty = &standaloneDimensionless();
    state.convertFromUnit = nullptr;
    state.errorKeyCount = 0;
}

std::string readSavedDisplay(SettingsStore& store) {
    SavedRecord record;
    readKeys(store, record, kRestoreLast);
    return record.display;
}

void restoreDisplayAndLayout(CalculatorState& state, CalculatorView& view, SettingsStore& store) {
    view.setDisplayText(readSavedDisplay(store));
    markCaptions(state, CaptionChange::Start);
}

void saveState(const CalculatorState& state, const AppearanceSettings& appearance,
               std::string_view displayText, SettingsStore& store, PropertyDatabase* database) {
    SavedRecord record{state, appearance, angleName(database),
                       std::string(displayText.substr(0, kDisplayReadLimit))};
    forEachKey(FieldWalk::Save, record,
               [&](const std::string& key, const SavedField& field, std::size_t index) {
                   std::optional<StoredValue> value = storedValue(field.slot(record, index));
                   if (!value) return;
                   if (field.hold) field.hold(*value);
                   writeStored(store, key, *value);
               });
}

std::vector<std::pair<std::string, std::string>> dumpedKeys(const CalculatorState& state,
                                                            std::string_view displayText) {
    SavedRecord record{state, {}, angleName(state.database).value_or(""), std::string(displayText)};
    std::vector<std::pair<std::string, std::string>> lines;
    forEachKey(FieldWalk::Dump, record,
               [&](const std::string& key, const SavedField& field, std::size_t index) {
                   StoredValue value = *storedValue(field.slot(record, index));
                   if (field.hold) field.hold(value);
                   std::string text = std::visit(
                       [](const auto& v) -> std::string {
                           using T = std::decay_t<decltype(v)>;
                           if constexpr (std::is_same_v<T, int>)
                               return std::to_string(v);
                           else if constexpr (std::is_same_v<T, double>)
                               return formatStoredDouble(v);
                           else
                               return v;
                       },
                       value);
                   lines.emplace_back(key, std::move(text));
               });
    return lines;
}

}  // namespace zentra
