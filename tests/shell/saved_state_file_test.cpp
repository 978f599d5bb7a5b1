// State files read back as themselves: a file the calculator wrote, read and
// written again, has the same bytes; a damaged file settles after one read
// and write. Random states (infinities, NaNs, denormals, extremes) and random
// damage to every key's text, over the real INI store.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "engine/saved_state.h"
#include "platform/qsettings_store.h"
#include "support/recording_view.h"
#include "support/units_test_support.h"
#include "units/property_database.h"

namespace zentra::testing {
namespace {

class StateFiles {
public:
    explicit StateFiles(std::uint64_t seed) : rng_(seed) { addBuiltInContent(database_); }

    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    static QByteArray bytes(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void save(const CalculatorState& state, const AppearanceSettings& appearance,
              const std::string& display, const QString& file) {
        QFile::remove(file);
        QSettings settings(file, QSettings::IniFormat);
        QSettingsStore store(settings);
        saveState(state, appearance, display, store, &database_);
        ASSERT_TRUE(store.sync());
    }

    // As a host does: restore everything from one file, save it to another.
    QByteArray rewrite(const QString& from, const QString& to) {
        CalculatorState state;
        AppearanceSettings appearance;
        RecordingView view;
        {
            QSettings settings(from, QSettings::IniFormat);
            QSettingsStore store(settings);
            restoreSavedState(state, appearance, store, &database_);
            restoreDisplayAndLayout(state, view, store);
        }
        save(state, appearance, view.display, to);
        return bytes(to);
    }

    double anyDouble() {
        static const double special[] = {0.0,
                                         -0.0,
                                         INFINITY,
                                         -INFINITY,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         -std::numeric_limits<double>::quiet_NaN(),
                                         DBL_MAX,
                                         -DBL_MAX,
                                         DBL_MIN,
                                         std::numeric_limits<double>::denorm_min(),
                                         -std::numeric_limits<double>::denorm_min(),
                                         1e30,
                                         -1e30,
                                         0.1,
                                         1.0 / 3.0,
                                         1e308,
                                         9.999999999999999e22};
        switch (rng_() % 3) {
            case 0:
                return special[rng_() % std::size(special)];
            case 1:  // any bit pattern: denormals and NaN payloads included
                return std::bit_cast<double>(static_cast<std::uint64_t>(rng_()));
            default:
                return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(rng_),
                                  static_cast<int>(rng_() % 2100) - 1075);
        }
    }
    int anyInt() {
        switch (rng_() % 3) {
            case 0:
                return static_cast<int>(rng_() % 200) - 20;
            case 1:
                return rng_() % 2 ? std::numeric_limits<int>::max()
                                  : std::numeric_limits<int>::min();
            default:
                return static_cast<int>(static_cast<std::uint32_t>(rng_()));
        }
    }
    std::uint8_t anyByte() { return static_cast<std::uint8_t>(rng_()); }
    std::string anyText(std::size_t longest) {
        std::string text(rng_() % (longest + 1), ' ');
        for (char& c : text) c = static_cast<char>(1 + rng_() % 255);
        return text;
    }

    FontSpec anyFont() {
        FontSpec f;
        f.height = anyInt();
        f.weight = anyInt();
        f.italic = anyByte();
        f.underline = anyByte();
        f.strikeOut = anyByte();
        f.charSet = anyByte();
        f.faceName = anyText(kFaceNameLimit);
        return f;
    }

