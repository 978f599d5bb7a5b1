#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "platform/qsettings_store.h"

namespace zentra {
namespace {

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
