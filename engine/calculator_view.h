#pragma once
// What the engine needs of its host: the window, zentra-cli and the tests'
// recording view implement this, and the engine reaches its host through it alone.
// Every member is pure, so a host or a wrapper that leaves one out does not compile.
// Texts are bytes with Latin-1 meaning (the degree sign is byte 0xBA).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/command_id.h"

namespace zentra {

class ConvertDialogModel;
class PropertiesDialogModel;
class ModeDialogModel;
struct AppearanceSettings;
struct CalculatorState;
class FinancialRatesModel;
class SelectMemoryModel;

enum class KeyFont { Key, Glyph };

// The characters of the display text the engine reads back: the longest
// formatted value.
inline constexpr std::size_t kDisplayReadLimit = 25;

class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    // The display's text. The engine reads at most kDisplayReadLimit characters of it.
    virtual std::string getDisplayText() = 0;
    virtual void setDisplayText(std::string_view text) = 0;

    virtual void setKeyLabel(CommandId key, std::string_view caption) = 0;
    virtual void setKeyFont(CommandId key, KeyFont font) = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual void beep() = 0;
    // A modal message box with an OK button.
    virtual void showMessage(std::string_view text, std::string_view caption) = 0;

    // Around every modal dialog a key opens; the host pauses its power-off countdown.
    virtual void suspendPowerOff() = 0;
    virtual void resumePowerOff() = 0;

    // Modal dialogs. Each returns what the user chose; false cancels.
    //
    // Select Memory: true when a memory's button ended the dialog.
    virtual bool runSelectMemoryDialog(SelectMemoryModel& model) = 0;
    // Financial Rates, Convert and Properties dialogs: the host binds its
    // controls to the model, and true means the model accepted an OK.
    virtual bool runFinancialRatesDialog(FinancialRatesModel& model) = 0;
    virtual bool runConvertDialog(ConvertDialogModel& model) = 0;
    virtual bool runPropertiesDialog(PropertiesDialogModel& model) = 0;
    // Calculator Mode dialog, bound to the model like the three above.
    virtual bool runModeDialog(ModeDialogModel& model) = 0;
    // The window's colours, bevel and fonts, which the Mode dialog edits; hosts
    // without them return nullptr.
    virtual AppearanceSettings* appearanceSettings() = 0;
    // After the Mode dialog's OK: z-order, brushes, fonts and a repaint from the
    // changed settings.
    virtual void applyAppearance(const CalculatorState& state) = 0;

    // After a key (or a typed value, or the Mode dialog) that added entries
    // to the Calculator's tape: how many, the newest last. The oldest may have
    // fallen off to make room.
    virtual void tapeGrew(std::size_t added) = 0;
};

// Keeps the power-off countdown paused while a key's dialog runs, and resumes
// it however the command ends (a runtime problem unwinds through it too).
class PowerOffPause {
public:
    explicit PowerOffPause(CalculatorView& view) : view_(view) { view_.suspendPowerOff(); }
    ~PowerOffPause() { view_.resumePowerOff(); }
    PowerOffPause(const PowerOffPause&) = delete;
    PowerOffPause& operator=(const PowerOffPause&) = delete;

private:
    CalculatorView& view_;
};

}  // namespace zentra
