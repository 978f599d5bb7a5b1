#pragma once
// Tells a screen reader about a new result or error on the display, so that
// the user hears "20" after = without moving to the display. Qt 6.8 has
// announcements for this; before it, a notification object, which screen
// readers read out whenever it appears, carries the text.

#include <QObject>
#include <QString>

class QWidget;

namespace zentra {

class ResultAnnouncer : public QObject {
public:
    // The display the results appear in; the notice, where one is needed, is
    // a child of the display's window.
    explicit ResultAnnouncer(QWidget* display);

    void announce(const QString& text);
    // What was last announced (for the tests).
    QString lastAnnounced() const { return last_; }
    // The notification object, none where announcements exist.
    QWidget* notice() const { return notice_; }

private:
    QWidget* display_;
    QWidget* notice_ = nullptr;
    QString last_;
};

}  // namespace zentra
