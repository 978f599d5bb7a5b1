#include "cli/end_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace zentra::cli {
namespace {

constexpr int kEndSignals[] = {SIGHUP, SIGTERM, SIGINT};

// What the handler touches: a lock-free number and a descriptor set before any
// handler is installed. A signal handler has no other way to reach the loop.
std::atomic<int> arrived{0};
static_assert(std::atomic<int>::is_always_lock_free);
int wakePipe[2] = {-1, -1};

void onEndSignal(int signal) {
    int none = 0;
    arrived.compare_exchange_strong(none, signal);
    const int savedErrno = errno;
    const char byte = 1;
    (void)!write(wakePipe[1], &byte, 1);  // a full pipe already wakes the reader
    errno = savedErrno;
}

}  // namespace

void watchEndSignals() {
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESTART: file reads and writes of the save go on undisturbed; poll is
    // never restarted, and the pipe wakes it anyway.
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) {
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

int endSignal() {
    return arrived.load();
}

void endBySignal(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(signal, &standard, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);  // not reached: each of them ends the process by default
}

SignalAwareInput::int_type SignalAwareInput::underflow() {
    while (endSignal() == 0) {
        pollfd watched[] = {{fd_, POLLIN, 0}, {wakePipe[0], POLLIN, 0}};
        const int ready = poll(watched, 2, -1);  // a pipe that failed (-1) is skipped
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || watched[1].revents != 0) break;
        const ssize_t n = read(fd_, buffer_, sizeof buffer_);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) break;
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(buffer_[0]);
    }
    return traits_type::eof();
}

}  // namespace zentra::cli
