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
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "base/digit_groups.h"
#include "base/message_texts.h"
#include "base/safe_file_write.h"
#include "base/tape_edit.h"
#include "shell/appearance.h"
#include "shell/qt_text.h"
#include "shell/tape_model.h"
#include "shell/tape_paper.h"

namespace zentra {
namespace {

constexpr const char* kTapeOpenKey = "TapeOpen";
constexpr const char* kTapeWidthKey = "TapeWidth";
constexpr const char* kTapeHeightKey = "TapeHeight";
constexpr int kDefaultWidth = 200;
constexpr int kMinimumSide = 80;

constexpr const char* kTextFilter = "Text (*.txt)";
constexpr const char* kCsvFilter = "CSV, for spreadsheets (*.csv)";

std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

QString defaultTapeFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QLatin1String("/tape.txt");
}

}  // namespace

TapeWindow::TapeWindow(QWidget* calculatorWindow, Calculator& calculator, const QString& filePath)
    : QWidget(calculatorWindow, Qt::Tool),
      window_(calculatorWindow),
      calculator_(calculator),
      filePath_(filePath.isEmpty() ? defaultTapeFile() : filePath) {
    setObjectName(QStringLiteral("tape"));
    setWindowTitle(QStringLiteral("Tape"));
    setAccessibleName(QStringLiteral("Tape"));
    // Opening it leaves the keyboard with the keypad.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(kMinimumSide, kMinimumSide);

    // Follows the calculator wherever it goes.
    window_->installEventFilter(this);
    resize(kDefaultWidth, window_->height());
}

