#include "base/tape_edit.h"

#include <algorithm>

namespace zentra {
namespace {

// A removal is rare and the tape small: the ring is simply laid out anew.
Tape rebuilt(std::vector<TapeEntry>&& entries, bool droppedEarlier) {
    Tape tape;
    if (droppedEarlier) tape.markDroppedEarlier();
    for (TapeEntry& entry : entries) tape.append(std::move(entry));
    tape.markRewritten();  // so that a save does not bring the removed lines back
    return tape;
}

}  // namespace

TapeRemoval removeTapeEntries(Tape& tape, std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    TapeRemoval removal;
    removal.droppedEarlier = tape.droppedEarlier();
    std::vector<TapeEntry> kept;
    kept.reserve(tape.size());
    auto next = indices.begin();
    for (std::size_t i = 0; i < tape.size(); ++i) {
        if (next != indices.end() && *next == i) {
            removal.entries.emplace_back(i, tape[i]);
            ++next;
        } else {
            kept.push_back(tape[i]);
        }
    }
    if (!removal.entries.empty()) tape = rebuilt(std::move(kept), tape.droppedEarlier());
    return removal;
}

void restoreTapeEntries(Tape& tape, const TapeRemoval& removal) {
    if (removal.entries.empty()) return;
    std::vector<TapeEntry> entries;
    entries.reserve(tape.size() + removal.entries.size());
    for (std::size_t i = 0; i < tape.size(); ++i) entries.push_back(tape[i]);
    for (const auto& [index, entry] : removal.entries)
        entries.insert(
            entries.begin() + static_cast<std::ptrdiff_t>(std::min(index, entries.size())), entry);
    tape = rebuilt(std::move(entries), tape.droppedEarlier() || removal.droppedEarlier);
}

}  // namespace zentra
