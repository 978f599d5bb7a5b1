#pragma once
// The window's appearance from its AppearanceSettings: fonts from font
// descriptions and back, the display's and the body's colours, and the bevel.

#include <QColor>
#include <QFont>

#include "base/appearance_settings.h"

class QLineEdit;
class QPainter;
class QPushButton;
class QRect;
class QWidget;

namespace zentra {

QColor toQColor(Rgb rgb);
Rgb toRgb(const QColor& colour);

// A font from its description: a negative height is a pixel height, a positive
// one a cell height (taken as the pixel size); weight 0 keeps the default.
QFont fontFromSpec(const FontSpec& spec);
// The description of a chosen font, with a pixel height (negative) and the face
// name cut to 31 characters.
FontSpec specFromFont(const QFont& font, double logicalDpiY);

// The font a chooser starts from for a description: the face this desktop
// shows for it (the stored face or its substitute), in points, with its weight,
// slant and effects.
QFont chooserFontOf(const FontSpec& spec, double logicalDpiY);
// The description after a chooser that showed shown returned chosen: stored,
// with only what the user changed replaced, so that OK without a change keeps
// every field as it was (the stored face too, when the desktop substitutes it).
FontSpec chosenFontSpec(const FontSpec& stored, const QFont& shown, const QFont& chosen,
                        double logicalDpiY);

// The glyph font of the small keys: face "Buttons", 8 pixels high.
QFont glyphFontOf();

// Display text and background; the background stays while the text changes.
void applyDisplayColours(QWidget* display, const AppearanceSettings& settings);
// The body behind the keys, and the keys themselves in the body colour with
// caption colours that stay legible on it.
void applyBodyColours(QWidget* window, const AppearanceSettings& settings);

// The raised two-pixel edge inside rect: light along the top and left, dark
// along the right and bottom, coloured from the body colour.
void paintBevel(QPainter& painter, const QRect& rect, Rgb body);

}  // namespace zentra
