// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program, presses Start once it is up, and ends one second later. The voice
// test listens to it.
#include "windows/bingo.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Bingo bingo;
    bingo.start();
    QTimer::singleShot(300, [&] { bingo.mainWindow()->Command3->click(); });
    QTimer::singleShot(1300, &app, &QApplication::quit);
    return app.exec();
}
