#include <gtest/gtest.h>

#include <set>

#include "engine/calculator.h"
#include "engine/key_labels.h"
#include "engine/key_table.h"

namespace zentra::testing {
namespace {

TEST(KeyTable, EveryCommandHasOneRowAndEveryKeypadKeyAStartCaption) {
    std::set<CommandId> ids;
    int keypadKeys = 0;
    for (const KeyRow& row : keyTable()) {
        EXPECT_TRUE(ids.insert(row.id).second) << "second row for " << static_cast<int>(row.id);
        EXPECT_EQ(findKey(row.id), &row);
        if (!row.start.words) continue;
        ++keypadKeys;
        EXPECT_TRUE(row.start.font.has_value()) << static_cast<int>(row.id);
    }
    EXPECT_EQ(keypadKeys, kKeyCount);
}

// A row's cells must say one thing: a glyph needs its words (what a screen
// reader says), a writer replaces the shifted caption it would silently hide,
// and a function action names its function.
TEST(KeyTable, EveryModeCellIsConsistent) {
    for (const KeyRow& row : keyTable()) {
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            const ModeFacts& facts = row.modes[mode];
            SCOPED_TRACE(::testing::Message()
                         << "key " << static_cast<int>(row.id) << " mode " << mode);
            EXPECT_FALSE(facts.caption.glyph && !facts.caption.words);
            EXPECT_FALSE(facts.shifted.glyph && !facts.shifted.words);
            EXPECT_FALSE(facts.writer && facts.shifted.words);
            EXPECT_EQ(facts.action.kind == Action::Kind::Function,
                      facts.action.function != nullptr);
            // A key not on the keypad has no caption to lay out.
            EXPECT_TRUE(row.start.words || !(facts.caption.words || facts.followsLatches()));
        }
    }
}

}  // namespace
}  // namespace zentra::testing
