#include "shell/result_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zentra {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

constexpr const char* kNoticeName = "resultNotice";

QAccessibleInterface* noticeInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || object->objectName() != QLatin1String(kNoticeName))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

// A widget of no size: nothing to see, only its appearing is heard.
QWidget* createNotice(QWidget* window) {
    auto* notice = new QWidget(window);
    notice->setObjectName(QLatin1String(kNoticeName));
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setFixedSize(0, 0);
    notice->hide();
    return notice;
}

}  // namespace
#endif

ResultAnnouncer::ResultAnnouncer(QWidget* display) : QObject(display), display_(display) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installFactory(noticeInterface);  // once: Qt keeps each factory once
    notice_ = createNotice(display->window());
#endif
}

void ResultAnnouncer::announce(const QString& text) {
    last_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(display_, text);
    QAccessible::updateAccessibility(&event);
#else
    // Appearing again is what is read out, so the notice goes before it comes.
    notice_->hide();
    notice_->setAccessibleName(text);
    notice_->show();
#endif
}

}  // namespace zentra
