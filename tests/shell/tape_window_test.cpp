// The tape beside the window: its lines as keys are clicked, recall, copy,
// clear, and what comes back after a restart. The entries themselves are the
// engine's, tested there.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

#include "modal_test_support.h"
#include "shell/power_off.h"
#include "shell/print/tape_print.h"
#include "shell/tape_model.h"
#include "shell/tape_paper.h"
#include "shell/tape_window.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

class TapeWindowTest : public WindowTest {
protected:
    TapeWindow* tape() const { return window_->tapeWindow(); }
    QListView* lines() const { return tape()->list(); }
    int rows() const { return lines()->model()->rowCount(); }
    QModelIndex row(int r) const { return lines()->model()->index(r, 0); }
    QString currentText() const { return lines()->currentIndex().data().toString(); }
    QStringList lineTexts() const {
        QStringList texts;
        for (int r = 0; r < rows(); ++r) texts << row(r).data().toString();
        return texts;
    }
    void openTape() {
        if (!tape()->isVisible())
            QTest::keyClick(window_->key(CommandId::CmdEquals), Qt::Key_T, Qt::ControlModifier);
        ASSERT_TRUE(tape()->isVisible());
    }
    QRect rowRect(int r) const { return lines()->visualRect(row(r)); }
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
    const QModelIndex last = row(rows() - 1);
    EXPECT_EQ(last.data().toString(), QStringLiteral("60.00000000 *"));
    EXPECT_TRUE(last.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(last.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_TRUE(lines()->viewport()->rect().contains(rowRect(rows() - 1)));
    EXPECT_EQ(last.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Result 60.00000000 *"));
}

TEST_F(TapeWindowTest, EnterOrDoubleClickTypesTheValueThroughTheGate) {
    openTape();
    click("AC 2 + 3 = 7");
    // Enter on "2 +": a new number 2, as if typed.
    lines()->setFocus();
    lines()->setCurrentIndex(row(1));
    QTest::keyClick(lines(), Qt::Key_Return);
    EXPECT_EQ(displayText(), QStringLiteral("2"));
    click("X");
    // A double click on the result.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tape()));
    QSignalSpy spy(lines(), &QListView::doubleClicked);
    QTest::mouseClick(lines()->viewport(), Qt::LeftButton, {}, rowRect(3).center());
    QTest::mouseDClick(lines()->viewport(), Qt::LeftButton, {}, rowRect(3).center());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(displayText(), QStringLiteral("5.000000000"));
    click("=");
    EXPECT_EQ(displayText(), QStringLiteral("10.00000000"));

    click("1 / 0 =");
    const int beeps = window_->beepCount();
    window_->state().errorBeep = true;
    lines()->setCurrentIndex(row(1));
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
    lines()->selectionModel()->select(row(1), QItemSelectionModel::Select);
    lines()->selectionModel()->select(row(3), QItemSelectionModel::Select);
    QTest::keyClick(lines(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2 +\n5.000000000 *\n"));
}

TEST_F(TapeWindowTest, ClearTapeEmptiesIt) {
    openTape();
    click("AC 2 +");
    tape()->findChild<QPushButton*>()->click();
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(tape()->tape().empty());
    restart();
    EXPECT_EQ(rows(), 0);
}

TEST_F(TapeWindowTest, WorkedFromTheKeyboardAloneAsUseOfTheCalculator) {
    openTape();
    click("AC 2 + 3 = 4 sqrt");
    const QStringList all = lineTexts();
    // As a click on it would: a tool window counts as active with its calculator.
    QApplication::setActiveWindow(tape());
    tape()->activateWindow();
    ASSERT_EQ(QApplication::activeWindow(), tape());
    lines()->setFocus();
    lines()->setCurrentIndex(row(1));
    QStringList walk;
    for (int k = 0; k < 3; ++k) {
        type(Qt::Key_Tab);
        walk << QApplication::focusWidget()->accessibleName();
    }
    EXPECT_EQ(walk, (QStringList{"Find in tape", "Clear tape", "Tape lines"}));

    // Keys in the tape restart the power-off countdown as keys on the keypad do.
    window_->state().autoPowerOff = true;
    window_->powerOff().stop();
    type(Qt::Key_Down);
    EXPECT_TRUE(window_->powerOff().isRunning());

    // Delete takes the selected line off, Ctrl+Z puts it back.
    lines()->setCurrentIndex(row(1));
    type(Qt::Key_Delete);
    EXPECT_EQ(lineTexts(), QStringList(all).mid(0, 1) + all.mid(2));
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lineTexts(), all);

    // Ctrl+F finds, Enter there the next line; Enter in the lines recalls, Ctrl+C copies.
    type(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Find in tape"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0000 *"));
    EXPECT_EQ(currentText(), QStringLiteral("5.000000000 *"));
    type(Qt::Key_Return);
    EXPECT_EQ(currentText(), QStringLiteral("5.000000000 *"));
    type(Qt::Key_Tab, Qt::ShiftModifier);
    type(Qt::Key_Return);
    EXPECT_EQ(displayText(), QStringLiteral("5.000000000"));
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("5.000000000 *\n"));

    // Leaving the Save dialog brings the keys back to the lines, not to the calculator.
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    type(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == lines(); }));

