#pragma once
// The Calculator Mode dialog's Font chooser: a font chooser with underline and
// strike-out together with the text colour.

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

namespace zentra {

class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    // storedFace: the face the description names, when the desktop may show another.
    FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr,
                     const QString& storedFace = QString());
    QFont selectedFont() const;
    QColor selectedColour() const { return colour_; }
    void setSelectedColour(const QColor& colour);
    QFontDialog* fontChooser() const { return chooser_; }
    QPushButton* colourButton() const { return colourButton_; }

private:
    QFontDialog* chooser_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QColor colour_;
};

}  // namespace zentra
