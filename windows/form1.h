// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the title, the board of 75 tiles, Start / Pause / UnPause and the menus.

#include "windows/form.h"

#include <array>

class QAction;
class QLabel;
class QPushButton;
class Tile;

class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    QWidget* client;                  // the client area, below the menu bar
    QLabel* Label3;                   // the title "Tolva BINGO"
    QPushButton* Command1;            // Pause
    QPushButton* Command2;            // UnPause, under Start
    QPushButton* Command3;            // Start
    std::array<QLabel*, 5> Label2;    // letter headers B I N G O
    std::array<Tile*, 75> Picture1;   // tile i shows number i + 1

    QAction* mnuNewGame;
    QAction* mnuNewCards;
    QAction* mnuHallofFame;
    QAction* mnuExit;
    QAction* mnurinfo;
    QAction* mnurcards;

    // Start lies above UnPause: while it is visible, UnPause can be neither seen nor pressed.
    void setStartVisible(bool visible);
};
