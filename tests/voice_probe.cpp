// Runs the real program, presses Start once it is up, and ends one second later; it
// prints "message" if any message box came up meanwhile. The voice test listens to it.
#include "windows/bingo.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Bingo bingo;
    bingo.start();
    bool sawMessage = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { sawMessage = sawMessage || QApplication::activeModalWidget(); });
    watch.start(20);
    QTimer::singleShot(300, [&] {
        bingo.mainWindow()->Command3->click();
        QTimer::singleShot(1000, &app, &QApplication::quit);
    });
    app.exec();
    std::puts(sawMessage ? "message" : "no message");
    return 0;
}
