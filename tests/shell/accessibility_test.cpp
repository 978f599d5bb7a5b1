// What a screen reader gets through Qt's accessibility interface: the keys'
// names and states in every mode and latch state, the announced results, and
// every dialog's fields and buttons; and the dialogs' keys.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <functional>
#include <memory>

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
using B = NumberBase;
using M = ModeDialogModel;
using P = PropertiesDialogModel;

QAccessibleInterface* spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}
// A list's name on the Linux desktop is its entry; its label names it.
QString spokenName(QWidget* field) {
    if (!qobject_cast<QComboBox*>(field)) return spoken(field)->text(QAccessible::Name);
    const auto labels = spoken(field)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

class Accessibility : public WindowTest {
protected:
    void chooseMode(B base) {
        const ControlId radios[] = {M::kDecimal,     M::kBinary,     M::kOctal,
                                    M::kHexadecimal, M::kStatistics, M::kFinancialMode};
        const ControlId radio = radios[static_cast<int>(base)];
        whenShown<ModeDialog>([radio](ModeDialog* d) {
            qobject_cast<QAbstractButton*>(d->control(radio))->click();
            qobject_cast<QAbstractButton*>(d->control(kIdOk))->click();
        });
        click("mode");
    }
};

struct Expected {
    CommandId key;
    const char* name;
    bool available = true;
};
struct LatchRow {
    B base;
    bool shift, hyp;
    std::vector<Expected> keys;
};

TEST_F(Accessibility, EveryKeyIsNamedUniquelyInEveryModeAndLatchState) {
    // clang-format off
    const LatchRow rows[] = {
        {B::Decimal, false, false, {{C::CmdSqrt, "square root"}, {C::CmdSqr, "x squared"}, {C::CmdOpenBracket, "open bracket"},
                                    {C::CmdMemoryIn, "memory in"}, {C::CmdClear, "clear"}, {C::CmdAllClear, "all clear"}}},
        {B::Decimal, true, false, {{C::CmdSin, "arc sine"}, {C::CmdLog, "ten to the power x"}, {C::CmdExp, "pi"},
                                   {C::CmdMemoryIn, "memory in, choose memory"}}},
        {B::Decimal, false, true, {{C::CmdSin, "hyperbolic sine"}}},
        {B::Decimal, true, true, {{C::CmdSin, "inverse hyperbolic sine"}}},
        {B::Binary, false, false, {{C::Cmd2, "2", false}, {C::CmdPoint, "decimal point", false}, {C::CmdSqrt, "logical and"}}},
        {B::Octal, true, false, {{C::Cmd8, "8", false}, {C::CmdReciprocal, "logical not"}}},
        {B::Hexadecimal, false, false, {{C::CmdHyp, "hex digit C"}, {C::CmdClear, "clear"}, {C::CmdExp, "exponent", false},
                                        {C::CmdUnit, "convert units", false}}},
        {B::Hexadecimal, true, false, {{C::CmdPow, "y-th root of x"}}},
        {B::Statistics, true, false, {{C::Cmd1, "mean"}, {C::CmdAllClear, "all clear and clear data"}, {C::CmdMemoryAdd, "enter data"}}},
        {B::Statistics, false, true, {{C::CmdCos, "hyperbolic cosine"}}},
        {B::Financial, false, false, {{C::CmdHyp, "cash flow"}, {C::CmdSin, "straight-line depreciation"}}},
        {B::Financial, true, false, {{C::CmdUnit, "edit units"}}},
    };
    // clang-format on
    for (const LatchRow& row : rows) {
        chooseMode(row.base);
        if (row.shift) clickKey(C::CmdShift);
        if (row.hyp) clickKey(C::CmdHyp);
        const std::string where = std::to_string(static_cast<int>(row.base)) +
                                  (row.shift ? " shift" : "") + (row.hyp ? " hyp" : "");
        QSet<QString> names;
        for (const KeyPlace& place : kKeypad) {
            QPushButton* button = window_->key(place.id);
            const QString name = spoken(button)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << where;
            EXPECT_FALSE(names.contains(name)) << where << " twice: " << name.toStdString();
            names.insert(name);
            // A blank key says it does nothing; every other key's caption is its description.
            const QString description = spoken(button)->text(QAccessible::Description);
            EXPECT_EQ(description == QStringLiteral("unavailable"), button->text().isEmpty())
                << where << " " << name.toStdString();
        }
        const auto shift = spoken(window_->key(C::CmdShift))->state();
        const auto hyp = spoken(window_->key(C::CmdHyp))->state();
        EXPECT_TRUE(shift.checkable);
        EXPECT_EQ(bool(shift.checked), row.shift) << where;
        EXPECT_EQ(bool(hyp.checkable), row.base == B::Decimal || row.base == B::Statistics)
            << where;
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
    // announced nullptr: the display as it shows the result; typing keeps what AC showed.
    const struct {
        const char* keys;
        const char* announced;
        bool typing;
    } cases[] = {{"2 + 3 X 4 =", nullptr, false},
                 {"1 / 0 =", "Divide Zero Error", false},
                 {"AC", nullptr, false},
                 {"7 8", nullptr, true}};
    QString previous;
    for (const auto& c : cases) {
        click(c.keys);
        const QString expected = c.announced ? QString::fromLatin1(c.announced)
                                 : c.typing  ? previous
                                             : displayText().trimmed();
        EXPECT_EQ(window_->announcer()->lastAnnounced(), expected) << c.keys;
        previous = window_->announcer()->lastAnnounced();
    }
    // Before Qt 6.8 a notification object shows the text; its appearing is
    // what the screen reader hears (the AT-SPI check listens for it).
    if (QWidget* notice = window_->announcer()->notice()) {
        EXPECT_EQ(spoken(notice)->role(), QAccessible::Notification);
        EXPECT_EQ(spoken(notice)->text(QAccessible::Name), previous);
        EXPECT_TRUE(notice->isVisible());
    }
}

// --- Dialogs -------------------------------------------------------------------

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
    std::function<OpenDialog()> open;
    std::vector<FieldName> fields;
};

TEST(DialogAccessibility, EveryFieldIsNamedAndButtonNamesAreUnique) {
    PropertyDatabase db;
    addBuiltInContent(db);
    Property* angle = findProperty(db, "angle", true);
    FontSpec font = AppearanceSettings::makeFont(-12, 400);
    auto properties = [&db, angle](bool constants) {
        auto model = std::make_shared<PropertiesDialogModel>(db);
        model->property = angle;
        model->allowPropertyChoice = model->allowUnitEdit = !constants;
        model->allowConstantEdit = model->constantsMode = constants;
        return open<PropertiesDialog>(model);
    };
    // clang-format off
    const DialogRow rows[] = {
        {"Select Memory", [] { return open<SelectMemoryDialog>(std::make_shared<SelectMemoryModel>("", std::array<std::string, 10>{"5"})); },
         {{1029, "memory 0 value"}, {48, "memory 0"}, {1038, "memory 9 value"}}},
        {"Financial Rates", [] { return open<FinancialRatesDialog>(std::make_shared<FinancialRatesModel>(FinancialRates{10, 8})); },
         {{FinancialRatesModel::kBankEdit, "Bank Interest rate (%)", "Bank Interest rate\n(for term, pmt. etc.)"},
          {FinancialRatesModel::kDiscEdit, "Discount rate (%)", "Discount rate\n(for NPV, depr. etc.)"}}},
        {"Convert", [&db, angle] { auto m = std::make_shared<ConvertDialogModel>(db); m->property = angle; return open<ConvertDialog>(m); },
         {{ConvertDialogModel::kFromList, "From"}, {ConvertDialogModel::kToList, "To"},
          {ConvertDialogModel::kFromSI, "From SI unit"}, {ConvertDialogModel::kToSI, "To SI unit"}}},
        {"Properties", [&] { return properties(false); },
         {{P::kNewProperty, "New property"}, {P::kNewUnit, "New unit"}, {P::kFactorEdit, "Factor", "Factor"},
          {P::kOffsetEdit, "Offset", "Offset"}}},
        {"Constants", [&] { return properties(true); },
         {{P::kConstantList, "Constants"}, {P::kValueEdit, "Constant value"}, {P::kNewConstant, "New constant"}}},
        {"Calculator Mode", [&font] { ModeSettings s; s.displayFontSpec = &font; return open<ModeDialog>(std::make_shared<M>(s)); },
         {{M::kDigitsEdit, "Digits", "Digits"}, {M::kSecEdit, "Auto Power Off sec", "sec"}}},
        {"Name", [] { return open<NameDialog>(std::make_shared<NameDialogModel>("New unit name")); },
         {{NameDialogModel::kNameEdit, "New unit name"}}},
        {"Find", [&db] { return open<FindDialog>(std::make_shared<FindDialogModel>(db)); },
         {{FindDialogModel::kSearchEdit, "Search String", "Search String:"}}},
        {"About", [] { return OpenDialog{nullptr, std::make_unique<AboutDialog>()}; }, {}},
    };
    // clang-format on
    for (const DialogRow& row : rows) {
        OpenDialog opened = row.open();
        QDialog* dialog = opened.dialog.get();
        QSet<QString> buttons;
        for (QWidget* field : dialog->findChildren<QWidget*>()) {
            const bool push = qobject_cast<QPushButton*>(field) != nullptr;
            const bool isField = qobject_cast<QAbstractButton*>(field) ||
                                 qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field);
            if (!isField || field->parentWidget() != dialog)
                continue;  // none inside another control
            const QString name = spokenName(field);
            EXPECT_FALSE(name.isEmpty()) << row.dialog << " " << field->objectName().toStdString();
            EXPECT_FALSE(push && buttons.contains(name))
                << row.dialog << " twice: " << name.toStdString();
            if (push) buttons.insert(name);
        }
        for (const FieldName& expected : row.fields) {
            QWidget* field = dialog->findChild<QWidget*>(QStringLiteral("c%1").arg(expected.id));
            ASSERT_NE(field, nullptr) << row.dialog << " " << expected.id;
            EXPECT_EQ(spokenName(field).toStdString(), expected.name) << row.dialog;
            bool buddied = !expected.label;
            for (QLabel* label : dialog->findChildren<QLabel*>())
                buddied = buddied || (label->text() == QString::fromLatin1(expected.label) &&
                                      label->buddy() == field);
            EXPECT_TRUE(buddied) << row.dialog << " " << expected.name;
        }
    }
    clearDatabase(db);
}

TEST(DialogKeys, DigitsChooseAMemoryAndASharedMnemonicSelects) {
    const std::pair<Qt::KeyboardModifiers, int> digits[] = {
        {Qt::NoModifier, 3}, {Qt::AltModifier, 9}, {Qt::KeypadModifier, 0}};
    for (const auto& [modifiers, memory] : digits) {
        SelectMemoryModel model("", {});
        SelectMemoryDialog dialog(model);
        whenShown<SelectMemoryDialog>(
            [modifiers = modifiers, memory = memory](SelectMemoryDialog* d) {
                QTest::keyClick(d, static_cast<Qt::Key>(Qt::Key_0 + memory), modifiers);
            });
        EXPECT_TRUE(dialog.run());
        EXPECT_EQ(model.chosen(), std::optional<int>(memory));
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
    for (int id : {M::kStatistics, M::kScientific})
        EXPECT_TRUE(qobject_cast<QAbstractButton*>(dialog.control(id))->isChecked()) << id;
}

}  // namespace
}  // namespace zentra::testing
