#include "shell/tape_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "base/digit_groups.h"
#include "base/message_texts.h"
#include "base/safe_file_write.h"
#include "shell/appearance.h"
#include "shell/tape_print.h"

namespace zentra {
namespace {

constexpr const char* kTapeOpenKey = "TapeOpen";
constexpr const char* kTapeWidthKey = "TapeWidth";
constexpr const char* kTapeHeightKey = "TapeHeight";
constexpr int kDefaultWidth = 200;
constexpr int kMinimumSide = 80;

constexpr const char* kTextFilter = "Text (*.txt)";
constexpr const char* kCsvFilter = "CSV, for spreadsheets (*.csv)";

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

QString defaultTapeFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QLatin1String("/tape.txt");
}

// What a screen reader says for a line beyond its text.
QString spokenLine(const TapeEntry& entry, const QString& line) {
    switch (entry.kind) {
        case TapeKind::Result:
            return QStringLiteral("Result ") + line;
        case TapeKind::Error:
            return QStringLiteral("Error ") + line;
        case TapeKind::Separator:
            return QStringLiteral("All clear");
        default:
            return line;
    }
}

}  // namespace

TapeWindow::TapeWindow(QWidget* calculator, const QString& filePath)
    : QWidget(calculator, Qt::Tool),
      calculator_(calculator),
      filePath_(filePath.isEmpty() ? defaultTapeFile() : filePath) {
    setObjectName(QStringLiteral("tape"));
    setWindowTitle(QStringLiteral("Tape"));
    setAccessibleName(QStringLiteral("Tape"));
    // Opening it leaves the keyboard with the keypad.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(kMinimumSide, kMinimumSide);

    // Follows the calculator wherever it goes.
    calculator_->installEventFilter(this);
    resize(kDefaultWidth, calculator_->height());
}

// The controls and their lines come with the first opening: a closed tape costs
// the start-up nothing but its entries.
void TapeWindow::ensureControls() {
    if (list_) return;
    ensureLoaded();
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("tapeLines"));
    list_->setAccessibleName(QStringLiteral("Tape lines"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab reaches it; opening the window still leaves the keyboard with the keypad.
    list_->setFocusPolicy(Qt::StrongFocus);
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { recall(list_->row(item)); });

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("tapeFind"));
    find_->setAccessibleName(QStringLiteral("Find in tape"));
    find_->setPlaceholderText(QStringLiteral("Find"));
    find_->installEventFilter(this);
    connect(find_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing keeps the line found so far while it still matches.
        const QListWidgetItem* current = list_->currentItem();
        if (current && !text.isEmpty() && current->text().contains(text, Qt::CaseInsensitive))
            found_->clear();
        else
            findNext();
    });
    found_ = new QLabel(this);
    found_->setObjectName(QStringLiteral("tapeFound"));

    clear_ = new QPushButton(QStringLiteral("&Clear tape"), this);
    clear_->setAccessibleName(QStringLiteral("Clear tape"));
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, [this] {
        std::vector<std::size_t> all(tape_.size());
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
        TapeRemoval removal = removeTapeEntries(tape_, std::move(all));
        if (!removal.entries.empty()) removals_.push_back(std::move(removal));
        clearTape();
    });

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(find_, 1);
    findRow->addWidget(found_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    layout->addLayout(findRow);
    layout->addWidget(clear_);
    setTabOrder(list_, find_);
    setTabOrder(find_, clear_);
    makeActions();

    if (appearance_) applyColours(*appearance_);
    fillLines();
    emit controlsMade();
}

