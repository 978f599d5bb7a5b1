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
    FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr);
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
