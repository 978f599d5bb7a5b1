#pragma once
// Colours, bevel and fonts of the window, saved with the calculator state.

#include <cstdint>
#include <string>

namespace zentra {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A logical-font description. A negative height is a character height in pixels.
struct FontSpec {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;  // 0 default, 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // at most kFaceNameLimit characters
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline constexpr std::size_t kFaceNameLimit = 31;

struct AppearanceSettings {
    Rgb textColour{0, 255, 255};  // cyan
    Rgb backColour{0, 0, 64};     // dark blue
    Rgb bodyColour{128, 128, 128};
    bool bodyBevel = false;
    FontSpec displayFontSpec = makeFont(-12, 700);
    FontSpec keyFontSpec = makeFont(-14, 0);

    static FontSpec makeFont(std::int32_t height, std::int32_t weight) {
        FontSpec spec;
        spec.height = height;
        spec.weight = weight;
        spec.faceName = "Arial";
        return spec;
    }
};

}  // namespace zentra
