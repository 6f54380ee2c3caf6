// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt program with the game's three windows as the window
// system sees them (titles, the main window's menu bar, client sizes and places), empty.
#include "first_paint.h"

#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolva Bingo"));
    FirstPaint firstPaint;
    QWidget main, cards, info;
    auto* bar = new QMenuBar(&main);
    bar->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("New Game"));
    bar->addMenu(QStringLiteral("Windows"))->addAction(QStringLiteral("Reopen Info Window"));
    const int barHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, 387, barHeight);
    const std::tuple<QWidget*, const char*, QRect> windows[] = {
        {&main, "Tolva Bingo v1.0.22", {77, 118 - barHeight, 387, 153 + barHeight}},
        {&cards, "Tolva BINGO Cards Table", {77, 298, 546, 195}},
        {&info, "Info", {472, 99, 151, 172}}};
    for (const auto& [window, title, place] : windows) {
        window->setWindowTitle(QString::fromLatin1(title));
        window->setGeometry(place);
        window->setFixedSize(place.size());
    }
    cards.show();
    info.show();
    main.show();
    return app.exec();
}
