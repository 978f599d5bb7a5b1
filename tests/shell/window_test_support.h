#pragma once
// A calculator window over a settings file of its own and a fresh database,
// with helpers to click keys and type.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sstream>

#include "engine/calculator.h"
#include "platform/host_dispatch.h"
#include "platform/qsettings_store.h"
#include "shell/calculator_window.h"
#include "units/property_database.h"

namespace zentra::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        addBuiltInContent(database_);
        settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("calc.ini")),
                                                QSettings::IniFormat);
        store_ = std::make_unique<QSettingsStore>(*settings_);
        open();
    }

    void TearDown() override {
        window_.reset();
        clearDatabase(database_);
    }

    void open() {
        // A new calculator each time: nothing carries over but the settings file.
        window_.reset();
        calculator_ = std::make_unique<Calculator>(database_, guard_);
        window_ = std::make_unique<CalculatorWindow>(*calculator_, *store_, false,
                                                     windowDialogUnits(), nullptr, tapeFile());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        window_->activateWindow();  // on X11 without a window manager, the keyboard too
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    // Closing and starting again, as far as the calculator can tell.
    void restart() {
        window_.reset();
        ASSERT_TRUE(store_->sync());
        open();
    }

    // Clicks keys named as in zentra-cli: "2 + 3 =", "1.5E3".
    void click(const std::string& script) {
        std::istringstream in(script);
        std::string token;
        while (in >> token) {
            if (auto id = keyByName(token)) {
                clickKey(*id);
            } else if (auto ids = keysOfNumber(token, window_->state().numberBase)) {
                for (CommandId k : *ids) clickKey(k);
            } else {
                ADD_FAILURE() << "unknown key " << token;
            }
        }
    }

    void clickKey(CommandId id) {
        QPushButton* button = window_->key(id);
        ASSERT_NE(button, nullptr);
        button->click();
    }

    // Types into whatever has the keyboard focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window_.get(), key, modifiers);
    }

    QString tapeFile() const { return dir_.filePath(QStringLiteral("tape.txt")); }
    QString displayText() const { return window_->display()->text(); }
    double displayValue() const { return displayText().trimmed().toDouble(); }

    QTemporaryDir dir_;
    PropertyDatabase database_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<QSettingsStore> store_;
    FloatingPointGuard guard_{database_.presentProblem};
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<CalculatorWindow> window_;
};

}  // namespace zentra::testing
