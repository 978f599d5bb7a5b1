#include "shell/dialogs/dialog_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "base/message_texts.h"
#include "shell/window_place.h"

namespace zentra {

QRect DialogUnits::map(int left, int top, int width, int height) const {
    return {qRound(left * x), qRound(top * y), qRound(width * x), qRound(height * y)};
}

DialogUnits dialogUnitsOf(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average =
        metrics.horizontalAdvance(alphabet) / static_cast<double>(alphabet.size());
    return {average / 4.0, metrics.height() / 8.0};
}

namespace {

// Places its dialog as it is shown, before the desktop maps it.
class OwnerCentring : public QObject {
public:
    explicit OwnerCentring(QDialog* dialog) : QObject(dialog), dialog_(dialog) {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show && !event->spontaneous()) place();
        return QObject::eventFilter(watched, event);
    }

private:
    void place() {
        QWidget* owner = dialog_->parentWidget() ? dialog_->parentWidget()->window() : nullptr;
        if (!owner || !owner->isVisible()) return;  // the desktop's own place then
        const QScreen* screen = owner->screen();
        if (!screen) return;
        // The dialog's frame is not known before it is mapped: the owner's is
        // the best guess of what the desktop adds.
        const QSize frame = owner->frameGeometry().size() - owner->size();
        dialog_->move(centredPlace(owner->frameGeometry(), dialog_->size() + frame,
                                   screen->availableGeometry()));
    }

    QDialog* dialog_;
};

}  // namespace

void centreOnOwner(QDialog* dialog) {
    new OwnerCentring(dialog);
}

void nameField(QWidget* field, const QString& name, const QString& labelText) {
    if (!field || !field->parentWidget()) return;
    field->setAccessibleName(name);
    if (!labelText.isEmpty()) {
        for (QLabel* label :
             field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->text() == labelText) label->setBuddy(field);
    } else if (qobject_cast<QComboBox*>(field)) {
        // On the Linux desktop a list's name is its current entry; what it is
        // for comes from a label. The group box above it is none: a hidden
        // label carries the name.
        auto* label = new QLabel(name, field->parentWidget());
        label->hide();
        label->setBuddy(field);
    }
}

QFont templateFont(int pointSize) {
    QFont font(QString::fromLatin1(kTemplateFace), pointSize);
    // Latin text needs no OpenType shaping; without it the face's layout
    // tables are never read, and text sets without pair kerning, as classic
    // desktop dialogs do.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    return font;
}

DialogBuilder::DialogBuilder(QDialog* dialog, const QFont& font, int widthDu, int heightDu,
                             const QString& title)
    : dialog_(dialog), units_(dialogUnitsOf(font)) {
    dialog_->setFont(font);
    dialog_->setWindowTitle(title);
    dialog_->setFixedSize(units_.map(0, 0, widthDu, heightDu).size());
    centreOnOwner(dialog_);
}

template <class W>
W* DialogBuilder::place(W* widget, int id, int x, int y, int w, int h) {
    widget->setGeometry(units_.map(x, y, w, h));
    if (id >= 0) {
        widget->setObjectName(QStringLiteral("c%1").arg(id));
        controls_[id] = widget;
    }
    return widget;
}

QPushButton* DialogBuilder::button(int id, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, dialog_);
    b->setAutoDefault(false);
    return place(b, id, x, y, w, h);
}

QPushButton* DialogBuilder::okButton(int x, int y, int w, int h) {
    return button(1, QStringLiteral("OK"), x, y, w, h);
}

QPushButton* DialogBuilder::cancelButton(int x, int y, int w, int h) {
    return button(2, QStringLiteral("Cancel"), x, y, w, h);
}

QLineEdit* DialogBuilder::edit(int id, int x, int y, int w, int h) {
    return place(new QLineEdit(dialog_), id, x, y, w, h);
}

QLabel* DialogBuilder::label(int id, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, dialog_);
    l->setWordWrap(text.contains(QLatin1Char('\n')));
    return place(l, id, x, y, w, h);
}

QGroupBox* DialogBuilder::group(int id, const QString& text, int x, int y, int w, int h) {
    auto* g = new QGroupBox(text, dialog_);
    g->lower();  // behind the controls placed over it
    return place(g, id, x, y, w, h);
}

QComboBox* DialogBuilder::list(int id, int x, int y, int w, int h) {
    return place(new QComboBox(dialog_), id, x, y, w, h);
}

QRadioButton* DialogBuilder::radio(int id, const QString& text, int x, int y, int w, int h) {
    return place(new QRadioButton(text, dialog_), id, x, y, w, h);
}

QCheckBox* DialogBuilder::check(int id, const QString& text, int x, int y, int w, int h) {
    return place(new QCheckBox(text, dialog_), id, x, y, w, h);
}

void showFieldMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace zentra
