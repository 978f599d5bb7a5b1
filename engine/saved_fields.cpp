#include "engine/saved_fields.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <vector>

namespace zentra {
namespace {

template <auto Member>
FieldSlot inState(SavedRecord& r, std::size_t) {
    return &(r.state.*Member);
}

template <auto Member>
FieldSlot inStateArray(SavedRecord& r, std::size_t i) {
    return &(r.state.*Member)[i];
}

template <auto Member>
FieldSlot inAppearance(SavedRecord& r, std::size_t) {
    return &(r.appearance.*Member);
}

template <auto Colour, auto Channel>
FieldSlot colour(SavedRecord& r, std::size_t) {
    return &(r.appearance.*Colour.*Channel);
}

template <auto Font, auto Part>
FieldSlot font(SavedRecord& r, std::size_t) {
    return &(r.appearance.*Font.*Part);
}

FieldSlot angle(SavedRecord& r, std::size_t) {
    return &r.angle;
}

FieldSlot display(SavedRecord& r, std::size_t) {
    return &r.display;
}

int memories(const SavedRecord&) {
    return kMemoryCount;
}

int bracketDepth(int depth) {
    return std::clamp(depth, 0, kBracketLevels);
}

// Keys of deeper levels left by an earlier run are never read.
int openLevels(const SavedRecord& r) {
    return bracketDepth(r.state.bracketDepth);
}

void holdBrackets(StoredValue& value) {
    value = bracketDepth(std::get<int>(value));
}

void holdFaceName(StoredValue& value) {
    auto& name = std::get<std::string>(value);
    if (name.size() > kFaceNameLimit) name.resize(kFaceNameLimit);
}

using S = CalculatorState;
using A = AppearanceSettings;

// Steps: restore, save, dump. The rows stand in the restore order.
const std::array kFields = std::to_array<SavedField>({
    {"CalcStatus", {1, 3, 2}, inState<&S::calcStatus>},
    {"Operator", {1, 3, 2}, inState<&S::pendingOperator>},
    {"Memory", {1, 2, 5}, inStateArray<&S::memory>, memories},
    {"Accum", {1, 2, 3}, inState<&S::accum>},
    {"Brackets", {1, 4, 4}, inState<&S::bracketDepth>, nullptr, holdBrackets},
    {"AccumBracket", {1, 4, 4}, inStateArray<&S::accumBracket>, openLevels},
    {"OperatorBracket", {1, 4, 4}, inStateArray<&S::operatorBracket>, openLevels},
    {"AutoPowerOff", {1, 6, 0}, inState<&S::autoPowerOff>},
    {"ApoTime", {1, 6, 0}, inState<&S::apoTime>},
    {"DisplayType", {1, 6, 7}, inState<&S::displayType>},
    {"NumberBase", {1, 6, 7}, inState<&S::numberBase>},
    {"Sum", {1, 5, 6}, inState<&S::sum>},
    {"SumSq", {1, 5, 6}, inState<&S::sumSq>},
    {"Max", {1, 5, 6}, inState<&S::max>},
    {"Min", {1, 5, 6}, inState<&S::min>},
    {"nSum", {1, 5, 6}, inState<&S::nSum>},
    {"BankRate", {1, 5, 6}, inState<&S::bankRate>},
    {"DiscRate", {1, 5, 6}, inState<&S::discRate>},
    {"nNPV", {1, 5, 6}, inState<&S::nNPV>},
    {"sNPV", {1, 5, 6}, inState<&S::sNPV>},
    {"Digits", {1, 6, 7}, inState<&S::digits>},
    {"AlwaysOnTop", {1, 6, 0}, inState<&S::alwaysOnTop>},
    {"Beep", {1, 6, 0}, inState<&S::errorBeep>},
    {"BodyBevel", {1, 6, 0}, inAppearance<&A::bodyBevel>},
    {"GroupDigits", {1, 6, 0}, inState<&S::groupDigits>},
    {"Angle", {1, 8, 8}, angle},
    {"TextRed", {1, 7, 0}, colour<&A::textColour, &Rgb::red>},
    {"TextGreen", {1, 7, 0}, colour<&A::textColour, &Rgb::green>},
    {"TextBlue", {1, 7, 0}, colour<&A::textColour, &Rgb::blue>},
    {"BackRed", {1, 7, 0}, colour<&A::backColour, &Rgb::red>},
    {"BackGreen", {1, 7, 0}, colour<&A::backColour, &Rgb::green>},
    {"BackBlue", {1, 7, 0}, colour<&A::backColour, &Rgb::blue>},
    {"BodyRed", {1, 7, 0}, colour<&A::bodyColour, &Rgb::red>},
    {"BodyGreen", {1, 7, 0}, colour<&A::bodyColour, &Rgb::green>},
    {"BodyBlue", {1, 7, 0}, colour<&A::bodyColour, &Rgb::blue>},
    {"lfHeight", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::height>},
    {"lfWeight", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::weight>},
    {"lfItalic", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::italic>},
    {"lfUnderline", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::underline>},
    {"lfStrikeOut", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::strikeOut>},
    {"lfCharSet", {1, 9, 0}, font<&A::displayFontSpec, &FontSpec::charSet>},
    {"lfFaceName",
     {1, 9, 0},
     font<&A::displayFontSpec, &FontSpec::faceName>,
     nullptr,
     holdFaceName},
    {"lfbHeight", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::height>},
    {"lfbWeight", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::weight>},
    {"lfbItalic", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::italic>},
    {"lfbUnderline", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::underline>},
    {"lfbStrikeOut", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::strikeOut>},
    {"lfbCharSet", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::charSet>},
    {"lfbFaceName", {1, 9, 0}, font<&A::keyFontSpec, &FontSpec::faceName>, nullptr, holdFaceName},
    {"Display", {kRestoreLast, 1, 1}, display},
});

}  // namespace

std::span<const SavedField> savedFields() {
    return kFields;
}

void forEachKey(FieldWalk walk, const SavedRecord& record, const FieldVisit& visit, int onlyStep) {
    const auto w = static_cast<std::size_t>(walk);
    std::vector<const SavedField*> rows;
    for (const SavedField& field : kFields)
        if (field.steps[w] != 0 && (onlyStep == 0 || field.steps[w] == onlyStep))
            rows.push_back(&field);
    std::stable_sort(rows.begin(), rows.end(), [w](const SavedField* a, const SavedField* b) {
        return a->steps[w] < b->steps[w];
    });
    for (std::size_t p = 0; p < rows.size();) {
        const SavedField& first = *rows[p];
        if (!first.count) {
            visit(std::string(first.key), first, 0);
            ++p;
            continue;
        }
        std::size_t end = p + 1;
        while (end < rows.size() && rows[end]->count == first.count) ++end;
        // Counted as the walk reaches them: a restore has read the depth by then.
        const auto levels = static_cast<std::size_t>(std::max(first.count(record), 0));
        for (std::size_t i = 0; i < levels; ++i)
            for (std::size_t k = p; k < end; ++k)
                visit(std::string(rows[k]->key) + std::to_string(i), *rows[k], i);
        p = end;
    }
}

std::optional<StoredValue> storedValue(FieldSlot slot) {
    return std::visit(
        [](auto* member) -> std::optional<StoredValue> {
            using T = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<T, std::optional<std::string>>) {
                if (!*member) return std::nullopt;
                return **member;
            } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
                return *member;
            } else if constexpr (std::is_same_v<T, bool>) {
                return *member ? 1 : 0;
            } else {
                return static_cast<int>(*member);
            }
        },
        slot);
}

void assignStored(FieldSlot slot, const StoredValue& value) {
    std::visit(
        [&value](auto* member) {
            using T = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<T, std::optional<std::string>> ||
                          std::is_same_v<T, std::string>) {
                *member = std::get<std::string>(value);
            } else if constexpr (std::is_same_v<T, double>) {
                *member = std::get<double>(value);
            } else if constexpr (std::is_same_v<T, bool>) {
                *member = std::get<int>(value) != 0;
            } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                *member = static_cast<std::uint8_t>(std::get<int>(value) & 0xFF);
            } else {
                *member = static_cast<T>(std::get<int>(value));
            }
        },
        slot);
}

}  // namespace zentra
