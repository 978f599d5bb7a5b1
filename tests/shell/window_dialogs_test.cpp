// The dialogs as the calculator window opens them, its colours and bevel, and
// the power-off countdown.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "modal_test_support.h"
#include "shell/appearance.h"
#include "shell/dialogs/memory_rates_dialogs.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/power_off.h"
#include "shell/tape_window.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

using WindowDialogs = WindowTest;

void clickControl(QWidget* dialog, int id) {
    auto* button = dialog->findChild<QAbstractButton*>(QStringLiteral("c%1").arg(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

TEST_F(WindowDialogs, ModeToHexadecimalShowsFFAndBackShows255) {
    click("255.75");
    whenShown<ModeDialog>([](ModeDialog* d) {
        clickControl(d, ModeDialogModel::kHexadecimal);
        clickControl(d, 1);
    });
    click("mode");
    EXPECT_EQ(window_->state().numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(displayText().trimmed(), QStringLiteral("FF"));

    whenShown<ModeDialog>([](ModeDialog* d) {
        clickControl(d, ModeDialogModel::kDecimal);
        clickControl(d, 1);
    });
    click("mode");
    EXPECT_EQ(displayValue(), 255.0);
    EXPECT_FALSE(window_->powerOff().isSuspended());
}

// Group digits draws thin spaces; the text, a copy, the tape's copy and the
// saved display stay plain, and the setting comes back at the next start.
TEST_F(WindowDialogs, ModeGroupDigitsIsDrawingOnly) {
    whenShown<ModeDialog>([](ModeDialog* d) {
        clickControl(d, ModeDialogModel::kGroupDigits);
        clickControl(d, 1);
    });
    click("mode 1234567 + 1 =");
    const QString thin = QStringLiteral("\u2009");
    EXPECT_EQ(window_->display()->drawnText(), QStringLiteral("1") + thin + QStringLiteral("234") +
                                                   thin + QStringLiteral("568.000"));
    EXPECT_EQ(displayText(), QStringLiteral("1234568.000"));
    TapeWindow* tape = window_->tapeWindow();
    EXPECT_EQ(tape->list()->model()->index(0, 0).data().toString(),
              QStringLiteral("1") + thin + QStringLiteral("234") + thin + QStringLiteral("567 +"));
    EXPECT_FALSE(tape->copiedText().contains(thin));
    restart();
    EXPECT_TRUE(window_->state().groupDigits);
    EXPECT_EQ(settings_->value(QStringLiteral("Calc/Display")).toString(),
              QStringLiteral("1234568.000"));
}

TEST_F(WindowDialogs, ModeCancelLeavesEverythingAndTheDisplayAsTyped) {
    click("2.5");
    whenShown<ModeDialog>([](ModeDialog* d) {
        clickControl(d, ModeDialogModel::kBinary);
        clickControl(d, ModeDialogModel::kBevel);
        clickControl(d, 2);
    });
    click("mode");
    EXPECT_EQ(window_->state().numberBase, NumberBase::Decimal);
    EXPECT_FALSE(window_->appearanceSettings()->bodyBevel);
    EXPECT_EQ(displayText(), QStringLiteral("2.5"));
}

TEST_F(WindowDialogs, ModeOkAppliesColoursToDisplayAndBody) {
    whenShown<ModeDialog>([](ModeDialog* d) {
        d->colourChooser = [](Rgb& colour, const QString& title) {
            colour = title == QStringLiteral("Body") ? Rgb{100, 150, 200} : Rgb{0, 64, 0};
            return true;
        };
        clickControl(d, ModeDialogModel::kBodyButton);
        clickControl(d, ModeDialogModel::kBackgroundButton);
        clickControl(d, ModeDialogModel::kBevel);
        clickControl(d, 1);
    });
    click("mode");
    const QPalette display = window_->display()->palette();
    EXPECT_EQ(display.color(QPalette::Base), QColor(0, 64, 0));
    EXPECT_EQ(display.color(QPalette::Text), QColor(0, 255, 255));
    EXPECT_EQ(window_->palette().color(QPalette::Window), QColor(100, 150, 200));

    // The bevel: light top-left, dark bottom-right, from the body colour.
    const QImage image = window_->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor(0, qRound(5 * ratio)), QColor(200, 255, 255));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), QColor(50, 75, 100));
}

TEST_F(WindowDialogs, DefaultDisplayIsCyanOnDarkBlue) {
    const QPalette display = window_->display()->palette();
    EXPECT_EQ(display.color(QPalette::Base), QColor(0, 0, 64));
    EXPECT_EQ(display.color(QPalette::Text), QColor(0, 255, 255));
}

TEST_F(WindowDialogs, SelectMemoryListsHexWordsAndRecallsTheChosenMemory) {
    window_->state().memory[1] = 2.5;
    window_->state().memory[2] = 255;
    window_->state().numberBase = NumberBase::Hexadecimal;
    QString listed1, listed2;
    whenShown<SelectMemoryDialog>([&](SelectMemoryDialog* d) {
        listed1 = d->memoryEdit(1)->text().trimmed();
        listed2 = d->memoryEdit(2)->text().trimmed();
        d->memoryButton(2)->click();
    });
    click("shift MR");
    EXPECT_EQ(listed1, QStringLiteral("2"));
    EXPECT_EQ(listed2, QStringLiteral("FF"));
    EXPECT_EQ(displayText().trimmed(), QStringLiteral("FF"));
    EXPECT_DOUBLE_EQ(window_->state().memory[1], 2.5);
    EXPECT_FALSE(window_->state().shift);
}

TEST_F(WindowDialogs, FinancialRatesDialogStoresTheRates) {
    window_->state().numberBase = NumberBase::Financial;
    whenShown<FinancialRatesDialog>([](FinancialRatesDialog* d) {
        d->bankEdit()->setText(QStringLiteral("8"));
        d->discEdit()->setText(QStringLiteral("5"));
        d->okButton()->click();
    });
    click("1/X");
    EXPECT_DOUBLE_EQ(window_->state().bankRate, 8);
    EXPECT_DOUBLE_EQ(window_->state().discRate, 5);
}

TEST_F(WindowDialogs, PowerOffMinimisesAnIdleWindowOnlyWhenOnAndNotSuspended) {
    PowerOff& power = window_->powerOff();
    CalculatorState& state = window_->state();

    state.autoPowerOff = false;
    power.restart();
    EXPECT_FALSE(power.isRunning());
    power.expire();
    EXPECT_FALSE(window_->isMinimized());

    state.autoPowerOff = true;
    state.apoTime = 120;
    power.restart();
    EXPECT_TRUE(power.isRunning());
    EXPECT_EQ(power.intervalMs(), 120000);

    power.suspend();
    power.expire();
    EXPECT_FALSE(window_->isMinimized());
    power.resume();
    EXPECT_TRUE(power.isRunning());
    EXPECT_FALSE(power.isSuspended());

    power.expire();
    EXPECT_TRUE(window_->isMinimized());
    EXPECT_FALSE(power.isRunning());
}

TEST_F(WindowDialogs, PowerOffIsRestartedByKeysAndHeldToItsRange) {
    PowerOff& power = window_->powerOff();
    window_->state().autoPowerOff = true;
    window_->state().apoTime = 0;  // as a settings file might hold it
    power.stop();
    click("7");
    QApplication::processEvents();
    EXPECT_TRUE(power.isRunning());
    EXPECT_EQ(power.intervalMs(), 10000);
}

// Use is what the user does and what the program writes, never a repaint: the
// display's caret repaints twice a second while it has the focus.
TEST_F(WindowDialogs, PowerOffIsRestartedByChangesButNotByRepaints) {
    PowerOff& power = window_->powerOff();
    window_->state().autoPowerOff = true;
    const struct {
        const char* name;
        std::function<void(CalculatorWindow&)> act;
        bool restarts;
    } cases[] = {
        {"caret repaint",
         [](CalculatorWindow& w) {
             w.display()->setFocus();
             w.display()->repaint();
         },
         false},
        {"key repaint", [](CalculatorWindow& w) { w.key(CommandId::CmdEquals)->repaint(); }, false},
        {"display text", [](CalculatorWindow& w) { w.setDisplayText("5"); }, true},
        {"key caption", [](CalculatorWindow& w) { w.setKeyLabel(CommandId::CmdSin, "x"); }, true},
        {"window menu", [](CalculatorWindow& w) { w.runSystemCommand(SystemCommand::Copy); }, true},
    };
    for (const auto& c : cases) {
        QApplication::processEvents();
        power.stop();
        c.act(*window_);
        EXPECT_EQ(power.isRunning(), c.restarts) << c.name;
    }
}

// The caret blinks by a timer of the display's; none runs while the focus is elsewhere.
TEST_F(WindowDialogs, CaretTimerRunsOnlyWhileTheDisplayHasTheFocus) {
    auto timersOf = [](QObject* object) {
        std::size_t count = 0;
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        count += static_cast<std::size_t>(dispatcher->registeredTimers(object).size());
        for (QObject* child : object->findChildren<QObject*>())
            count += static_cast<std::size_t>(dispatcher->registeredTimers(child).size());
        return count;
    };
    window_->display()->setFocus();
    QApplication::processEvents();
    EXPECT_GT(timersOf(window_->display()), 0U);
    // Another window active, the display still the window's focus widget.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(timersOf(window_->display()), 0U);
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->key(CommandId::CmdEquals)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(timersOf(window_->display()), 0U);
}

TEST_F(WindowDialogs, PowerOffIsSuspendedWhileADialogIsOpen) {
    window_->state().autoPowerOff = true;
    bool suspendedInside = false;
    whenShown<ModeDialog>([&](ModeDialog* d) {
        suspendedInside = window_->powerOff().isSuspended();
        window_->powerOff().expire();
        clickControl(d, 2);
    });
    click("mode");
    EXPECT_TRUE(suspendedInside);
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_FALSE(window_->powerOff().isSuspended());
    EXPECT_TRUE(window_->powerOff().isRunning());
}

}  // namespace
}  // namespace zentra::testing
