#include "shell/appearance.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "shell/appearance_rules.h"

namespace zentra {
namespace {

// Black or white, whichever reads better on background.
QColor captionColourOn(const QColor& background) {
    const double luminance =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace

QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Rgb toRgb(const QColor& colour) {
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

QFont fontFromSpec(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.faceName));
    // Numbers and key captions need no OpenType shaping: the display lays out
    // its text on every key without reading the face's layout tables.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    if (spec.height != 0) font.setPixelSize(std::abs(spec.height));
    if (spec.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
    font.setItalic(spec.italic != 0);
    font.setUnderline(spec.underline != 0);
    font.setStrikeOut(spec.strikeOut != 0);
    return font;
}

FontSpec specFromFont(const QFont& font, double logicalDpiY) {
    FontSpec spec;
    int pixels = font.pixelSize();
    if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * logicalDpiY / 72.0));
    spec.height = -std::max(pixels, 1);
    spec.weight = font.weight();
    spec.italic = font.italic() ? 1 : 0;
    spec.underline = font.underline() ? 1 : 0;
    spec.strikeOut = font.strikeOut() ? 1 : 0;
    spec.faceName = font.family().toStdString().substr(0, kFaceNameLimit);
    return spec;
}

QFont chooserFontOf(const FontSpec& spec, double logicalDpiY) {
    const QFont stored = fontFromSpec(spec);
    QFont font(QFontInfo(stored).family());
    const int pixels = spec.height != 0 ? std::abs(spec.height) : QFontInfo(stored).pixelSize();
    font.setPointSizeF(pixels * 72.0 / logicalDpiY);
    font.setWeight(stored.weight());
    font.setItalic(stored.italic());
    font.setUnderline(stored.underline());
    font.setStrikeOut(stored.strikeOut());
    // By its style's own name: a chooser that looks for "Normal" in a face that
    // calls it "Book" settles on another style.
    font.setStyleName(QFontInfo(font).styleName());
    return font;
}

FontSpec chosenFontSpec(const FontSpec& stored, const QFont& shown, const QFont& chosen,
                        double logicalDpiY) {
    const FontSpec picked = specFromFont(chosen, logicalDpiY);
    FontSpec spec = stored;
    if (chosen.family() != shown.family()) spec.faceName = picked.faceName;
    if (chosen.pointSizeF() != shown.pointSizeF() || chosen.pixelSize() != shown.pixelSize())
        spec.height = picked.height;
    if (chosen.weight() != shown.weight()) spec.weight = picked.weight;
    if (chosen.italic() != shown.italic()) spec.italic = picked.italic;
    if (chosen.underline() != shown.underline()) spec.underline = picked.underline;
    if (chosen.strikeOut() != shown.strikeOut()) spec.strikeOut = picked.strikeOut;
    return spec;
}

QFont glyphFontOf() {
    QFont font(QStringLiteral("Buttons"));
    font.setPixelSize(8);
    // Shaped, unlike the text fonts: only the shaper finds this face's
    // private-use pictures; laid out without it, the keys show nothing.
    return font;
}

void applyDisplayColours(QWidget* display, const AppearanceSettings& settings) {
    QPalette palette = display->palette();
    const QColor text = toQColor(settings.textColour);
    const QColor back = toQColor(settings.backColour);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Window, back);
        // Selected text shows inverted, so a selection is seen on any colours.
        palette.setColor(group, QPalette::Highlight, text);
        palette.setColor(group, QPalette::HighlightedText, back);
    }
    display->setPalette(palette);
}

void applyBodyColours(QWidget* window, const AppearanceSettings& settings) {
    const QColor body = toQColor(settings.bodyColour);
    const QColor caption = captionColourOn(body);
    QPalette palette = window->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, body);
        palette.setColor(group, QPalette::Button, body);
        palette.setColor(group, QPalette::ButtonText, caption);
        palette.setColor(group, QPalette::WindowText, caption);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, body);
    palette.setColor(QPalette::Disabled, QPalette::Button, body);
    window->setAutoFillBackground(true);
    window->setPalette(palette);
}

void paintBevel(QPainter& painter, const QRect& rect, Rgb body) {
    const BevelColours colours = bevelColours(body);
    const QColor dark = toQColor(colours.dark), light = toQColor(colours.light);
    // Filled one-pixel strips rather than lines: a line is one device pixel
    // wide at any scale, a strip one pixel of the window's own.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int inset = 0; inset < 2; ++inset) {
        const int left = rect.left() + inset, top = rect.top() + inset;
        const int right = rect.right() - inset, bottom = rect.bottom() - inset;
        const int across = right - left, down = bottom - top;
        // The corner at (right, top) is dark, the one at (left, bottom) light.
        painter.fillRect(QRect(right, top, 1, down), dark);
        painter.fillRect(QRect(left + 1, bottom, across, 1), dark);
        painter.fillRect(QRect(left, top + 1, 1, down), light);
        painter.fillRect(QRect(left, top, across, 1), light);
    }
    painter.restore();
}

}  // namespace zentra
