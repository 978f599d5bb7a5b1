#pragma once
// The start-up window: name, version, rights line and the notice on copying,
// shown while the database and fonts load.

#include <QFrame>
#include <QStringList>

namespace zentra {

class SplashWindow : public QFrame {
public:
    // Sized to its text and centred on the primary screen; not yet shown.
    SplashWindow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;  // an empty line is the rule
    int margin_ = 0;
};

}  // namespace zentra