    void randomState(CalculatorState& s, AppearanceSettings& a) {
        for (double& m : s.memory) m = anyDouble();
        for (double& b : s.accumBracket) b = anyDouble();
        for (OperatorCode& op : s.operatorBracket) op = static_cast<OperatorCode>(anyInt());
        for (double* d :
             {&s.accum, &s.sum, &s.sumSq, &s.max, &s.min, &s.bankRate, &s.discRate, &s.sNPV})
            *d = anyDouble();
        for (int* i : {&s.apoTime, &s.nNPV, &s.nSum, &s.digits}) *i = anyInt();
        s.calcStatus = static_cast<CalcStatus>(anyInt());
        s.pendingOperator = static_cast<OperatorCode>(anyInt());
        s.displayType = static_cast<DisplayType>(anyInt());
        s.numberBase = static_cast<NumberBase>(anyInt());
        s.bracketDepth = static_cast<int>(rng_() % 22) - 3;
        s.autoPowerOff = rng_() % 2;
        s.alwaysOnTop = rng_() % 2;
        s.errorBeep = rng_() % 2;
        a.bodyBevel = rng_() % 2;
        for (Rgb* c : {&a.textColour, &a.backColour, &a.bodyColour})
            *c = {anyByte(), anyByte(), anyByte()};
        a.displayFontSpec = anyFont();
        a.keyFontSpec = anyFont();
        Property* angle = findProperty(database_, "angle", true);
        angle->currentUnit = &nth(angle->units, rng_() % angle->units.size());
    }

    // Every value of the file, changed at random by a few edits or replaced.
    QByteArray damage(const QByteArray& file) {
        static const char alphabet[] = "0123456789+-.eEiInNfFaAyYtT()xX \t,;\"\\@#=";
        QByteArray out;
        for (const QByteArray& line : file.split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq < 0 || rng_() % 3 == 0) {
                out += line + '\n';
                continue;
            }
            std::string value = line.mid(eq + 1).toStdString();
            if (rng_() % 4 == 0) value = anyText(30);
            for (int edits = 1 + static_cast<int>(rng_() % 3); edits > 0; --edits) {
                const std::size_t at = value.empty() ? 0 : rng_() % value.size();
                const char c = alphabet[rng_() % (sizeof alphabet - 1)];
                switch (rng_() % 3) {
                    case 0:
                        value.insert(at, 1, c);
                        break;
                    case 1:
                        if (!value.empty()) value.erase(at, 1);
                        break;
                    default:
                        if (!value.empty()) value[at] = c;
                }
            }
            out += line.left(eq + 1) + QByteArray::fromStdString(value) + '\n';
        }
        return out;
    }

private:
    // Each save syncs to the disk; memory-backed files keep the many rounds quick.
    QTemporaryDir dir_{QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/zentra-state-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/zentra-state-XXXXXX")};
    std::mt19937_64 rng_;
    PropertyDatabase database_;
};

TEST(StateFile, EveryValueReadsBackAsItselfAndDamageSettlesAtOnce) {
    StateFiles files(20260501);
    const QString written = files.path("written.ini"), again = files.path("again.ini"),
                  damaged = files.path("damaged.ini"), first = files.path("first.ini"),
                  second = files.path("second.ini");
    for (int round = 0; round < 300; ++round) {
        CalculatorState state;
        AppearanceSettings appearance;
        files.randomState(state, appearance);
        files.save(state, appearance, files.anyText(30), written);
        const QByteArray original = StateFiles::bytes(written);
        ASSERT_EQ(files.rewrite(written, again), original) << "round " << round;

        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray broken = files.damage(original);
        out.write(broken);
        out.close();
        const QByteArray settled = files.rewrite(damaged, first);
        ASSERT_EQ(files.rewrite(first, second), settled) << "round " << round << ", damaged file:\n"
                                                         << broken.toStdString();
    }
}

// A file QSettings cannot parse still takes a new state, and that counts as
// written (zentra-cli's exit status, the window's "could not be saved").
TEST(StateFile, ADamagedFileThatWasRewrittenCountsAsWritten) {
    StateFiles files(1);
    const QString path = files.path("damaged.ini");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Calc\nMemory0=5\n");
    damaged.close();
    QSettings settings(path, QSettings::IniFormat);
    ASSERT_EQ(settings.status(), QSettings::FormatError);
    QSettingsStore store(settings);
    store.writeText("Display", "12");
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Calc/Display"), "12");
}

}  // namespace
}  // namespace zentra::testing