// The window's keys, which its context menu also offers. Those an edited find
// field needs for itself (Delete, Ctrl+C, Ctrl+Z) go to the field there.
void TapeWindow::makeActions() {
    menu_ = new QMenu(this);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { menu_->exec(list_->viewport()->mapToGlobal(pos)); });
    struct Entry {
        const char* text;
        QKeySequence keys;
        void (TapeWindow::*run)();
    };
    const Entry entries[] = {
        {"&Recall", QKeySequence(Qt::Key_Return), nullptr},
        {"&Copy", QKeySequence::Copy, &TapeWindow::copyToClipboard},
        {"&Delete", QKeySequence::Delete, &TapeWindow::removeSelected},
        {"&Undo Delete", QKeySequence::Undo, &TapeWindow::undoRemoval},
        {"&Find...", QKeySequence::Find, nullptr},
        {"Save Tape &As...", QKeySequence(Qt::CTRL | Qt::Key_S), &TapeWindow::saveAsFromDialog},
        {"&Print Tape...", QKeySequence(Qt::CTRL | Qt::Key_P), &TapeWindow::printFromDialog},
    };
    for (const Entry& entry : entries) {
        auto* action = new QAction(QString::fromLatin1(entry.text), this);
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (entry.run) {
            connect(action, &QAction::triggered, this, entry.run);
            addAction(action);
        } else if (entry.keys == QKeySequence::Find) {
            connect(action, &QAction::triggered, this, [this] {
                find_->setFocus(Qt::ShortcutFocusReason);
                find_->selectAll();
            });
            addAction(action);
        } else {
            // Enter itself is the list's (and, in the find field, finds the next line).
            connect(action, &QAction::triggered, this, [this] { recall(list_->currentRow()); });
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        menu_->addAction(action);
        if (entry.keys == QKeySequence::Undo) menu_->addSeparator();
    }
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Clear tape"), clear_, &QPushButton::click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TapeWindow::returnToCalculator);
}

QListWidget* TapeWindow::list() {
    ensureControls();
    return list_;
}

