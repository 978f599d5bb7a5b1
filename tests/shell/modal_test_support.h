#pragma once
// Acting on a window that opens modally: a timer looks for the first visible
// top-level widget of a type and hands it to the test's function, once.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace zentra::testing {

// Gives up after three seconds. The timer stops before the function runs, so
// the function may open a further modal window of its own.
template <class Modal>
void whenShown(std::function<void(Modal*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* modal = qobject_cast<Modal*>(widget);
            if (modal && modal->isVisible()) {
                timer->deleteLater();
                timer->stop();
                act(modal);
                return;
            }
        }
        if (++*tries > 300) timer->deleteLater();
    });
    timer->start(10);
}

// Clicks a button of the next message box that opens. Returns where the box's
// text will be written. A box without that button is closed unanswered, which
// the test sees as the wrong answer.
inline std::shared_ptr<QString> answerNextMessageBox(QMessageBox::StandardButton answer) {
    auto seen = std::make_shared<QString>();
    whenShown<QMessageBox>([answer, seen](QMessageBox* box) {
        *seen = box->text();
        if (QAbstractButton* button = box->button(answer)) {
            button->click();
        } else {
            box->reject();
        }
    });
    return seen;
}

}  // namespace zentra::testing
