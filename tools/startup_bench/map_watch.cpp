// Watches an X display from outside for the start-up benchmark: prints
// "ready" once it listens, then "mapped <monotonic ns>" when the first normal
// top-level window is mapped (a splash screen is not), waits a moment so the
// program's memory settles as in use, and asks that window to close as a
// window manager would.
//
// Usage: zentra_map_watch [settle-milliseconds]

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Qt marks each top-level window with its types, most specific first, before
// mapping it; a splash screen lists the normal type after its own.
bool isNormalWindow(Display* display, Window window) {
    const Atom typeProperty = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom normal = XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, typeProperty, 0, 16, False, XA_ATOM, &actualType,
                           &format, &count, &after, &data) != Success ||
        data == nullptr)
        return false;
    const bool isNormal = count > 0 && reinterpret_cast<const Atom*>(data)[0] == normal;
    XFree(data);
    return isNormal;
}

void askToClose(Display* display, Window window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int settleMs = argc > 1 ? std::atoi(argv[1]) : 300;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "zentra_map_watch: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root) continue;
        const long long mappedNs = monotonicNs();
        if (!isNormalWindow(display, event.xmap.window)) continue;
        std::printf("mapped %lld\n", mappedNs);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        askToClose(display, event.xmap.window);
        XCloseDisplay(display);
        return 0;
    }
}
