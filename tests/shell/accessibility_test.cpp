// What a screen reader gets through Qt's accessibility interface: the keys'
// names and states in every mode and latch state, the announced results, and
// every dialog's fields and buttons.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "modal_test_support.h"
#include "shell/about_dialog.h"
#include "shell/dialogs/memory_rates_dialogs.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/dialogs/name_find_dialogs.h"
#include "shell/dialogs/units_dialogs.h"
#include "shell/result_announcer.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

using C = CommandId;

class Accessibility : public WindowTest {
protected:
    void chooseMode(NumberBase base) {
        const ControlId radios[] = {ModeDialogModel::kDecimal,    ModeDialogModel::kBinary,
                                    ModeDialogModel::kOctal,      ModeDialogModel::kHexadecimal,
                                    ModeDialogModel::kStatistics, ModeDialogModel::kFinancialMode};
        const ControlId radio = radios[static_cast<int>(base)];
        whenShown<ModeDialog>([radio](ModeDialog* d) {
            qobject_cast<QAbstractButton*>(d->control(radio))->click();
            qobject_cast<QAbstractButton*>(d->control(kIdOk))->click();
        });
        click("mode");
    }
    static QAccessibleInterface* spoken(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
};

struct Expected {
    CommandId key;
    const char* name;
    bool available = true;
};

struct LatchRow {
    NumberBase base;
    bool shift, hyp;
    std::vector<Expected> keys;
};

TEST_F(Accessibility, EveryKeyIsNamedUniquelyInEveryModeAndLatchState) {
    using B = NumberBase;
    const LatchRow rows[] = {
        {B::Decimal,
         false,
         false,
         {{C::CmdSqrt, "square root"},
          {C::CmdSqr, "x squared"},
          {C::CmdOpenBracket, "open bracket"},
          {C::CmdMemoryIn, "memory in"},
          {C::CmdClear, "clear"},
          {C::CmdAllClear, "all clear"}}},
        {B::Decimal,
         true,
         false,
         {{C::CmdSin, "arc sine"},
          {C::CmdLog, "ten to the power x"},
          {C::CmdExp, "pi"},
          {C::CmdMemoryIn, "memory in, choose memory"}}},
        {B::Decimal, false, true, {{C::CmdSin, "hyperbolic sine"}}},
        {B::Decimal, true, true, {{C::CmdSin, "inverse hyperbolic sine"}}},
        {B::Binary,
         false,
         false,
         {{C::Cmd2, "2", false},
          {C::CmdPoint, "decimal point", false},
          {C::CmdSqrt, "logical and"}}},
        {B::Octal, true, false, {{C::Cmd8, "8", false}, {C::CmdReciprocal, "logical not"}}},
        {B::Hexadecimal,
         false,
         false,
         {{C::CmdHyp, "hex digit C"},
          {C::CmdClear, "clear"},
          {C::CmdExp, "exponent", false},
          {C::CmdUnit, "convert units", false}}},
        {B::Hexadecimal, true, false, {{C::CmdPow, "y-th root of x"}}},
        {B::Statistics,
         true,
         false,
         {{C::Cmd1, "mean"},
          {C::CmdAllClear, "all clear and clear data"},
          {C::CmdMemoryAdd, "enter data"}}},
        {B::Statistics, false, true, {{C::CmdCos, "hyperbolic cosine"}}},
        {B::Financial,
         false,
         false,
         {{C::CmdHyp, "cash flow"}, {C::CmdSin, "straight-line depreciation"}}},
        {B::Financial, true, false, {{C::CmdUnit, "edit units"}}},
    };
    for (const LatchRow& row : rows) {
        chooseMode(row.base);
        const bool hypLatches = row.base == B::Decimal || row.base == B::Statistics;
        if (row.shift) clickKey(C::CmdShift);
        if (row.hyp) clickKey(C::CmdHyp);
        const std::string where = "mode " + std::to_string(static_cast<int>(row.base)) +
                                  (row.shift ? " shift" : "") + (row.hyp ? " hyp" : "");
        QSet<QString> names;
        for (const KeyPlace& place : kKeypad) {
            QPushButton* button = window_->key(place.id);
            QAccessibleInterface* key = spoken(button);
            const QString name = key->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << where;
            EXPECT_FALSE(names.contains(name)) << where << " twice: " << name.toStdString();
            names.insert(name);
            // A blank key says it does nothing; every other key's caption is its description.
            const bool blank = button->text().isEmpty();
            EXPECT_EQ(key->text(QAccessible::Description) == QStringLiteral("unavailable"), blank)
                << where << " " << name.toStdString();
        }
        const auto shift = spoken(window_->key(C::CmdShift))->state();
        EXPECT_TRUE(shift.checkable);
        EXPECT_EQ(bool(shift.checked), row.shift) << where;
        const auto hyp = spoken(window_->key(C::CmdHyp))->state();
        EXPECT_EQ(bool(hyp.checkable), hypLatches) << where;
        EXPECT_EQ(bool(hyp.checked), row.hyp) << where;
        for (const Expected& expected : row.keys) {
            QAccessibleInterface* key = spoken(window_->key(expected.key));
            EXPECT_EQ(key->text(QAccessible::Name).toStdString(), expected.name) << where;
            EXPECT_EQ(key->text(QAccessible::Description) != QStringLiteral("unavailable"),
                      expected.available)
                << where << " " << expected.name;
        }
        if (row.shift) clickKey(C::CmdShift);
        if (row.hyp) clickKey(C::CmdHyp);
    }
}

TEST_F(Accessibility, ResultsAndErrorsAreAnnouncedButTypingIsNot) {
    const struct {
        const char* keys;
        const char* announced;  // nullptr: the display as it shows the result
    } cases[] = {{"2 + 3 X 4 =", nullptr},
                 {"1 / 0 =", "Divide Zero Error"},
                 {"AC", nullptr},
                 {"7 8", nullptr}};  // typing: still what AC showed
    QString previous;
    for (const auto& c : cases) {
        click(c.keys);
        const bool typing = &c == &cases[3];
        const QString expected = c.announced ? QString::fromLatin1(c.announced)
                                 : typing    ? previous
                                             : displayText().trimmed();
        EXPECT_EQ(window_->announcer()->lastAnnounced(), expected) << c.keys;
        previous = window_->announcer()->lastAnnounced();
    }
    EXPECT_EQ(displayValue(), 78.0);
    // Before Qt 6.8 a notification object shows the text; its appearing is
    // what the screen reader hears (the AT-SPI check listens for it).
    if (QWidget* notice = window_->announcer()->notice()) {
        EXPECT_EQ(spoken(notice)->role(), QAccessible::Notification);
        EXPECT_EQ(spoken(notice)->text(QAccessible::Name), previous);
        EXPECT_TRUE(notice->isVisible());
    }
}

// --- Dialogs -------------------------------------------------------------------

// A list's name on the Linux desktop is its entry; its label names it.
QString spokenName(QWidget* field) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(field);
    if (qobject_cast<QComboBox*>(field)) {
        const auto labels = spoken->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    return spoken->text(QAccessible::Name);
}

struct OpenDialog {
    std::shared_ptr<void> model;
    std::unique_ptr<QDialog> dialog;
};

template <class Dialog, class Model>
OpenDialog open(std::shared_ptr<Model> model) {
    return {model, std::make_unique<Dialog>(*model)};
}

struct FieldName {
    int id;
    const char* name;
    const char* label = nullptr;  // the label that is its buddy
};

struct DialogRow {
    const char* dialog;
    std::function<OpenDialog(PropertyDatabase&)> open;
    std::vector<FieldName> fields;
};

TEST(DialogAccessibility, EveryFieldIsNamedAndButtonNamesAreUnique) {
    using P = PropertiesDialogModel;
    using M = ModeDialogModel;
    PropertyDatabase db;
    addBuiltInContent(db);
    Property* angle = findProperty(db, "angle", true);
    FontSpec font = AppearanceSettings::makeFont(-12, 400);
    const DialogRow rows[] = {
        {"Select Memory",
         [](PropertyDatabase&) {
             return open<SelectMemoryDialog>(
                 std::make_shared<SelectMemoryModel>("", std::array<std::string, 10>{"5"}));
         },
         {{1029, "memory 0 value"}, {48, "memory 0"}, {1038, "memory 9 value"}}},
        {"Financial Rates",
         [](PropertyDatabase&) {
             return open<FinancialRatesDialog>(
                 std::make_shared<FinancialRatesModel>(FinancialRates{10, 8}));
         },
         {{FinancialRatesModel::kBankEdit, "Bank Interest rate (%)",
           "Bank Interest rate\n(for term, pmt. etc.)"},
          {FinancialRatesModel::kDiscEdit, "Discount rate (%)",
           "Discount rate\n(for NPV, depr. etc.)"}}},
        {"Convert",
         [angle](PropertyDatabase& d) {
             auto model = std::make_shared<ConvertDialogModel>(d);
             model->property = angle;
             return open<ConvertDialog>(model);
         },
         {{ConvertDialogModel::kFromList, "From"},
          {ConvertDialogModel::kToList, "To"},
          {ConvertDialogModel::kFromSI, "From SI unit"},
          {ConvertDialogModel::kToSI, "To SI unit"}}},
        {"Properties",
         [angle](PropertyDatabase& d) {
             auto model = std::make_shared<PropertiesDialogModel>(d);
             model->property = angle;
             model->allowPropertyChoice = model->allowUnitEdit = true;
             return open<PropertiesDialog>(model);
         },
         {{P::kNewProperty, "New property"},
          {P::kNewUnit, "New unit"},
          {P::kFactorEdit, "Factor", "Factor"},
          {P::kOffsetEdit, "Offset", "Offset"}}},
        {"Constants",
         [angle](PropertyDatabase& d) {
             auto model = std::make_shared<PropertiesDialogModel>(d);
             model->property = angle;
             model->allowConstantEdit = model->constantsMode = true;
             return open<PropertiesDialog>(model);
         },
         {{P::kConstantList, "Constants"},
          {P::kValueEdit, "Constant value"},
          {P::kNewConstant, "New constant"}}},
        {"Calculator Mode",
         [&font](PropertyDatabase&) {
             ModeSettings settings;
             settings.displayFontSpec = &font;
             return open<ModeDialog>(std::make_shared<ModeDialogModel>(settings));
         },
         {{M::kDigitsEdit, "Digits", "Digits"}, {M::kSecEdit, "Auto Power Off sec", "sec"}}},
        {"Name",
         [](PropertyDatabase&) {
             return open<NameDialog>(std::make_shared<NameDialogModel>("New unit name"));
         },
         {{NameDialogModel::kNameEdit, "New unit name"}}},
        {"Find",
         [](PropertyDatabase& d) { return open<FindDialog>(std::make_shared<FindDialogModel>(d)); },
         {{FindDialogModel::kSearchEdit, "Search String", "Search String:"}}},
        {"About",
         [](PropertyDatabase&) {
             return OpenDialog{nullptr, std::make_unique<AboutDialog>()};
         },
         {}},
    };
    for (const DialogRow& row : rows) {
        OpenDialog opened = row.open(db);
        QDialog* dialog = opened.dialog.get();
        QSet<QString> buttons;
        for (QWidget* field : dialog->findChildren<QWidget*>()) {
            const bool pushButton = qobject_cast<QPushButton*>(field) != nullptr;
            if (!pushButton && !qobject_cast<QAbstractButton*>(field) &&
                !qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field))
                continue;
            if (field->parentWidget() != dialog) continue;  // inside another control
            const QString name = spokenName(field);
            EXPECT_FALSE(name.isEmpty()) << row.dialog << " " << field->objectName().toStdString();
            if (!pushButton) continue;
            EXPECT_FALSE(buttons.contains(name)) << row.dialog << " twice: " << name.toStdString();
            buttons.insert(name);
        }
        for (const FieldName& expected : row.fields) {
            QWidget* field = dialog->findChild<QWidget*>(QStringLiteral("c%1").arg(expected.id));
            ASSERT_NE(field, nullptr) << row.dialog << " " << expected.id;
            EXPECT_EQ(spokenName(field).toStdString(), expected.name) << row.dialog;
            if (!expected.label) continue;
            const QString labelText = QString::fromLatin1(expected.label);
            bool buddied = false;
            for (QLabel* label : dialog->findChildren<QLabel*>())
                buddied = buddied || (label->text() == labelText && label->buddy() == field);
            EXPECT_TRUE(buddied) << row.dialog << " " << expected.name;
        }
    }
    clearDatabase(db);
}

}  // namespace
}  // namespace zentra::testing

