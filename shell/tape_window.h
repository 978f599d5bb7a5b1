#pragma once
// The tape beside the calculator: every step the engine reported, newest at the
// bottom, as on the paper of a printing calculator. A tool window docked to the
// calculator's right edge; it takes the focus only when clicked. It shows the
// Calculator's tape, opens and saves its file through it, and hands recalled
// values to the calculator to type.
// Worked from the keyboard too: Tab through the lines, the find field and the
// button; Delete with Ctrl+Z to undo while open, Ctrl+F, Ctrl+S, Ctrl+P, and
// Escape back to the calculator.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "base/appearance_settings.h"
#include "base/number_modes.h"
#include "base/settings_store.h"
#include "base/tape.h"
#include "base/tape_edit.h"
#include "base/tape_export.h"
#include "engine/calculator.h"

class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;

namespace zentra {

class TapeModel;

class TapeWindow : public QWidget {
    Q_OBJECT

public:
    // Docks beside calculatorWindow, its parent, and shows calculator's tape.
    // An empty filePath means tape.txt in the user's data directory.
    TapeWindow(QWidget* calculatorWindow, Calculator& calculator, const QString& filePath);

    // Whether the window was open and its size. The tape's file follows once
    // the calculator is first drawn, or sooner when the tape is needed: a
    // damaged one is set aside; one that cannot be, or a path that may not be
    // used, is said once in a message box, and the session's steps are kept
    // in memory only.
    void restore(SettingsStore& store);
    // Writes the window's settings and the tape file; false when the file
    // could not be written.
    bool save(SettingsStore& store);

    // After the keys added entries to the tape.
    void tapeGrew(std::size_t added);
    void clearTape();
    // Removes the selected lines; undoRemoval puts back the last removal (or
    // clearing) while the window stays open.
    void removeSelected();
    void undoRemoval();
    // Makes the next line (or, backwards, the previous one) containing the
    // find field's text, case aside, the current one; false when none does.
    bool findNext(bool backwards = false);
    // Writes the tape to path, or says why not.
    Expected<void> saveAs(const QString& path, TapeFormat format) const;
    void saveAsFromDialog();
    // The face the tape is printed in: the display's.
    QFont printFace() const;
    void printFromDialog();
    // The selected lines, or all of them, one a line.
    QString copiedText() const;
    void copyToClipboard();
    void toggle();
    void applyColours(const AppearanceSettings& appearance);
    // Draws the lines' numbers with their digits grouped as base does, or as
    // they are; copying takes them as they are either way.
    void setGrouping(std::optional<NumberBase> base);

    const Tape& tape() const { return calculator_.tape(); }
    const QString& filePath() const { return filePath_; }
    // The lines' list, made if the window was never opened.
    QListView* list();
    TapeModel* model();

signals:
    // A line's value, to be typed into the display.
    void recallRequested(const QString& utf8Value);
    // The controls exist now, so that the power-off can watch them for use.
    void controlsMade();
    // Brackets the file and print dialogs, which pause the power-off.
    void dialogOpens();
    void dialogCloses();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ensureLoaded();
    void ensureControls();
    void open();
    void showMessage(const std::string& text);
    // The selected rows that show entries, ascending.
    std::vector<int> selectedEntryRows() const;
    void selectRow(int row);
    void recall(int row);
    void backFromDialog();
    void returnToCalculator();
    void dock();
    void makeActions();

    QWidget* window_;
    Calculator& calculator_;
    QString filePath_;
    TapeModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* found_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<TapeRemoval> removals_;             // for Ctrl+Z, the last one at the back
    std::optional<AppearanceSettings> appearance_;  // for the controls made later
    std::optional<NumberBase> grouping_;
    bool loaded_ = false;
    bool loadAfterPaint_ = false;      // the file is read after the calculator's first paint
    bool openWithCalculator_ = false;  // it was open when the calculator was left
};

}  // namespace zentra
