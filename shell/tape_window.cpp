#include "shell/tape_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "base/digit_groups.h"
#include "shell/appearance.h"

namespace zentra {
namespace {

constexpr const char* kTapeOpenKey = "TapeOpen";
constexpr const char* kTapeWidthKey = "TapeWidth";
constexpr const char* kTapeHeightKey = "TapeHeight";
constexpr int kDefaultWidth = 200;
constexpr int kMinimumSide = 80;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

    auto* close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(close, &QShortcut::activated, this, &TapeWindow::toggle);
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
    list_->setFocusPolicy(Qt::ClickFocus);
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { recall(list_->row(item)); });

    clear_ = new QPushButton(QStringLiteral("Clear tape"), this);
    clear_->setAccessibleName(QStringLiteral("Clear tape"));
    clear_->setFocusPolicy(Qt::ClickFocus);
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, &TapeWindow::clearTape);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    layout->addWidget(clear_);

    if (appearance_) applyColours(*appearance_);
    for (std::size_t i = 0; i < tape_.size(); ++i) addLine(tape_[i]);
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
    for (std::size_t i = 0; i < tape_.size(); ++i) load.tape.append(TapeEntry(tape_[i]));
    tape_ = std::move(load.tape);
    if (list_) {
        list_->clear();
        for (std::size_t i = 0; i < tape_.size(); ++i) addLine(tape_[i]);
    }
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
    if (const auto problem = saveTapeFile(pathOf(filePath_), tape_)) {
        std::fprintf(stderr, "zentra: the tape could not be saved to %s: %s\n",
                     qPrintable(filePath_), problem->c_str());
        return false;
    }
    return true;
}

void TapeWindow::append(const TapeStep& step) {
    const TapeEntry& entry = tape_.append(step);
    if (list_) {
        if (list_->count() >= static_cast<int>(kTapeLimit)) delete list_->takeItem(0);
        addLine(entry);
        list_->scrollToBottom();
    }
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

QString TapeWindow::copiedText() const {
    if (!list_) return QString::fromUtf8(tapeText(tape_));
    // From the entries, as the lines may be drawn with their digits grouped.
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (list_->selectedItems().isEmpty() || item->isSelected())
            lines << fromUtf8(tapeLineText(tape_[static_cast<std::size_t>(row)]));
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
    if (!list_) return;
    for (int row = 0; row < list_->count(); ++row) {
        const TapeEntry& entry = tape_[static_cast<std::size_t>(row)];
        list_->item(row)->setText(
            fromUtf8(grouping_ ? groupedTapeLineText(entry, *grouping_, kGroupSeparator)
                               : tapeLineText(entry)));
    }
}

void TapeWindow::recall(int row) {
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
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zentra