// The controls and their lines come with the first opening: a closed tape costs
// the start-up nothing but its entries.
void TapeWindow::ensureControls() {
    if (list_) return;
    ensureLoaded();
    model_ = new TapeModel(calculator_.tape(), this);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setObjectName(QStringLiteral("tapeLines"));
    list_->setAccessibleName(QStringLiteral("Tape lines"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab reaches it; opening the window still leaves the keyboard with the keypad.
    list_->setFocusPolicy(Qt::StrongFocus);
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { recall(index.row()); });

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("tapeFind"));
    find_->setAccessibleName(QStringLiteral("Find in tape"));
    find_->setPlaceholderText(QStringLiteral("Find"));
    find_->installEventFilter(this);
    connect(find_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing keeps the line found so far while it still matches.
        const QModelIndex current = list_->currentIndex();
        if (current.isValid() && !text.isEmpty() &&
            model_->lineAt(current.row()).contains(text, Qt::CaseInsensitive))
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
        std::vector<std::size_t> all(tape().size());
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
        TapeRemoval removal = removeTapeEntries(calculator_.tape(), std::move(all));
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
    model_->setGrouping(grouping_);
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
            connect(action, &QAction::triggered, this,
                    [this] { recall(list_->currentIndex().row()); });
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

QListView* TapeWindow::list() {
    ensureControls();
    return list_;
}

TapeModel* TapeWindow::model() {
    ensureControls();
    return model_;
}

// Not modal: it may come while the calculator starts, and the keys go on working.
void TapeWindow::showMessage(const std::string& text) {
    std::fprintf(stderr, "zentra: %s\n", text.c_str());
    auto* box = new QMessageBox(QMessageBox::Warning, fromLatin1(kWarningCaption), fromUtf8(text),
                                QMessageBox::Ok, window_);
    box->setObjectName(QStringLiteral("tapeKeptDamaged"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// The file is read once the calculator is drawn (or when the tape is first
// needed); the steps made before that follow the ones read.
void TapeWindow::ensureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    const Expected<TapeFileNotice> opened = calculator_.openTapeFile(pathOf(filePath_), true);
    if (!opened) {
        showMessage(opened.error());
    } else {
        if (opened->setAside) std::fprintf(stderr, "zentra: %s\n", opened->setAside->c_str());
        if (opened->keptDamaged) showMessage(*opened->keptDamaged);
    }
    if (model_) model_->reset();
}

void TapeWindow::restore(SettingsStore& store) {
    const int width = store.readInt(kTapeWidthKey, kDefaultWidth);
    const int height = store.readInt(kTapeHeightKey, window_->height());
    resize(std::max(width, kMinimumSide), std::max(height, kMinimumSide));
    // Shown with the calculator, so that it docks where the calculator is.
    openWithCalculator_ = store.readInt(kTapeOpenKey, 0) != 0;
    if (openWithCalculator_ && window_->isVisible()) open();
    loadAfterPaint_ = true;
}

bool TapeWindow::save(SettingsStore& store) {
    ensureLoaded();  // a run ended before its loop keeps the file's steps
    store.writeInt(kTapeOpenKey, isVisible() ? 1 : 0);
    store.writeInt(kTapeWidthKey, width());
    store.writeInt(kTapeHeightKey, height());
    const Expected<void> saved = calculator_.saveTapeFile();
    if (!saved) {
        // A tape kept in memory only was said when it was read.
        if (!calculator_.tapeInMemoryOnly())
            std::fprintf(stderr, "zentra: %s\n", saved.error().c_str());
        return false;
    }
    // With the steps other runs saved meanwhile.
    if (model_) model_->reset();
    return true;
}

void TapeWindow::tapeGrew(std::size_t added) {
    if (!model_) return;
    model_->appended(added);
    list_->scrollToBottom();
}

void TapeWindow::clearTape() {
    calculator_.tape().clear();
    if (model_) model_->reset();
}

std::vector<int> TapeWindow::selectedEntryRows() const {
    std::vector<int> rows;
    if (!list_) return rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
        if (model_->entryAt(index.row())) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TapeWindow::selectRow(int row) {
    list_->setCurrentIndex(model_->index(row));
    list_->scrollTo(model_->index(row));
}

void TapeWindow::removeSelected() {
    const std::vector<int> rows = selectedEntryRows();
    if (rows.empty()) return;
    std::vector<std::size_t> indices;
    for (int row : rows) indices.push_back(*model_->entryAt(row));
    removals_.push_back(removeTapeEntries(calculator_.tape(), std::move(indices)));
    model_->reset();
    // The line after the removed ones, so that Delete can go on.
    selectRow(std::min(rows.front(), model_->rowCount() - 1));
}

void TapeWindow::undoRemoval() {
    if (removals_.empty() || !list_) return;
    const TapeRemoval removal = std::move(removals_.back());
    removals_.pop_back();
    restoreTapeEntries(calculator_.tape(), removal);
    model_->reset();
    QItemSelection putBack;
    for (const auto& kept : removal.entries) {
        const int row = static_cast<int>(kept.first) + model_->noteRows();
        if (row < model_->rowCount()) putBack.select(model_->index(row), model_->index(row));
    }
    list_->selectionModel()->select(putBack, QItemSelectionModel::ClearAndSelect);
    const int row = static_cast<int>(removal.entries.front().first) + model_->noteRows();
    const QModelIndex current = model_->index(std::min(row, model_->rowCount() - 1));
    list_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    list_->scrollTo(current);
}

bool TapeWindow::findNext(bool backwards) {
    const QString text = find_->text();
    const int count = model_->rowCount();
    if (text.isEmpty() || count == 0) {
        found_->clear();
        return false;
    }
    const int start = list_->currentIndex().row();
    for (int step = 1; step <= count; ++step) {
        const int row = ((backwards ? start - step : start + step) % count + count) % count;
        if (!model_->lineAt(row).contains(text, Qt::CaseInsensitive)) continue;
        selectRow(row);
        found_->clear();
        return true;
    }
    found_->setText(QStringLiteral("Not found"));
    return false;
}

Expected<void> TapeWindow::saveAs(const QString& path, TapeFormat format) const {
    return writeFileContent(pathOf(path), tapeIn(tape(), format));
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
    backFromDialog();
    if (!accepted) return;
    const TapeFormat format = dialog.selectedNameFilter() == QLatin1String(kCsvFilter)
                                  ? TapeFormat::Csv
                                  : TapeFormat::Text;
    const QString path = dialog.selectedFiles().constFirst();
    if (const Expected<void> saved = saveAs(path, format); !saved) {
        emit dialogOpens();
        QMessageBox::warning(this, fromUtf8(kWarningCaption),
                             fromUtf8(kTapeNotSavedText) + QStringLiteral(" ") + path +
                                 QStringLiteral(": ") + fromUtf8(saved.error()));
        backFromDialog();
    }
}

QFont TapeWindow::printFace() const {
    return appearance_ ? fontFromSpec(appearance_->displayFontSpec) : font();
}

void TapeWindow::printFromDialog() {
    ensureLoaded();
    QString problem;
    const PrintTapeFromDialog print = loadPrintModule(problem);
    emit dialogOpens();
    const PrintOutcome outcome =
        print ? print(this, paperLines(tape()), printFace()) : PrintOutcome::Failed;
    if (outcome == PrintOutcome::Failed)
        QMessageBox::warning(this, fromUtf8(kWarningCaption),
                             problem.isEmpty()
                                 ? fromUtf8(kTapeNotPrintedText)
                                 : fromUtf8(kTapeNotPrintedText) + QStringLiteral(": ") + problem);
    backFromDialog();
}

// Once a dialog closes, the window manager picks the next window, and many pass
// over a tool window for its calculator: the keys come back to the tape instead.
void TapeWindow::backFromDialog() {
    emit dialogCloses();
    activateWindow();
}

void TapeWindow::returnToCalculator() {
    window_->activateWindow();
    window_->raise();
}

QString TapeWindow::copiedText() const {
    // The selection holds entries only: the note of dropped steps cannot be selected.
    const std::vector<int> rows = selectedEntryRows();
    if (rows.empty()) return QString::fromUtf8(tapeText(tape()));
    // From the entries, as the lines may be drawn with their digits grouped.
    QStringList lines;
    for (int row : rows) lines << fromUtf8(tapeLineText(tape()[*model_->entryAt(row)]));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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
    if (model_) model_->setGrouping(base);
}

void TapeWindow::recall(int row) {
    const auto entry = model_ ? model_->entryAt(row) : std::nullopt;
    if (!entry) return;
    if (const auto value = tapeRecallValue(tape()[*entry])) emit recallRequested(fromUtf8(*value));
}

void TapeWindow::dock() {
    const QRect beside = window_->frameGeometry();
    // Until the window manager has framed the tape, a move places its inside:
    // line that up with the calculator's inside.
    const bool framed = frameGeometry() != geometry();
    move(beside.right() + 1, framed ? beside.top() : window_->geometry().top());
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
    if (watched == window_ && event->type() == QEvent::Paint && loadAfterPaint_) {
        // Once the calculator is on the screen: the file costs its start nothing.
        loadAfterPaint_ = false;
        QTimer::singleShot(0, this, &TapeWindow::ensureLoaded);
    } else if (watched == window_ && event->type() == QEvent::Show && openWithCalculator_) {
        openWithCalculator_ = false;
        open();
    } else if (watched == window_ && isVisible() &&
               (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        dock();
    } else if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyToClipboard();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            list_->currentIndex().isValid()) {
            recall(list_->currentIndex().row());
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
