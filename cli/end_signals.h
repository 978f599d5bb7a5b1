#pragma once
// SIGHUP, SIGTERM and SIGINT end a zentra-cli session as the end of input does:
// the handler only notes the signal and wakes the input; the session stops at
// the next token, saves the state and the tape as usual, and main then ends
// the process by that signal.

#include <streambuf>

namespace zentra::cli {

// Installs the handlers. A signal the parent left ignored (nohup) stays ignored.
void watchEndSignals();
// The end signal that arrived first, or 0.
int endSignal();
// Ends the process by signal with its default action, so that the parent sees
// the usual status for it. Flush the streams first.
[[noreturn]] void endBySignal(int signal);

// Reads a descriptor, waiting on it and on the signals' wake-up at once, so an
// end signal ends a blocking read of a terminal or a pipe: from then on it
// gives end of input.
class SignalAwareInput : public std::streambuf {
public:
    explicit SignalAwareInput(int fd) : fd_(fd) {}

protected:
    int_type underflow() override;

private:
    int fd_;
    char buffer_[4096];
};

}  // namespace zentra::cli
