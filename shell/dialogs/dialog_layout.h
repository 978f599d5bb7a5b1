#pragma once
// Dialog layouts in dialog units: a quarter of the dialog font's average
// character width across and an eighth of its height down, so every dialog
// scales with its font and the screen.

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>
#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentra {

struct DialogUnits {
    double x = 1.0;
    double y = 1.0;
    QRect map(int left, int top, int width, int height) const;
};

// Dialog units of a font as its metrics give them.
DialogUnits dialogUnitsOf(const QFont& font);

// The templates' face: the font system substitutes a metric-compatible face
// where it is not installed.
inline constexpr const char* kTemplateFace = "Arial";
// The templates' face at a point size.
QFont templateFont(int pointSize);

// Places controls on a dialog by dialog units and remembers them by id.
class DialogBuilder {
public:
    DialogBuilder(QDialog* dialog, const QFont& font, int widthDu, int heightDu,
                  const QString& title);

    QPushButton* button(int id, const QString& text, int x, int y, int w, int h);
    // The dialogs' OK (id 1) and Cancel (id 2) buttons.
    QPushButton* okButton(int x, int y, int w, int h);
    QPushButton* cancelButton(int x, int y, int w, int h);
    QLineEdit* edit(int id, int x, int y, int w, int h);
    QLabel* label(int id, const QString& text, int x, int y, int w, int h);
    QGroupBox* group(int id, const QString& text, int x, int y, int w, int h);
    QComboBox* list(int id, int x, int y, int w, int h);
    QRadioButton* radio(int id, const QString& text, int x, int y, int w, int h);
    QCheckBox* check(int id, const QString& text, int x, int y, int w, int h);

    const DialogUnits& units() const { return units_; }
    // Controls by id; ids below 0 are not kept.
    std::map<int, QWidget*>& controls() { return controls_; }

private:
    template <class W>
    W* place(W* widget, int id, int x, int y, int w, int h);

    QDialog* dialog_;
    DialogUnits units_;
    std::map<int, QWidget*> controls_;
};

// Names a field for a screen reader. labelText, where given, is the text of
// the label beside it on the dialog, which becomes the field's buddy.
void nameField(QWidget* field, const QString& name, const QString& labelText = QString());

// Opens the dialog, each time it is shown, centred on the window that owns it
// and on that window's screen. DialogBuilder does this for its dialogs.
void centreOnOwner(QDialog* dialog);

// The application's message box for a refused field: warning icon, OK, the
// application title as caption.
void showFieldMessage(QWidget* owner, const QString& text);

}  // namespace zentra
