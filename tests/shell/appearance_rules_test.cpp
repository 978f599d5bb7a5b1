// The window's colour and timing rules.
#include "shell/appearance_rules.h"

#include <gtest/gtest.h>

namespace zentra::testing {
namespace {

struct BevelCase {
    Rgb body, dark, light;
};

class BevelColoursTest : public ::testing::TestWithParam<BevelCase> {};

TEST_P(BevelColoursTest, DarkHalvesLightDoublesOrTurnsWhite) {
    const BevelCase& c = GetParam();
    BevelColours got = bevelColours(c.body);
    EXPECT_EQ(got.dark, c.dark);
    EXPECT_EQ(got.light, c.light);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BevelColoursTest,
    ::testing::Values(BevelCase{{128, 128, 128}, {64, 64, 64}, {255, 255, 255}},
                      BevelCase{{100, 150, 200}, {50, 75, 100}, {200, 255, 255}},
                      BevelCase{{0, 0, 255}, {0, 0, 127}, {255, 255, 255}},
                      BevelCase{{10, 10, 250}, {5, 5, 125}, {20, 20, 255}}));

TEST(PowerOffMilliseconds, StoredValuesOutsideTheDialogRangeAreHeldToIt) {
    EXPECT_EQ(powerOffMilliseconds(120), 120000);
    EXPECT_EQ(powerOffMilliseconds(0), 10000);
    EXPECT_EQ(powerOffMilliseconds(-5), 10000);
    EXPECT_EQ(powerOffMilliseconds(2147483647), 32000000);
}

}  // namespace
}  // namespace zentra::testing
