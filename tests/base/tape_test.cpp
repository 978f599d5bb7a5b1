// The tape container, its lines and its file.

#include "base/tape.h"

#include "base/message_texts.h"
#include "base/tape_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zentra {
namespace {

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
            tape.append(tapeStep(TapeKind::Function, value, "sin", longText, longText));
        else
            tape.append(tapeStep(TapeKind::Operation, value, "+"));
    }
    ASSERT_EQ(tape.size(), kTapeLimit);
    EXPECT_EQ(tape[0], (TapeEntry{TapeKind::Function, "5", "sin", longText, longText}));
    EXPECT_EQ(tape.back(), (TapeEntry{TapeKind::Operation, "1004", "+", "", ""}));

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
        tape.append(tapeStep(TapeKind::Operation, value, "+"));
    const auto values = [&tape] {
        std::string text;
        for (std::size_t i = 0; i < tape.size(); ++i) text += tape[i].value;
        return text;
    };
    const TapeRemoval removal = removeTapeEntries(tape, {3, 1, 9, 3});
    EXPECT_EQ(values(), "024");
    tape.append(tapeStep(TapeKind::Operation, "5", "+"));
    restoreTapeEntries(tape, removal);
    EXPECT_EQ(values(), "012345");
}

TEST(Tape, FileRoundTripsEveryTextAndKind) {
    Tape tape;
    tape.append(tapeStep(TapeKind::Conversion, "a\tb", "back\\slash", "line\nbreak", "\u00ba"));
    for (int k = 0; k <= static_cast<int>(TapeKind::MemoryRecall); ++k)
        tape.append(tapeStep(static_cast<TapeKind>(k), "1", "+"));
    const auto parsed = parseTapeFile(writeTapeFile(tape));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->entries(), tape.entries());
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
    tape.append(tapeStep(TapeKind::Result, "5"));
    ASSERT_EQ(saveTapeFile(path, tape), std::nullopt);
    EXPECT_EQ(loadTapeFile(path).tape.entries(), tape.entries());

    std::ofstream(path) << "garbage\n";
    const TapeLoad load = loadTapeFile(path);
    EXPECT_TRUE(load.tape.empty());
    ASSERT_TRUE(load.setAside);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::ifstream aside(*load.setAside);
    std::string kept;
    std::getline(aside, kept);
    EXPECT_EQ(kept, "garbage");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zentra
