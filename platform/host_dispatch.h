#pragma once
// How a host runs one command: a runtime problem (a failed look-up, or a
// floating-point exception) abandons the command and is discarded here, after
// it was shown; nothing done before it is undone.
//
// SIGFPE comes in two kinds:
// - sent by another process (kill, tgkill, sigqueue), on whatever thread it
//   lands: the handler only raises a flag and writes a byte to a wake-up pipe.
//   The host reports "Runtime Problem: Arithmetic" once the command in progress
//   has ended (or at once when idle), and nothing is abandoned: a dialog, a
//   message box or a ".prp" save runs to its end;
// - trapped by the processor in the engine's arithmetic: the handler leaves
//   the key through a jump target that is armed only while the engine computes
//   one key on this thread. Every call the engine makes to its host (widgets,
//   dialogs and their event loops, message boxes, file input and output) runs
//   disarmed, so a jump never crosses host code. A trap with no target armed
//   takes the default action: the process ends, as for any fault in host code.

#include <functional>

#include "base/runtime_problem.h"
#include "engine/calculator.h"

namespace zentra {

// Installs the SIGFPE handler; it stays in effect for every later signal.
void installFloatingPointHook();

// The read end of the wake-up pipe, for a host's event loop to watch; -1
// before the hook is installed.
int floatingPointWakeFd();

// Each dispatch shows "Runtime Problem: Arithmetic" through the host's
// presenter it is given (a trap in the engine, or a signal reported when the
// outermost command ends); a failed look-up shows its own problem through the
// database's presenter before it throws.

// Runs host code (start-up, a host's own dialogs) catching runtime problems;
// no jump target is armed. Returns false when a runtime problem abandoned it.
// Other exceptions pass through unchanged.
bool dispatchGuarded(const RuntimeProblemPresenter& presenter,
                     const std::function<void()>& command);

// Runs the engine's computation of one key against host. compute must reach
// the host only through the view it is given, which disarms the jump target
// around every call. Returns false when the key was abandoned.
bool dispatchEngine(CalculatorView& host, const RuntimeProblemPresenter& presenter,
                    const std::function<void(CalculatorView&)>& compute);

// Reports a signal sent by another process since the last report through
// presenter, once however many arrived. While a command runs nothing is
// reported: its end does it. Returns whether a report was made.
bool reportPendingFloatingPointSignal(const RuntimeProblemPresenter& presenter);

// The hosts' CommandGuard: installs the SIGFPE handler, then runs host work
// with dispatchGuarded and each key with dispatchEngine, both reporting
// through presenter (which must outlive the guard).
class FloatingPointGuard : public CommandGuard {
public:
    explicit FloatingPointGuard(const RuntimeProblemPresenter& presenter);
    bool runHost(const std::function<void()>& work) override;
    bool runEngine(CalculatorView& host,
                   const std::function<void(CalculatorView&)>& compute) override;
    // Reports a signal sent since the last report (reportPendingFloatingPointSignal).
    bool reportPendingSignal();
    const RuntimeProblemPresenter& presenter() const { return presenter_; }

private:
    const RuntimeProblemPresenter& presenter_;
};

// Host code that runs on behalf of the engine while it computes (the runtime
// problem presenter): no jump target while it runs.
class HostCallScope {
public:
    HostCallScope();
    ~HostCallScope();
    HostCallScope(const HostCallScope&) = delete;
    HostCallScope& operator=(const HostCallScope&) = delete;

private:
    void* saved_;
};

}  // namespace zentra
