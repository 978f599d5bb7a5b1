#include "shell/platform/host_dispatch.h"

#include <unistd.h>
#include <csetjmp>
#include <csignal>
#include <cstdlib>

#include "units/runtime_problem.h"

namespace zentra {
namespace {

// The innermost guarded command; the signal handler leaves through it, which
// is safe from a handler (siglongjmp restores the signal mask).
sigjmp_buf* activeJump = nullptr;

void onFloatingPointSignal(int) {
    if (activeJump) siglongjmp(*activeJump, 1);
    // Outside any command there is nothing to abandon, and returning would
    // repeat the faulting instruction.
    static const char message[] = "Runtime Problem: Arithmetic\n";
    (void)!write(STDERR_FILENO, message, sizeof message - 1);
    _exit(EXIT_FAILURE);
}

}  // namespace

void installFloatingPointHook() {
    struct sigaction action {};
    action.sa_handler = onFloatingPointSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESETHAND: the handler stays for later signals
    sigaction(SIGFPE, &action, nullptr);
}

bool dispatchGuarded(const std::function<void()>& command) {
    sigjmp_buf jump;
    sigjmp_buf* const previous = activeJump;
    if (sigsetjmp(jump, 1) != 0) {
        activeJump = previous;
        try {
            reportRuntimeProblem(kArithmeticProblem);
        } catch (const RuntimeProblem&) {
        }
        return false;
    }
    activeJump = &jump;
    try {
        command();
    } catch (const RuntimeProblem&) {
        activeJump = previous;
        return false;
    } catch (...) {
        activeJump = previous;
        throw;
    }
    activeJump = previous;
    return true;
}

}  // namespace zentra
