#pragma once
// The tape's lines for a list view: a row for each entry of the Calculator's
// ring, the oldest first, after the note of dropped steps when the tape has
// one. Nothing is copied: the rows read the ring. The window keeps it in step,
// with appended() after the keys' steps and reset() after anything else.

#include <QAbstractListModel>
#include <QString>
#include <optional>

#include "base/number_modes.h"
#include "base/tape.h"

namespace zentra {

class TapeModel : public QAbstractListModel {
    Q_OBJECT

public:
    TapeModel(const Tape& tape, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The rows before the entries: 1 while the note of dropped steps shows.
    int noteRows() const { return note_ ? 1 : 0; }
    // The entry a row shows; nothing for the note or past the end.
    std::optional<std::size_t> entryAt(int row) const;
    // The line as drawn (digits grouped or not).
    QString lineAt(int row) const;

    // added entries came at the end, and as many of the oldest as made room
    // for them fell off the front.
    void appended(std::size_t added);
    // The tape changed otherwise (read, saved with other runs' steps, cleared,
    // lines removed or put back).
    void reset();
    // Draws the values with their digits grouped as base does, or as they are.
    void setGrouping(std::optional<NumberBase> base);

private:
    const Tape& tape_;
    std::size_t entries_ = 0;  // the entries the rows show
    std::size_t fell_ = 0;     // entries gone from the ring whose rows are being removed
    bool note_ = false;
    std::optional<NumberBase> grouping_;
};

}  // namespace zentra
