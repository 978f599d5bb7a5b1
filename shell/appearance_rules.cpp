#include "shell/appearance_rules.h"

#include <algorithm>

#include "dialogs/mode_settings.h"

namespace zentra {

BevelColours bevelColours(Rgb body) {
    const int r = body.red, g = body.green, b = body.blue;
    const int spread = std::max({r, g, b}) - std::min({r, g, b});
    auto half = [](int c) { return static_cast<std::uint8_t>(c / 2); };
    auto twice = [](int c) { return static_cast<std::uint8_t>(std::min(2 * c, 255)); };
    BevelColours colours;
    colours.dark = Rgb{half(r), half(g), half(b)};
    colours.light = spread > 240 ? Rgb{255, 255, 255} : Rgb{twice(r), twice(g), twice(b)};
    return colours;
}

int powerOffMilliseconds(int apoTime) {
    return std::clamp(apoTime, kApoTimeMin, kApoTimeMax) * 1000;
}

}  // namespace zentra
