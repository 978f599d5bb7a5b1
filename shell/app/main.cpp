// zentra: the calculator window.

#include <QApplication>

#include "shell/zentra_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zentra::ZentraApp zentra;
    int exitCode = 0;
    if (zentra.initInstance(zentra::parseLaunchOptions(QApplication::arguments())))
        exitCode = zentra.runMessageLoop();
    return zentra.exitInstance(exitCode);
}
