#include "shell/dialogs/mode_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/appearance.h"
#include "shell/dialogs/dialog_layout.h"

namespace zentra {
namespace {

void showSwatch(QPushButton* button, const QColor& colour) {
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    button->setIcon(QIcon(swatch));
}

}  // namespace

FontColourDialog::FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent,
                                   const QString& storedFace)
    : QDialog(parent), colour_(colour) {
    setWindowTitle(QStringLiteral("Font"));
    auto* layout = new QVBoxLayout(this);
    chooser_ = new QFontDialog(font, this);
    chooser_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    chooser_->setWindowFlags(Qt::Widget);
    layout->addWidget(chooser_);
    // Enter or Escape in the chooser ends it as a dialog of its own: end this one with it.
    connect(chooser_, &QDialog::accepted, this, &QDialog::accept);
    connect(chooser_, &QDialog::rejected, this, &QDialog::reject);
    // A stored face this desktop lacks is shown as its substitute; say which.
    const QString shownFace = chooser_->currentFont().family();
    if (!storedFace.isEmpty() && storedFace != shownFace)
        layout->addWidget(new QLabel(
            QStringLiteral("\"%1\" is shown as %2 on this desktop.").arg(storedFace, shownFace),
            this));
    auto* row = new QHBoxLayout;
    colourButton_ = new QPushButton(QStringLiteral("&Colour..."), this);
    showSwatch(colourButton_, colour_);
    row->addWidget(colourButton_);
    row->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    row->addWidget(buttons);
    layout->addLayout(row);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Colour"));
        if (chosen.isValid()) setSelectedColour(chosen);
    });
}

QFont FontColourDialog::selectedFont() const {
    return chooser_->currentFont();
}

void FontColourDialog::setSelectedColour(const QColor& colour) {
    colour_ = colour;
    showSwatch(colourButton_, colour_);
}

ModeDialog::ModeDialog(ModeSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      textColour_(settings.textColour),
      backColour_(settings.backColour),
      bodyColour_(settings.bodyColour) {
    DialogBuilder b(this, templateFont(8), 267, 132, QStringLiteral("Calculator Mode"));

    b.group(-1, QStringLiteral("Angle"), 7, 4, 60, 50);
    angle_ = new QButtonGroup(this);
    angle_->addButton(b.radio(kDeg, QStringLiteral("&Deg"), 13, 15, 50, 10), 0);
    angle_->addButton(b.radio(kRad, QStringLiteral("&Rad"), 13, 27, 50, 10), 1);
    angle_->addButton(b.radio(kGrad, QStringLiteral("&Grad"), 13, 39, 50, 10), 2);

    b.group(-1, QStringLiteral("Number/Mode"), 72, 4, 70, 84);
    base_ = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
    } bases[] = {{kDecimal, "D&ecimal"},       {kBinary, "&Binary"},
                 {kOctal, "&Octal"},           {kHexadecimal, "&Hexadecimal"},
                 {kStatistics, "&Statistics"}, {kFinancialMode, "&Financial"}};
    for (int i = 0; i < 6; ++i)
        base_->addButton(
            b.radio(bases[i].id, QString::fromLatin1(bases[i].text), 78, 15 + 12 * i, 62, 10), i);

    b.group(-1, QStringLiteral("Display"), 147, 4, 60, 60);
    display_ = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
    } types[] = {{kNormal, "&Normal"},
                 {kFixed, "&Fixed"},
                 {kScientific, "&Scientific"},
                 {kFinancialDisplay, "F&inancial"}};
    for (int i = 0; i < 4; ++i)
        display_->addButton(
            b.radio(types[i].id, QString::fromLatin1(types[i].text), 153, 15 + 12 * i, 52, 10), i);
    b.label(-1, QStringLiteral("Digits"), 149, 72, 24, 8);
    digits_ = b.edit(kDigitsEdit, 175, 70, 32, 12);

    b.button(kFontButton, QStringLiteral("Font"), 7, 60, 60, 14);
    b.button(kBackgroundButton, QStringLiteral("Background"), 7, 77, 60, 14);
    b.button(kBodyButton, QStringLiteral("Body"), 7, 94, 60, 14);

    autoPowerOff_ = b.check(kAutoPowerOff, QStringLiteral("&Auto Power Off"), 74, 94, 72, 10);
    sec_ = b.edit(kSecEdit, 149, 93, 40, 12);
    b.label(-1, QStringLiteral("sec"), 192, 95, 16, 8);
    bevel_ = b.check(kBevel, QStringLiteral("Bevel"), 74, 108, 40, 10);
    onTop_ = b.check(kAlwaysOnTop, QStringLiteral("Always on top"), 116, 108, 66, 10);
    beep_ = b.check(kErrorBeep, QStringLiteral("Error Beep"), 74, 120, 60, 10);

    auto* ok = b.okButton(212, 6, 50, 14);
    ok->setDefault(true);
    auto* cancel = b.cancelButton(212, 23, 50, 14);
    controls_ = b.controls();

    if (QAbstractButton* r = angle_->button(static_cast<int>(settings_.angle))) r->setChecked(true);
    if (QAbstractButton* r = base_->button(static_cast<int>(settings_.numberBase)))
        r->setChecked(true);
    if (QAbstractButton* r = display_->button(static_cast<int>(settings_.displayType)))
        r->setChecked(true);
    digits_->setText(QString::fromStdString(settings_.digitsText));
    sec_->setText(QString::fromStdString(settings_.apoTimeText));
    autoPowerOff_->setChecked(settings_.autoPowerOff);
    bevel_->setChecked(settings_.bodyBevel);
    onTop_->setChecked(settings_.alwaysOnTop);
    beep_->setChecked(settings_.errorBeep);

    chooseFont = [this](FontSpec& spec, Rgb& colour) {
        FontColourDialog dialog(chooserFontOf(spec, logicalDpiY()), toQColor(colour), this,
                                QString::fromStdString(spec.faceName));
        const QFont shown = dialog.selectedFont();  // as the chooser could show it
        if (dialog.exec() != QDialog::Accepted) return false;
        spec = chosenFontSpec(spec, shown, dialog.selectedFont(), logicalDpiY());
        colour = toRgb(dialog.selectedColour());
        return true;
    };
    chooseColour = [this](Rgb& colour, const QString& title) {
        const QColor chosen = QColorDialog::getColor(toQColor(colour), this, title);
        if (!chosen.isValid()) return false;
        colour = toRgb(chosen);
        return true;
    };

    connect(ok, &QPushButton::clicked, this, &ModeDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(qobject_cast<QPushButton*>(controls_[kFontButton]), &QPushButton::clicked, this,
            &ModeDialog::fontClicked);
    connect(qobject_cast<QPushButton*>(controls_[kBackgroundButton]), &QPushButton::clicked, this,
            [this] { colourClicked(backColour_, QStringLiteral("Background")); });
    connect(qobject_cast<QPushButton*>(controls_[kBodyButton]), &QPushButton::clicked, this,
            [this] { colourClicked(bodyColour_, QStringLiteral("Body")); });
}

