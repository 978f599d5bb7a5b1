#pragma once
// A CalculatorView that keeps the display text and answers nothing else: a host
// without captions, power-off, appearance or tape window whose dialogs cancel. The
// tests' recording view and the benchmarks build on it.

#include <string>
#include <string_view>

#include "engine/calculator_view.h"

namespace zentra::testing {

class NullView : public CalculatorView {
public:
    std::string display = "0";

    std::string getDisplayText() override { return display; }
    void setDisplayText(std::string_view text) override { display.assign(text); }
    void setKeyLabel(CommandId, std::string_view) override {}
    void setKeyFont(CommandId, KeyFont) override {}
    void setTitle(std::string_view) override {}
    void beep() override {}
    void showMessage(std::string_view, std::string_view) override {}
    void suspendPowerOff() override {}
    void resumePowerOff() override {}
    bool runSelectMemoryDialog(SelectMemoryModel&) override { return false; }
    bool runFinancialRatesDialog(FinancialRatesModel&) override { return false; }
    bool runConvertDialog(ConvertDialogModel&) override { return false; }
    bool runPropertiesDialog(PropertiesDialogModel&) override { return false; }
    bool runModeDialog(ModeDialogModel&) override { return false; }
    AppearanceSettings* appearanceSettings() override { return nullptr; }
    void applyAppearance(const CalculatorState&) override {}
    void tapeGrew(std::size_t) override {}
};

}  // namespace zentra::testing
