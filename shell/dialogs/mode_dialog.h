#pragma once
// The Calculator Mode dialog: angle unit, base or mode, display type and
// digits, colours and display font, bevel, always-on-top, error beep and
// automatic power-off, on a copy of the settings that only OK writes back.

#include <QDialog>
#include <functional>
#include <map>

#include "dialogs/mode_settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFontDialog;
class QLineEdit;
class QPushButton;

namespace zentra {

// The Font button's dialog: a font chooser with underline and strike-out
// together with the text colour.
class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    // storedFace: the face the description names, when the desktop may show another.
    FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr,
                     const QString& storedFace = QString());
    QFont selectedFont() const;
    QColor selectedColour() const { return colour_; }
    void setSelectedColour(const QColor& colour);
    QFontDialog* fontChooser() const { return chooser_; }
    QPushButton* colourButton() const { return colourButton_; }

private:
    QFontDialog* chooser_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QColor colour_;
};

class ModeDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids of the dialog's template.
    enum : int {
        kDeg = 118,
        kRad = 119,
        kGrad = 120,
        kDecimal = 121,
        kBinary = 123,
        kOctal = 124,
        kHexadecimal = 125,
        kStatistics = 130,
        kFinancialMode = 131,
        kNormal = 126,
        kFixed = 127,
        kScientific = 128,
        kFinancialDisplay = 129,
        kDigitsEdit = 1029,
        kAutoPowerOff = 122,
        kSecEdit = 1033,
        kBevel = 1031,
        kAlwaysOnTop = 1039,
        kErrorBeep = 1169,
        kFontButton = 1032,
        kBackgroundButton = 1030,
        kBodyButton = 1134,
    };

    explicit ModeDialog(ModeSettings& settings, QWidget* parent = nullptr);
    // True on OK, with the settings validated and written back.
    bool run();

    QWidget* control(int id) const;

    // The choosers the three buttons open; tests replace them.
    std::function<bool(FontSpec&, Rgb&)> chooseFont;
    std::function<bool(Rgb&, const QString&)> chooseColour;

private:
    void okClicked();
    void fontClicked();
    void colourClicked(Rgb& colour, const QString& title);

    ModeSettings& settings_;
    Rgb textColour_, backColour_, bodyColour_;
    QButtonGroup* angle_ = nullptr;
    QButtonGroup* base_ = nullptr;
    QButtonGroup* display_ = nullptr;
    QLineEdit* digits_ = nullptr;
    QLineEdit* sec_ = nullptr;
    QCheckBox* autoPowerOff_ = nullptr;
    QCheckBox* bevel_ = nullptr;
    QCheckBox* onTop_ = nullptr;
    QCheckBox* beep_ = nullptr;
    std::map<int, QWidget*> controls_;
};

}  // namespace zentra
