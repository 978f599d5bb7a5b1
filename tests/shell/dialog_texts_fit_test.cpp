// Every text of every dialog fits the control it is in, in the fonts this
// desktop has (the tests also run at twice the scale, see tests.cmake).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QtMath>
#include <array>
#include <map>
#include <memory>

#include "dialogs/financial_rates.h"
#include "dialogs/properties_dialog_model.h"
#include "shell/about_dialog.h"
#include "shell/dialogs/memory_rates_dialogs.h"
#include "shell/dialogs/mode_dialog.h"
#include "shell/dialogs/name_find_dialogs.h"
#include "shell/dialogs/units_dialogs.h"
#include "shell/splash_window.h"
#include "units/property_database.h"

namespace zentra {
namespace {

QString withoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// The texts of dialog that its controls cut off, each with what it needs.
QStringList clippedTexts(QWidget* dialog) {
    QStringList clipped;
    auto report = [&](const QWidget* w, const QString& text, QSize need) {
        clipped << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                       .arg(QString::fromLatin1(w->metaObject()->className()), text)
                       .arg(need.width())
                       .arg(need.height())
                       .arg(w->width())
                       .arg(w->height());
    };
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(dialog) || label->text().isEmpty()) continue;
        const QSize hint = label->sizeHint();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : hint.width() <= label->width() &&
                                    label->fontMetrics().height() <= label->height();
        if (!fits) report(label, label->text(), hint);
    }
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(dialog) || button->text().isEmpty()) continue;
        // The caption's own height: a style's hint may ask for a little more room round it.
        QSize need(button->sizeHint().width(), button->fontMetrics().height());
        if (qobject_cast<QPushButton*>(button)) {
            // A push button's hint has a style's minimum width; its caption and frame must fit.
            const QFontMetrics metrics(button->font());
            need = QSize(metrics.horizontalAdvance(withoutMnemonic(button->text())) +
                             2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin) / 2,
                         metrics.height());
        }
        if (need.width() > button->width() || need.height() > button->height())
            report(button, button->text(), need);
    }
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        const QFontMetrics metrics(group->font());
        const int need = metrics.horizontalAdvance(group->title()) + 16;
        if (need > group->width()) report(group, group->title(), QSize(need, group->height()));
    }
    return clipped;
}

TEST(DialogTexts, EveryTextFitsItsControl) {
    PropertyDatabase db;
    addBuiltInContent(db);
    Property* angle = findProperty(db, "angle", true);
    ModeSettings mode;
    FontSpec font = AppearanceSettings::makeFont(-12, 700);
    mode.displayFontSpec = &font;
    ModeDialogModel modeModel(mode);
    std::array<std::string, 10> memories;
    memories.fill("-1.234567890123E+100");
    SelectMemoryModel memory("", memories);
    FinancialRatesModel rates(FinancialRates{10, 10});
    ConvertDialogModel convert(db);
    convert.property = angle;
    PropertiesDialogModel properties(db);
    properties.property = angle;
    properties.allowPropertyChoice = properties.allowUnitEdit = properties.allowConstantEdit = true;
    PropertiesDialogModel constants = properties;
    constants.constantsMode = true;
    NameDialogModel name("New property name");
    FindDialogModel find(db, true);

    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<AboutDialog>());
    dialogs.push_back(std::make_unique<MakerDialog>());
    dialogs.push_back(std::make_unique<AuthorsDialog>());
    dialogs.push_back(std::make_unique<SystemInfoDialog>());
    dialogs.push_back(std::make_unique<ModeDialog>(modeModel));
    dialogs.push_back(std::make_unique<SelectMemoryDialog>(memory));
    dialogs.push_back(std::make_unique<FinancialRatesDialog>(rates));
    dialogs.push_back(std::make_unique<ConvertDialog>(convert));
    dialogs.push_back(std::make_unique<PropertiesDialog>(properties));
    dialogs.push_back(std::make_unique<PropertiesDialog>(constants));
    dialogs.push_back(std::make_unique<NameDialog>(name));
    dialogs.push_back(std::make_unique<FindDialog>(find));
    for (auto& dialog : dialogs) {
        dialog->show();
        const QStringList clipped = clippedTexts(dialog.get());
        EXPECT_TRUE(clipped.isEmpty()) << dialog->windowTitle().toStdString() << ":\n"
                                       << clipped.join(QLatin1Char('\n')).toStdString();
        dialog->hide();
    }
    dialogs.clear();
    clearDatabase(db);
}

