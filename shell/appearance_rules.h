#pragma once
// Colour and timing rules of the window that need no platform: the bevel's
// edge colours from the body colour, and the power-off countdown's length.

#include "base/appearance_settings.h"

namespace zentra {

struct BevelColours {
    Rgb dark;   // right and bottom edges
    Rgb light;  // top and left edges
};

// Dark is each channel halved (rounded down). Light is white when the body's
// channels spread by more than 240, else each channel doubled up to 255.
BevelColours bevelColours(Rgb body);

// The countdown in milliseconds for a stored apoTime. The settings store may
// hold any integer; the countdown keeps to the Mode dialog's 10 to 32000 seconds
// so that 0, negative or huge values neither fire at once nor overflow.
int powerOffMilliseconds(int apoTime);

}  // namespace zentra
