#pragma once
// The start-up window: name, version, rights line and the notice on copying,
// shown while the database and fonts load.

#include <QFrame>
#include <QKeyEvent>
#include <QStringList>
#include <memory>
#include <vector>

namespace zentra {

class SplashWindow : public QFrame {
public:
    // Sized to its text and centred on the primary screen; not yet shown.
    SplashWindow();

    // The keys typed while it had the keyboard (on a desktop without a window
    // manager it keeps the keyboard until the calculator takes it), in order.
    std::vector<std::unique_ptr<QKeyEvent>> takeKeys() { return std::move(keys_); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override { keep(event); }
    void keyReleaseEvent(QKeyEvent* event) override { keep(event); }

private:
    void keep(QKeyEvent* event) {
        keys_.emplace_back(static_cast<QKeyEvent*>(event->clone()));
        event->accept();
    }

    std::vector<std::unique_ptr<QKeyEvent>> keys_;
    QStringList lines_;  // an empty line is the rule
    int margin_ = 0;
};

}  // namespace zentra
