#pragma once
// The keypad as laid out in the window: every key with its command identifier
// and its place in dialog units. The engine gives every key its caption.

#include <array>
#include <string_view>

#include "engine/calculator.h"

namespace zentra {

struct KeyPlace {
    CommandId id;
    int x, y, width, height;
};

extern const std::array<KeyPlace, kKeyCount> kKeypad;

// The display edit: control 400 at (5, 4), 101 x 13 dialog units, in a window
// of 113 x 129.
struct DialogRect {
    int x, y, width, height;
};
inline constexpr int kDisplayControlId = 400;
inline constexpr DialogRect kDisplayPlace{5, 4, 101, 13};
inline constexpr int kWindowWidthDu = 113;
inline constexpr int kWindowHeightDu = 129;

}  // namespace zentra
