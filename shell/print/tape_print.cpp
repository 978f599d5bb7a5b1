#include "shell/print/tape_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace zentra {
namespace {

constexpr qreal kPointSize = 10;

}  // namespace

bool printTape(QPrinter& printer, const QList<PaperLine>& lines, const QFont& face,
               const QDateTime& when) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The face at a reading size: the display's own size is in screen pixels.
    QFont plain(face);
    plain.setPointSizeF(kPointSize);
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    QFont bold(plain);
    bold.setBold(true);
    const QFontMetricsF metrics(bold, &printer);
    const qreal lineHeight = metrics.lineSpacing();
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());

    qreal column = 0;
    for (const PaperLine& line : lines)
        column = std::max(column, metrics.horizontalAdvance(line.text));
    column = std::min(column, page.width());

    // A heading line and a gap above the lines, a gap and the page number below.
    const int perPage = std::max(1, static_cast<int>(page.height() / lineHeight) - 4);
    const int pages = std::max(1, static_cast<int>((lines.size() + perPage - 1) / perPage));
    const QString heading =
        QStringLiteral("Zentra tape, ") + when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const int first = printer.fromPage() > 0 ? std::min(printer.fromPage(), pages) : 1;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;
    for (int number = first; number <= last; ++number) {
        if (number != first) printer.newPage();
        painter.setFont(plain);
        painter.drawText(QRectF(0, 0, page.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         heading);
        const qsizetype from = static_cast<qsizetype>(number - 1) * perPage;
        const qsizetype to = std::min(lines.size(), from + perPage);
        for (qsizetype k = from; k < to; ++k) {
            painter.setFont(lines[k].bold ? bold : plain);
            const QRectF place(0, lineHeight * static_cast<qreal>(k - from + 2), column,
                               lineHeight);
            painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, lines[k].text);
        }
        painter.setFont(plain);
        painter.drawText(QRectF(0, page.height() - lineHeight, page.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(number).arg(pages));
    }
    return painter.end();
}

}  // namespace zentra
