#include "shell/dialogs/model_dialog.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QStringListModel>
#include <vector>

#include "shell/appearance.h"
#include "shell/dialogs/font_colour_dialog.h"
#include "shell/dialogs/name_find_dialogs.h"
#include "shell/qt_text.h"
#include "units/prp_file.h"

namespace zentra {
namespace {

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString fileDialogFilter() {
    return QStringLiteral("Properties (*.prp);;All Files (*)");
}

}  // namespace

ModelDialog::ModelDialog(DialogModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    colourChooser = [this](Rgb& colour, const QString& title) {
        const QColor chosen = QColorDialog::getColor(toQColor(colour), this, title);
        if (!chosen.isValid()) return false;
        colour = toRgb(chosen);
        return true;
    };
    fontChooser = [this](FontSpec& spec, Rgb& colour) {
        FontColourDialog dialog(chooserFontOf(spec, logicalDpiY()), toQColor(colour), this,
                                QString::fromStdString(spec.faceName));
        const QFont shown = dialog.selectedFont();  // as the chooser could show it
        if (dialog.exec() != QDialog::Accepted) return false;
        spec = chosenFontSpec(spec, shown, dialog.selectedFont(), logicalDpiY());
        colour = toRgb(dialog.selectedColour());
        return true;
    };
}

bool ModelDialog::run() {
    return exec() == QDialog::Accepted;
}

QWidget* ModelDialog::control(ControlId id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QComboBox* ModelDialog::list(ControlId id) const {
    return qobject_cast<QComboBox*>(control(id));
}

void ModelDialog::bindControls(std::map<int, QWidget*> controls) {
    controls_ = std::move(controls);
    for (auto& [id, widget] : controls_) {
        const ControlId cid = id;
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            box->setModel(new QStringListModel(box));
            // activated is the user's choice only, never a programmatic one.
            connect(box, &QComboBox::activated, this,
                    [this, cid] { model_.selectionChanged(*this, cid); });
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (cid == kIdOk) {
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, &ModelDialog::okClicked);
            } else if (cid == kIdCancel) {
                connect(button, &QPushButton::clicked, this, [this] {
                    ending_ = true;
                    reject();
                });
            } else {
                connect(button, &QPushButton::clicked, this,
                        [this, cid] { model_.clicked(*this, cid); });
            }
        } else if (qobject_cast<QLineEdit*>(widget)) {
            widget->installEventFilter(this);
        }
    }
    model_.initialise(*this);
}

void ModelDialog::okClicked() {
    if (model_.accept(*this)) {
        ending_ = true;
        accept();
    }
}

void ModelDialog::endDialog() {
    ending_ = true;
    accept();
}

