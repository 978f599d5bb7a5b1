// The tape container, its lines and its file.

#include "base/tape.h"

#include "base/message_texts.h"
#include "base/tape_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zentra {
namespace {

std::vector<TapeEntry> entriesOf(const Tape& tape) {
    std::vector<TapeEntry> entries;
    for (std::size_t i = 0; i < tape.size(); ++i) entries.push_back(tape[i]);
    return entries;
}

struct LineCase {
    TapeEntry entry;
    const char* line;
    const char* recall;  // nullptr: nothing to recall
};

TEST(Tape, EachKindHasItsLineAndRecallValue) {
    const LineCase cases[] = {
        {{TapeKind::Operation, "2", "+", "", ""}, "2 +", "2"},
        {{TapeKind::Operation, "", "(", "", ""}, "(", nullptr},
        {{TapeKind::Result, "20.00000000", "", "", ""}, "20.00000000 *", "20.00000000"},
        {{TapeKind::Result, "100       ", "", "", ""}, "100 *", "100"},
        {{TapeKind::Function, "30", "sin", "0.5", ""}, "30 sin \u2192 0.5", "0.5"},
        {{TapeKind::Function, "-1", "\u221a", "", ""}, "-1 \u221a", "-1"},
        {{TapeKind::MemoryStore, "5", "M+", "", "3"}, "M+ 5 \u2192 M3", "5"},
        {{TapeKind::DataPoint, "4", "Data", "", "n=1"}, "Data 4 \u2192 n=1", "4"},
        {{TapeKind::Conversion, "2", "conv", "2000", "km \u2192 m"},
         "2 conv km \u2192 m = 2000",
         "2000"},
        {{TapeKind::Error, "Divide Zero Error", "", "", ""}, "Divide Zero Error", nullptr},
        {{TapeKind::Separator, "", "AC", "", ""}, "AC ----", nullptr},
        {{TapeKind::MemoryRecall, "12.5", "MR", "", "4"}, "MR M4 \u2192 12.5", "12.5"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(tapeLineText(c.entry), c.line);
        const auto recall = tapeRecallValue(c.entry);
        EXPECT_EQ(recall.value_or("<none>"), c.recall ? c.recall : "<none>") << c.line;
    }
}

// A new entry reuses the oldest one's place: nothing of the old may show through.
TEST(Tape, KeepsTheNewestThousandEntries) {
    Tape tape;
    const std::string longText(40, 'x');
    for (int k = 0; k < 1005; ++k) {
        const std::string value = std::to_string(k);
        if (k < 1000)
            tape.append(TapeKind::Function, value, "sin", longText, longText);
        else
            tape.append(TapeKind::Operation, value, "+");
    }
    ASSERT_EQ(tape.size(), kTapeLimit);
    EXPECT_EQ(tape[0],
              (TapeEntry{TapeKind::Function, "5", "sin", longText, longText, tape[0].time}));
    EXPECT_EQ(tape.back(), (TapeEntry{TapeKind::Operation, "1004", "+", "", "", tape.back().time}));
    EXPECT_LE(tape[0].time, tape.back().time);

    // The roll says it no longer begins at the first step, also after a restart.
    ASSERT_TRUE(tape.droppedEarlier());
    EXPECT_EQ(tapeText(tape).substr(0, tapeText(tape).find('\n')), kTapeDroppedText);
    const auto parsed = parseTapeFile(writeTapeFile(tape));
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->droppedEarlier());
    tape.clear();
    EXPECT_FALSE(tape.droppedEarlier());
    EXPECT_FALSE(parseTapeFile(writeTapeFile(tape))->droppedEarlier());
}

TEST(Tape, RemovedEntriesComeBackWhereTheyWere) {
    Tape tape;
    for (const char* value : {"0", "1", "2", "3", "4"})
        tape.append(TapeKind::Operation, value, "+");
    const auto values = [&tape] {
        std::string text;
        for (std::size_t i = 0; i < tape.size(); ++i) text += tape[i].value;
        return text;
    };
    const TapeRemoval removal = removeTapeEntries(tape, {3, 1, 9, 3});
    EXPECT_EQ(values(), "024");
    tape.append(TapeKind::Operation, "5", "+");
    restoreTapeEntries(tape, removal);
    EXPECT_EQ(values(), "012345");
}

TEST(Tape, FileRoundTripsEveryTextAndKind) {
    Tape tape;
    tape.append(TapeKind::Conversion, "a\tb", "back\\slash", "line\nbreak", "\u00ba");
    for (int k = 0; k <= static_cast<int>(TapeKind::MemoryRecall); ++k)
        tape.append(static_cast<TapeKind>(k), "1", "+");
    const auto parsed = parseTapeFile(writeTapeFile(tape));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(entriesOf(*parsed), entriesOf(tape));
}

// Entries "name@time"; "*" marks where the tape was read from its file.
Tape tapeOf(std::initializer_list<std::string_view> entries) {
    Tape tape;
    for (std::string_view e : entries) {
        if (e == "*") {
            tape.markSaved();
            continue;
        }
        const auto at = e.find('@');
        tape.append(TapeEntry{TapeKind::Result, std::string(e.substr(0, at)), "", "", "",
                              std::stoll(std::string(e.substr(at + 1)))});
    }
    return tape;
}

std::string namesOf(const Tape& tape) {
    std::string names;
    for (std::size_t i = 0; i < tape.size(); ++i) names += tape[i].value + " ";
    return names;
}

struct MergeCase {
    const char* name;
    Tape onFile;
    Tape ours;
    const char* merged;
    bool dropped = false;
};

TEST(Tape, ASaveAddsItsNewStepsToWhatTheFileHoldsInTimeOrder) {
    Tape cleared = tapeOf({"a@1", "*", "b@3"});
    cleared.clear();
    cleared.append(TapeEntry{TapeKind::Result, "c", "", "", "", tapeTimeNow() + 1});
    Tape full;
    for (int k = 0; k < 1000; ++k)
        full.append(TapeEntry{TapeKind::Result, "f", "", "", "", k + 10});
    Tape droppedFile = tapeOf({"a@1"});
    droppedFile.markDroppedEarlier();
    Tape droppedOurs = tapeOf({"*", "b@2"});
    droppedOurs.markDroppedEarlier();
    Tape droppedCleared = cleared;
    Tape removed = tapeOf({"a@1", "b@2", "c@3", "*"});
    removeTapeEntries(removed, {1});
    const MergeCase cases[] = {
        {"another run saved meanwhile", tapeOf({"a@1", "x@4"}), tapeOf({"a@1", "*", "b@3", "c@5"}),
         "a b x c "},  // this run's steps by time, around the other's
        {"nothing new", tapeOf({"a@1", "x@2"}), tapeOf({"a@1", "*"}), "a x "},
        {"the file was removed", tapeOf({}), tapeOf({"a@1", "*", "b@2"}), "b "},
        {"an untimed file comes first", tapeOf({"old@0", "old@0"}), tapeOf({"*", "b@2"}),
         "old old b "},
        {"equal times keep the file's first", tapeOf({"x@2"}), tapeOf({"*", "b@2"}), "x b "},
        {"cleared: only later steps stay", tapeOf({"a@1", "x@4"}), cleared, "c "},
        {"a removed line stays removed", tapeOf({"a@1", "b@2", "c@3"}), removed, "a c "},
        {"the file had dropped steps", droppedFile, tapeOf({"a@1", "*"}), "a ", true},
        {"ours had dropped steps", tapeOf({}), droppedOurs, "b ", true},
        {"cleared after the file's steps dropped", droppedFile, droppedCleared, "c ", false},
    };
    for (const MergeCase& c : cases) {
        const Tape merged = mergedTape(c.onFile, c.ours);
        EXPECT_EQ(namesOf(merged), c.merged) << c.name;
        EXPECT_EQ(merged.unsavedCount(), 0u) << c.name;
        EXPECT_EQ(merged.droppedEarlier(), c.dropped) << c.name;
    }
    const Tape merged = mergedTape(full, tapeOf({"*", "new@5000"}));
    ASSERT_EQ(merged.size(), kTapeLimit);  // the oldest goes
    EXPECT_EQ(merged[0].time, 11);
    EXPECT_EQ(merged.back().value, "new");
    EXPECT_TRUE(merged.droppedEarlier());
}

TEST(Tape, AFileOfTheFirstFormatReadsWithTimeZero) {
    const auto tape = parseTapeFile(std::string(kUntimedTapeHeader) + "\n0\t2\t+\t\t\n");
    ASSERT_TRUE(tape);
    EXPECT_EQ(tape->back(), (TapeEntry{TapeKind::Operation, "2", "+", "", "", 0}));
    EXPECT_FALSE(tape->droppedEarlier());
    const auto dropped =
        parseTapeFile(std::string(kUntimedTapeHeader) + "\tdropped\n9\tMode\t\t\t\n");
    ASSERT_TRUE(dropped);
    EXPECT_TRUE(dropped->droppedEarlier());
    EXPECT_EQ(writeTapeFile(*dropped).substr(0, writeTapeFile(*dropped).find('\n')),
              std::string(kTapeHeader) + "\tdropped");
    EXPECT_FALSE(parseTapeFile(std::string(kTapeHeader) + "\n0\t2\t+\t\t\n"));  // no time
    EXPECT_FALSE(parseTapeFile(std::string(kTapeHeader) + "\n0\t2\t+\t\t\t-3\n"));
    EXPECT_FALSE(parseTapeFile(std::string(kTapeHeader) + "\n0\t2\t+\t\t\t3x\n"));
}

TEST(Tape, DamagedOrForeignTextIsNoTape) {
    const std::string header = std::string(kTapeHeader) + "\n";
    const std::string damaged[] = {
        "",                               // empty
        "[Calc]\nDisplay=0\n",            // another file
        header + "0\t2\t+\t\n",           // a field missing
        header + "0\t2\t+\t\t\t\n",       // one too many
        header + ":\t2\t+\t\t\n",         // no such kind
        header + "0\t2\\q\t+\t\t\n",      // no such escape
        header + "0\t2\t+\t\t",           // cut off
        header + "0\t\xFF\t+\t\t\n",      // not UTF-8
        header + "0\t\xC0\xAF\t+\t\t\n",  // overlong
    };
    for (const std::string& text : damaged) EXPECT_FALSE(parseTapeFile(text)) << text;
    EXPECT_TRUE(parseTapeFile(header));
}

TEST(Tape, LoadSetsADamagedFileAsideAndSaveWritesANewOne) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("zentra_tape_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(dir);
    const auto path = dir / "sub" / "tape.txt";
    EXPECT_TRUE(loadTapeFile(path).tape.empty());  // missing: a new tape

    Tape tape;
    tape.append(TapeKind::Result, "5");
    ASSERT_TRUE(saveTapeFile(path, tape));
    EXPECT_EQ(entriesOf(loadTapeFile(path).tape), entriesOf(tape));

    std::ofstream(path) << "garbage\n";
    const TapeLoad load = loadTapeFile(path);
    EXPECT_TRUE(load.tape.empty());
    const std::string asidePath = path.string() + ".damaged";
    ASSERT_TRUE(load.setAside);
    EXPECT_NE(load.setAside->find(asidePath), std::string::npos) << *load.setAside;
    EXPECT_FALSE(std::filesystem::exists(path));
    std::ifstream aside(asidePath);
    std::string kept;
    std::getline(aside, kept);
    EXPECT_EQ(kept, "garbage");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zentra
