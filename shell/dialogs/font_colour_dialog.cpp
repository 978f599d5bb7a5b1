#include "shell/dialogs/font_colour_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

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

}  // namespace zentra
