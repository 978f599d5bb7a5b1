// The tape beside the window: its lines as keys are clicked, recall, copy,
// clear, and what comes back after a restart. The entries themselves are the
// engine's, tested there.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include "shell/tape_window.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

class TapeWindowTest : public WindowTest {
protected:
    TapeWindow* tape() const { return window_->tapeWindow(); }
    QListWidget* lines() const { return tape()->list(); }
    QStringList lineTexts() const {
        QStringList texts;
        for (int row = 0; row < lines()->count(); ++row) texts << lines()->item(row)->text();
        return texts;
    }
    void openTape() {
        if (!tape()->isVisible())
            QTest::keyClick(window_->key(CommandId::CmdEquals), Qt::Key_T, Qt::ControlModifier);
        ASSERT_TRUE(tape()->isVisible());
    }
    QRect rowRect(int row) const { return lines()->visualItemRect(lines()->item(row)); }
};

TEST_F(TapeWindowTest, CtrlTOpensItBesideTheKeypadWhichKeepsTheFocus) {
    QWidget* focused = QApplication::focusWidget();
    openTape();
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_EQ(tape()->frameGeometry().left(), window_->frameGeometry().right() + 1);
    EXPECT_EQ(tape()->frameGeometry().top(), window_->frameGeometry().top());
    // The calculator keeps its template size.
    EXPECT_EQ(window_->size(), window_->minimumSize());

    // The window menu's entry closes it again.
    std::unique_ptr<QMenu> menu(window_->createSystemMenu(false));
    QAction* entry = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == QStringLiteral("&Tape")) entry = action;
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isChecked());
    entry->trigger();
    EXPECT_FALSE(tape()->isVisible());
}

TEST_F(TapeWindowTest, LinesFollowTheKeysRightAlignedWithTheNewestInView) {
    openTape();
    click("AC 2 + 3 X 4 =");
    for (int k = 0; k < 30; ++k) click("1 +");
    click("=");
    const QStringList texts = lineTexts();
    ASSERT_GE(texts.size(), 5);
    EXPECT_EQ(texts.mid(0, 5),
              (QStringList{"AC ----", "2 +", QStringLiteral("3 \u00d7"), "4 =", "20.00000000 *"}));
    QListWidgetItem* last = lines()->item(lines()->count() - 1);
    EXPECT_EQ(last->text(), QStringLiteral("60.00000000 *"));
    EXPECT_TRUE(last->font().bold());
    EXPECT_EQ(last->textAlignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(lines()->viewport()->rect().contains(rowRect(lines()->count() - 1)));
    EXPECT_EQ(last->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Result 60.00000000 *"));
}

TEST_F(TapeWindowTest, EnterOrDoubleClickTypesTheValueThroughTheGate) {
    openTape();
    click("AC 2 + 3 = 7");
    // Enter on "2 +": a new number 2, as if typed.
    lines()->setFocus();
    lines()->setCurrentRow(1);
    QTest::keyClick(lines(), Qt::Key_Return);
    EXPECT_EQ(displayText(), QStringLiteral("2"));
    click("X");
    // A double click on the result.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tape()));
    QSignalSpy spy(lines(), &QListWidget::itemDoubleClicked);
    QTest::mouseClick(lines()->viewport(), Qt::LeftButton, {}, rowRect(3).center());
    QTest::mouseDClick(lines()->viewport(), Qt::LeftButton, {}, rowRect(3).center());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(displayText(), QStringLiteral("5.000000000"));
    click("=");
    EXPECT_EQ(displayText(), QStringLiteral("10.00000000"));

    click("1 / 0 =");
    const int beeps = window_->beepCount();
    window_->state().errorBeep = true;
    lines()->setCurrentRow(1);
    QTest::keyClick(lines(), Qt::Key_Return);
    EXPECT_EQ(displayText(), QStringLiteral("Divide Zero Error"));
    EXPECT_EQ(window_->beepCount(), beeps + 1);
}

TEST_F(TapeWindowTest, CtrlCCopiesTheSelectedLinesOrAll) {
    openTape();
    click("AC 2 + 3 =");
    lines()->setFocus();
    lines()->clearSelection();
    QTest::keyClick(lines(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("AC ----\n2 +\n3 =\n5.000000000 *\n"));
    lines()->item(1)->setSelected(true);
    lines()->item(3)->setSelected(true);
    QTest::keyClick(lines(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2 +\n5.000000000 *\n"));
}

TEST_F(TapeWindowTest, ClearTapeEmptiesIt) {
    openTape();
    click("AC 2 +");
    tape()->findChild<QPushButton*>()->click();
    EXPECT_EQ(lines()->count(), 0);
    EXPECT_TRUE(tape()->tape().empty());
    restart();
    EXPECT_EQ(lines()->count(), 0);
}

TEST_F(TapeWindowTest, TheTapeItsWindowAndItsSizeComeBackAfterARestart) {
    openTape();
    tape()->resize(260, 310);
    click("AC 9 sqrt");
    restart();
    QApplication::processEvents();
    ASSERT_TRUE(tape()->isVisible());
    EXPECT_EQ(tape()->size(), QSize(260, 310));
    EXPECT_EQ(lineTexts(), (QStringList{"AC ----", QStringLiteral("9 \u221a \u2192 3.000000000")}));
    EXPECT_TRUE(QFile::exists(tapeFile()));

    tape()->toggle();
    restart();
    EXPECT_FALSE(tape()->isVisible());
    EXPECT_EQ(lines()->count(), 2);
}

TEST_F(TapeWindowTest, ADamagedTapeFileIsSetAsideAndANewTapeStarts) {
    window_.reset();
    QFile damaged(tapeFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a tape\n");
    damaged.close();
    open();
    EXPECT_EQ(lines()->count(), 0);
    QFile aside(tapeFile() + QStringLiteral(".damaged"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("not a tape\n"));
    click("AC");
    restart();
    EXPECT_EQ(lineTexts(), QStringList{"AC ----"});
}

}  // namespace
}  // namespace zentra::testing
