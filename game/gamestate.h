// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game data: one instance for the whole run, belonging to no window, so closing and
// reopening a window loses nothing. Windows are repainted from it.

#include "cards/cardmodel.h"

#include <QString>
#include <cstdint>

struct GameState {
    int GIP = 0;                         // 1 once Start is pressed in this game
    int CallCount = 0;                   // calls made in this game, 0 to 75
    cards::NumberTable CalledNumbers{};  // [1..75]: 1 = called in this game
    int CurrentNumber = 0;               // the latest call; 0 stands for "no call yet"
    QString CurrentLetter;               // "B " ... "O ", or empty
    int Credits = 0;                     // shown only; always 100 once a game is dealt
    int CardsWindowOpen = 0;             // 1 = cards table loaded, 2 = unloaded
    int InfoWindowOpen = 0;              // 1 = info window loaded, 2 = unloaded
    cards::CardModel cards;              // CardNumbers and CardMarks

    // The letter and its blank followed by the number, without leading zeros.
    QString callText() const;
};

// "B " for 1 to 15, ..., "O " for 61 to 75.
QString letterText(int number);

// Colours are given as 0x00BBGGRR literals; this turns one into 0xAARRGGBB, the layout
// QColor takes.
using Colour = std::uint32_t;
Colour colourFromLiteral(const char* literal);

extern const Colour NotCalledColour;  // pure blue: not called, no chip
extern const Colour CalledColour;     // pure red: called, chip placed
