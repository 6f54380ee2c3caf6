// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt program that shows three empty windows of the game
// windows' sizes, ended as soon as the event loop runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget main, cards, info;
    main.setFixedSize(387, 153 + 24);
    cards.setFixedSize(546, 195);
    info.setFixedSize(151, 172);
    cards.show();
    info.show();
    main.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
