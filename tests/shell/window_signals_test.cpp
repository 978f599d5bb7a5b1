// Floating-point signals sent to the calculator: reported once from the
// window's own loop, never in the middle of a dialog, and the calculator goes on.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>
#include <QAbstractButton>

#include "base/runtime_problem.h"
#include "modal_test_support.h"
#include "platform/host_dispatch.h"
#include "shell/dialogs/mode_dialog.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

struct SentSignal {
    const char* name;
    void (*send)();
};

const SentSignal kSentSignals[] = {
    {"TgkillToTheMainThread", [] { tgkill(getpid(), getpid(), SIGFPE); }},
    {"KillToTheProcess", [] { kill(getpid(), SIGFPE); }},
};

class WindowSignals : public WindowTest, public ::testing::WithParamInterface<SentSignal> {
protected:
    void SetUp() override {
        installFloatingPointHook();  // before the window, which watches it
        database_.presentProblem = [this](const std::string& message) {
            shown_.push_back(message);
        };
        WindowTest::SetUp();
    }
    void waitForReport() {
        for (int i = 0; i < 100 && shown_.empty(); ++i) QTest::qWait(10);
        QTest::qWait(20);  // and nothing more comes
    }
    void expectReportedOnceAndCalculating() {
        waitForReport();
        EXPECT_EQ(shown_, std::vector<std::string>{"Runtime Problem: Arithmetic"});
        click("AC 1 + 2 =");
        EXPECT_EQ(displayValue(), 3.0);
    }

    std::vector<std::string> shown_;
};

TEST_P(WindowSignals, IdleWindowReportsItAndSavesAtCloseAsUsual) {
    click("7");
    GetParam().send();
    expectReportedOnceAndCalculating();
    restart();
    EXPECT_EQ(displayValue(), 3.0);
}

TEST_P(WindowSignals, OpenModeDialogRunsToItsEndBeforeTheReport) {
    std::size_t shownWhileOpen = 99;
    whenShown<ModeDialog>([&](ModeDialog* dialog) {
        GetParam().send();
        QTest::qWait(50);  // the wake-up comes in the dialog's own loop
        shownWhileOpen = shown_.size();
        dialog->findChild<QAbstractButton*>(QStringLiteral("c2"))->click();  // Cancel
    });
    click("mode");
    EXPECT_EQ(shownWhileOpen, 0u);
    expectReportedOnceAndCalculating();
}

INSTANTIATE_TEST_SUITE_P(, WindowSignals, ::testing::ValuesIn(kSentSignals),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zentra::testing