// The file is read once the calculator is up (or when the tape is first
// needed); the steps made before that follow the ones read.
void TapeWindow::ensureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    TapeLoad load = loadTapeFile(pathOf(filePath_));
    if (load.setAside)
        std::fprintf(stderr, "zentra: the tape %s could not be read; it was set aside as %s\n",
                     qPrintable(filePath_), load.setAside->c_str());
    if (load.keptDamaged) {
        inMemoryOnly_ = true;
        std::fprintf(stderr, "zentra: %s\n", load.keptDamaged->c_str());
        // Not modal: it may come while the calculator starts, and the keys go on working.
        auto* box = new QMessageBox(QMessageBox::Warning, fromLatin1(kWarningCaption),
                                    fromUtf8(*load.keptDamaged), QMessageBox::Ok, calculator_);
        box->setObjectName(QStringLiteral("tapeKeptDamaged"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    for (std::size_t i = 0; i < tape_.size(); ++i) load.tape.append(TapeEntry(tape_[i]));
    tape_ = std::move(load.tape);
    if (list_) fillLines();
}

void TapeWindow::fillLines() {
    list_->clear();
    if (tape_.droppedEarlier()) {
        auto* note = new QListWidgetItem(fromUtf8(kTapeDroppedText));
        note->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        note->setFlags(Qt::ItemIsEnabled);  // nothing to recall, copy alone or delete
        QFont italic = list_->font();
        italic.setItalic(true);
        note->setFont(italic);
        list_->addItem(note);
    }
    for (std::size_t i = 0; i < tape_.size(); ++i) addLine(tape_[i]);
}

void TapeWindow::restore(SettingsStore& store) {
    const int width = store.readInt(kTapeWidthKey, kDefaultWidth);
    const int height = store.readInt(kTapeHeightKey, calculator_->height());
    resize(std::max(width, kMinimumSide), std::max(height, kMinimumSide));
    // Shown with the calculator, so that it docks where the calculator is.
    openWithCalculator_ = store.readInt(kTapeOpenKey, 0) != 0;
    if (openWithCalculator_ && calculator_->isVisible()) open();
    QTimer::singleShot(0, this, &TapeWindow::ensureLoaded);
}

bool TapeWindow::save(SettingsStore& store) {
    ensureLoaded();  // a run ended before its loop keeps the file's steps
    store.writeInt(kTapeOpenKey, isVisible() ? 1 : 0);
    store.writeInt(kTapeWidthKey, width());
    store.writeInt(kTapeHeightKey, height());
    if (inMemoryOnly_) return false;  // the damaged file stays as it is
    if (const auto problem = saveTapeFile(pathOf(filePath_), tape_)) {
        std::fprintf(stderr, "zentra: the tape could not be saved to %s: %s\n",
                     qPrintable(filePath_), problem->c_str());
        return false;
    }
    // With the steps other runs saved meanwhile.
    if (list_) fillLines();
    return true;
}

void TapeWindow::append(const TapeStep& step) {
    const bool dropped = tape_.droppedEarlier();
    const TapeEntry& entry = tape_.append(step);
    if (!list_) return;
    if (!dropped && tape_.droppedEarlier()) {
        fillLines();  // once: the note comes first
    } else {
        if (list_->count() - noteRows() >= static_cast<int>(kTapeLimit))
            delete list_->takeItem(noteRows());
        addLine(entry);
    }
    list_->scrollToBottom();
}

void TapeWindow::addLine(const TapeEntry& entry) {
    const QString line = fromUtf8(tapeLineText(entry));
    auto* item = new QListWidgetItem(
        grouping_ ? fromUtf8(groupedTapeLineText(entry, *grouping_, kGroupSeparator)) : line);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setData(Qt::AccessibleTextRole, spokenLine(entry, line));
    if (entry.kind == TapeKind::Result || entry.kind == TapeKind::Error) {
        QFont bold = list_->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    list_->addItem(item);
}

void TapeWindow::clearTape() {
    tape_.clear();
    if (list_) list_->clear();
}

void TapeWindow::removeSelected() {
    if (!list_) return;
    std::vector<std::size_t> indices;
    int first = -1;
    for (int row = noteRows(); row < list_->count(); ++row) {
        if (!list_->item(row)->isSelected()) continue;
        if (first < 0) first = row;
        indices.push_back(static_cast<std::size_t>(row - noteRows()));
    }
    if (indices.empty()) return;
    removals_.push_back(removeTapeEntries(tape_, std::move(indices)));
    fillLines();
    // The line after the removed ones, so that Delete can go on.
    list_->setCurrentRow(std::min(first, list_->count() - 1));
}

void TapeWindow::undoRemoval() {
    if (removals_.empty() || !list_) return;
    const TapeRemoval removal = std::move(removals_.back());
    removals_.pop_back();
    restoreTapeEntries(tape_, removal);
    fillLines();
    list_->clearSelection();
    for (const auto& kept : removal.entries) {
        const int row = static_cast<int>(kept.first) + noteRows();
        if (row < list_->count()) list_->item(row)->setSelected(true);
    }
    const int row = static_cast<int>(removal.entries.front().first) + noteRows();
    list_->setCurrentRow(std::min(row, list_->count() - 1), QItemSelectionModel::NoUpdate);
    list_->scrollToItem(list_->currentItem());
}

bool TapeWindow::findNext(bool backwards) {
    const QString text = find_->text();
    const int count = list_->count();
    if (text.isEmpty() || count == 0) {
        found_->clear();
        return false;
    }
    const int start = list_->currentRow();
    for (int step = 1; step <= count; ++step) {
        const int row = ((backwards ? start - step : start + step) % count + count) % count;
        if (!list_->item(row)->text().contains(text, Qt::CaseInsensitive)) continue;
        list_->setCurrentRow(row);
        list_->scrollToItem(list_->item(row));
        found_->clear();
        return true;
    }
    found_->setText(QStringLiteral("Not found"));
    return false;
}

std::optional<std::string> TapeWindow::saveAs(const QString& path, TapeFormat format) const {
    return replaceFileContent(pathOf(path), tapeIn(tape_, format));
}

void TapeWindow::saveAsFromDialog() {
    ensureLoaded();
    QFileDialog dialog(this, QStringLiteral("Save Tape As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QString::fromLatin1(kTextFilter), QString::fromLatin1(kCsvFilter)});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setDirectory(QDir::homePath());
    dialog.selectFile(QStringLiteral("tape.txt"));
    // The file type decides the format; the name follows it.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const bool csv = filter == QLatin1String(kCsvFilter);
        dialog.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("txt"));
    });
    emit dialogOpens();
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    emit dialogCloses();
    if (!accepted) return;
    const TapeFormat format = dialog.selectedNameFilter() == QLatin1String(kCsvFilter)
                                  ? TapeFormat::Csv
                                  : TapeFormat::Text;
    const QString path = dialog.selectedFiles().constFirst();
    if (const auto problem = saveAs(path, format)) {
        emit dialogOpens();
        QMessageBox::warning(this,
                             QString::fromUtf8(kWarningCaption.data(), kWarningCaption.size()),
                             fromUtf8(kTapeNotSavedText) + QStringLiteral(" ") + path +
                                 QStringLiteral(": ") + fromUtf8(*problem));
        emit dialogCloses();
    }
}

bool TapeWindow::print(QPrinter& printer) const {
    const QFont face = appearance_ ? fontFromSpec(appearance_->displayFontSpec) : font();
    return printTape(printer, tape_, face, QDateTime::currentDateTime());
}

void TapeWindow::printFromDialog() {
    ensureLoaded();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zentra tape"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Tape"));
    emit dialogOpens();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const bool printed = !accepted || print(printer);
    if (!printed)
        QMessageBox::warning(this,
                             QString::fromUtf8(kWarningCaption.data(), kWarningCaption.size()),
                             fromUtf8(kTapeNotPrintedText));
    emit dialogCloses();
}

