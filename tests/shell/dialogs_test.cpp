// The dialogs on their own: OK, Cancel and each refusal, with the message shown
// and the dialog kept open on the refused field.

#include <gtest/gtest.h>

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/financial.h"
#include "modal_test_support.h"
#include "shell/about_dialog.h"
#include "shell/appearance.h"
#include "shell/dialogs/font_colour_dialog.h"
#include "shell/dialogs/memory_rates_dialogs.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/dialogs/name_find_dialogs.h"
#include "shell/dialogs/units_dialogs.h"
#include "units/property_database.h"
#include "window_test_support.h"

namespace zentra::testing {
namespace {

QPushButton* buttonOf(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QStringLiteral("c%1").arg(id));
}

// --- Calculator Mode ------------------------------------------------------------

class ModeDialogWidget : public ::testing::Test {
protected:
    ModeSettings settings;
    FontSpec fontSpec = AppearanceSettings::makeFont(-12, 700);

    void SetUp() override { settings.displayFontSpec = &fontSpec; }
    // The settings an accepted OK handed back.
    const ModeSettings& result() const { return model->settings(); }
    ModeDialog& open() {
        model = std::make_unique<ModeDialogModel>(settings);
        dialog = std::make_unique<ModeDialog>(*model);
        return *dialog;
    }

    std::unique_ptr<ModeDialogModel> model;
    std::unique_ptr<ModeDialog> dialog;

