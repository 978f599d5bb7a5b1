#include "shell/splash_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "shell/about_dialog.h"
#include "shell/dialogs/dialog_layout.h"

namespace zentra {

// Plain lines painted in one widget: the window shows for a moment only, and
// labels in a layout, with rich text for a bold title, kept the calculator
// window from the screen about 3 ms longer.
SplashWindow::SplashWindow() : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    // The template face, as the calculator window measures its dialog units
    // in it: the font is loaded once for both.
    setFont(templateFont(9));
    // Name, version and rights as the About dialog reads them from the build;
    // the notice in short lines, as a narrow window has fewer pixels to fill
    // before the calculator can start.
    const VersionTexts version = readVersionInfo();
    lines_ = {version.programName + QLatin1Char(' ') + version.versionText,
              version.rightsText,
              QString(),
              QStringLiteral("Free software under the MIT licence:"),
              QStringLiteral("anyone may use, copy, change, merge,"),
              QStringLiteral("publish, share, sublicense and sell"),
              QStringLiteral("it, if the copyright notice and this"),
              QStringLiteral("permission go with every copy. There"),
              QStringLiteral("is no warranty and no liability.")};
    setAccessibleName(lines_.front());
    setAccessibleDescription(lines_.mid(1).join(QLatin1Char(' ')).simplified());

    const QFontMetrics metrics(font());
    margin_ = metrics.height();
    int width = 0;
    for (const QString& line : lines_) width = qMax(width, metrics.horizontalAdvance(line));
    resize(width + 2 * margin_,
           static_cast<int>(lines_.size()) * metrics.lineSpacing() + 2 * margin_);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the border
    QPainter painter(this);
    const QFontMetrics metrics(font());
    int top = margin_;
    for (const QString& line : lines_) {
        if (line.isEmpty()) {
            const int y = top + metrics.lineSpacing() / 2;
            painter.drawLine(margin_, y, width() - margin_ - 1, y);
        } else {
            painter.drawText(margin_, top + metrics.ascent(), line);
        }
        top += metrics.lineSpacing();
    }
}

}  // namespace zentra
