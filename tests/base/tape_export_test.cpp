// The tape as CSV, read back by an RFC 4180 reader of the test's own.

#include "base/tape_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Records end in CR LF; a quoted field may hold commas, CR LF and doubled quotes.
// Anything else is a failure of the writer.
Rows readCsv(const std::string& text) {
    Rows rows(1, std::vector<std::string>(1));
    std::size_t i = 0;
    while (i < text.size()) {
        std::string& field = rows.back().back();
        if (text[i] == '"' && field.empty()) {
            for (++i;; ++i) {
                if (i >= text.size()) ADD_FAILURE() << "unterminated quote";
                if (i >= text.size()) return rows;
                if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) break;
                if (text[i] == '"') ++i;
                field += text[i];
            }
            ++i;
            if (i < text.size() && text[i] != ',' && text[i] != '\r')
                ADD_FAILURE() << "after quote";
        } else if (text[i] == ',') {
            rows.back().emplace_back();
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            rows.emplace_back(1);
            i += 2;
        } else {
            EXPECT_NE(text[i], '"') << "a bare quote";
            EXPECT_NE(text[i], '\n') << "a bare line break";
            field += text[i++];
        }
    }
    EXPECT_EQ(rows.back(), std::vector<std::string>(1)) << "the last record lacks CR LF";
    rows.pop_back();
    return rows;
}

TEST(TapeCsv, EveryEntryIsARowThatReadsBackField) {
    Tape tape;
    tape.append(TapeKind::Operation, "1,5", "+");
    tape.append(TapeKind::Result, "100       ");
    tape.append(TapeKind::Function, "12.5", "\u2192deg", "12 \u00ba 30' 0.000\"");
    tape.append(TapeKind::Conversion, "2", "conv", "2000", "km \u2192 m");
    tape.append(TapeKind::MemoryStore, "5", "M+", "", "3");
    tape.append(TapeKind::Error, "Range Error");
    tape.append(TapeKind::Separator, "", "AC");
    const Rows want = {
        {"kind", "value", "key", "result", "detail", "line"},
        {"operation", "1,5", "+", "", "", "1,5 +"},
        {"result", "100", "", "", "", "100 *"},
        {"function", "12.5", "\u2192deg", "12 \u00ba 30' 0.000\"", "",
         "12.5 \u2192deg \u2192 12 \u00ba 30' 0.000\""},
        {"conversion", "2", "conv", "2000", "km \u2192 m", "2 conv km \u2192 m = 2000"},
        {"memory", "5", "M+", "", "3", "M+ 5 \u2192 M3"},
        {"error", "Range Error", "", "", "", "Range Error"},
        {"separator", "", "AC", "", "", "AC ----"},
    };
    EXPECT_EQ(readCsv(tapeCsv(tape)), want);
    EXPECT_EQ(tapeIn(tape, TapeFormat::Text), tapeText(tape));

    // Once the oldest have fallen off, a row says so before the rest.
    for (std::size_t k = 0; k < kTapeLimit; ++k) tape.append(TapeKind::Result, "7");
    const Rows dropped = readCsv(tapeCsv(tape));
    ASSERT_EQ(dropped.size(), kTapeLimit + 2);
    EXPECT_EQ(dropped[1][0], "dropped");
    EXPECT_EQ(dropped[2], (std::vector<std::string>{"result", "7", "", "", "", "7 *"}));
}

TEST(TapeCsv, FormatsAreNamedTextAndCsv) {
    EXPECT_EQ(tapeFormatNamed("text"), TapeFormat::Text);
    EXPECT_EQ(tapeFormatNamed("csv"), TapeFormat::Csv);
    EXPECT_EQ(tapeFormatNamed("CSV"), std::nullopt);
    EXPECT_EQ(tapeFormatNamed(""), std::nullopt);
}

}  // namespace
}  // namespace zentra
