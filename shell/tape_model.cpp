#include "shell/tape_model.h"

#include <QFont>

#include "base/digit_groups.h"
#include "base/message_texts.h"
#include "shell/qt_text.h"

namespace zentra {
namespace {

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

// Only the weight or the slant: the view's own font gives the rest.
QVariant fontFor(const TapeEntry* entry) {
    QFont font;
    if (!entry)
        font.setItalic(true);
    else if (entry->kind == TapeKind::Result || entry->kind == TapeKind::Error)
        font.setBold(true);
    else
        return {};
    return font;
}

}  // namespace

TapeModel::TapeModel(const Tape& tape, QObject* parent)
    : QAbstractListModel(parent),
      tape_(tape),
      entries_(tape.size()),
      note_(tape.droppedEarlier()) {}

int TapeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : noteRows() + static_cast<int>(entries_);
}

std::optional<std::size_t> TapeModel::entryAt(int row) const {
    // While rows that fell off are being removed, the others still show the
    // entries they showed, which the ring already holds further forward.
    const long long at = static_cast<long long>(row) - noteRows() - static_cast<long long>(fell_);
    if (at < 0 || static_cast<std::size_t>(at) >= entries_ - fell_) return std::nullopt;
    return static_cast<std::size_t>(at);
}

QString TapeModel::lineAt(int row) const {
    const auto entry = entryAt(row);
    if (!entry) return row == 0 && note_ ? fromUtf8(kTapeDroppedText) : QString();
    const TapeEntry& e = tape_[*entry];
    return fromUtf8(grouping_ ? groupedTapeLineText(e, *grouping_, kGroupSeparator)
                              : tapeLineText(e));
}

QVariant TapeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto entry = entryAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return lineAt(index.row());
        case Qt::AccessibleTextRole:
            if (!entry) return {};
            return spokenLine(tape_[*entry], fromUtf8(tapeLineText(tape_[*entry])));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        case Qt::FontRole:
            return fontFor(entry ? &tape_[*entry] : nullptr);
        default:
            return {};
    }
}

Qt::ItemFlags TapeModel::flags(const QModelIndex& index) const {
    // The note is nothing to recall, copy alone or delete.
    if (index.isValid() && !entryAt(index.row())) return Qt::ItemIsEnabled;
    return QAbstractListModel::flags(index);
}

void TapeModel::appended(std::size_t added) {
    const std::size_t now = tape_.size();
    // The note's row comes once, the first time an entry falls off.
    if (tape_.droppedEarlier() != note_ || added > now || entries_ + added < now) {
        reset();
        return;
    }
    const std::size_t fell = entries_ + added - now;
    const int first = noteRows();
    if (fell > 0) {
        fell_ = fell;
        beginRemoveRows({}, first, first + static_cast<int>(fell) - 1);
        entries_ -= fell;
        fell_ = 0;
        endRemoveRows();
    }
    beginInsertRows({}, first + static_cast<int>(entries_), first + static_cast<int>(now) - 1);
    entries_ = now;
    endInsertRows();
}

void TapeModel::reset() {
    beginResetModel();
    entries_ = tape_.size();
    note_ = tape_.droppedEarlier();
    endResetModel();
}

void TapeModel::setGrouping(std::optional<NumberBase> base) {
    if (grouping_ == base) return;
    grouping_ = base;
    if (rowCount() > 0) emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

}  // namespace zentra
