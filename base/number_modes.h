#pragma once
// The calculator's modes and display types, which the engine, the dialogs and
// the hosts all name. Their numbers are saved and must not change; stored
// values outside the listed ones are kept as they are (the underlying type is int).

namespace zentra {

enum class NumberBase : int {
    Decimal = 0,
    Binary = 1,
    Octal = 2,
    Hexadecimal = 3,
    Statistics = 4,
    Financial = 5,
};

enum class DisplayType : int { Normal = 0, Fixed = 1, Scientific = 2, Financial = 3 };

}  // namespace zentra
