#include <QClipboard>
#include <QFontDatabase>
#include <QMenu>
#include <QSignalSpy>

#include "base/key_glyphs.h"
#include "modal_test_support.h"
#include "platform/system_facts.h"
#include "shell/help_window.h"
#include "shell/tape_window.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

using C = CommandId;

TEST_F(WindowTest, OpensWithTheFocusOnTheKeypad) {
    EXPECT_NE(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
    EXPECT_FALSE(window_->display()->hasFocus());
}

TEST_F(WindowTest, ClickedKeysEvaluateLeftToRight) {
    click("2 + 3 X 4 =");
    EXPECT_DOUBLE_EQ(displayValue(), 20.0);
}

TEST_F(WindowTest, TypedKeysGoThroughTheKeyboardTable) {
    type(Qt::Key_1);
    type(Qt::Key_Plus);
    type(Qt::Key_2);
    type(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(displayValue(), 3.0);
}

TEST_F(WindowTest, ShiftNineAndShiftZeroOpenAndCloseABracket) {
    type(Qt::Key_2);
    type(Qt::Key_Asterisk);
    type(Qt::Key_9, Qt::ShiftModifier);
    EXPECT_EQ(window_->state().bracketDepth, 1);
    type(Qt::Key_3);
    type(Qt::Key_Plus);
    type(Qt::Key_4);
    type(Qt::Key_0, Qt::ShiftModifier);
    EXPECT_EQ(window_->state().bracketDepth, 0);
    type(Qt::Key_Enter);
    EXPECT_DOUBLE_EQ(displayValue(), 14.0);
}

TEST_F(WindowTest, CapsLockTogglesShift) {
    type(Qt::Key_CapsLock);
    EXPECT_TRUE(window_->state().shift);
    type(Qt::Key_CapsLock);
    EXPECT_FALSE(window_->state().shift);
}

TEST_F(WindowTest, DeleteAndBackspaceBothRemoveTheLastDigit) {
    click("123");
    type(Qt::Key_Delete);
    EXPECT_EQ(displayText(), QStringLiteral("12"));
    type(Qt::Key_Backspace);
    EXPECT_EQ(displayText(), QStringLiteral("1"));
}

TEST_F(WindowTest, TAloneDoesNothingWhileShiftTIsTan) {
    click("45");
    type(Qt::Key_T);
    EXPECT_EQ(displayText(), QStringLiteral("45"));
    type(Qt::Key_T, Qt::ShiftModifier);
    EXPECT_NEAR(displayValue(), 1.0, 1e-9);
}

TEST_F(WindowTest, TypingWithTheFocusInTheDisplayEditsItsText) {
    window_->display()->setFocus();
    window_->display()->setText(QStringLiteral("7"));
    window_->display()->end(false);
    type(Qt::Key_1);
    type(Qt::Key_Plus);
    EXPECT_EQ(displayText(), QStringLiteral("71+"));
    EXPECT_EQ(window_->state().pendingOperator, OperatorCode::OpEquals);
    // The engine takes the edited text as the operand of the next key.
    window_->display()->setText(QStringLiteral("71"));
    click("+ 1 =");
    EXPECT_DOUBLE_EQ(displayValue(), 72.0);
}

TEST_F(WindowTest, CopyWithoutShiftTakesTheWholeDisplay) {
    click("12.5");
    window_->display()->setSelection(0, 1);
    click("copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
}

TEST_F(WindowTest, CopyWithShiftTakesOnlyTheSelection) {
    click("12.5 shift");
    window_->display()->setSelection(0, 2);
    click("copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
    EXPECT_TRUE(window_->state().shift);
}

TEST_F(WindowTest, PasteWithoutShiftReplacesTheDisplayAndIsTheNextOperand) {
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    click("9 paste");
    EXPECT_EQ(displayText(), QStringLiteral("42"));
    click("+ 1 =");
    EXPECT_DOUBLE_EQ(displayValue(), 43.0);
}

// A line copied from a terminal ends in a line break; the tape keeps none either.
TEST_F(WindowTest, PasteTakesTheFirstLineWithoutWhiteSpace) {
    QGuiApplication::clipboard()->setText(QStringLiteral(" 7\n8\n"));
    click("paste +");
    EXPECT_EQ(window_->tapeWindow()->tape()[0].value, "7");
    // Ctrl+V in the display itself takes the same way.
    window_->display()->setFocus();
    window_->display()->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("\t9 \r\n"));
    type(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(displayText(), QStringLiteral("9"));
}

TEST_F(WindowTest, PasteWithShiftReplacesOnlyTheSelection) {
    QGuiApplication::clipboard()->setText(QStringLiteral("8"));
    click("123 shift");
    window_->display()->setSelection(1, 1);
    click("paste");
    EXPECT_EQ(displayText(), QStringLiteral("183"));
}

TEST_F(WindowTest, ControlCOnTheKeypadCopiesTheDisplay) {
    click("64");
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("64"));
}

TEST_F(WindowTest, InErrorStatusTheHelpKeyPassesButF1IsRefused) {
    click("1 / 0 =");
    ASSERT_EQ(window_->state().calcStatus, CalcStatus::Error);
    const int beeps = window_->beepCount();
    type(Qt::Key_F1);
    EXPECT_EQ(window_->beepCount(), beeps + 1);
    EXPECT_EQ(window_->helpWindow(), nullptr);
    click("Help");
    ASSERT_NE(window_->helpWindow(), nullptr);
    EXPECT_TRUE(window_->helpWindow()->isVisible());
    EXPECT_EQ(window_->beepCount(), beeps + 1);
}

TEST_F(WindowTest, HelpOpensTheHelpFileAtItsContents) {
    ASSERT_FALSE(findHelpFile().isEmpty()) << "ZENTRA.HLP not found";
    click("Help");
    HelpWindow* help = window_->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->source().path().endsWith(QStringLiteral("ZENTRA.HLP")));
    EXPECT_EQ(help->source().fragment(), QStringLiteral("contents"));
    EXPECT_FALSE(help->toPlainText().isEmpty());
}

TEST_F(WindowTest, WindowMenuEntriesComeInOrderAfterTheEditActions) {
    std::unique_ptr<QMenu> plain(window_->createSystemMenu(false));
    QStringList texts;
    for (QAction* action : plain->actions())
        texts << (action->isSeparator() ? QString() : action->text());
    EXPECT_EQ(texts, (QStringList{"Mode", "Copy", "Paste", "", "&Help", "&About...", "", "&Tape",
                                  "", "&Close"}));

    std::unique_ptr<QMenu> context(window_->createSystemMenu(true));
    const QList<QAction*> actions = context->actions();
    ASSERT_GT(actions.size(), texts.size());
    EXPECT_EQ(actions[actions.size() - texts.size()]->text(), QStringLiteral("Mode"));
    EXPECT_TRUE(actions[actions.size() - texts.size() - 1]->isSeparator());
}

TEST_F(WindowTest, ShiftF10AndTheMenuKeyOpenTheWindowMenuWhereverTheFocusIs) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool inDisplay;
    } cases[] = {{Qt::Key_F10, Qt::ShiftModifier, false},
                 {Qt::Key_F10, Qt::ShiftModifier, true},
                 {Qt::Key_Menu, Qt::NoModifier, false},
                 {Qt::Key_Menu, Qt::NoModifier, true}};
    for (const auto& c : cases) {
        QWidget* target = c.inDisplay ? static_cast<QWidget*>(window_->display())
                                      : window_->key(CommandId::CmdEquals);
        target->setFocus();
        QTest::keyClick(target, c.key, c.modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << c.key << " in display " << c.inDisplay;
        EXPECT_TRUE(menu->actions().size() >= 8);
        menu->close();
        QApplication::processEvents();
    }
}

TEST_F(WindowTest, WindowMenuCopyAndHelpBypassTheErrorGate) {
    click("1 / 0 =");
    ASSERT_EQ(window_->state().calcStatus, CalcStatus::Error);
    const int beeps = window_->beepCount();
    window_->runSystemCommand(SystemCommand::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), displayText());
    window_->runSystemCommand(SystemCommand::Help);
    EXPECT_NE(window_->helpWindow(), nullptr);
    EXPECT_EQ(window_->beepCount(), beeps);
}

