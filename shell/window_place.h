#pragma once
// Where the window opens: the frame the user left, moved in just far enough
// that all of it lies on one screen's available area.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace zentra {

// The top-left corner for a frame of frameSize. stored is where it was left;
// it is kept where the whole frame fits on the screen that holds most of it,
// else moved in onto that screen. A stored place on no screen, or none, gives
// fallback, moved in likewise onto the screen that holds it (the first screen
// when none does). With no screens at all, the stored place or fallback stands.
QPoint placeWindow(std::optional<QPoint> stored, QPoint fallback, QSize frameSize,
                   const QList<QRect>& availableScreens);

// Where a dialog's frame of frameSize opens: centred on its owner's frame,
// moved in just far enough to lie on the owner screen's available area (its
// top-left corner there when it is larger).
QPoint centredPlace(QRect ownerFrame, QSize frameSize, QRect screen);

}  // namespace zentra
