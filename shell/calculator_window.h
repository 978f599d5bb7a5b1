#pragma once
// The calculator's one window: a display above a keypad of 44 keys, laid out
// in dialog units. It routes every key to its Calculator as a command word and
// is that calculator's view.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "base/runtime_problem.h"
#include "engine/calculator.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/display_field.h"
#include "shell/help_window.h"
#include "shell/key_layout.h"

class QAction;
class QMenu;
class QPushButton;

namespace zentra {

class PowerOff;
class ResultAnnouncer;
class TapeWindow;

// The dialog units the window is laid out in: those of its template font,
// "Arial" 9 point. Measured before the calculator's font files are added, as
// adding a font file drops every loaded font and measuring would load it again.
DialogUnits windowDialogUnits();

// The window-menu entries by their command numbers; they bypass the error gate.
enum class SystemCommand { About = 21, Help = 22, Mode = 23, Copy = 24, Paste = 25 };

class CalculatorWindow : public QWidget, public CalculatorView {
    Q_OBJECT

public:
    // Restores the saved state from store into calculator (its database must
    // be loaded, since the angle unit is one of its units) and lays out the
    // keys for the mode, in units (windowDialogUnits()). The window is created
    // hidden. An empty tapeFile keeps the tape in the user's data directory.
    CalculatorWindow(Calculator& calculator, SettingsStore& store, bool buttonFontLoaded,
                     const DialogUnits& units, QWidget* parent = nullptr,
                     const QString& tapeFile = QString());
    // Saves the state into the store.
    ~CalculatorWindow() override;

    // A key click (fromAccelerator false) or an accelerator, through the engine's error gate.
    void runCommand(std::uint32_t commandWord);
    void runSystemCommand(SystemCommand command);
    // Writes the state now, as destruction will (for a session that is ending).
    void saveNow();
    // A later start asked for the calculator: un-minimise, raise, activate.
    void restoreAndActivate();
    // The window menu: "Mode", "Copy", "Paste", "&Help", "&About..." and Close,
    // after the display's edit actions when asked. The caller owns it.
    QMenu* createSystemMenu(bool withEditActions);

    CalculatorState& state() { return calculator_.state(); }
    DisplayField* display() const { return display_; }
    QPushButton* key(CommandId id) const;
    HelpWindow* helpWindow() const { return help_; }
    TapeWindow* tapeWindow() const { return tape_; }
    int beepCount() const { return beepCount_; }
    // Tells a screen reader about each new result or error on the display.
    ResultAnnouncer* announcer() const { return announcer_; }

    // CalculatorView
    std::string getDisplayText() override;
    void setDisplayText(std::string_view text) override;
    void setKeyLabel(CommandId key, std::string_view caption) override;
    void setKeyFont(CommandId key, KeyFont font) override;
    void setTitle(std::string_view title) override;
    void beep() override;
    void showMessage(std::string_view text, std::string_view caption) override;
    AppearanceSettings* appearanceSettings() override { return &calculator_.appearance(); }
    void applyAppearance(const CalculatorState& state) override;
    void suspendPowerOff() override;
    void resumePowerOff() override;
    // The dialogs that keys open, each one of shell/dialogs/.
    bool runSelectMemoryDialog(SelectMemoryModel& model) override;
    bool runFinancialRatesDialog(FinancialRatesModel& model) override;
    bool runConvertDialog(ConvertDialogModel& model) override;
    bool runPropertiesDialog(PropertiesDialogModel& model) override;
    bool runModeDialog(ModeDialogModel& model) override;
    void tapeGrew(std::size_t added) override;

    PowerOff& powerOff() const { return *powerOff_; }

signals:
    // The user closed the calculator (and confirmed losing database changes).
    void closeAccepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void restoreWindowPosition();
    void createTape(const QString& file);
    void keepFrameOnScreen();
    static QList<QRect> availableScreens();
    void createAppearanceObjects();
    void applyControlFonts();
    void showSystemMenu(const QPoint& globalPos, bool withEditActions);
    void copyDisplay();
    void pasteDisplay();
    void openHelp();
    void openAbout();
    void openModeDirectly();
    // What a screen reader is told after a command: the keys' names, their
    // latches, and the result the command showed.
    void afterCommand(const QString& displayBefore, bool announce, bool evenUnchanged);
    void updateKeyAccess();
    std::optional<std::size_t> keyIndex(CommandId id) const;
    void watchFloatingPointSignals();
    // The host's presenter, which the application gave the database.
    const RuntimeProblemPresenter& problemPresenter() const;

    Calculator& calculator_;
    CalculatorState& state_;
    AppearanceSettings& appearance_;
    SettingsStore& store_;
    const DialogUnits units_;

    DisplayField* display_ = nullptr;
    std::array<QPushButton*, kKeyCount> keys_{};  // in the order of kKeypad
    std::array<KeyFont, kKeyCount> keyFonts_{};
    std::array<QString, kKeyCount> captionWords_{};  // each caption as it is spoken
    std::array<bool, kKeyCount> latchHeard_{};       // each latch as last told
    ResultAnnouncer* announcer_ = nullptr;
    QFont displayFont_, keyFont_, glyphFont_;
    QPointer<HelpWindow> help_;
    PowerOff* powerOff_ = nullptr;
    TapeWindow* tape_ = nullptr;
    QAction* tapeAction_ = nullptr;
    int beepCount_ = 0;
    bool frameKnown_ = false;  // the desktop's frame was taken into account
};

}  // namespace zentra