TEST_F(WindowTest, PendingOperatorSurvivesARestart) {
    click("2 +");
    restart();
    click("3 =");
    EXPECT_DOUBLE_EQ(displayValue(), 5.0);
}

TEST_F(WindowTest, OpenBracketsSurviveARestartWithTheirOperators) {
    click("2 X ( 3 + ( 4 - ( 1 +");
    restart();
    EXPECT_EQ(window_->state().bracketDepth, 3);
    click("1 ) ) ) =");
    EXPECT_DOUBLE_EQ(displayValue(), 10.0);
}

TEST_F(WindowTest, ErrorDisplayComesBackInErrorStatus) {
    click("1 / 0 =");
    const QString error = displayText();
    restart();
    EXPECT_EQ(displayText(), error);
    EXPECT_EQ(window_->state().calcStatus, CalcStatus::Error);
    click("5");
    EXPECT_EQ(displayText(), error);
}

TEST_F(WindowTest, WindowComesBackWhereItWasLeft) {
    window_->move(130, 110);
    const QPoint left = window_->pos();
    restart();
    EXPECT_EQ(window_->pos(), left);
}

TEST_F(WindowTest, PositionOffEveryScreenIsNotKept) {
    window_.reset();
    settings_->setValue(QStringLiteral("Calc/WindowX"), -20000);
    settings_->setValue(QStringLiteral("Calc/WindowY"), -20000);
    open();
    EXPECT_GT(window_->pos().x(), -1000);
    EXPECT_GT(window_->pos().y(), -1000);
}

