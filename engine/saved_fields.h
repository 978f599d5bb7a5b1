#pragma once
// The keys of section "Calc" as one table. A row gives the key, the member it
// fills and where it stands in each of the three walks (restoring, saving,
// --dump). The member's type gives the key's type and text form, its initial
// value the key's default; a row may hold a stored value to the model.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "base/appearance_settings.h"
#include "engine/calculator_state.h"
#include "units/property_database.h"

namespace zentra {

// Everything the saved keys fill. The initial values are a first start's.
struct SavedRecord {
    CalculatorState state;
    AppearanceSettings appearance;
    // The current unit of the property "angle"; none when the database has no
    // such property, and then nothing is saved for it.
    std::optional<std::string> angle = kDegreesUnit;
    std::string display = "0";
};

// Where a key's value lives in the record. Doubles are texts in the settings
// store's double form, strings texts, everything else an integer: bytes keep
// the low 8 bits on reading, bools are 0 and 1, enumerations their numbers.
using FieldSlot =
    std::variant<int*, bool*, std::uint8_t*, double*, std::string*, std::optional<std::string>*,
                 CalcStatus*, OperatorCode*, DisplayType*, NumberBase*>;

// A value as the settings store holds it.
using StoredValue = std::variant<int, double, std::string>;

// The three walks over the table; a row's step in each orders it (stable, 0 =
// not in that walk).
enum class FieldWalk : std::size_t { Restore = 0, Save = 1, Dump = 2 };

// Restore steps: with the state, or last, once the host's controls exist.
inline constexpr int kRestoreWithState = 1;
inline constexpr int kRestoreLast = 2;

struct SavedField {
    std::string_view key;  // indexed rows: the prefix of key<i>
    int steps[3];          // by FieldWalk
    FieldSlot (*slot)(SavedRecord&, std::size_t index);
    int (*count)(const SavedRecord&) = nullptr;  // indexed rows: how many keys
    void (*hold)(StoredValue&) = nullptr;        // on reading and writing
};

std::span<const SavedField> savedFields();

// Calls visit for each key of the walk, in order; with onlyStep, for the rows
// of that step alone. Neighbouring indexed rows of one count go level by
// level: AccumBracket0, OperatorBracket0, AccumBracket1, ...
using FieldVisit =
    std::function<void(const std::string& key, const SavedField& field, std::size_t index)>;
void forEachKey(FieldWalk walk, const SavedRecord& record, const FieldVisit& visit,
                int onlyStep = 0);

// The slot's value as stored; none for an absent optional text.
std::optional<StoredValue> storedValue(FieldSlot slot);
void assignStored(FieldSlot slot, const StoredValue& value);

}  // namespace zentra
