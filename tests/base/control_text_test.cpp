// Pasted lines and tape texts never hold a control character.

#include "base/control_text.h"

#include <gtest/gtest.h>

#include "base/tape.h"

namespace zentra {
namespace {

TEST(ControlText, APasteTakesTheFirstLineWithoutTheWhiteSpaceAroundIt) {
    const struct {
        const char* clipboard;
        const char* pasted;
    } cases[] = {
        {"7\n", "7"},
        {"  12.5  \n", "12.5"},
        {"\n\n  3\n4\n", "3"},
        {"1\t2\t3\n", "1"},  // a row of spreadsheet cells
        {"\xC2\xA0"
         "42\xC2\xA0",
         "42"},
        {"5\x1B[0m", "5"},
        {"6\xC2\x85"
         "7",
         "6"},  // next line, a C1 control
    };
    for (const auto& c : cases) EXPECT_EQ(pastedLine(c.clipboard), c.pasted) << c.clipboard;
}

TEST(ControlText, TheTapeDropsControlCharactersFromEveryEntry) {
    Tape tape;
    tape.append(TapeKind::Operation, "7\n", "+");
    tape.append(TapeEntry{TapeKind::Function, "1\t2", "sin\x7F",
                          "0.\xC2\x9F"
                          "5",
                          "\r"});
    EXPECT_EQ(tapeLineText(tape[0]), "7 +");
    EXPECT_EQ(tape[1], (TapeEntry{TapeKind::Function, "12", "sin", "0.5", ""}));
}

}  // namespace
}  // namespace zentra
