#include "shell/calculator_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSocketNotifier>
#include <climits>
#include <optional>

#include "base/key_glyphs.h"
#include "base/message_texts.h"
#include "base/settings_store.h"
#include "dialogs/financial_rates.h"
#include "dialogs/mode_dialog_model.h"
#include "platform/host_dispatch.h"
#include "shell/about_dialog.h"
#include "shell/accelerators.h"
#include "shell/appearance.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/memory_rates_dialogs.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/dialogs/units_dialogs.h"
#include "shell/early_keys.h"
#include "shell/help_window.h"
#include "shell/power_off.h"
#include "shell/qt_text.h"
#include "shell/result_announcer.h"
#include "shell/spoken_key_names.h"
#include "shell/tape_window.h"
#include "shell/window_place.h"
#include "units/property_database.h"

namespace zentra {
namespace {

constexpr const char* kUnsavedDatabaseText =
    "Unsaved modifications to properties database will be lost";
// Where the window was left; not part of the calculator state proper.
constexpr const char* kWindowXKey = "WindowX";
constexpr const char* kWindowYKey = "WindowY";
constexpr int kNoPosition = INT_MIN;
constexpr int kDefaultPositionDu = 48;

// A caption's bytes as the key shows them: with the button font loaded, a
// byte from 0x80 up is a picture of the "Buttons" face, reached at U+E000 + byte.
QString captionText(std::string_view bytes, bool glyphs) {
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (glyphs && byte >= 0x80)
            text += QChar(static_cast<char16_t>(0xE000 + byte));
        else if (byte == '&')
            text += QStringLiteral("&&");  // not a mnemonic
        else
            text += QChar(static_cast<char16_t>(byte));
    }
    return text;
}

QString spokenCaption(std::string_view bytes) {
    for (const GlyphCaption& entry : kGlyphCaptions)
        if (std::string_view(entry.glyph) == bytes) return QString::fromLatin1(entry.words);
    // "sin" followed by the inverse mark reads "asin".
    if (!bytes.empty() && bytes.back() == kInverseMark)
        return QStringLiteral("a") + fromLatin1(bytes.substr(0, bytes.size() - 1));
    return fromLatin1(bytes);
}

bool hasGlyphs(std::string_view bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

}  // namespace

DialogUnits windowDialogUnits() {
    return dialogUnitsOf(templateFont(9));
}

CalculatorWindow::CalculatorWindow(Calculator& calculator, SettingsStore& store,
                                   bool buttonFontLoaded, const DialogUnits& units, QWidget* parent,
                                   const QString& tapeFile)
    : QWidget(parent),
      calculator_(calculator),
      state_(calculator.state()),
      appearance_(calculator.appearance()),
      store_(store),
      units_(units) {
    setAttribute(Qt::WA_QuitOnClose, false);  // the application ends the run itself
    // A fixed size: no desktop may offer maximise (or resize, by the fixed size).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    powerOff_ = new PowerOff(this, state_);
    new EarlyKeys(this);  // a dialog takes the keys typed while it opens

    state_.buttonFontLoaded = buttonFontLoaded;

    // The window menu: the display's context menu, the Menu key and Shift+F10
    // (the desktop's context-menu keys, in eventFilter) wherever the focus is,
    // and Alt+Space where the window manager leaves it to us.
    display_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(display_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showSystemMenu(display_->mapToGlobal(pos), true); });
    auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        showSystemMenu(display_->mapToGlobal(display_->rect().bottomLeft()), false);
    });

    // The saved state, then its appearance (fonts, colours, always on top), display and captions.
    calculator_.restore(store_, *this);
    updateKeyAccess();
    watchFloatingPointSignals();
    restoreWindowPosition();
    createTape(tapeFile);
    if (state_.groupDigits) tape_->setGrouping(state_.numberBase);
    // Typing should reach the keypad's keyboard table, not edit the display.
    if (QPushButton* equals = key(CommandId::CmdEquals)) equals->setFocus();
}

CalculatorWindow::~CalculatorWindow() {
    saveNow();
}

