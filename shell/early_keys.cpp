#include "shell/early_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>

#ifdef ZENTRA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstring>
#endif

namespace zentra {

EarlyKeys::EarlyKeys(QObject* parent) : QObject(parent) {
#ifdef ZENTRA_HAVE_XCB
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &EarlyKeys::focusChanged);
#endif
}

EarlyKeys::~EarlyKeys() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

#ifdef ZENTRA_HAVE_XCB

bool EarlyKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto type = event->response_type & 0x7f;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        undelivered_.push_back({type == XCB_KEY_PRESS, key->detail, key->time,
                                QByteArray(static_cast<const char*>(message), 32)});
    } else if (type == XCB_FOCUS_IN) {
        focusTarget_ = static_cast<const xcb_focus_in_event_t*>(message)->event;
        beforeFocus_ = undelivered_.size();
    }
    return false;  // Qt handles every event as usual
}

bool EarlyKeys::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride) &&
        event->spontaneous() && !undelivered_.empty()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool press = type != QEvent::KeyRelease;
        const auto delivered =
            std::find_if(undelivered_.begin(), undelivered_.end(), [&](const Key& k) {
                return k.press == press && k.code == key->nativeScanCode() &&
                       k.time == static_cast<std::uint32_t>(key->timestamp());
            });
        // Delivered, and whatever came before it is past.
        if (delivered != undelivered_.end()) {
            const auto gone = static_cast<std::size_t>(delivered - undelivered_.begin()) + 1;
            undelivered_.erase(undelivered_.begin(), delivered + 1);
            beforeFocus_ -= std::min(beforeFocus_, gone);
        }
    }
    return QObject::eventFilter(watched, event);
}

void EarlyKeys::focusChanged(QWindow* focused) {
    const std::size_t count = std::min(beforeFocus_, undelivered_.size());
    std::vector<Key> early(undelivered_.begin(),
                           undelivered_.begin() + static_cast<std::ptrdiff_t>(count));
    undelivered_.erase(undelivered_.begin(),
                       undelivered_.begin() + static_cast<std::ptrdiff_t>(count));
    beforeFocus_ = 0;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!focused || focused != QGuiApplication::modalWindow() || early.empty() || !x11) return;
    const auto target = static_cast<xcb_window_t>(focused->winId());
    if (target != focusTarget_) return;
    // Sent events carry their own modifier state, so Alt+A arrives as typed.
    for (Key& key : early) {
        xcb_key_press_event_t raw;
        std::memcpy(&raw, key.raw.constData(), sizeof raw);
        raw.event = target;
        raw.child = XCB_NONE;
        char bytes[32] = {};
        std::memcpy(bytes, &raw, sizeof raw);
        xcb_send_event(x11->connection(), 0, target, XCB_EVENT_MASK_NO_EVENT, bytes);
    }
    xcb_flush(x11->connection());
}

#else

bool EarlyKeys::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}

bool EarlyKeys::eventFilter(QObject* watched, QEvent* event) {
    return QObject::eventFilter(watched, event);
}

void EarlyKeys::focusChanged(QWindow*) {}

#endif

}  // namespace zentra
