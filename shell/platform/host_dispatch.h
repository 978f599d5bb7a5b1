#pragma once
// How a host runs one command: a runtime problem (a failed look-up, or a
// floating-point exception signal) abandons the command and is discarded here,
// after it was shown; nothing done before it is undone.

#include <functional>

namespace zentra {

// Installs the SIGFPE handler; it stays in effect for every later signal.
void installFloatingPointHook();

// Runs command; returns false when a runtime problem abandoned it. Other
// exceptions pass through unchanged.
bool dispatchGuarded(const std::function<void()>& command);

}  // namespace zentra
