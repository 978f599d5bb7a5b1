#include "shell/display_field.h"

#include <QClipboard>
#include <QDropEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "base/control_text.h"
#include "base/digit_groups.h"
#include "shell/qt_text.h"

namespace zentra {
namespace {

// The line edit's own margins round its text: two pixels across, one down.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// Room the line edit keeps beside a text that fits: its cursor and bearings.
constexpr double kSlack = 2.0;

QString cleanedPaste(const QString& clipboard) {
    return QString::fromStdString(pastedLine(clipboard.toStdString()));
}

}  // namespace

DisplayField::DisplayField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &DisplayField::fitText);
}

void DisplayField::setBaseFont(const QFont& font) {
    baseFont_ = font;
    basePixels_ = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    fitText();
}

void DisplayField::setGrouping(std::optional<NumberBase> base) {
    if (grouping_ == base) return;
    grouping_ = base;
    fitText();
    update();
}

QString DisplayField::drawnText() const {
    if (!groupsDrawn()) return text();
    const QByteArray latin1 = text().toLatin1();
    const std::string_view bytes(latin1.constData(), static_cast<std::size_t>(latin1.size()));
    const std::vector<std::size_t> breaks = digitGroupBreaks(bytes, *grouping_);
    if (breaks.empty()) return text();
    const QString separator = fromUtf8(kGroupSeparator);
    QString drawn = text();
    // From the last break back, so the earlier offsets stay right.
    for (auto at = breaks.rbegin(); at != breaks.rend(); ++at)
        drawn.insert(static_cast<qsizetype>(*at), separator);
    return drawn;
}

QRect DisplayField::textRect() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

// The largest size of the face, up to the chosen one, in which the drawn text
// fits; measured on every change of text, so a first guess from the width
// keeps it to a few measurements.
void DisplayField::fitText() {
    const QString shown = drawnText();
    const double room = textRect().width() - kSlack;
    auto widthAt = [&](int pixels) {
        QFont font = baseFont_;
        font.setPixelSize(pixels);
        return QFontMetricsF(font, this).horizontalAdvance(shown);
    };
    int pixels = basePixels_;
    const double full = QFontMetricsF(baseFont_, this).horizontalAdvance(shown);
    if (full > room && room > 0) {
        pixels = std::clamp(static_cast<int>(std::floor(basePixels_ * room / full)),
                            kSmallestPixelSize, basePixels_);
        while (pixels < basePixels_ && widthAt(pixels + 1) <= room) ++pixels;
        while (pixels > kSmallestPixelSize && widthAt(pixels) > room) --pixels;
    }
    QFont fitted = baseFont_;
    if (pixels != basePixels_ || baseFont_.pixelSize() <= 0) fitted.setPixelSize(pixels);
    if (font() != fitted) QLineEdit::setFont(fitted);
    // Too long even at the smallest size: its start, never its end alone.
    if (!hasFocus() && QFontMetricsF(fitted, this).horizontalAdvance(text()) > room)
        setCursorPosition(0);
}

void DisplayField::paintEvent(QPaintEvent* event) {
    const QString shown = drawnText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // The grouped number, drawn where the line edit draws its text.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect lineRect = textRect();
    const QFontMetricsF metrics(font(), this);
    painter.setClipRect(lineRect);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const double top = lineRect.top() + std::floor((lineRect.height() - metrics.height() + 1) / 2);
    double left = lineRect.left();
    const double width = metrics.horizontalAdvance(shown);
    if (alignment() & Qt::AlignRight)
        left = lineRect.right() + 1 - width;
    else if (alignment() & Qt::AlignHCenter)
        left = lineRect.left() + (lineRect.width() - width) / 2;
    painter.drawText(QPointF(std::max(left, double(lineRect.left())), top + metrics.ascent()),
                     shown);
}

void DisplayField::pasteLine(const QString& clipboard) {
    insert(cleanedPaste(clipboard));
}

QMenu* DisplayField::createEditMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste")) continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteLine(QGuiApplication::clipboard()->text()); });
    }
    return menu;
}

void DisplayField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteLine(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button pastes the primary selection on X11.
void DisplayField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        pasteLine(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void DisplayField::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData cleaned;
    cleaned.setText(cleanedPaste(event->mimeData()->text()));
    QDropEvent drop(event->position(), event->possibleActions(), &cleaned, event->buttons(),
                    event->modifiers(), event->type());
    drop.setDropAction(event->proposedAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

// Edited, the text shows as it is, with the caret among its characters.
void DisplayField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (grouping_) fitText();
}

void DisplayField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (grouping_) fitText();
}

void DisplayField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

}  // namespace zentra
