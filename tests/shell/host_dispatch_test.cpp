#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <vector>

#include "engine/memory_settings_store.h"
#include "shell/platform/host_dispatch.h"
#include "shell/platform/qsettings_store.h"
#include "shell/platform/system_facts.h"
#include "units/property_database.h"
#include "units/runtime_problem.h"

namespace zentra {
namespace {

class HostDispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        installFloatingPointHook();
        previous_ = setRuntimeProblemPresenter(
            [this](const std::string& message) { shown_.push_back(message); });
    }
    void TearDown() override { setRuntimeProblemPresenter(previous_); }

    std::vector<std::string> shown_;
    RuntimeProblemPresenter previous_;
};

TEST_F(HostDispatchTest, FloatingPointSignalIsReportedEveryTimeAndWorkGoesOn) {
    int afterSignal = 0;
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(dispatchGuarded([&] {
            std::raise(SIGFPE);
            ++afterSignal;  // abandoned: never reached
        }));
    }
    EXPECT_EQ(afterSignal, 0);
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[0], "Runtime Problem: Arithmetic");
    EXPECT_EQ(shown_[1], "Runtime Problem: Arithmetic");
    int ran = 0;
    EXPECT_TRUE(dispatchGuarded([&] { ++ran; }));
    EXPECT_EQ(ran, 1);
}

TEST_F(HostDispatchTest, FailedLookUpAbandonsTheCommandKeepingEarlierWork) {
    PropertyDatabase database;
    addBuiltInContent(database);
    int before = 0, after = 0;
    EXPECT_FALSE(dispatchGuarded([&] {
        ++before;
        findProperty(database, "no such property", false);
        ++after;
    }));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 0);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], "Runtime Problem: Syntax 'Property not found'");
}

TEST_F(HostDispatchTest, NestedGuardsUnwindOnlyTheInnerCommand) {
    bool outerFinished = false;
    EXPECT_TRUE(dispatchGuarded([&] {
        EXPECT_FALSE(dispatchGuarded([] { std::raise(SIGFPE); }));
        outerFinished = true;
    }));
    EXPECT_TRUE(outerFinished);
    EXPECT_EQ(shown_.size(), 1u);
}

TEST(SystemFacts, KernelReleaseGivesMajorPlusMinorHundredths) {
    EXPECT_DOUBLE_EQ(versionFromRelease("6.1.0-18-amd64"), 6.01);
    EXPECT_DOUBLE_EQ(versionFromRelease("5.15.0"), 5.15);
    EXPECT_DOUBLE_EQ(versionFromRelease("garbage"), 0.0);
}

TEST(QSettingsStoreTest, KeepsBytesIntegersAndDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("state.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        QSettingsStore store(settings);
        store.writeInt("Digits", 12);
        store.writeText("Display", "12 \xBA 30' 36.000\"");
        EXPECT_TRUE(store.sync());
    }
    QSettings settings(path, QSettings::IniFormat);
    QSettingsStore store(settings);
    EXPECT_EQ(store.readInt("Digits", 10), 12);
    EXPECT_EQ(store.readText("Display", "0"), "12 \xBA 30' 36.000\"");
    EXPECT_EQ(store.readInt("Missing", 61), 61);
    settings.setValue("Calc/Brackets", "not a number");
    settings.setValue("Calc/Beep", "4294967297");
    EXPECT_EQ(store.readInt("Brackets", 0), 0);
    EXPECT_EQ(store.readInt("Beep", 1), 1);  // low 32 bits of what was written by hand
}

}  // namespace
}  // namespace zentra