// Left near the corner of a larger screen, or at another scale: all of it comes back.
TEST_F(WindowTest, WindowLeftPartlyOffTheScreenComesBackWhole) {
    const QRect screen = window_->screen()->availableGeometry();
    window_.reset();
    settings_->setValue(QStringLiteral("Calc/WindowX"), screen.right() - 20);
    settings_->setValue(QStringLiteral("Calc/WindowY"), screen.bottom() - 20);
    open();
    EXPECT_TRUE(screen.contains(window_->frameGeometry())) << window_->frameGeometry().y();
}

TEST_F(WindowTest, CancelKeepsTheWindowWhenDatabaseChangesWouldBeLost) {
    QSignalSpy closed(window_.get(), &CalculatorWindow::closeAccepted);
    click("7 +");
    database_.modified = true;
    const auto text = answerNextMessageBox(QMessageBox::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_EQ(*text, QStringLiteral("Unsaved modifications to properties database will be lost"));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(closed.count(), 0);
    click("1 =");
    EXPECT_DOUBLE_EQ(displayValue(), 8.0);
}

TEST_F(WindowTest, OkClosesDespiteDatabaseChanges) {
    QSignalSpy closed(window_.get(), &CalculatorWindow::closeAccepted);
    database_.modified = true;
    answerNextMessageBox(QMessageBox::Ok);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(database_.modified);
}

TEST_F(WindowTest, CloseWithoutDatabaseChangesAsksNothing) {
    QSignalSpy closed(window_.get(), &CalculatorWindow::closeAccepted);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(WindowTest, UnwritableSettingsStoreNeitherCrashesNorBlocksClosing) {
    window_.reset();
    // A directory where the settings file should go cannot be created under a file.
    QFile blocker(dir_.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("blocker/sub/calc.ini")),
                                            QSettings::IniFormat);
    store_ = std::make_unique<QSettingsStore>(*settings_);
    open();
    click("2 +");
    window_.reset();
    EXPECT_FALSE(store_->sync());
}

TEST_F(WindowTest, DisplayTextIsLatin1) {
    window_->setDisplayText(
        "12\xBA"
        "30");
    EXPECT_EQ(displayText(), QString::fromUtf8("12\u00BA30"));
    EXPECT_EQ(window_->getDisplayText(),
              "12\xBA"
              "30");
}

TEST_F(WindowTest, DisplayIsReadBackAsAtMost25Characters) {
    window_->display()->setText(QString(30, QLatin1Char('1')));
    EXPECT_EQ(window_->getDisplayText().size(), 25u);
}

TEST(WindowGlyphs, GlyphCaptionsUseTheButtonsFaceAndKeepASpokenDescription) {
    PropertyDatabase database;
    addBuiltInContent(database);
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("calc.ini")), QSettings::IniFormat);
    QSettingsStore store(settings);
    FloatingPointGuard guard(database.presentProblem);
    Calculator calculator(database, guard);
    CalculatorWindow window(calculator, store, true, windowDialogUnits());
    window.setKeyLabel(C::CmdPow, "\xC2");
    EXPECT_EQ(window.key(C::CmdPow)->text(), QString(QChar(0xE0C2)));
    EXPECT_EQ(window.key(C::CmdPow)->accessibleDescription(), QStringLiteral("x^y"));
    window.setKeyLabel(C::CmdSin, "sin\xDE");
    EXPECT_EQ(window.key(C::CmdSin)->text(), QStringLiteral("sin") + QChar(0xE0DE));
    EXPECT_EQ(window.key(C::CmdSin)->accessibleDescription(), QStringLiteral("asin"));
    window.setKeyLabel(C::CmdMemoryIn, "MnIn");
    EXPECT_EQ(window.key(C::CmdMemoryIn)->text(), QStringLiteral("MnIn"));
    clearDatabase(database);
}

