// The display shows its whole text at every scale the tests run at (tests.cmake).

#include <QFontMetricsF>
#include <cstdio>
#include <vector>

#include "engine/display_format.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

// Values whose texts are the longest a format gives: every magnitude, negative.
std::vector<double> candidateValues() {
    std::vector<double> values = {-1.7976931348623157e308, -2.2250738585072014e-308};
    for (int exponent = -30; exponent <= 30; ++exponent)
        values.push_back(-1.2345678901234567 * std::pow(10.0, exponent));
    return values;
}

const char* const kTypeNames[] = {"Normal", "Fixed", "Scientific", "Financial"};

TEST_F(WindowTest, DisplayShowsTheWidestTextOfEveryFormatWhole) {
    DisplayField* display = window_->display();
    const QFont chosen = display->baseFont();
    const double scale = display->devicePixelRatioF();
    for (const bool grouped : {false, true}) {
        display->setGrouping(grouped ? std::optional(NumberBase::Decimal) : std::nullopt);
        for (int type = 0; type < 4; ++type) {
            QString widestOfType;
            int smallest = chosen.pixelSize();
            for (int digits = 1; digits <= 22; ++digits) {
                QString widest;
                double widestWidth = 0;
                for (const double value : candidateValues()) {
                    window_->setDisplayText(
                        formatDecimalText(value, static_cast<DisplayType>(type), digits));
                    const double width =
                        QFontMetricsF(chosen).horizontalAdvance(display->drawnText());
                    if (width > widestWidth) {
                        widestWidth = width;
                        widest = display->text();
                    }
                }
                window_->setDisplayText(widest.toStdString());
                const QString drawn = display->drawnText();
                const QFont shown = display->font();
                EXPECT_LE(QFontMetricsF(shown, display).horizontalAdvance(drawn),
                          display->textRect().width())
                    << drawn.toStdString() << " at " << shown.pixelSize() << " px";
                if (shown.pixelSize() <= smallest) {
                    smallest = shown.pixelSize();
                    widestOfType = widest;
                }
            }
            // For the record: the widest text of the type and the size it is drawn in.
            std::printf("%s%s at %.0f%%: \"%s\" in %d px (chosen %d px)\n", kTypeNames[type],
                        grouped ? ", grouped" : "", scale * 100, qPrintable(widestOfType), smallest,
                        chosen.pixelSize());
        }
    }
}

TEST_F(WindowTest, DisplayTooNarrowEvenAtTheSmallestSizeShowsTheStart) {
    DisplayField* display = window_->display();
    display->resize(40, display->height());
    window_->setDisplayText("-1.41421356237310E+000");
    EXPECT_EQ(display->font().pixelSize(), DisplayField::kSmallestPixelSize);
    EXPECT_EQ(display->cursorPosition(), 0);
}

}  // namespace
}  // namespace zentra::testing
