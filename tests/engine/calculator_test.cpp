// The hosts' seam: start-up, restore, keys and save in one order, each step
// run through the host's guard.
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/memory_settings_store.h"
#include "base/runtime_problem.h"
#include "support/recording_view.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

// Counts what it runs and stops runtime problems, as the platform's guard does.
class CountingGuard : public CommandGuard {
public:
    int hostRuns = 0;
    int engineRuns = 0;
    int abandoned = 0;
    bool runHost(const std::function<void()>& work) override {
        ++hostRuns;
        return run([&] { work(); });
    }
    bool runEngine(CalculatorView& host,
                   const std::function<void(CalculatorView&)>& compute) override {
        ++engineRuns;
        return run([&] { compute(host); });
    }

private:
    bool run(const std::function<void()>& step) {
        try {
            step();
        } catch (const RuntimeProblem&) {
            ++abandoned;
            return false;
        }
        return true;
    }
};

void pressAll(Calculator& calculator, CalculatorView& view, const std::string& script) {
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        const auto words = commandWordsOfToken(token, calculator.state().numberBase);
        ASSERT_TRUE(words) << token;
        for (std::uint32_t word : *words) calculator.press(view, word);
    }
}

TEST(CalculatorSeam, WhatIsSavedComesBackAtTheNextStartEachStepGuarded) {
    PropertyDatabase database;
    CountingGuard guard;
    MemorySettingsStore store;
    {
        Calculator calculator(database, guard);
        ASSERT_TRUE(calculator.loadDatabase({{}, std::nullopt, 6.1}, {}));
        RecordingView view;
        calculator.restore(store, view);
        EXPECT_EQ(view.labels.size(), static_cast<std::size_t>(kKeyCount));
        pressAll(calculator, view, "mode");  // the view cancels: nothing changes
        pressAll(calculator, view, "2 + 3 = Min 7 X");
        calculator.save(store, view.display);
    }
    EXPECT_EQ(guard.hostRuns, 1);
    EXPECT_EQ(guard.engineRuns, 1 + 1 + 7);

    Calculator next(database, guard);
    RecordingView view;
    next.restore(store, view);
    EXPECT_EQ(view.display, "7");
    EXPECT_EQ(next.state().memory[0], 5.0);
    pressAll(next, view, "1 =");
    EXPECT_EQ(view.display, "7.000000000");  // the pending X came back too
    EXPECT_EQ(guard.abandoned, 0);
    clearDatabase(database);
}

TEST(CalculatorSeam, TheHostsOwnKeysAreHandedBack) {
    PropertyDatabase database;
    addBuiltInContent(database);
    CountingGuard guard;
    Calculator calculator(database, guard);
    RecordingView view;
    for (const CommandId key : {CommandId::CmdCopy, CommandId::CmdPaste, CommandId::CmdHelp})
        EXPECT_TRUE(calculator.press(view, commandWord(key))) << static_cast<int>(key);
    EXPECT_FALSE(calculator.press(view, commandWord(CommandId::Cmd7)));
    clearDatabase(database);
}

}  // namespace
}  // namespace zentra::testing
