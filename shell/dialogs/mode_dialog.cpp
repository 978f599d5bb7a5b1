#include "shell/dialogs/mode_dialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

#include "shell/appearance.h"

namespace zentra {
namespace {

struct Radio {
    ControlId id;
    const char* text;
};

// Alt and a letter that two radio buttons share ("&Statistics" and
// "&Scientific") moves between them, as Qt does; it also selects the one it
// reaches, as a letter of one button alone does.
class SharedMnemonicSelects : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* radio = qobject_cast<QRadioButton*>(watched);
        if (radio && event->type() == QEvent::Shortcut &&
            static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            radio->setFocus(Qt::ShortcutFocusReason);
            radio->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

ModeDialog::ModeDialog(ModeDialogModel& model, QWidget* parent) : ModelDialog(model, parent) {
    using M = ModeDialogModel;
    DialogBuilder b(this, templateFont(8), 267, 132, QStringLiteral("Calculator Mode"));

    // Each group's radios are exclusive among themselves only.
    auto radios = [&](const Radio* items, int count, int x, int width) {
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < count; ++i)
            group->addButton(b.radio(items[i].id, QString::fromLatin1(items[i].text), x,
                                     15 + 12 * i, width, 10));
    };

    b.group(-1, QStringLiteral("Angle"), 7, 4, 60, 50);
    const Radio angles[] = {{M::kDeg, "&Deg"}, {M::kRad, "&Rad"}, {M::kGrad, "&Grad"}};
    radios(angles, 3, 13, 50);

    b.group(-1, QStringLiteral("Number/Mode"), 72, 4, 70, 84);
    const Radio bases[] = {{M::kDecimal, "D&ecimal"},       {M::kBinary, "&Binary"},
                           {M::kOctal, "&Octal"},           {M::kHexadecimal, "&Hexadecimal"},
                           {M::kStatistics, "&Statistics"}, {M::kFinancialMode, "&Financial"}};
    radios(bases, 6, 78, 62);

    b.group(-1, QStringLiteral("Display"), 147, 4, 60, 60);
    const Radio types[] = {{M::kNormal, "&Normal"},
                           {M::kFixed, "&Fixed"},
                           {M::kScientific, "&Scientific"},
                           {M::kFinancialDisplay, "F&inancial"}};
    radios(types, 4, 153, 52);
    b.label(-1, QStringLiteral("Digits"), 149, 72, 24, 8);
    b.edit(M::kDigitsEdit, 175, 70, 32, 12);

    b.button(M::kFontButton, QStringLiteral("Font"), 7, 60, 60, 14);
    b.button(M::kBackgroundButton, QString::fromLatin1(M::kBackgroundTitle), 7, 77, 60, 14);
    b.button(M::kBodyButton, QString::fromLatin1(M::kBodyTitle), 7, 94, 60, 14);

    b.check(M::kAutoPowerOff, QStringLiteral("&Auto Power Off"), 74, 94, 72, 10);
    b.edit(M::kSecEdit, 149, 93, 40, 12);
    b.label(-1, QStringLiteral("sec"), 192, 95, 16, 8);
    b.check(M::kBevel, QStringLiteral("Bevel"), 74, 108, 40, 10);
    b.check(M::kAlwaysOnTop, QStringLiteral("Always on top"), 116, 108, 66, 10);
    b.check(M::kErrorBeep, QStringLiteral("Error Beep"), 74, 120, 60, 10);
    b.check(M::kGroupDigits, QStringLiteral("Group digits"), 136, 120, 70, 10);

    b.okButton(212, 6, 50, 14);
    b.cancelButton(212, 23, 50, 14);
    bindControls(b.controls());

    auto* mnemonics = new SharedMnemonicSelects(this);
    for (QRadioButton* radio : findChildren<QRadioButton*>()) radio->installEventFilter(mnemonics);
    // The group boxes lie behind the radios, not round them: each radio says its group.
    for (const Radio& radio : angles)
        control(radio.id)->setAccessibleDescription(QStringLiteral("Angle"));
    for (const Radio& radio : bases)
        control(radio.id)->setAccessibleDescription(QStringLiteral("Number/Mode"));
    for (const Radio& radio : types)
        control(radio.id)->setAccessibleDescription(QStringLiteral("Display"));
    nameField(control(M::kDigitsEdit), QStringLiteral("Digits"), QStringLiteral("Digits"));
    nameField(control(M::kSecEdit), QStringLiteral("Auto Power Off sec"), QStringLiteral("sec"));
}

}  // namespace zentra
