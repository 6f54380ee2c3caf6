// SPDX-License-Identifier: GPL-3.0-or-later
// Tolva Bingo: starts the program and runs it until the main window is closed.
#include "windows/bingo.h"
#include "windows/desktop.h"
#include "windows/language.h"
#include "windows/look.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

int main(int argc, char* argv[])
{
    // Under a file-size limit a write fails and says so, rather than ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    desktop::prepare();
    FontsAhead fonts;
    QApplication app(argc, argv);
    fonts.wait();
    desktop::identify();
    language::useSystemLanguage();
    // The game windows hide behind the hall of fame; the program ends with the main window only.
    QApplication::setQuitOnLastWindowClosed(false);

    Bingo bingo;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    QObject::connect(&bingo, &Bingo::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    bingo.start();
    return app.exec();
}