QWidget* ModeDialog::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void ModeDialog::fontClicked() {
    // The chosen font goes straight into the window's display font; the
    // colour only into this dialog's copy.
    FontSpec scratch;
    FontSpec& spec = settings_.displayFontSpec ? *settings_.displayFontSpec : scratch;
    FontSpec chosen = spec;
    Rgb colour = textColour_;
    if (!chooseFont(chosen, colour)) return;
    spec = chosen;
    textColour_ = colour;
}

void ModeDialog::colourClicked(Rgb& colour, const QString& title) {
    Rgb chosen = colour;
    if (chooseColour(chosen, title)) colour = chosen;
}

void ModeDialog::okClicked() {
    ModeSettings edited = settings_;
    edited.angle = static_cast<AngleChoice>(std::max(angle_->checkedId(), 0));
    edited.numberBase = static_cast<NumberBase>(std::max(base_->checkedId(), 0));
    edited.displayType = static_cast<DisplayType>(std::max(display_->checkedId(), 0));
    edited.digitsText = digits_->text().toStdString();
    edited.autoPowerOff = autoPowerOff_->isChecked();
    edited.apoTimeText = sec_->text().toStdString();
    edited.bodyBevel = bevel_->isChecked();
    edited.alwaysOnTop = onTop_->isChecked();
    edited.errorBeep = beep_->isChecked();
    edited.textColour = textColour_;
    edited.backColour = backColour_;
    edited.bodyColour = bodyColour_;
    if (auto problem = validateModeSettings(edited)) {
        showFieldMessage(this, QString::fromStdString(problem->message));
        QLineEdit* field = problem->field == ModeField::Digits ? digits_ : sec_;
        field->setFocus();
        field->selectAll();
        return;
    }
    settings_ = edited;
    accept();
}

bool ModeDialog::run() {
    return exec() == QDialog::Accepted;
}

}  // namespace zentra
