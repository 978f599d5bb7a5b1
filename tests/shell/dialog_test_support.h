#pragma once
// Answering dialogs that open modally: a timer looks for the first visible
// top-level widget of a type and hands it to the test's function, once.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace zentra::testing {

template <class Dialog>
void whenShown(std::function<void(Dialog*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            if (dialog && dialog->isVisible()) {
                timer->deleteLater();
                timer->stop();
                act(dialog);
                return;
            }
        }
        if (++*tries > 300) timer->deleteLater();
    });
    timer->start(10);
}

}  // namespace zentra::testing
