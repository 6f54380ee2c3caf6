// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form3.h"

#include "windows/look.h"
#include "windows/tile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Form3::Form3()
{
    setWindowTitle(tr("Tolva BINGO Cards Table"));
    setClientSize(px(8190), px(2925));
    placeClientAt(px(1155), px(4470));
    setBackground(this, menuBarColour());

    static const int bases[] = {120, 2160, 4200, 6240};
    static const char* const letters[] = {"B", "I", "N", "G", "O"};
    const QFont numberFont = sansFont(12);
    const QFont letterFont = sansFont(12, true);

    for (int card = 1; card <= 4; ++card) {
        const int base = bases[card - 1];
        for (int index = 0; index < 25; ++index) {
            const int column = index / 5, row = index % 5;
            // The number label lies inside the box's border; card 1's stands one pixel further right.
            const QRect label(card == 1 ? 2 : 1, 1, px(270), px(300));
            Tile* tile = new Tile(this, twipsRect(base + 360 * column, 480 + 360 * row, 375, 375), label,
                                  numberFont, Qt::AlignCenter);
            tile->setText(QStringLiteral("00"));
            tile->setSpeech(tr("Card %1, ").arg(card), tr("chip"), tr("no chip"));
            tile->setKeyboardPlay(true);
            connect(tile, &Tile::labelClicked, this, [this, card, index] { emit cellClicked(card, index); });
            m_cells[card - 1][index] = tile;
        }
        for (int column = 0; column < 5; ++column) {
            // Over card 4 the indices run backwards, from "O" at 15 to "B" at 19.
            const int index = card < 4 ? (card - 1) * 5 + column : 19 - column;
            Label1[index] = makeLabel(this, QLatin1String(letters[column]),
                                      twipsRect(base + 120 + 360 * column, 120, 0, 0), letterFont, true);
        }
        auto* button = new QPushButton(tr("B I N G O"), this);
        button->setFont(sansFont(8.25));
        button->setGeometry(twipsRect(240 + 2040 * (card - 1), 2400, 1575, 375));
        button->setAccessibleName(tr("B I N G O, claim card %1").arg(card));
        connect(button, &QPushButton::clicked, this, [this, card] { emit claimed(card); });
        m_claim[card - 1] = button;
    }
}

void Form3::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys walk the cells: up and down a column, left and right along a row and
    // on into the next card.
    int card = 0, index = 0;
    for (int c = 1; c <= 4 && !card; ++c)
        for (int i = 0; i < 25; ++i)
            if (m_cells[c - 1][i]->hasFocus()) {
                card = c;
                index = i;
                break;
            }
    if (!card) {
        Form::keyPressEvent(event);
        return;
    }
    int column = (card - 1) * 5 + index / 5, row = index % 5;
    switch (event->key()) {
    case Qt::Key_Up: row = (row + 4) % 5; break;
    case Qt::Key_Down: row = (row + 1) % 5; break;
    case Qt::Key_Left: column = (column + 19) % 20; break;
    case Qt::Key_Right: column = (column + 1) % 20; break;
    default: Form::keyPressEvent(event); return;
    }
    m_cells[column / 5][(column % 5) * 5 + row]->setFocus(Qt::TabFocusReason);
}
