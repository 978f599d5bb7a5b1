#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "shell/appearance.h"
#include "shell/appearance_rules.h"

namespace zentra {
namespace {

// Two device-independent pixels at every scale, flush with the edge: light
// along the top and left, dark along the right and bottom, the body inside.
TEST(Bevel, IsTwoPixelsOfTheEdgeColoursFlushWithTheEdgeAtEveryScale) {
    const Rgb body{100, 150, 200};
    const BevelColours edge = bevelColours(body);
    for (const double ratio : {1.0, 1.5, 2.0}) {
        const QSize logical(120, 90);
        QImage image(qRound(logical.width() * ratio), qRound(logical.height() * ratio),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(toQColor(body));
        {
            QPainter painter(&image);
            paintBevel(painter, QRect(QPoint(0, 0), logical), body);
        }
        const int w = image.width(), h = image.height(), depth = qRound(2 * ratio);
        const struct {
            const char* side;
            QPoint outer;  // the edge's outermost device pixel at the side's middle
            QPoint inward;
            Rgb colour;
        } sides[] = {{"top", {w / 2, 0}, {0, 1}, edge.light},
                     {"left", {0, h / 2}, {1, 0}, edge.light},
                     {"right", {w - 1, h / 2}, {-1, 0}, edge.dark},
                     {"bottom", {w / 2, h - 1}, {0, -1}, edge.dark}};
        for (const auto& s : sides) {
            for (int d = 0; d <= depth; ++d) {
                const QColor expected = toQColor(d < depth ? s.colour : body);
                EXPECT_EQ(image.pixelColor(s.outer + d * s.inward), expected)
                    << s.side << " at scale " << ratio << ", " << d << " pixels in";
            }
        }
    }
}

}  // namespace
}  // namespace zentra
