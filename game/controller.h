// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's procedures: start-up, the game's buttons and menus, the call tick, the
// draw, the board refresh, the deal, chip clicks and claims. Everything runs on the
// user-interface thread, one handler at a time.

#include "game/gamestate.h"
#include "game/random.h"
#include "game/screen.h"

class Controller {
public:
    Controller(GameState& state, Screen& screen, Generator& generator);

    // Handlers, named after what triggers them.
    void FormLoad();              // the main window's load, after its caption is set
    void Start();                 // Command3 "Start"
    void Pause();                 // Command1 "Pause"
    void UnPause();               // Command2 "UnPause"
    void Tick();                  // Timer1 of the info window
    void NewGame();               // Game > New Game
    void NewCards();              // Game > New Cards
    void ReopenInfo();            // Windows > Reopen Info Window
    void ReopenCards();           // Windows > Reopen Cards Table Window
    void GIPSafety();             // Game > Exit
    void CellClick(int card, int index);  // a number label of card 1-4, index 0-24
    void Claim(int card);         // the "B I N G O" button under card 1-4

    // Procedures.
    void NewBingoGame();
    // Draws one number not yet called. Returns false, changing nothing, when all 75 are called.
    bool PickNumber();
    void ResetChips();
    void newcards(int card);
    void SetBingoColors();
    void RefreshAll();
    void PlayCallSound(int number);
    void CheckCardForBingo(int card);
    void BingoWon();

private:
    void reopen(int openFlag, Window window);

    GameState& m_state;
    Screen& m_screen;
    Generator& m_generator;
};

// The texts the game shows, in the player's language.
namespace texts {
QString GameInProgress();
QString GameNotRunning();
QString NewCardsRefused();
QString WindowOpenAlready();
QString Congratulations();
}  // namespace texts