bool ModelDialog::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a field means the user moved on inside the dialog; switching to
    // another window or opening a list's popup does not count.
    const auto* focus =
        event->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(event) : nullptr;
    if (focus && focus->reason() != Qt::ActiveWindowFocusReason &&
        focus->reason() != Qt::PopupFocusReason && !ending_ && isVisible()) {
        for (auto& [id, widget] : controls_) {
            if (widget == watched && widget->isEnabled()) {
                // A message box the handler opens takes the focus again; one
                // report per time the user leaves the field.
                const ControlId cid = id;
                ending_ = true;
                model_.fieldLeft(*this, cid);
                ending_ = false;
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- DialogView ---------------------------------------------------------------

void ModelDialog::setTitle(std::string_view title) {
    setWindowTitle(fromUtf8(title));
}

void ModelDialog::clearList(ControlId id) {
    if (QComboBox* box = list(id)) box->clear();
    listItems_[id].clear();
}

void ModelDialog::addListItem(ControlId id, std::string_view text) {
    QComboBox* box = list(id);
    if (!box) return;
    const bool hadSelection = box->currentIndex() >= 0;
    const std::size_t at = listItems_[id].add(text);
    box->insertItem(static_cast<int>(at), fromUtf8(text));
    // A combo box selects its first entry by itself; the list's selection
    // changes only when the model says so.
    if (!hadSelection) box->setCurrentIndex(-1);
}

void ModelDialog::addListItems(ControlId id, const std::vector<std::string_view>& names) {
    QComboBox* box = list(id);
    if (!box) return;
    SortedList& items = listItems_[id];
    const int current = box->currentIndex();
    items.selectIndex(current >= 0 ? std::optional(static_cast<std::size_t>(current))
                                   : std::nullopt);
    items.addAll(names);
    QStringList all;
    all.reserve(static_cast<qsizetype>(items.items().size()));
    for (const std::string& item : items.items()) all.push_back(fromUtf8(item));
    // One insertion of the sorted whole: item by item would move the entries
    // behind each one again.
    entriesOf(box)->setStringList(all);
    const auto selected = items.selectedIndex();
    box->setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
}

void ModelDialog::copyList(ControlId from, ControlId to) {
    QComboBox* source = list(from);
    QComboBox* target = list(to);
    if (!source || !target) return;
    listItems_[to] = listItems_[from];
    listItems_[to].selectIndex(std::nullopt);
    // The texts are shared, not copied.
    entriesOf(target)->setStringList(entriesOf(source)->stringList());
    target->setCurrentIndex(-1);
}

QStringListModel* ModelDialog::entriesOf(QComboBox* box) {
    return static_cast<QStringListModel*>(box->model());
}

void ModelDialog::selectListString(ControlId id, std::string_view text) {
    QComboBox* box = list(id);
    if (!box) return;
    if (auto index = selectStringIndex(listItems_[id].items(), text))
        box->setCurrentIndex(static_cast<int>(*index));
}

void ModelDialog::selectFirstListItem(ControlId id) {
    if (QComboBox* box = list(id); box && box->count() > 0) box->setCurrentIndex(0);
}

std::optional<std::string> ModelDialog::selectedListText(ControlId id) {
    QComboBox* box = list(id);
    if (!box || box->currentIndex() < 0) return std::nullopt;
    return toUtf8(box->currentText());
}

void ModelDialog::setEnabled(ControlId id, bool enabled) {
    if (QWidget* w = control(id)) w->setEnabled(enabled);
}

void ModelDialog::setVisible(ControlId id, bool visible) {
    if (QWidget* w = control(id)) w->setVisible(visible);
}

void ModelDialog::setText(ControlId id, std::string_view text) {
    QWidget* w = control(id);
    const QString value = fromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(value);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(value);
    }
}

std::string ModelDialog::text(ControlId id) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) return toUtf8(edit->text());
    return {};
}

void ModelDialog::setFocus(ControlId id) {
    QWidget* w = control(id);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void ModelDialog::setChecked(ControlId id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(id))) button->setChecked(checked);
}

bool ModelDialog::isChecked(ControlId id) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

bool ModelDialog::chooseColour(Rgb& colour, std::string_view title) {
    return colourChooser(colour, fromUtf8(title));
}

bool ModelDialog::chooseFont(FontSpec& font, Rgb& colour) {
    return fontChooser(font, colour);
}

void ModelDialog::showMessage(std::string_view text) {
    showFieldMessage(this, fromUtf8(text));
}

bool ModelDialog::askYesNo(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Question, fromUtf8(caption), fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

bool ModelDialog::runNameDialog(NameDialogModel& model) {
    NameDialog dialog(model, this);
    return dialog.run();
}

bool ModelDialog::runFindDialog(FindDialogModel& model) {
    FindDialog dialog(model, this);
    return dialog.run();
}

std::optional<std::string> ModelDialog::chooseSaveFile() {
    QFileDialog dialog(this, QString(), QString(), fileDialogFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("prp"));
    dialog.selectFile(QString::fromLatin1(kUserDatabaseFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> ModelDialog::chooseLoadFile() {
    QFileDialog dialog(this, QString(), QString(), fileDialogFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("prp"));
    dialog.selectFile(QString::fromLatin1(kUserDatabaseFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace zentra