TEST(WindowGlyphs, WithoutTheButtonFontOperatorKeysKeepTheirCaptions) {
    PropertyDatabase database;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("calc.ini")), QSettings::IniFormat);
    QSettingsStore store(settings);
    FloatingPointGuard guard(database.presentProblem);
    Calculator calculator(database, guard);
    CalculatorWindow window(calculator, store, false, windowDialogUnits());
    for (const auto& [id, caption] : {std::pair{C::CmdPoint, "."},
                                      {C::CmdAdd, "+"},
                                      {C::CmdSubtract, "-"},
                                      {C::CmdMultiply, "X"},
                                      {C::CmdDivide, "/"}})
        EXPECT_EQ(window.key(id)->text(), QString::fromLatin1(caption));
}

// The pictures sit in the private-use area of the "Buttons" face; they must
// reach the screen however the key fonts are tuned for speed.
TEST(WindowGlyphs, TheButtonsFacePaintsItsPictures) {
    int fontId = -1;
    for (const std::string& dir : dataDirectories()) {
        fontId = QFontDatabase::addApplicationFont(QString::fromStdString(dir) +
                                                   QStringLiteral("/fonts/Buttons.fnt"));
        if (fontId >= 0) break;
    }
    ASSERT_GE(fontId, 0);
    PropertyDatabase database;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("calc.ini")), QSettings::IniFormat);
    QSettingsStore store(settings);
    FloatingPointGuard guard(database.presentProblem);
    Calculator calculator(database, guard);
    CalculatorWindow window(calculator, store, true, windowDialogUnits());
    QPushButton* key = window.key(C::CmdMultiply);
    window.setKeyFont(C::CmdMultiply, KeyFont::Glyph);
    window.setKeyLabel(C::CmdMultiply, "");
    const QImage blank = key->grab().toImage();
    window.setKeyLabel(C::CmdMultiply, kMultiplyGlyph.glyph);
    EXPECT_NE(key->grab().toImage(), blank) << "the glyph drew nothing";
    QFontDatabase::removeApplicationFont(fontId);
}

}  // namespace
}  // namespace zentra::testing
