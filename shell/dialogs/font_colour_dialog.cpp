#include "shell/dialogs/font_colour_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
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

FontColourDialog::FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent)
    : QDialog(parent), colour_(colour) {
    setWindowTitle(QStringLiteral("Font"));
    auto* layout = new QVBoxLayout(this);
    chooser_ = new QFontDialog(font, this);
    chooser_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    chooser_->setWindowFlags(Qt::Widget);
    layout->addWidget(chooser_);
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
