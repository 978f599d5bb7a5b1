#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cfenv>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "base/runtime_problem.h"
#include "platform/host_dispatch.h"
#include "platform/system_facts.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra {
namespace {

using testing::RecordingView;

// A real trap: the processor's divide-by-zero, unmasked for one division.
void trapDivideByZero() {
    feenableexcept(FE_DIVBYZERO);
    volatile double zero = 0.0;
    volatile double quotient = 1.0 / zero;
    (void)quotient;
    fedisableexcept(FE_DIVBYZERO);
}

class HostDispatchTest : public ::testing::Test {
protected:
    void SetUp() override { installFloatingPointHook(); }
    void TearDown() override { fedisableexcept(FE_ALL_EXCEPT); }
    // A signal sent to the process may land on another thread a moment later.
    void waitForReport() {
        for (int i = 0; i < 200 && shown_.empty(); ++i) {
            reportPendingFloatingPointSignal(presenter_);
            if (shown_.empty()) usleep(5000);
        }
    }

    const std::vector<std::string> arithmetic_{"Runtime Problem: Arithmetic"};
    std::vector<std::string> shown_;
    const RuntimeProblemPresenter presenter_ = [this](const std::string& message) {
        shown_.push_back(message);
    };
};

struct SentSignal {
    const char* name;
    void (*send)();
};

const SentSignal kSentSignals[] = {
    {"TgkillToThisThread", [] { tgkill(getpid(), gettid(), SIGFPE); }},
    {"KillToTheProcess", [] { kill(getpid(), SIGFPE); }},
    {"SigqueueToTheProcess", [] { sigqueue(getpid(), SIGFPE, sigval{}); }},
    {"RaisedOnAHelperThread", [] { std::thread([] { std::raise(SIGFPE); }).join(); }},
};

class SentSignalTest : public HostDispatchTest, public ::testing::WithParamInterface<SentSignal> {};

TEST_P(SentSignalTest, FinishesTheKeyAndIsReportedOnceAfterItOrWhenIdle) {
    RecordingView host;
    std::size_t shownDuringKey = 99;
    EXPECT_TRUE(dispatchEngine(host, presenter_, [&](CalculatorView& view) {
        GetParam().send();
        view.setDisplayText("finished");
        shownDuringKey = shown_.size();
    }));
    waitForReport();
    EXPECT_EQ(shownDuringKey, 0u);
    EXPECT_EQ(host.display, "finished");
    EXPECT_EQ(shown_, arithmetic_);

    shown_.clear();
    GetParam().send();
    waitForReport();
    EXPECT_EQ(shown_, arithmetic_);
    EXPECT_FALSE(reportPendingFloatingPointSignal(presenter_));
}

INSTANTIATE_TEST_SUITE_P(, SentSignalTest, ::testing::ValuesIn(kSentSignals),
                         [](const auto& param) { return std::string(param.param.name); });

struct PausingView : RecordingView {
    int paused = 0;
    void suspendPowerOff() override { ++paused; }
    void resumePowerOff() override { --paused; }
};

TEST_F(HostDispatchTest, TrapAbandonsTheKeyEveryTimeKeepingEarlierWork) {
    PausingView host;
    int afterTrap = 0;
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(dispatchEngine(host, presenter_, [&](CalculatorView& view) {
            view.setDisplayText("before");
            const PowerOffPause dialogPause(view);
            trapDivideByZero();
            ++afterTrap;
        }));
    }
    EXPECT_EQ(afterTrap, 0);
    EXPECT_EQ(host.display, "before");
    EXPECT_EQ(host.paused, 0) << "the abandoned dialog's power-off pause ended";
    EXPECT_EQ(shown_, std::vector<std::string>(2, arithmetic_[0]));
    EXPECT_TRUE(dispatchEngine(host, presenter_, [&](CalculatorView&) { ++afterTrap; }));
    EXPECT_EQ(afterTrap, 1);
}

// A host call that traps, as a dialog's own code might.
struct TrappingView : RecordingView {
    void beep() override { trapDivideByZero(); }
};

struct UnarmedTrap {
    const char* name;
    void (*run)();
};

const UnarmedTrap kUnarmedTraps[] = {
    {"Idle", trapDivideByZero},
    {"InHostCode", [] { dispatchGuarded({}, trapDivideByZero); }},
    {"InAHostCallOfAKey",
     [] {
         TrappingView host;
         dispatchEngine(host, {}, [](CalculatorView& view) { view.beep(); });
     }},
    {"OnAnotherThreadDuringAKey",
     [] {
         RecordingView host;
         dispatchEngine(host, {}, [](CalculatorView&) { std::thread(trapDivideByZero).join(); });
     }},
};

class UnarmedTrapTest : public HostDispatchTest,
                        public ::testing::WithParamInterface<UnarmedTrap> {};

// No frame there may be left: the fault ends the process as without the hook.
TEST_P(UnarmedTrapTest, TakesTheDefaultAction) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto run = GetParam().run;
    const auto withoutCore = [run] {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        run();
    };
    EXPECT_EXIT(withoutCore(), ::testing::KilledBySignal(SIGFPE), "");
}

INSTANTIATE_TEST_SUITE_P(, UnarmedTrapTest, ::testing::ValuesIn(kUnarmedTraps),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(HostDispatchTest, FailedLookUpAbandonsTheKeyKeepingEarlierWork) {
    PropertyDatabase database;
    database.presentProblem = presenter_;
    addBuiltInContent(database);
    RecordingView host;
    int after = 0;
    EXPECT_FALSE(dispatchEngine(host, presenter_, [&](CalculatorView& view) {
        view.setDisplayText("before");
        findProperty(database, "no such property", false);
        ++after;
    }));
    EXPECT_EQ(host.display, "before");
    EXPECT_EQ(after, 0);
    EXPECT_EQ(shown_, std::vector<std::string>{"Runtime Problem: Syntax 'Property not found'"});
}

TEST(SystemFacts, KernelReleaseGivesMajorPlusMinorHundredths) {
    EXPECT_DOUBLE_EQ(versionFromRelease("6.1.0-18-amd64"), 6.01);
    EXPECT_DOUBLE_EQ(versionFromRelease("5.15.0"), 5.15);
    EXPECT_DOUBLE_EQ(versionFromRelease("garbage"), 0.0);
}

}  // namespace
}  // namespace zentra
