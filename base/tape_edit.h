#pragma once
// Lines taken off the tape and put back: the tape window's Delete and its undo.

#include <cstddef>
#include <utility>
#include <vector>

#include "base/tape.h"

namespace zentra {

// The entries a removal took, each with the index it had, ascending.
struct TapeRemoval {
    std::vector<std::pair<std::size_t, TapeEntry>> entries;
    bool droppedEarlier = false;  // the tape's note, for putting back a cleared tape
};

// Takes the entries at these indices (in any order; those past the end are
// ignored) off the tape.
TapeRemoval removeTapeEntries(Tape& tape, std::vector<std::size_t> indices);
// Puts them back where they were; entries added since stay after them. Beyond
// kTapeLimit the oldest fall off as on any append.
void restoreTapeEntries(Tape& tape, const TapeRemoval& removal);

}  // namespace zentra