void CalculatorWindow::saveNow() {
    calculator_.save(store_, getDisplayText());
    tape_->save(store_);
    // Wayland places windows itself and tells no position: keep the one last known.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    store_.writeInt(kWindowXKey, pos().x());
    store_.writeInt(kWindowYKey, pos().y());
}

void CalculatorWindow::createTape(const QString& file) {
    tape_ = new TapeWindow(this, calculator_, file);
    // Reading and recalling from the tape is use of the calculator.
    powerOff_->watch(tape_);
    connect(tape_, &TapeWindow::controlsMade, this, [this] {
        for (QWidget* control : tape_->findChildren<QWidget*>()) powerOff_->watch(control);
    });
    connect(tape_, &TapeWindow::dialogOpens, this, &CalculatorWindow::suspendPowerOff);
    connect(tape_, &TapeWindow::dialogCloses, this, &CalculatorWindow::resumePowerOff);
    tape_->applyColours(appearance_);
    tape_->restore(store_);
    // A recalled value is typed as the keys would type it, through the gate.
    connect(tape_, &TapeWindow::recallRequested, this, [this](const QString& value) {
        calculator_.typeValue(*this, value.toStdString());
        updateKeyAccess();
    });
    // One command for Ctrl+T in either window and for the window menu's item.
    tapeAction_ = new QAction(QStringLiteral("&Tape"), this);
    tapeAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    tapeAction_->setShortcutContext(Qt::ApplicationShortcut);
    tapeAction_->setCheckable(true);
    addAction(tapeAction_);
    connect(tapeAction_, &QAction::triggered, tape_, &TapeWindow::toggle);
}

void CalculatorWindow::createControls() {
    setFixedSize(units_.map(0, 0, kWindowWidthDu, kWindowHeightDu).size());

    display_ = new DisplayField(this);
    display_->setObjectName(QStringLiteral("display"));
    display_->setAccessibleName(QStringLiteral("Display"));
    announcer_ = new ResultAnnouncer(display_);
    display_->setGeometry(
        units_.map(kDisplayPlace.x, kDisplayPlace.y, kDisplayPlace.width, kDisplayPlace.height));
    // Enter in the display presses the default key, Help.
    connect(display_, &QLineEdit::returnPressed, this,
            [this] { runCommand(commandWord(CommandId::CmdHelp)); });
    // Whatever writes the display, typing, a key or a paste, is use.
    connect(display_, &QLineEdit::textChanged, this, [this] {
        if (powerOff_) powerOff_->restart();
    });

    for (std::size_t i = 0; i < kKeypad.size(); ++i) {
        const KeyPlace& place = kKeypad[i];
        // The engine gives the caption when the state is restored.
        auto* button = new QPushButton(this);
        button->setGeometry(units_.map(place.x, place.y, place.width, place.height));
        button->setAutoDefault(false);
        button->installEventFilter(this);
        const CommandId id = place.id;
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(commandWord(id)); });
        keys_[i] = button;
    }
    display_->installEventFilter(this);  // the menu keys open the window menu there too
    installEventFilter(this);
}

void CalculatorWindow::restoreWindowPosition() {
    const QPoint saved(store_.readInt(kWindowXKey, kNoPosition),
                       store_.readInt(kWindowYKey, kNoPosition));
    std::optional<QPoint> stored;
    if (saved.x() != kNoPosition && saved.y() != kNoPosition) stored = saved;
    QPoint fallback(kDefaultPositionDu, kDefaultPositionDu);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        fallback =
            screen->availableGeometry().topLeft() +
            QPoint(qRound(kDefaultPositionDu * units_.x), qRound(kDefaultPositionDu * units_.y));
    move(placeWindow(stored, fallback, frameGeometry().size(), availableScreens()));
}

// Once the desktop has put its frame round the window, all of the frame, title
// bar to bottom row, must be on the screen.
void CalculatorWindow::keepFrameOnScreen() {
    const QPoint place = placeWindow(pos(), pos(), frameGeometry().size(), availableScreens());
    if (place != pos()) move(place);
}

QList<QRect> CalculatorWindow::availableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

