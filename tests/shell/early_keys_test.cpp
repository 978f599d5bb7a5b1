// Keys typed before the desktop has given a new dialog the keyboard. Needs
// X11: ctest runs it under xvfb-run (see tests.cmake); elsewhere it is skipped.

#include <QCheckBox>
#include <QGuiApplication>

#include "modal_test_support.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/splash_window.h"
#include "window_test_support.h"

#ifdef ZENTRA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstring>
#endif

namespace zentra::testing {
namespace {

#ifdef ZENTRA_HAVE_XCB

xcb_connection_t* x11() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_keycode_t keycodeOf(xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(x11());
    const auto first = setup->min_keycode;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - first + 1);
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        x11(), xcb_get_keyboard_mapping(x11(), first, count), nullptr);
    if (!map) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t found = 0;
    for (int i = 0; i < count * map->keysyms_per_keycode && !found; ++i)
        if (syms[i] == keysym)
            found = static_cast<xcb_keycode_t>(first + i / map->keysyms_per_keycode);
    free(map);
    return found;
}

// A key as the X server delivers it, queued at the window.
void sendKey(QWidget* window, bool press, xcb_keycode_t code, std::uint16_t state) {
    xcb_key_press_event_t key{};
    key.response_type = press ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
    key.detail = code;
    key.time = XCB_CURRENT_TIME;
    key.root = xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root;
    key.event = static_cast<xcb_window_t>(window->winId());
    key.same_screen = 1;
    key.state = state;
    char bytes[32] = {};
    std::memcpy(bytes, &key, sizeof key);
    xcb_send_event(x11(), 0, key.event, XCB_EVENT_MASK_NO_EVENT, bytes);
}

#endif

// "m" then Alt+A at once: the second key must reach the dialog the first opens.
TEST_F(WindowTest, KeysTypedWhileADialogOpensReachTheDialog) {
#ifdef ZENTRA_HAVE_XCB
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs X11 (QT_QPA_PLATFORM=xcb under xvfb-run)";
    const xcb_keycode_t m = keycodeOf(0x6d), a = keycodeOf(0x61), alt = keycodeOf(0xffe9);
    ASSERT_TRUE(m && a && alt);
    const std::uint16_t altDown = XCB_MOD_MASK_1;
    sendKey(window_.get(), true, m, 0);
    sendKey(window_.get(), false, m, 0);
    sendKey(window_.get(), true, alt, 0);
    sendKey(window_.get(), true, a, altDown);
    sendKey(window_.get(), false, a, altDown);
    sendKey(window_.get(), false, alt, altDown);
    xcb_flush(x11());

    bool opened = false, took = false;
    whenShown<ModeDialog>([&](ModeDialog* d) {
        opened = true;
        d->activateWindow();  // as a window manager gives a new window the keyboard
        auto* box = qobject_cast<QCheckBox*>(d->control(ModeDialogModel::kAutoPowerOff));
        took = QTest::qWaitFor([box] { return box->isChecked(); }, 3000);
        d->reject();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 5000));
    EXPECT_TRUE(took);
#else
    GTEST_SKIP() << "built without X11";
#endif
}

}  // namespace
}  // namespace zentra::testing

namespace zentra::testing {
namespace {

// The start-up window keeps the keys it gets, in order, for the calculator.
TEST(StartUpWindow, KeepsTheKeysTypedAtItInOrder) {
    SplashWindow splash;
    splash.show();
    QTest::keyClick(&splash, Qt::Key_1);
    QTest::keyClick(&splash, Qt::Key_Plus);
    const auto keys = splash.takeKeys();
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0]->key(), Qt::Key_1);
    EXPECT_EQ(keys[2]->key(), Qt::Key_Plus);
}

}  // namespace
}  // namespace zentra::testing
