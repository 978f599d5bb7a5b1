#include "shell/window_place.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(WindowPlace, TheWholeFrameLiesOnOneScreenKeepingTheStoredCornerWhereItFits) {
    const QList<QRect> one{QRect(0, 0, 960, 540)};
    // Two screens side by side, the right one lower and with a panel on top.
    const QList<QRect> two{QRect(0, 0, 1000, 800), QRect(1000, 100, 800, 600)};
    const QSize frame(200, 250);
    const QPoint fallback(60, 60);
    const struct {
        const char* name;
        std::optional<QPoint> stored;
        QList<QRect> screens;
        QPoint expected;
    } cases[] = {
        {"fits", QPoint(400, 200), one, QPoint(400, 200)},
        {"bottom row below the screen", QPoint(400, 300), one, QPoint(400, 290)},
        {"off the right and bottom", QPoint(900, 500), one, QPoint(760, 290)},
        {"above and left", QPoint(-50, -10), one, QPoint(0, 0)},
        {"on no screen", QPoint(-20000, -20000), one, fallback},
        {"never stored", std::nullopt, one, fallback},
        {"across two screens, mostly on the right", QPoint(1400, 50), two, QPoint(1400, 100)},
        {"across two screens, mostly on the left", QPoint(850, 300), two, QPoint(800, 300)},
        {"fallback moved in too", std::nullopt, {QRect(0, 0, 220, 200)}, QPoint(20, 0)},
        {"no screens", QPoint(5000, 5000), {}, QPoint(5000, 5000)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeWindow(c.stored, fallback, frame, c.screens), c.expected) << c.name;
}

}  // namespace
}  // namespace zentra
