#pragma once
// Automatic power-off: the window minimises itself after apoTime seconds
// without use. Input over the window and its keys, moves of the window, and
// what the window reports (a command, a new display text or caption) start the
// countdown again; a repaint does not. While a modal dialog is open the
// countdown may run out but never minimises the window.

#include <QObject>
#include <QTimer>

#include "engine/calculator.h"

class QWidget;

namespace zentra {

class PowerOff : public QObject {
    Q_OBJECT
public:
    // Watches window and every child it has now.
    PowerOff(QWidget* window, CalculatorState& state);

    // Stops a running countdown and, with autoPowerOff on, starts a fresh one.
    void restart();
    void suspend();
    // Restarts the countdown, then lets it minimise again.
    void resume();
    // Closing: no countdown until the next input.
    void stop();

    bool isRunning() const { return timer_.isActive(); }
    bool isSuspended() const { return suspended_; }
    int intervalMs() const { return timer_.interval(); }

    // Starts watching a control added later.
    void watch(QWidget* widget);

    // The countdown ran out: minimise unless suspended, switched off or
    // minimised already. The timer calls it; so may a test.
    void expire();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    CalculatorState& state_;
    QTimer timer_;
    bool suspended_ = false;
};

}  // namespace zentra