QPushButton* CalculatorWindow::key(CommandId id) const {
    const auto i = keyIndex(id);
    return i ? keys_[*i] : nullptr;
}

std::optional<std::size_t> CalculatorWindow::keyIndex(CommandId id) const {
    for (std::size_t i = 0; i < kKeypad.size(); ++i)
        if (kKeypad[i].id == id) return i;
    return std::nullopt;
}

void CalculatorWindow::runCommand(std::uint32_t word) {
    const QString before = display_->text();
    const bool hostsIt = calculator_.press(*this, word);
    // What the user pasted or typed is no result to announce.
    afterCommand(before, !hostsIt, commandOf(word) == CommandId::CmdEquals);
    if (!hostsIt) return;
    // What passed the gate but the engine leaves to its host.
    switch (commandOf(word)) {
        case CommandId::CmdCopy:
            copyDisplay();
            break;
        case CommandId::CmdPaste:
            pasteDisplay();
            break;
        case CommandId::CmdHelp:
            openHelp();
            break;
        default:
            break;
    }
}

// A floating-point signal sent to the process wakes the loop through the
// handler's pipe; it is reported here when idle, or when the command ends.
void CalculatorWindow::watchFloatingPointSignals() {
    const int fd = floatingPointWakeFd();
    if (fd < 0) return;
    auto* wake = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(wake, &QSocketNotifier::activated, this,
            [this] { reportPendingFloatingPointSignal(problemPresenter()); });
}

const RuntimeProblemPresenter& CalculatorWindow::problemPresenter() const {
    return calculator_.database().presentProblem;
}

void CalculatorWindow::runSystemCommand(SystemCommand command) {
    powerOff_->restart();
    switch (command) {
        case SystemCommand::About:
            openAbout();
            break;
        case SystemCommand::Help:
            openHelp();
            break;
        case SystemCommand::Mode:
            openModeDirectly();
            break;
        case SystemCommand::Copy:
            dispatchGuarded(problemPresenter(), [this] { copyDisplay(); });
            break;
        case SystemCommand::Paste:
            dispatchGuarded(problemPresenter(), [this] { pasteDisplay(); });
            break;
    }
}

void CalculatorWindow::restoreAndActivate() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void CalculatorWindow::showSystemMenu(const QPoint& globalPos, bool withEditActions) {
    QMenu* menu = createSystemMenu(withEditActions);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

QMenu* CalculatorWindow::createSystemMenu(bool withEditActions) {
    QMenu* menu = withEditActions ? display_->createEditMenu() : new QMenu(this);
    if (withEditActions) menu->addSeparator();
    const struct {
        const char* text;
        SystemCommand command;
    } entries[] = {{"Mode", SystemCommand::Mode},   {"Copy", SystemCommand::Copy},
                   {"Paste", SystemCommand::Paste}, {nullptr, {}},
                   {"&Help", SystemCommand::Help},  {"&About...", SystemCommand::About}};
    for (const auto& entry : entries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        const SystemCommand command = entry.command;
        menu->addAction(QString::fromLatin1(entry.text), this,
                        [this, command] { runSystemCommand(command); });
    }
    menu->addSeparator();
    tapeAction_->setChecked(tape_->isVisible());
    menu->addAction(tapeAction_);
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Close"), QKeySequence(Qt::ALT | Qt::Key_F4), this,
                    &QWidget::close);
    return menu;
}

// Without shift the whole display is copied; with shift latched, whatever the
// user selected in it. Shift stays as it is.
void CalculatorWindow::copyDisplay() {
    if (!state_.shift) display_->selectAll();
    display_->copy();
}

// The clipboard's first line, without the white space round it: a line copied
// from a terminal or an editor ends in a line break.
void CalculatorWindow::pasteDisplay() {
    if (!state_.shift) display_->selectAll();
    display_->pasteLine(QGuiApplication::clipboard()->text());
}

