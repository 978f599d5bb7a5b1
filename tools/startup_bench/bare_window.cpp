// The yardstick for zentra's start-up: a plain Qt window with the calculator's
// display and 44 keys in the same places, and nothing else.

#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/key_layout.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), 9));
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double ux =
        metrics.horizontalAdvance(alphabet) / static_cast<double>(alphabet.size()) / 4.0;
    const double uy = metrics.height() / 8.0;
    const auto map = [&](int x, int y, int w, int h) {
        return QRect(qRound(x * ux), qRound(y * uy), qRound(w * ux), qRound(h * uy));
    };

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(map(0, 0, zentra::kWindowWidthDu, zentra::kWindowHeightDu).size());
    const zentra::DialogRect& d = zentra::kDisplayPlace;
    (new QLineEdit(QStringLiteral("0"), &window))->setGeometry(map(d.x, d.y, d.width, d.height));
    for (const zentra::KeyPlace& key : zentra::kKeypad) {
        // A caption of typical length; the real ones come from the engine.
        auto* button = new QPushButton(QStringLiteral("sin"), &window);
        button->setGeometry(map(key.x, key.y, key.width, key.height));
    }
    window.show();
    return QApplication::exec();
}
