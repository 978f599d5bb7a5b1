#pragma once
// Keys typed right after the key that opens a dialog, before the desktop has
// given that dialog the keyboard, are addressed to the window under it, and Qt
// drops them there because the dialog blocks that window. On X11 every key is
// noted as it comes from the server and struck off when Qt delivers it; when a
// modal dialog then gets the keyboard, the keys that came before and were never
// delivered are sent again to it, in the order typed, so the dialog takes the
// first keystroke. Elsewhere this does nothing.

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <vector>

class QWindow;

namespace zentra {

class EarlyKeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Watches the application's native events and key events while it lives.
    explicit EarlyKeys(QObject* parent = nullptr);
    ~EarlyKeys() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWindow* focused);

    struct Key {
        bool press;
        std::uint32_t code;
        std::uint32_t time;
        QByteArray raw;  // the event as the server sent it
    };
    std::vector<Key> undelivered_;
    // How many of undelivered_ came before the server moved the keyboard to focusTarget_.
    std::size_t beforeFocus_ = 0;
    std::uint32_t focusTarget_ = 0;
};

}  // namespace zentra
