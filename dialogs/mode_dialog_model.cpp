#include "dialogs/mode_dialog_model.h"

#include <algorithm>

namespace zentra {
namespace {

template <std::size_t N>
void checkRadio(DialogView& view, const std::array<ControlId, N>& group, int index) {
    for (std::size_t i = 0; i < N; ++i) view.setChecked(group[i], static_cast<int>(i) == index);
}

// The position of the checked radio of a group; the first when none is.
template <class Enum, std::size_t N>
Enum checkedRadio(DialogView& view, const std::array<ControlId, N>& group) {
    const auto it =
        std::find_if(group.begin(), group.end(), [&](ControlId id) { return view.isChecked(id); });
    return static_cast<Enum>(it == group.end() ? 0 : it - group.begin());
}

struct CheckBox {
    ControlId id;
    bool ModeSettings::*flag;
};

constexpr CheckBox kCheckBoxes[] = {
    {ModeDialogModel::kAutoPowerOff, &ModeSettings::autoPowerOff},
    {ModeDialogModel::kBevel, &ModeSettings::bodyBevel},
    {ModeDialogModel::kAlwaysOnTop, &ModeSettings::alwaysOnTop},
    {ModeDialogModel::kErrorBeep, &ModeSettings::errorBeep},
    {ModeDialogModel::kGroupDigits, &ModeSettings::groupDigits},
};

}  // namespace

void ModeDialogModel::show(DialogView& view, const ModeSettings& s) {
    checkRadio(view, kAngleRadios, static_cast<int>(s.angle));
    checkRadio(view, kBaseRadios, static_cast<int>(s.numberBase));
    checkRadio(view, kDisplayRadios, static_cast<int>(s.displayType));
    view.setText(kDigitsEdit, s.digitsText);
    view.setText(kSecEdit, s.apoTimeText);
    for (const CheckBox& box : kCheckBoxes) view.setChecked(box.id, s.*box.flag);
    textColour_ = s.textColour;
    backColour_ = s.backColour;
    bodyColour_ = s.bodyColour;
}

void ModeDialogModel::onInitialise() {
    show(view(), settings_);
}

void ModeDialogModel::onClicked(ControlId button) {
    if (button == kFontButton) {
        // The chosen font goes straight into the window's display font; the
        // colour only into this dialog's copy.
        FontSpec scratch;
        FontSpec& spec = settings_.displayFontSpec ? *settings_.displayFontSpec : scratch;
        FontSpec chosen = spec;
        Rgb colour = textColour_;
        if (!view().chooseFont(chosen, colour)) return;
        spec = chosen;
        textColour_ = colour;
    } else if (button == kBackgroundButton || button == kBodyButton) {
        const bool background = button == kBackgroundButton;
        Rgb& colour = background ? backColour_ : bodyColour_;
        Rgb chosen = colour;
        if (view().chooseColour(chosen, background ? kBackgroundTitle : kBodyTitle))
            colour = chosen;
    }
}

bool ModeDialogModel::onAccept() {
    ModeSettings edited = settings_;
    edited.angle = checkedRadio<AngleChoice>(view(), kAngleRadios);
    edited.numberBase = checkedRadio<NumberBase>(view(), kBaseRadios);
    edited.displayType = checkedRadio<DisplayType>(view(), kDisplayRadios);
    edited.digitsText = view().text(kDigitsEdit);
    edited.apoTimeText = view().text(kSecEdit);
    for (const CheckBox& box : kCheckBoxes) edited.*box.flag = view().isChecked(box.id);
    edited.textColour = textColour_;
    edited.backColour = backColour_;
    edited.bodyColour = bodyColour_;
    if (auto problem = validateModeSettings(edited)) {
        view().showMessage(problem->message);
        view().setFocus(problem->field == ModeField::Digits ? kDigitsEdit : kSecEdit);
        return false;
    }
    settings_ = edited;
    return true;
}

}  // namespace zentra