// The text that edit cuts off, if any: its contents less the line edit's margins.
bool editShowsWhole(QLineEdit* edit, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    // Two pixels each side, and one for the caret.
    return QFontMetrics(edit->font()).horizontalAdvance(text) + 5 <= contents.width();
}

// Every number field, holding the longest value it can hold, shows all of it.
TEST(DialogTexts, EveryNumberFieldShowsItsLongestValue) {
    PropertyDatabase db;
    addBuiltInContent(db);
    Property* angle = findProperty(db, "angle", true);
    const QString longestDouble = QString::fromStdString(numberFieldText(-1.23456789012345e-308));
    const QString longestRate = QString::fromStdString(financialRateText(1.23456789012345e-7));
    // The longest display text a memory holds: 25 characters, Fixed with 22 digits.
    const QString longestMemory = QStringLiteral("-0.0000000000000000000001");
    ModeSettings mode;
    ModeDialogModel modeModel(mode);
    std::array<std::string, 10> memories;
    memories.fill(longestMemory.toStdString());
    SelectMemoryModel memory("", memories);
    FinancialRatesModel rates(FinancialRates{10, 10});
    PropertiesDialogModel properties(db);
    properties.property = angle;
    properties.allowPropertyChoice = properties.allowUnitEdit = properties.allowConstantEdit = true;
    PropertiesDialogModel constants = properties;
    constants.constantsMode = true;

    struct Fields {
        std::unique_ptr<QDialog> dialog;
        std::map<int, QString> longest;  // by control id
    };
    std::vector<Fields> all;
    all.push_back({std::make_unique<ModeDialog>(modeModel),
                   {{ModeDialogModel::kDigitsEdit, QStringLiteral("22")},
                    {ModeDialogModel::kSecEdit, QStringLiteral("32000")}}});
    all.push_back({std::make_unique<FinancialRatesDialog>(rates),
                   {{FinancialRatesModel::kBankEdit, longestRate},
                    {FinancialRatesModel::kDiscEdit, longestRate}}});
    std::map<int, QString> memoryFields;
    for (int k = 0; k < SelectMemoryModel::kMemories; ++k)
        memoryFields[SelectMemoryModel::kFirstValue + k] = longestMemory;
    all.push_back({std::make_unique<SelectMemoryDialog>(memory), memoryFields});
    for (PropertiesDialogModel* model : {&properties, &constants})
        all.push_back({std::make_unique<PropertiesDialog>(*model),
                       {{PropertiesDialogModel::kFactorEdit, longestDouble},
                        {PropertiesDialogModel::kOffsetEdit, longestDouble},
                        {PropertiesDialogModel::kValueEdit, longestDouble}}});
    for (Fields& fields : all) {
        fields.dialog->show();
        for (const auto& [id, text] : fields.longest) {
            auto* edit = fields.dialog->findChild<QLineEdit*>(QStringLiteral("c%1").arg(id));
            ASSERT_NE(edit, nullptr) << id;
            if (!edit->isVisibleTo(fields.dialog.get())) continue;
            EXPECT_TRUE(editShowsWhole(edit, text))
                << fields.dialog->windowTitle().toStdString() << " field " << id << " cuts off "
                << text.toStdString();
        }
        fields.dialog->hide();
    }
    all.clear();
    clearDatabase(db);
}

// The start-up window paints its lines itself: none may run into the border
// or past it, and some text must be there at all.
TEST(DialogTexts, StartUpWindowKeepsItsLinesInsideTheBorder) {
    SplashWindow splash;
    const QImage image = splash.grab().toImage();
    const double scale = image.devicePixelRatio();
    const int border = qCeil(scale);  // the plain box line, one pixel wide
    const int band = qRound(splash.fontMetrics().height() / 2 * scale);
    const QRgb background = image.pixel(border, border);
    int inkInside = 0, inkInBand = 0;
    for (int y = border; y < image.height() - border; ++y) {
        for (int x = border; x < image.width() - border; ++x) {
            if (image.pixel(x, y) == background) continue;
            const bool inBand = x < border + band || x >= image.width() - border - band ||
                                y < border + band || y >= image.height() - border - band;
            ++(inBand ? inkInBand : inkInside);
        }
    }
    EXPECT_GT(inkInside, 0);
    EXPECT_EQ(inkInBand, 0) << "text within " << band << " pixels of the border";
}

}  // namespace
}  // namespace zentra
