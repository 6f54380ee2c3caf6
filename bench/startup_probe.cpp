// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up as the player gets it, ended as soon as the event loop runs: by then
// the three windows are shown and the first game is dealt. startup.sh times it.
#include "windows/bingo.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Bingo bingo;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    bingo.start();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
