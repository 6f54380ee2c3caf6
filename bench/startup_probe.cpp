// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up as the player gets it, up to its three windows painted on the display.
// startup.sh runs it against bare_windows.
#include "first_paint.h"
#include "windows/bingo.h"
#include "windows/desktop.h"
#include "windows/language.h"
#include "windows/look.h"

#include <QIcon>

int main(int argc, char* argv[])
{
    desktop::prepare();
    FontsAhead fonts;
    QApplication app(argc, argv);
    fonts.wait();
    desktop::identify();
    language::useSystemLanguage();
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint firstPaint;
    Bingo bingo;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    bingo.start();
    return app.exec();
}