void CalculatorWindow::openHelp() {
    if (!help_) help_ = new HelpWindow(this);
    help_->showContents();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CalculatorWindow::openAbout() {
    // As a command, so that a signal meanwhile is reported after the dialog.
    dispatchGuarded(problemPresenter(), [this] {
        suspendPowerOff();
        AboutDialog(this).exec();
        resumePowerOff();
    });
}

// The right click and the menu's "Mode" open the Calculator Mode dialog even
// in Error status.
void CalculatorWindow::openModeDirectly() {
    const QString before = display_->text();
    calculator_.openModeDialog(*this);
    afterCommand(before, true, false);
}

// A number being typed is echoed key by key; a result, a changed mode's value
// or an error is read out as it appears, wherever the focus is; = always
// says its result, even one that looks as the operand did.
void CalculatorWindow::afterCommand(const QString& displayBefore, bool announce,
                                    bool evenUnchanged) {
    updateKeyAccess();
    const QString shown = display_->text();
    if (announce && state_.calcStatus != CalcStatus::Entering &&
        (evenUnchanged || shown != displayBefore))
        announcer_->announce(shown.trimmed());
}

void CalculatorWindow::updateKeyAccess() {
    for (std::size_t i = 0; i < kKeypad.size(); ++i) {
        const SpokenKey spoken = spokenKey(kKeypad[i].id, state_);
        QPushButton* button = keys_[i];
        // Each change is an event a screen reader hears: only real changes.
        const QString name = QString::fromLatin1(spoken.name);
        if (button->accessibleName() != name) button->setAccessibleName(name);
        const QString description =
            spoken.available ? captionWords_[i] : QStringLiteral("unavailable");
        if (button->accessibleDescription() != description)
            button->setAccessibleDescription(description);
        // The latch keys are toggles; the checked state is the latch's.
        const bool checked = spoken.latch == Latch::Shift ? state_.shift
                             : spoken.latch == Latch::Hyp ? state_.hyp
                                                          : false;
        button->setCheckable(spoken.latch != Latch::None);
        button->setChecked(checked);
        // A click toggles the button before the engine decides: the change
        // heard is the latch's, once it is known.
        if (checked != latchHeard_[i]) {
            latchHeard_[i] = checked;
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(button, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::Move && !frameKnown_ &&
        frameGeometry() != geometry()) {
        frameKnown_ = true;
        keepFrameOnScreen();
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        // The keyboard's ways to the window menu; in the display it keeps the
        // display's own edit actions, as a right click there does.
        const bool menuKey = keyEvent->key() == Qt::Key_Menu && keyEvent->modifiers() == 0;
        const bool shiftF10 =
            keyEvent->key() == Qt::Key_F10 && keyEvent->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            showSystemMenu(display_->mapToGlobal(display_->rect().bottomLeft()),
                           watched == display_);
            return true;
        }
    }
    // No accelerator while the display has the focus: typing edits its text.
    if (event->type() == QEvent::KeyPress && !display_->hasFocus()) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (const auto command = acceleratorCommand(keyStrokeOf(*keyEvent))) {
            runCommand(commandWord(*command, true));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    powerOff_->stop();
    if (calculator_.database().modified &&
        QMessageBox::warning(this, fromLatin1(kWarningCaption),
                             QString::fromLatin1(kUnsavedDatabaseText),
                             QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
        event->ignore();
        return;
    }
    event->accept();
    emit closeAccepted();
}

void CalculatorWindow::mousePressEvent(QMouseEvent* event) {
    // Keys pass right clicks on to the window; only the body itself opens the dialog.
    if (event->button() == Qt::RightButton && !childAt(event->position().toPoint())) {
        openModeDirectly();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        showSystemMenu(display_->mapToGlobal(display_->rect().bottomLeft()), false);
}

// --- CalculatorView ---------------------------------------------------------

std::string CalculatorWindow::getDisplayText() {
    const QByteArray bytes =
        display_->text().left(static_cast<qsizetype>(kDisplayReadLimit)).toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void CalculatorWindow::setDisplayText(std::string_view text) {
    display_->setText(fromLatin1(text));
}

void CalculatorWindow::setKeyLabel(CommandId id, std::string_view caption) {
    const auto i = keyIndex(id);
    if (!i) return;
    QPushButton* button = keys_[*i];
    const bool glyphs = state_.buttonFontLoaded && hasGlyphs(caption);
    button->setText(captionText(caption, glyphs));
    powerOff_->restart();
    // The caption is the key's description; its name says what it does.
    captionWords_[*i] = glyphs ? spokenCaption(caption) : fromLatin1(caption);
    if (!caption.empty()) button->setAccessibleDescription(captionWords_[*i]);
}

void CalculatorWindow::setKeyFont(CommandId id, KeyFont font) {
    for (std::size_t i = 0; i < kKeypad.size(); ++i) {
        if (kKeypad[i].id != id) continue;
        keyFonts_[i] = font;
        keys_[i]->setFont(font == KeyFont::Glyph ? glyphFont_ : keyFont_);
    }
}

void CalculatorWindow::setTitle(std::string_view title) {
    setWindowTitle(fromLatin1(title));
    powerOff_->restart();
}

void CalculatorWindow::beep() {
    ++beepCount_;
    QApplication::beep();
}

void CalculatorWindow::showMessage(std::string_view text, std::string_view caption) {
    const QString title = fromLatin1(caption);
    QMessageBox box(caption == kWarningCaption ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                    fromLatin1(text), QMessageBox::Ok, this);
    box.exec();
}

// --- Appearance ---------------------------------------------------------------

void CalculatorWindow::createAppearanceObjects() {
    displayFont_ = fontFromSpec(appearance_.displayFontSpec);
    keyFont_ = fontFromSpec(appearance_.keyFontSpec);
    glyphFont_ = glyphFontOf();
    applyDisplayColours(display_, appearance_);
    applyBodyColours(this, appearance_);
}

void CalculatorWindow::applyControlFonts() {
    display_->setBaseFont(displayFont_);
    // Each key keeps the font the engine last chose for it.
    for (std::size_t i = 0; i < kKeypad.size(); ++i)
        keys_[i]->setFont(keyFonts_[i] == KeyFont::Glyph ? glyphFont_ : keyFont_);
}

void CalculatorWindow::applyAppearance(const CalculatorState& state) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != state.alwaysOnTop) {
        // Changing a flag hides the window; show it again where it was.
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, state.alwaysOnTop);
        if (visible) show();
    }
    createAppearanceObjects();
    applyControlFonts();
    const std::optional<NumberBase> grouping =
        state.groupDigits ? std::optional(state.numberBase) : std::nullopt;
    display_->setGrouping(grouping);
    if (tape_) {  // none yet while the state is restored
        tape_->applyColours(appearance_);
        tape_->setGrouping(grouping);
    }
    update();
}

// --- Power-off, bevel and dialogs ------------------------------------------------

void CalculatorWindow::suspendPowerOff() {
    powerOff_->suspend();
}

void CalculatorWindow::resumePowerOff() {
    powerOff_->resume();
}

void CalculatorWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (isMinimized() || !appearance_.bodyBevel) return;
    QPainter painter(this);
    paintBevel(painter, rect(), appearance_.bodyColour);
}

bool CalculatorWindow::runSelectMemoryDialog(SelectMemoryModel& model) {
    SelectMemoryDialog dialog(model, this);
    return dialog.run();
}

bool CalculatorWindow::runFinancialRatesDialog(FinancialRatesModel& model) {
    FinancialRatesDialog dialog(model, this);
    return dialog.run();
}

bool CalculatorWindow::runConvertDialog(ConvertDialogModel& model) {
    ConvertDialog dialog(model, this);
    return dialog.run();
}

bool CalculatorWindow::runPropertiesDialog(PropertiesDialogModel& model) {
    PropertiesDialog dialog(model, this);
    return dialog.run();
}

bool CalculatorWindow::runModeDialog(ModeDialogModel& model) {
    ModeDialog dialog(model, this);
    return dialog.run();
}

void CalculatorWindow::tapeGrew(std::size_t added) {
    if (tape_) tape_->tapeGrew(added);  // none yet while the state is restored
}

}  // namespace zentra
