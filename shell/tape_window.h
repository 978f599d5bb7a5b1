#pragma once
// The tape beside the calculator: every step the engine reported, newest at the
// bottom, as on the paper of a printing calculator. A tool window docked to the
// calculator's right edge; it takes the focus only when clicked. It keeps the
// tape and its file, and hands recalled values to the calculator to type.

#include <QString>
#include <QWidget>
#include <optional>

#include "base/appearance_settings.h"
#include "base/number_modes.h"
#include "base/settings_store.h"
#include "base/tape.h"

class QListWidget;
class QPushButton;

namespace zentra {

class TapeWindow : public QWidget {
    Q_OBJECT

public:
    // Docks beside calculator, its parent. An empty filePath means tape.txt in
    // the user's data directory.
    TapeWindow(QWidget* calculator, const QString& filePath);

    // The tape from its file (a damaged one is set aside), and whether the
    // window was open and its size.
    void restore(SettingsStore& store);
    // Writes the window's settings and the tape file; false when the file
    // could not be written.
    bool save(SettingsStore& store);

    void append(const TapeStep& step);
    void clearTape();
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ensureLoaded();
    void ensureControls();
    void open();
    void addLine(const TapeEntry& entry);
    void recall(int row);
    void dock();

    QWidget* calculator_;
    QString filePath_;
    Tape tape_;
    QListWidget* list_ = nullptr;
    QPushButton* clear_ = nullptr;
    std::optional<AppearanceSettings> appearance_;  // for the controls made later
    std::optional<NumberBase> grouping_;
    bool loaded_ = false;
    bool openWithCalculator_ = false;  // it was open when the calculator was left
};

}  // namespace zentra
