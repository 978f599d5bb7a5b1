#pragma once
// For the start-up benchmark: with ZENTRA_STARTUP_PROBE set in the
// environment, the first time a window is on the screen, print "mapped" and
// the monotonic clock in nanoseconds, then end the run normally a moment later.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace zentra {

class StartupProbe : public QObject {
public:
    using QObject::QObject;

    static void watch(QWidget& widget) {
        if (qEnvironmentVariableIsEmpty("ZENTRA_STARTUP_PROBE")) return;
        widget.winId();  // makes the QWindow
        widget.windowHandle()->installEventFilter(new StartupProbe(&widget));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window->isExposed() && !reported_) {
            reported_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("mapped %lld\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool reported_ = false;
};

}  // namespace zentra
