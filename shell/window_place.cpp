#include "shell/window_place.h"

#include <algorithm>

namespace zentra {
namespace {

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// The screen holding most of frame, or nothing when none holds any of it.
std::optional<QRect> screenHolding(const QRect& frame, const QList<QRect>& screens) {
    std::optional<QRect> best;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const qint64 area = overlap(frame, screen);
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// Along one axis: start where it is if it fits, else as near as fits; a frame
// longer than the screen begins at the screen's start.
int moveIn(int start, int length, int screenStart, int screenLength) {
    return std::max(screenStart, std::min(start, screenStart + screenLength - length));
}

}  // namespace

QPoint placeWindow(std::optional<QPoint> stored, QPoint fallback, QSize frameSize,
                   const QList<QRect>& availableScreens) {
    std::optional<QRect> screen;
    QPoint corner = fallback;
    if (stored) screen = screenHolding(QRect(*stored, frameSize), availableScreens);
    if (screen) {
        corner = *stored;
    } else {
        screen = screenHolding(QRect(fallback, frameSize), availableScreens);
        if (!screen && !availableScreens.isEmpty()) screen = availableScreens.front();
    }
    if (!screen) return stored.value_or(fallback);
    return QPoint(moveIn(corner.x(), frameSize.width(), screen->x(), screen->width()),
                  moveIn(corner.y(), frameSize.height(), screen->y(), screen->height()));
}

QPoint centredPlace(QRect ownerFrame, QSize frameSize, QRect screen) {
    const QPoint centred =
        ownerFrame.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2);
    const int right = screen.x() + screen.width() - frameSize.width();
    const int bottom = screen.y() + screen.height() - frameSize.height();
    return {std::max(screen.x(), std::min(centred.x(), right)),
            std::max(screen.y(), std::min(centred.y(), bottom))};
}

}  // namespace zentra
