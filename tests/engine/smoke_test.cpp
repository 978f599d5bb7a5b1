#include <gtest/gtest.h>

#include "support/recording_view.h"

namespace zentra::testing {
TEST(Smoke, LeftToRight) {
    CalculatorState s;
    RecordingView v;
    press(s, v, "2 + 3 X 4 =");
    EXPECT_EQ(v.display, "20.00000000");
}
}  // namespace zentra::testing
