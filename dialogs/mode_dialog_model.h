#pragma once
// The Calculator Mode dialog as a model: radio groups for the angle unit, the
// base or mode and the display type, the Digits and sec edits, the check
// boxes, and the Font, Background and Body choosers. Only an accepted OK
// hands the edited settings back; the Font button alone writes at once (into
// the window's display font).

#include <array>

#include "dialogs/dialog_view.h"
#include "dialogs/mode_settings.h"

namespace zentra {

class ModeDialogModel : public DialogModel {
public:
    // Control ids of the dialog's template.
    static constexpr ControlId kDeg = 118;
    static constexpr ControlId kRad = 119;
    static constexpr ControlId kGrad = 120;
    static constexpr ControlId kDecimal = 121;
    static constexpr ControlId kBinary = 123;
    static constexpr ControlId kOctal = 124;
    static constexpr ControlId kHexadecimal = 125;
    static constexpr ControlId kStatistics = 130;
    static constexpr ControlId kFinancialMode = 131;
    static constexpr ControlId kNormal = 126;
    static constexpr ControlId kFixed = 127;
    static constexpr ControlId kScientific = 128;
    static constexpr ControlId kFinancialDisplay = 129;
    static constexpr ControlId kDigitsEdit = 1029;
    static constexpr ControlId kAutoPowerOff = 122;
    static constexpr ControlId kSecEdit = 1033;
    static constexpr ControlId kBevel = 1031;
    static constexpr ControlId kAlwaysOnTop = 1039;
    static constexpr ControlId kErrorBeep = 1169;
    static constexpr ControlId kGroupDigits = 1172;
    static constexpr ControlId kFontButton = 1032;
    static constexpr ControlId kBackgroundButton = 1030;
    static constexpr ControlId kBodyButton = 1134;

    // The radio groups, each in the order of its enumeration.
    static constexpr std::array<ControlId, 3> kAngleRadios{kDeg, kRad, kGrad};
    static constexpr std::array<ControlId, 6> kBaseRadios{
        kDecimal, kBinary, kOctal, kHexadecimal, kStatistics, kFinancialMode};
    static constexpr std::array<ControlId, 4> kDisplayRadios{kNormal, kFixed, kScientific,
                                                             kFinancialDisplay};

    static constexpr const char* kBackgroundTitle = "Background";
    static constexpr const char* kBodyTitle = "Body";

    explicit ModeDialogModel(const ModeSettings& settings) : settings_(settings) {}

    // As given until an OK is accepted, then the validated settings.
    const ModeSettings& settings() const { return settings_; }

    // Sets every control and the chosen colours to settings, as a user who
    // made all those choices would leave the dialog; the display font is left
    // alone. For hosts that answer the dialog as a whole (zentra-cli).
    void show(DialogView& view, const ModeSettings& settings);

protected:
    void onInitialise() override;
    void onClicked(ControlId button) override;
    bool onAccept() override;

private:
    ModeSettings settings_;
    // The colours chosen so far; they reach settings_ only on OK.
    Rgb textColour_{}, backColour_{}, bodyColour_{};
};

}  // namespace zentra