// --- The keyboard alone ------------------------------------------------------------

namespace zentra::testing {
namespace {

TEST(KeyboardAlone, DigitsChooseAMemoryAndSharedMnemonicsSelect) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int memory;
    } digits[] = {{Qt::Key_3, Qt::NoModifier, 3},
                  {Qt::Key_9, Qt::AltModifier, 9},
                  {Qt::Key_0, Qt::KeypadModifier, 0}};
    for (const auto& d : digits) {
        SelectMemoryModel model("", {});
        SelectMemoryDialog dialog(model);
        whenShown<SelectMemoryDialog>(
            [&d](SelectMemoryDialog* shown) { QTest::keyClick(shown, d.key, d.modifiers); });
        EXPECT_TRUE(dialog.run());
        EXPECT_EQ(model.chosen(), std::optional<int>(d.memory));
    }
    // Alt+S is "&Statistics" and "&Scientific": each press moves on and selects.
    FontSpec font = AppearanceSettings::makeFont(-12, 400);
    ModeSettings settings;
    settings.displayFontSpec = &font;
    ModeDialogModel model(settings);
    ModeDialog dialog(model);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    int checked = 0;
    for (int id : {ModeDialogModel::kStatistics, ModeDialogModel::kScientific})
        checked += qobject_cast<QAbstractButton*>(dialog.control(id))->isChecked();
    EXPECT_EQ(checked, 2);
}

}  // namespace
}  // namespace zentra::testing