void TapeWindow::returnToCalculator() {
    calculator_->activateWindow();
    calculator_->raise();
}

QString TapeWindow::copiedText() const {
    // The selection holds entries only: the note of dropped steps cannot be selected.
    if (!list_ || list_->selectedItems().isEmpty()) return QString::fromUtf8(tapeText(tape_));
    // From the entries, as the lines may be drawn with their digits grouped.
    QStringList lines;
    for (int row = noteRows(); row < list_->count(); ++row) {
        if (list_->item(row)->isSelected())
            lines << fromUtf8(tapeLineText(tape_[static_cast<std::size_t>(row - noteRows())]));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TapeWindow::copyToClipboard() {
    QGuiApplication::clipboard()->setText(copiedText());
}

void TapeWindow::toggle() {
    openWithCalculator_ = false;
    if (isVisible()) {
        hide();
        return;
    }
    open();
}

void TapeWindow::open() {
    ensureControls();
    show();
}

void TapeWindow::applyColours(const AppearanceSettings& appearance) {
    appearance_ = appearance;
    if (!list_) return;
    applyBodyColours(this, appearance);
    // The paper in the display's colours.
    applyDisplayColours(list_, appearance);
}

void TapeWindow::setGrouping(std::optional<NumberBase> base) {
    if (grouping_ == base) return;
    grouping_ = base;
    if (list_) fillLines();
}

void TapeWindow::recall(int row) {
    row -= noteRows();
    if (row < 0 || static_cast<std::size_t>(row) >= tape_.size()) return;
    if (const auto value = tapeRecallValue(tape_[static_cast<std::size_t>(row)]))
        emit recallRequested(fromUtf8(*value));
}

void TapeWindow::dock() {
    const QRect beside = calculator_->frameGeometry();
    // Until the window manager has framed the tape, a move places its inside:
    // line that up with the calculator's inside.
    const bool framed = frameGeometry() != geometry();
    move(beside.right() + 1, framed ? beside.top() : calculator_->geometry().top());
}

void TapeWindow::showEvent(QShowEvent* event) {
    ensureControls();
    dock();
    list_->scrollToBottom();
    QWidget::showEvent(event);
}

// What was removed is put back only while the window stays open.
void TapeWindow::hideEvent(QHideEvent* event) {
    removals_.clear();
    QWidget::hideEvent(event);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == calculator_ && event->type() == QEvent::Show && openWithCalculator_) {
        openWithCalculator_ = false;
        open();
    } else if (watched == calculator_ && isVisible() &&
               (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        dock();
    } else if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyToClipboard();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && list_->currentItem()) {
            recall(list_->currentRow());
            return true;
        }
    } else if (watched == find_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            findNext(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zentra