    // Alt+C clears the tape, Ctrl+Z brings it back; Escape returns to the calculator.
    type(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return rows() == 0; }));  // an animated click
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lineTexts(), all);
    type(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window_.get(); }));
}

TEST_F(TapeWindowTest, PrintsTheLinesUnderTheDateWithPageNumbers) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    click("AC 2 + 3 X 4 =");
    for (int k = 0; k < 120; ++k) click("1 +");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir_.filePath(QStringLiteral("tape.pdf"));
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(printTape(printer, paperLines(tape()->tape()), tape()->printFace(),
                          QDateTime::currentDateTime()));

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    QStringList printed;
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split('\n'))
        if (!line.trimmed().isEmpty()) printed << line.trimmed();
    ASSERT_GE(printed.size(), 4);
    const QString heading =
        QStringLiteral("Zentra tape, ") + QDate::currentDate().toString(Qt::ISODate);
    EXPECT_TRUE(printed.front().startsWith(heading)) << printed.front().toStdString();
    EXPECT_EQ(printed.count(printed.front()), 2);
    EXPECT_TRUE(printed.contains(QStringLiteral("Page 1 of 2")));
    EXPECT_EQ(printed.back(), QStringLiteral("Page 2 of 2"));
    printed.removeAll(printed.front());
    printed.removeAll(QStringLiteral("Page 1 of 2"));
    printed.removeAll(QStringLiteral("Page 2 of 2"));
    // The reader cannot tell a narrow blank from none.
    QString want;
    for (std::size_t i = 0; i < tape()->tape().size(); ++i)
        want += QString::fromStdString(tapeLineText(tape()->tape()[i])).remove(' ') + '\n';
    EXPECT_EQ(printed.join('\n').remove(' ').toStdString() + '\n', want.toStdString());
}

// The window prints through a module it loads when asked: it must be where the
// programs look, and give its entry point.
TEST(PrintModule, IsFoundBesideTheProgramsAndGivesItsEntryPoint) {
    QString problem;
    EXPECT_NE(loadPrintModule(problem), nullptr) << problem.toStdString();
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
    EXPECT_EQ(rows(), 2);
}

TEST_F(TapeWindowTest, ADamagedTapeFileIsSetAsideAndANewTapeStarts) {
    window_.reset();
    QFile damaged(tapeFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a tape\n");
    damaged.close();
    open();
    EXPECT_EQ(rows(), 0);
    QFile aside(tapeFile() + QStringLiteral(".damaged"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("not a tape\n"));
    click("AC");
    restart();
    EXPECT_EQ(lineTexts(), QStringList{"AC ----"});
}

TEST_F(TapeWindowTest, ATapePathThatIsNoFileIsSaidAndNothingIsWrittenThere) {
    window_.reset();
    QFile::remove(tapeFile());  // written as the first window closed
    ASSERT_TRUE(QDir().mkpath(tapeFile()));
    open();
    click("AC 2 +");
    EXPECT_EQ(lineTexts(), (QStringList{"AC ----", "2 +"}));
    EXPECT_NE(window_->findChild<QMessageBox*>(QStringLiteral("tapeKeptDamaged")), nullptr);
    EXPECT_FALSE(tape()->save(*store_));
    EXPECT_TRUE(QFileInfo(tapeFile()).isDir());
}

// On a full ring each step takes the oldest row's place: rows come off the
// front as they go on at the back, the note of dropped steps first.
TEST(TapeModel, AFullRingDropsRowsAtTheFrontAsStepsComeAtTheBack) {
    Tape tape;
    for (std::size_t k = 0; k < kTapeLimit; ++k)
        tape.append(TapeKind::Operation, std::to_string(k), "+");
    TapeModel model(tape, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const struct {
        std::size_t added;
        const char* first;  // the oldest entry's line afterwards
    } steps[] = {{1, "1 +"}, {2, "3 +"}, {1, "4 +"}};
    for (const auto& step : steps) {
        for (std::size_t k = 0; k < step.added; ++k) tape.append(TapeKind::Result, "9");
        model.appended(step.added);
        ASSERT_EQ(model.rowCount(), static_cast<int>(kTapeLimit) + 1);
        EXPECT_EQ(model.lineAt(0), QStringLiteral("Earlier steps dropped"));
        EXPECT_EQ(model.lineAt(1), QString::fromLatin1(step.first));
        EXPECT_EQ(model.lineAt(model.rowCount() - 1), QStringLiteral("9 *"));
    }
}

}  // namespace
}  // namespace zentra::testing
