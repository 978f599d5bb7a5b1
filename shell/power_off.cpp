#include "shell/power_off.h"

#include <QEvent>
#include <QWidget>

#include "shell/appearance_rules.h"

namespace zentra {

PowerOff::PowerOff(QWidget* window, CalculatorState& state)
    : QObject(window), window_(window), state_(state) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PowerOff::expire);
    watch(window_);
    for (QWidget* child : window_->findChildren<QWidget*>()) watch(child);
}

void PowerOff::watch(QWidget* widget) {
    widget->installEventFilter(this);
    // Mouse movement over the window counts even with no button down.
    widget->setMouseTracking(true);
}

void PowerOff::restart() {
    timer_.stop();
    if (!state_.autoPowerOff) return;
    timer_.start(powerOffMilliseconds(state_.apoTime));
}

void PowerOff::suspend() {
    suspended_ = true;
}

void PowerOff::resume() {
    restart();
    suspended_ = false;
}

void PowerOff::stop() {
    timer_.stop();
}

void PowerOff::expire() {
    timer_.stop();
    if (!suspended_ && state_.autoPowerOff && !window_->isMinimized()) window_->showMinimized();
}

bool PowerOff::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            // Never a paint: the display's caret repaints it twice a second.
            restart();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (watched == window_) restart();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zentra
