#include <gtest/gtest.h>

#include <map>
#include <set>
#include <type_traits>

#include "base/memory_settings_store.h"
#include "engine/saved_fields.h"
#include "engine/saved_state.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

using Values = std::map<std::string, StoredValue>;

// Every key the save walk reaches, with its value as stored.
Values savedValues(SavedRecord& record) {
    Values values;
    forEachKey(FieldWalk::Save, record,
               [&](const std::string& key, const SavedField& field, std::size_t index) {
                   if (auto value = storedValue(field.slot(record, index))) values[key] = *value;
               });
    return values;
}

// A value of the same type that no default holds.
StoredValue changed(const StoredValue& value) {
    return std::visit(
        [](const auto& v) -> StoredValue {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, int>)
                return v == 0 ? 1 : 0;
            else if constexpr (std::is_same_v<T, double>)
                return v / 2 + 1.25;
            else
                return v + "x";
        },
        value);
}

TEST(SavedFields, EveryKeyComesBackFromASave) {
    PropertyDatabase database;
    addBuiltInContent(database);
    Property* angle = findProperty(database, "angle", true);
    angle->currentUnit = findUnit(database, *angle, "gr", true);

    SavedRecord before;
    before.state.bracketDepth = 2;
    std::set<const SavedField*> saved;
    forEachKey(FieldWalk::Save, before,
               [&](const std::string& key, const SavedField& field, std::size_t index) {
                   saved.insert(&field);
                   if (key == "Brackets") return;  // two levels, set above
                   FieldSlot slot = field.slot(before, index);
                   assignStored(slot, changed(*storedValue(slot)));
               });
    before.angle = "gr";
    EXPECT_EQ(saved.size(), savedFields().size());  // no row is left out of the save

    MemorySettingsStore store;
    saveState(before.state, before.appearance, before.display, store, &database);
    PropertyDatabase fresh;
    addBuiltInContent(fresh);
    SavedRecord after;
    restoreSavedState(after.state, after.appearance, store, &fresh);
    after.display = readSavedDisplay(store);
    after.angle = findProperty(fresh, "angle", true)->currentUnit->name;

    SavedRecord defaults;
    const Values expected = savedValues(before);
    EXPECT_EQ(savedValues(after), expected);
    // Every key left its default, so none was skipped on the way.
    for (const auto& [key, value] : savedValues(defaults))
        EXPECT_NE(expected.at(key), value) << key;
}

TEST(SavedFields, DumpListsTheKeysInTheirDocumentedOrder) {
    CalculatorState state;
    state.bracketDepth = 2;
    std::vector<std::string> keys;
    for (const auto& [key, value] : dumpedKeys(state, "5")) keys.push_back(key);
    const std::vector<std::string> expected = {"Display",
                                               "CalcStatus",
                                               "Operator",
                                               "Accum",
                                               "Brackets",
                                               "AccumBracket0",
                                               "OperatorBracket0",
                                               "AccumBracket1",
                                               "OperatorBracket1",
                                               "Memory0",
                                               "Memory1",
                                               "Memory2",
                                               "Memory3",
                                               "Memory4",
                                               "Memory5",
                                               "Memory6",
                                               "Memory7",
                                               "Memory8",
                                               "Memory9",
                                               "Sum",
                                               "SumSq",
                                               "Max",
                                               "Min",
                                               "nSum",
                                               "BankRate",
                                               "DiscRate",
                                               "nNPV",
                                               "sNPV",
                                               "DisplayType",
                                               "NumberBase",
                                               "Digits",
                                               "Angle"};
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace zentra::testing