    QLineEdit* edit(ModeDialog& d, int id) { return qobject_cast<QLineEdit*>(d.control(id)); }
    QAbstractButton* box(ModeDialog& d, int id) {
        return qobject_cast<QAbstractButton*>(d.control(id));
    }
};

TEST_F(ModeDialogWidget, ShowsTheSettingsItWasGiven) {
    settings.angle = AngleChoice::Grad;
    settings.numberBase = NumberBase::Financial;
    settings.displayType = DisplayType::Scientific;
    settings.digitsText = "7";
    settings.apoTimeText = "300";
    settings.errorBeep = false;
    ModeDialog& d = open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Calculator Mode"));
    EXPECT_TRUE(box(d, ModeDialogModel::kGrad)->isChecked());
    EXPECT_TRUE(box(d, ModeDialogModel::kFinancialMode)->isChecked());
    EXPECT_TRUE(box(d, ModeDialogModel::kScientific)->isChecked());
    EXPECT_EQ(edit(d, ModeDialogModel::kDigitsEdit)->text(), QStringLiteral("7"));
    EXPECT_EQ(edit(d, ModeDialogModel::kSecEdit)->text(), QStringLiteral("300"));
    EXPECT_FALSE(box(d, ModeDialogModel::kErrorBeep)->isChecked());
}

TEST_F(ModeDialogWidget, OkWritesEveryControlBack) {
    ModeDialog& d = open();
    d.colourChooser = [](Rgb& colour, const QString&) {
        colour = Rgb{10, 20, 30};
        return true;
    };
    d.show();
    box(d, ModeDialogModel::kHexadecimal)->click();
    box(d, ModeDialogModel::kFixed)->click();
    box(d, ModeDialogModel::kRad)->click();
    box(d, ModeDialogModel::kAutoPowerOff)->click();
    box(d, ModeDialogModel::kBevel)->click();
    box(d, ModeDialogModel::kAlwaysOnTop)->click();
    edit(d, ModeDialogModel::kDigitsEdit)->setText(QStringLiteral("4"));
    edit(d, ModeDialogModel::kSecEdit)->setText(QStringLiteral("45"));
    buttonOf(&d, ModeDialogModel::kBodyButton)->click();
    buttonOf(&d, 1)->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(result().numberBase, NumberBase::Hexadecimal);
    EXPECT_EQ(result().displayType, DisplayType::Fixed);
    EXPECT_EQ(result().angle, AngleChoice::Rad);
    EXPECT_TRUE(result().autoPowerOff);
    EXPECT_TRUE(result().bodyBevel);
    EXPECT_TRUE(result().alwaysOnTop);
    EXPECT_EQ(result().digits, 4);
    EXPECT_EQ(result().apoTime, 45);
    EXPECT_EQ(result().bodyColour, (Rgb{10, 20, 30}));
    EXPECT_EQ(result().backColour, (Rgb{0, 0, 64}));
}

TEST_F(ModeDialogWidget, CancelKeepsTheCopyButNotTheFontChosenOnTheWay) {
    ModeDialog& d = open();
    d.fontChooser = [](FontSpec& spec, Rgb& colour) {
        spec.faceName = "Sevenseg";
        colour = Rgb{255, 0, 0};
        return true;
    };
    d.show();
    box(d, ModeDialogModel::kBinary)->click();
    buttonOf(&d, ModeDialogModel::kFontButton)->click();
    buttonOf(&d, 2)->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(result().numberBase, NumberBase::Decimal);
    EXPECT_EQ(result().textColour, (Rgb{0, 255, 255}));
    // The font goes straight into the window's description, even on Cancel.
    EXPECT_EQ(fontSpec.faceName, "Sevenseg");
}

TEST_F(ModeDialogWidget, FontColourReachesTheCopyOnOk) {
    ModeDialog& d = open();
    d.fontChooser = [](FontSpec&, Rgb& colour) {
        colour = Rgb{255, 255, 0};
        return true;
    };
    d.show();
    buttonOf(&d, ModeDialogModel::kFontButton)->click();
    buttonOf(&d, 1)->click();
    EXPECT_EQ(result().textColour, (Rgb{255, 255, 0}));
}

// The real chooser, answered as a user would: it opens on the stored font (or
// the face this desktop shows for it), and only what the user changed is written.
TEST_F(ModeDialogWidget, FontChooserStartsFromTheStoredFontAndWritesOnlyWhatChanged) {
    FontSpec italic = AppearanceSettings::makeFont(-16, 400);
    italic.faceName = "DejaVu Sans";
    italic.italic = 1;
    const struct {
        const char* name;
        FontSpec stored;
        double chosenPoints;  // 0: nothing changed
        FontSpec expected;
    } cases[] = {
        {"default bold", AppearanceSettings::makeFont(-12, 700), 0,
         AppearanceSettings::makeFont(-12, 700)},
        {"default weight", AppearanceSettings::makeFont(-14, 0), 0,
         AppearanceSettings::makeFont(-14, 0)},
        {"italic", italic, 0, italic},
        {"size only", AppearanceSettings::makeFont(-12, 700), 12,
         AppearanceSettings::makeFont(-16, 700)},
    };
    for (const auto& c : cases) {
        fontSpec = c.stored;
        ModeDialog& d = open();
        QFont shown;
        whenShown<FontColourDialog>([&](FontColourDialog* chooser) {
            shown = chooser->selectedFont();
            if (c.chosenPoints > 0) {
                QFont bigger = shown;
                bigger.setPointSizeF(c.chosenPoints);
                chooser->fontChooser()->setCurrentFont(bigger);
            }
            chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        buttonOf(&d, ModeDialogModel::kFontButton)->click();
        EXPECT_EQ(fontSpec, c.expected) << c.name << ": " << fontSpec.faceName << " "
                                        << fontSpec.height << " " << fontSpec.weight;
        const QFontInfo desktop(fontFromSpec(c.stored));
        EXPECT_EQ(shown.family(), desktop.family()) << c.name;
        EXPECT_EQ(shown.bold(), c.stored.weight >= 700) << c.name;
        EXPECT_EQ(shown.italic(), c.stored.italic != 0) << c.name;
        EXPECT_EQ(shown.pointSize(), qRound(-c.stored.height * 72.0 / d.logicalDpiY())) << c.name;
    }
}

struct Refusal {
    const char* name;
    const char* digits;
    const char* sec;
    int field;
    const char* message;
};

class ModeDialogRefusal : public ModeDialogWidget, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ModeDialogRefusal, StaysOpenWithTheMessageAndFocusOnTheField) {
    const Refusal& r = GetParam();
    ModeDialog& d = open();
    d.show();
    QApplication::setActiveWindow(&d);
    edit(d, ModeDialogModel::kDigitsEdit)->setText(QString::fromLatin1(r.digits));
    edit(d, ModeDialogModel::kSecEdit)->setText(QString::fromLatin1(r.sec));
    const auto seen = answerNextMessageBox(QMessageBox::Ok);
    buttonOf(&d, 1)->click();
    EXPECT_EQ(*seen, QString::fromLatin1(r.message));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.focusWidget(), d.control(r.field));
    EXPECT_EQ(result().digitsText, "10");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ModeDialogRefusal,
    ::testing::Values(Refusal{"DigitsZero", "0", "120", ModeDialogModel::kDigitsEdit,
                              "Please enter an integer between 1 and 22."},
                      Refusal{"DigitsTwentyThree", "23", "120", ModeDialogModel::kDigitsEdit,
                              "Please enter an integer between 1 and 22."},
                      Refusal{"DigitsText", "abc", "120", ModeDialogModel::kDigitsEdit,
                              "Please enter an integer."},
                      Refusal{"SecNine", "10", "9", ModeDialogModel::kSecEdit,
                              "Please enter an integer between 10 and 32000."},
                      Refusal{"SecTooLong", "10", "32001", ModeDialogModel::kSecEdit,
                              "Please enter an integer between 10 and 32000."}),
    [](const ::testing::TestParamInfo<Refusal>& p) { return std::string(p.param.name); });

// --- Select Memory and Financial Rates --------------------------------------------

TEST(SelectMemoryDialogWidget, ButtonsEndWithTheirMemoryAndEscapeCancels) {
    std::array<std::string, 10> values;
    for (int k = 0; k < 10; ++k) values[static_cast<std::size_t>(k)] = std::to_string(k * 11);
    {
        SelectMemoryModel model("Memory Recall", values);
        SelectMemoryDialog dialog(model);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Memory Recall"));
        EXPECT_EQ(dialog.memoryEdit(3)->text(), QStringLiteral("33"));
        EXPECT_TRUE(dialog.memoryEdit(3)->isReadOnly());
        whenShown<SelectMemoryDialog>([](SelectMemoryDialog* d) { d->memoryButton(7)->click(); });
        EXPECT_TRUE(dialog.run());
        EXPECT_EQ(model.chosen(), std::optional<int>(7));
    }
    {
        SelectMemoryModel model("", values);
        SelectMemoryDialog dialog(model);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Memory"));
        whenShown<SelectMemoryDialog>(
            [](SelectMemoryDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        EXPECT_FALSE(dialog.run());
        EXPECT_EQ(model.chosen(), std::nullopt);
    }
    {
        SelectMemoryModel model("", values);
        SelectMemoryDialog dialog(model);
        whenShown<SelectMemoryDialog>(
            [](SelectMemoryDialog* d) { QTest::keyClick(d->memoryButton(0), Qt::Key_Return); });
        EXPECT_TRUE(dialog.run());
        EXPECT_EQ(model.chosen(), std::optional<int>(0));
    }
}

TEST(FinancialRatesDialogWidget, ShowsTheRatesAndStoresValidatedOnes) {
    FinancialRatesModel model(FinancialRates{10, 8.5});
    FinancialRatesDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Financial Rates"));
    EXPECT_EQ(dialog.bankEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.discEdit()->text(), QStringLiteral("8.5"));
    dialog.show();
    dialog.bankEdit()->setText(QStringLiteral("7"));
    dialog.discEdit()->setText(QStringLiteral(" 6.25 "));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(model.rates().bankRate, 7);
    EXPECT_DOUBLE_EQ(model.rates().discRate, 6.25);
}

TEST(FinancialRatesDialogWidget, RefusesTextAndRangeAndKeepsTheOldRates) {
    FinancialRatesModel model(FinancialRates{10, 10});
    FinancialRatesDialog dialog(model);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.bankEdit()->setText(QStringLiteral("abc"));
    auto seen = answerNextMessageBox(QMessageBox::Ok);
    dialog.okButton()->click();
    EXPECT_EQ(*seen, QStringLiteral("Please enter a number."));
    EXPECT_EQ(dialog.focusWidget(), dialog.bankEdit());

    dialog.bankEdit()->setText(QStringLiteral("8"));
    dialog.discEdit()->setText(QStringLiteral("0"));
    seen = answerNextMessageBox(QMessageBox::Ok);
    dialog.okButton()->click();
    EXPECT_EQ(*seen, QStringLiteral("Please enter a number between %1 and %2.")
                         .arg(QString::fromStdString(financialRateText(kMinDiscRate)),
                              QString::fromStdString(financialRateText(kMaxDiscRate))));
    EXPECT_EQ(dialog.focusWidget(), dialog.discEdit());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_DOUBLE_EQ(model.rates().bankRate, 10);
}

// --- Units dialogs -------------------------------------------------------------------

class UnitsDialogWidget : public ::testing::Test {
protected:
    void SetUp() override {
        addBuiltInContent(db);
        Property& temperature = addProperty(db, "temperature");
        setUnit(temperature, "K", 1, 0);
        setUnit(temperature, "C", 1, -273.15);
        setConstant(temperature, "freezing", 273.15);
        angle = findProperty(db, "angle", true);
    }
    void TearDown() override { clearDatabase(db); }

    static QStringList items(QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
        return list;
    }
    static void choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    PropertyDatabase db;
    Property* angle = nullptr;
};

TEST_F(UnitsDialogWidget, ConvertListsSortedNamesAndReturnsTheChoice) {
    ConvertDialogModel model(db);
    model.property = angle;
    ConvertDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Convert"));
    QComboBox* properties = dialog.list(ConvertDialogModel::kPropertyList);
    EXPECT_EQ(items(properties), (QStringList{"angle", "dimensionless", "temperature"}));
    EXPECT_EQ(properties->currentText(), QStringLiteral("angle"));
    EXPECT_EQ(items(dialog.list(ConvertDialogModel::kFromList)),
              (QStringList{"deg", "gr", "radians"}));

    dialog.show();
    choose(properties, QStringLiteral("temperature"));
    choose(dialog.list(ConvertDialogModel::kFromList), QStringLiteral("C"));
    buttonOf(&dialog, ConvertDialogModel::kToSI)->click();
    EXPECT_EQ(dialog.list(ConvertDialogModel::kToList)->currentText(), QStringLiteral("K"));
    buttonOf(&dialog, kIdOk)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_NE(model.property, nullptr);
    EXPECT_EQ(model.property->name, "temperature");
    EXPECT_EQ(model.fromUnit->name, "C");
    EXPECT_EQ(model.toUnit->name, "K");
}

// The combo boxes show the models' order, not an order of their own: case
// ignored, ties in the order added, other bytes by value.
TEST_F(UnitsDialogWidget, ListsKeepTheModelsOrderWhateverTheFillingOrder) {
    Property& mixed = addProperty(db, "mixed");
    for (const char* name : {"mm", "Kelvin", "", "deg", "Mm", "[x", "b", "angle", "B"})
        setUnit(mixed, name, 1, 0);
    mixed.currentUnit = findUnit(db, mixed, "Mm", true);
    ConvertDialogModel model(db);
    model.property = &mixed;
    ConvertDialog dialog(model);
    const QStringList sorted{"", "[x", "angle", "b", "B", "deg", "Kelvin", "mm", "Mm"};
    EXPECT_EQ(items(dialog.list(ConvertDialogModel::kFromList)), sorted);
    EXPECT_EQ(items(dialog.list(ConvertDialogModel::kToList)), sorted);
    EXPECT_EQ(dialog.list(ConvertDialogModel::kToList)->currentText(), QStringLiteral("Mm"));
}

TEST_F(UnitsDialogWidget, ConvertFindWithoutMatchSaysSoAndKeepsTheSelection) {
    ConvertDialogModel model(db);
    model.property = angle;
    ConvertDialog dialog(model);
    dialog.show();
    whenShown<FindDialog>([](FindDialog* find) {
        EXPECT_EQ(find->windowTitle(), QStringLiteral("Find Property or Units"));
        find->searchEdit()->setText(QStringLiteral("zzz"));
        buttonOf(find, kIdOk)->click();
    });
    const auto seen = answerNextMessageBox(QMessageBox::Ok);
    buttonOf(&dialog, ConvertDialogModel::kFind)->click();
    EXPECT_EQ(*seen, QStringLiteral("Couldn't find Property or Unit"));
    EXPECT_EQ(dialog.list(ConvertDialogModel::kPropertyList)->currentText(),
              QStringLiteral("angle"));
}

TEST_F(UnitsDialogWidget, PropertiesModeHidesConstantsAndRefusesAFactorThatIsNoNumber) {
    PropertiesDialogModel model(db);
    model.property = findProperty(db, "temperature", true);
    model.allowPropertyChoice = model.allowUnitEdit = true;
    model.title = "Properties and Units";
    PropertiesDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Properties and Units"));
    EXPECT_FALSE(dialog.control(PropertiesDialogModel::kConstantList)->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.control(PropertiesDialogModel::kFactorEdit)->isVisibleTo(&dialog));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* factor = qobject_cast<QLineEdit*>(dialog.control(PropertiesDialogModel::kFactorEdit));
    factor->setText(QStringLiteral("x"));
    const auto seen = answerNextMessageBox(QMessageBox::Ok);
    buttonOf(&dialog, kIdOk)->click();
    EXPECT_EQ(*seen, QStringLiteral("Please enter a number."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), factor);
}

TEST_F(UnitsDialogWidget, ConstantsModeShowsTheValueInTheCurrentUnit) {
    Property* temperature = findProperty(db, "temperature", true);
    temperature->currentUnit = findUnit(db, *temperature, "C", true);
    PropertiesDialogModel model(db);
    model.property = temperature;
    model.allowPropertyChoice = model.allowUnitEdit = model.allowConstantEdit = true;
    model.constantsMode = true;
    model.title = "Constants";
    PropertiesDialog dialog(model);
    auto* value = qobject_cast<QLineEdit*>(dialog.control(PropertiesDialogModel::kValueEdit));
    EXPECT_EQ(value->text().toDouble(), 0.0);
    EXPECT_FALSE(dialog.control(PropertiesDialogModel::kFactorEdit)->isVisibleTo(&dialog));
    dialog.show();
    buttonOf(&dialog, kIdOk)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(model.shownValue, 0.0);
}

TEST_F(UnitsDialogWidget, NewUnitNameIsTakenExactlyAsTyped) {
    PropertiesDialogModel model(db);
    model.property = angle;
    model.allowPropertyChoice = model.allowUnitEdit = true;
    PropertiesDialog dialog(model);
    dialog.show();
    whenShown<NameDialog>([](NameDialog* name) {
        EXPECT_EQ(name->windowTitle(), QStringLiteral("New unit name"));
        name->nameEdit()->setText(QStringLiteral(" turn "));
        buttonOf(name, kIdOk)->click();
    });
    buttonOf(&dialog, PropertiesDialogModel::kNewUnit)->click();
    EXPECT_NE(findUnit(db, *angle, " turn ", true), nullptr);
    EXPECT_EQ(dialog.list(PropertiesDialogModel::kUnitList)->currentText(),
              QStringLiteral(" turn "));
    EXPECT_TRUE(db.modified);
}

TEST_F(UnitsDialogWidget, NameAndFindCancelLeaveTheModelsAlone) {
    NameDialogModel name("New property name");
    NameDialog nameDialog(name);
    whenShown<NameDialog>([](NameDialog* d) { buttonOf(d, kIdCancel)->click(); });
    EXPECT_FALSE(nameDialog.run());
    EXPECT_EQ(name.name(), "");

    FindDialogModel find(db, true);
    FindDialog findDialog(find);
    EXPECT_EQ(findDialog.windowTitle(), QStringLiteral("Find Property, Units or Constant"));
    whenShown<FindDialog>([](FindDialog* d) {
        d->searchEdit()->setText(QStringLiteral("FREEZ"));
        buttonOf(d, kIdOk)->click();
    });
    EXPECT_TRUE(findDialog.run());
    ASSERT_NE(find.foundConstant, nullptr);
    EXPECT_EQ(find.foundConstant->name, "freezing");
}

// --- About ---------------------------------------------------------------------------

TEST(AboutDialogWidget, VersionTextsComeFromTheBuildWithFallbacks) {
    const VersionTexts none = versionTextsFrom({}, {}, {}, {});
    EXPECT_EQ(none.versionText, QStringLiteral("(Version unknown"));
    EXPECT_FALSE(none.rightsText.isEmpty());
    EXPECT_EQ(none.aboutTitle, QStringLiteral("About Zentra"));

    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Zentra"));
    EXPECT_EQ(about.textControl(131)->text(), QStringLiteral("Zentra"));
    EXPECT_TRUE(about.textControl(157)->text().startsWith(QStringLiteral("Version 3.")));
}

TEST(AboutDialogWidget, SystemParametersFillEveryRow) {
    SystemInfoDialog info;
    EXPECT_EQ(info.windowTitle(), QStringLiteral("System parameters...."));
    EXPECT_TRUE(info.value(102).endsWith(QStringLiteral(" KB Free")));
    EXPECT_TRUE(info.value(107).endsWith(QStringLiteral(" KB Free")));
    EXPECT_EQ(info.value(106), QStringLiteral("Present"));
    EXPECT_EQ(info.value(108), QStringLiteral("Enhanced"));
    EXPECT_NE(info.value(101), QStringLiteral("Unavailable"));
    EXPECT_TRUE(info.value(109).contains(QStringLiteral("(Build:")));
}

}  // namespace
}  // namespace zentra::testing
