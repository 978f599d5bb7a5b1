#pragma once
// The tape beside the calculator: every step the engine reported, newest at the
// bottom, as on the paper of a printing calculator. A tool window docked to the
// calculator's right edge; it takes the focus only when clicked. It keeps the
// tape and its file, and hands recalled values to the calculator to type.
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

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;

namespace zentra {

class TapeWindow : public QWidget {
    Q_OBJECT

public:
    // Docks beside calculator, its parent. An empty filePath means tape.txt in
    // the user's data directory.
    TapeWindow(QWidget* calculator, const QString& filePath);

    // The tape from its file (a damaged one is set aside; one that cannot be
    // is left as it was, said once in a message box, and the session's steps
    // are kept in memory only), and whether the window was open and its size.
    void restore(SettingsStore& store);
    // Writes the window's settings and the tape file; false when the file
    // could not be written.
    bool save(SettingsStore& store);

    void append(const TapeStep& step);
    void clearTape();
    // Removes the selected lines; undoRemoval puts back the last removal (or
    // clearing) while the window stays open.
    void removeSelected();
    void undoRemoval();
    // Makes the next line (or, backwards, the previous one) containing the
    // find field's text, case aside, the current one; false when none does.
    bool findNext(bool backwards = false);
    // Writes the tape to path; nullopt on success, else why not.
    std::optional<std::string> saveAs(const QString& path, TapeFormat format) const;
    void saveAsFromDialog();
    bool print(QPrinter& printer) const;
    void printFromDialog();
    // The selected lines, or all of them, one a line.
    QString copiedText() const;
    void copyToClipboard();
    void toggle();
    void applyColours(const AppearanceSettings& appearance);
    // Draws the lines' numbers with their digits grouped as base does, or as
    // they are; copying takes them as they are either way.
    void setGrouping(std::optional<NumberBase> base);

    const Tape& tape() const { return tape_; }
    const QString& filePath() const { return filePath_; }
    // The lines' list, made if the window was never opened.
    QListWidget* list();

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
    void addLine(const TapeEntry& entry);
    void fillLines();
    int noteRows() const { return tape_.droppedEarlier() ? 1 : 0; }
    void recall(int row);
    void returnToCalculator();
    void dock();
    void makeActions();

    QWidget* calculator_;
    QString filePath_;
    Tape tape_;
    QListWidget* list_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* found_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<TapeRemoval> removals_;             // for Ctrl+Z, the last one at the back
    std::optional<AppearanceSettings> appearance_;  // for the controls made later
    std::optional<NumberBase> grouping_;
    bool loaded_ = false;
    bool openWithCalculator_ = false;  // it was open when the calculator was left
    bool inMemoryOnly_ = false;        // its file is damaged and could not be set aside
};

}  // namespace zentra
