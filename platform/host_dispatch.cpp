#include "platform/host_dispatch.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cfenv>
#include <csetjmp>
#include <csignal>

#include "base/runtime_problem.h"

namespace zentra {
namespace {

// What the handler touches: a lock-free flag, a descriptor set before the
// handler is installed, and this thread's jump target.
std::atomic<bool> signalPending{false};
static_assert(std::atomic<bool>::is_always_lock_free);
int wakePipe[2] = {-1, -1};
// Per thread, so a trap on a helper thread never jumps into the engine's stack.
thread_local sigjmp_buf* volatile armedJump = nullptr;

// The host's loop, on the engine's thread only.
int commandDepth = 0;
bool reporting = false;

// Only the kernel sets a positive code other than SI_KERNEL, and only for a
// trap of the faulting instruction; kill, tgkill and sigqueue give SI_USER,
// SI_TKILL or SI_QUEUE, all of them zero or below.
bool isTrap(const siginfo_t* info) {
    return info->si_code > 0 && info->si_code != SI_KERNEL;
}

void onFloatingPointSignal(int signal, siginfo_t* info, void*) {
    if (!isTrap(info)) {
        signalPending.store(true);
        const int savedErrno = errno;
        const char byte = 1;
        (void)!write(wakePipe[1], &byte, 1);  // a full pipe already wakes the loop
        errno = savedErrno;
        return;
    }
    if (sigjmp_buf* target = armedJump) siglongjmp(*target, 1);
    // Host code or another thread: there is no frame that may be left, so the
    // fault ends the process as it would without the hook.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

void drainWakePipe() {
    char bytes[64];
    while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
}

void showArithmeticProblem(const RuntimeProblemPresenter& presenter) {
    presentRuntimeProblem(presenter, runtimeProblemMessage(kArithmeticProblem));
}

// A command in progress; when the outermost ends, a signal that arrived
// meanwhile is reported through its host's presenter.
class CommandScope {
public:
    explicit CommandScope(const RuntimeProblemPresenter& presenter) : presenter_(presenter) {
        ++commandDepth;
    }
    ~CommandScope() {
        if (--commandDepth == 0) reportPendingFloatingPointSignal(presenter_);
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    const RuntimeProblemPresenter& presenter_;
};

// The engine's host as the engine sees it while it computes: every call out
// of the engine runs disarmed. CalculatorView's members are all pure, so one
// not forwarded here does not compile.
class DisarmingView final : public CalculatorView {
public:
    explicit DisarmingView(CalculatorView& host) : host_(host) {}

    std::string getDisplayText() override {
        return call([&] { return host_.getDisplayText(); });
    }
    void setDisplayText(std::string_view text) override {
        call([&] { host_.setDisplayText(text); });
    }
    void setKeyLabel(CommandId key, std::string_view caption) override {
        call([&] { host_.setKeyLabel(key, caption); });
    }
    void setKeyFont(CommandId key, KeyFont font) override {
        call([&] { host_.setKeyFont(key, font); });
    }
    void setTitle(std::string_view title) override {
        call([&] { host_.setTitle(title); });
    }
    void beep() override {
        call([&] { host_.beep(); });
    }
    void showMessage(std::string_view text, std::string_view caption) override {
        call([&] { host_.showMessage(text, caption); });
    }
    void suspendPowerOff() override {
        call([&] { host_.suspendPowerOff(); });
        suspended_ = suspended_ + 1;
    }
    void resumePowerOff() override {
        suspended_ = suspended_ - 1;
        call([&] { host_.resumePowerOff(); });
    }
    // A trap skips the destructors of the abandoned engine frames: the pause
    // of a key's dialog must still end.
    void resumeAbandonedPauses() {
        while (suspended_ > 0) resumePowerOff();
    }
    bool runSelectMemoryDialog(SelectMemoryModel& model) override {
        return call([&] { return host_.runSelectMemoryDialog(model); });
    }
    bool runFinancialRatesDialog(FinancialRatesModel& model) override {
        return call([&] { return host_.runFinancialRatesDialog(model); });
    }
    bool runConvertDialog(ConvertDialogModel& model) override {
        return call([&] { return host_.runConvertDialog(model); });
    }
    bool runPropertiesDialog(PropertiesDialogModel& model) override {
        return call([&] { return host_.runPropertiesDialog(model); });
    }
    bool runModeDialog(ModeDialogModel& model) override {
        return call([&] { return host_.runModeDialog(model); });
    }
    AppearanceSettings* appearanceSettings() override {
        return call([&] { return host_.appearanceSettings(); });
    }
    void applyAppearance(const CalculatorState& state) override {
        call([&] { host_.applyAppearance(state); });
    }
    void tapeGrew(std::size_t added) override {
        call([&] { host_.tapeGrew(added); });
    }

private:
    template <class F>
    auto call(F&& f) -> decltype(f()) {
        const HostCallScope disarmed;
        return f();
    }

    CalculatorView& host_;
    volatile int suspended_ = 0;  // read after a jump
};

}  // namespace

HostCallScope::HostCallScope() : saved_(armedJump) {
    armedJump = nullptr;
}

HostCallScope::~HostCallScope() {
    armedJump = static_cast<sigjmp_buf*>(saved_);
}

void installFloatingPointHook() {
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0)
        wakePipe[0] = wakePipe[1] = -1;
    struct sigaction action {};
    action.sa_sigaction = onFloatingPointSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESETHAND: the handler stays for later signals. SA_RESTART: a sent
    // signal must not make a read or write of a file fail half-way.
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigaction(SIGFPE, &action, nullptr);
}

int floatingPointWakeFd() {
    return wakePipe[0];
}

bool dispatchGuarded(const RuntimeProblemPresenter& presenter,
                     const std::function<void()>& command) {
    const CommandScope running(presenter);
    const HostCallScope disarmed;
    try {
        command();
    } catch (const RuntimeProblem&) {
        return false;
    }
    return true;
}

bool dispatchEngine(CalculatorView& host, const RuntimeProblemPresenter& presenter,
                    const std::function<void(CalculatorView&)>& compute) {
    const CommandScope running(presenter);
    DisarmingView view(host);
    const HostCallScope restore;  // the target as it was found, however this ends
    sigjmp_buf jump;
    if (sigsetjmp(jump, 1) != 0) {
        // Only engine frames lay between here and the trap: the view disarms
        // around every host call.
        armedJump = nullptr;
        std::feclearexcept(FE_ALL_EXCEPT);
        view.resumeAbandonedPauses();
        showArithmeticProblem(presenter);
        return false;
    }
    armedJump = &jump;
    try {
        compute(view);
    } catch (const RuntimeProblem&) {
        return false;
    }
    return true;
}

bool reportPendingFloatingPointSignal(const RuntimeProblemPresenter& presenter) {
    if (wakePipe[0] >= 0) drainWakePipe();
    if (commandDepth > 0 || reporting) return false;
    bool reported = false;
    reporting = true;
    // One message for whatever arrived; a signal that lands while it is up is
    // reported at the next command's end.
    if (signalPending.exchange(false)) {
        showArithmeticProblem(presenter);
        reported = true;
    }
    reporting = false;
    return reported;
}

FloatingPointGuard::FloatingPointGuard(const RuntimeProblemPresenter& presenter)
    : presenter_(presenter) {
    installFloatingPointHook();
}

bool FloatingPointGuard::runHost(const std::function<void()>& work) {
    return dispatchGuarded(presenter_, work);
}

bool FloatingPointGuard::runEngine(CalculatorView& host,
                                   const std::function<void(CalculatorView&)>& compute) {
    return dispatchEngine(host, presenter_, compute);
}

bool FloatingPointGuard::reportPendingSignal() {
    return reportPendingFloatingPointSignal(presenter_);
}

}  // namespace zentra
