// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form1.h"

#include "windows/look.h"
#include "windows/tile.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

Form1::Form1() : Form(Qt::WindowMinimizeButtonHint)
{
    setWindowTitle(tr("Tolva Bingo"));

    auto* menuBar = new QMenuBar(this);
    QMenu* game = menuBar->addMenu(tr("Game"));
    mnuNewGame = game->addAction(tr("New Game"));
    mnuNewCards = game->addAction(tr("New Cards"));
    game->addSeparator();
    mnuHallofFame = game->addAction(tr("Hall of Fame"));
    game->addSeparator();
    mnuExit = game->addAction(tr("Exit"));
    QMenu* windows = menuBar->addMenu(tr("Windows"));
    mnurinfo = windows->addAction(tr("Reopen Info Window"));
    mnurcards = windows->addAction(tr("Reopen Cards Table Window"));

    client = new QWidget(this);
    client->setFixedSize(px(5805), px(2295));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);

    const QColor labelBack = menuBarColour();
    Label3 = makeLabel(client, tr("Tolva BINGO"), twipsRect(1680, 0, 2475, 435),
                       sansFont(18, true), false, Qt::AlignCenter);
    setBackground(Label3, labelBack);

    static const char* const letters[] = {"B", "I", "N", "G", "O"};
    for (int i = 0; i < 5; ++i) {
        Label2[i] = makeLabel(client, QLatin1String(letters[i]), twipsRect(120, 480 + 360 * i, 0, 0),
                              sansFont(9.75, true), true);
        setBackground(Label2[i], labelBack);
    }

    const QFont tileFont = sansFont(8.25);
    const QFontMetrics metrics(tileFont);
    for (int i = 0; i < 75; ++i) {
        const int row = i / 15, column = i % 15;
        const QString number = QString::number(i + 1);
        // The number label sits at the top-left corner of the tile, inside its border,
        // sized to its text.
        const QRect label(1, 1, metrics.horizontalAdvance(number) + 1, metrics.height());
        Picture1[i] = new Tile(client, twipsRect(360 + 360 * column, 480 + 360 * row, 255, 255), label,
                               tileFont, Qt::AlignLeft | Qt::AlignTop);
        Picture1[i]->setText(number);
        Picture1[i]->setSpeech(QString(), tr("called"), tr("not called"));
    }

    const QRect buttonPlace = twipsRect(4320, 0, 1095, 375);
    Command1 = new QPushButton(tr("Pause"), client);
    Command1->setGeometry(twipsRect(360, 0, 1095, 375));
    Command2 = new QPushButton(tr("UnPause"), client);
    Command2->setGeometry(buttonPlace);
    Command3 = new QPushButton(tr("Start"), client);
    Command3->setGeometry(buttonPlace);
    for (QPushButton* button : {Command1, Command2, Command3})
        button->setFont(sansFont(8.25));
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    setStartVisible(true);

    // The client area is the board below the menu bar; the window grows by the bar.
    const int barHeight = menuBar->sizeHint().height();
    setFixedSize(client->width(), client->height() + barHeight);
    placeClientAt(px(1155), px(1770) - barHeight);
}

void Form1::setStartVisible(bool visible)
{
    // UnPause keeps its enabled state underneath; hidden, it takes neither clicks nor focus.
    Command3->setVisible(visible);
    Command2->setVisible(!visible);
    if (visible)
        Command3->raise();
}
