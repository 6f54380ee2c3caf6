// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/controller.h"

#include "announcer/mediacontrol.h"
#include "announcer/playcallsound.h"

#include <QCoreApplication>

namespace texts {
QString GameInProgress() { return QCoreApplication::translate("Game", "Game In Progress"); }
QString GameNotRunning() { return QCoreApplication::translate("Game", "Game Not Running"); }
QString NewCardsRefused()
{
    return QCoreApplication::translate(
        "Game", "Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.");
}
QString WindowOpenAlready() { return QCoreApplication::translate("Game", "Sorry that window is open already"); }
QString Congratulations() { return QCoreApplication::translate("Game", "Congradulations you got a BINGO!"); }
}  // namespace texts

Controller::Controller(GameState& state, Screen& screen, Generator& generator)
    : m_state(state), m_screen(screen), m_generator(generator)
{
}

void Controller::FormLoad()
{
    m_screen.show(Window::CardsTable);
    m_screen.show(Window::Info);
    NewBingoGame();
    if (MediaControl* control = m_screen.mediaControl())
        control->setCommand(QStringLiteral("open"));
}

void Controller::NewBingoGame()
{
    SetBingoColors();
    m_state.GIP = 0;
    m_state.CallCount = 0;
    for (int card = 1; card <= cards::CardCount; ++card)
        newcards(card);
    ResetChips();
    m_state.CurrentNumber = 0;  // the letter stays: after a win the call text is "B " alone
    m_state.Credits = 100;
    m_screen.setStatus(texts::GameNotRunning());
    RefreshAll();
    m_screen.setStartVisible(true);
    m_screen.setPauseEnabled(false);
    m_screen.setCallTimer(false);
    // UnPause is left as it was, hidden under Start.
}

void Controller::Start()
{
    m_state.GIP = 1;
    m_screen.setStatus(texts::GameInProgress());
    m_screen.setPauseEnabled(true);
    m_screen.setUnPauseEnabled(false);
    m_screen.setStartVisible(false);
    m_screen.setCallTimer(true);
    PickNumber();
    RefreshAll();
    PlayCallSound(m_state.CurrentNumber);
}

void Controller::Pause()
{
    m_screen.setStatus(texts::GameNotRunning());
    m_screen.setPauseEnabled(false);
    m_screen.setUnPauseEnabled(true);
    m_screen.setCallTimer(false);
}

void Controller::UnPause()
{
    m_screen.setStatus(texts::GameInProgress());
    m_screen.setPauseEnabled(true);
    m_screen.setUnPauseEnabled(false);
    m_screen.setCallTimer(true);
}

void Controller::Tick()
{
    // Once all 75 numbers are out a tick has nothing to call: it draws, speaks and shows
    // nothing, and the game stays as it is until Pause, a claim or New Game.
    if (!PickNumber())
        return;
    PlayCallSound(m_state.CurrentNumber);
    RefreshAll();
}

void Controller::NewGame()
{
    m_state.CurrentLetter.clear();
    NewBingoGame();
}

void Controller::NewCards()
{
    if (m_state.GIP != 0) {
        m_screen.message(texts::NewCardsRefused());
        return;
    }
    for (int card = 1; card <= cards::CardCount; ++card)
        newcards(card);
    RefreshAll();
}

void Controller::reopen(int openFlag, Window window)
{
    if (openFlag == 1) {
        m_screen.message(texts::WindowOpenAlready());
    } else if (openFlag == 2) {
        m_screen.show(window);
        RefreshAll();
    }
}

void Controller::ReopenInfo()
{
    reopen(m_state.InfoWindowOpen, Window::Info);
}

void Controller::ReopenCards()
{
    reopen(m_state.CardsWindowOpen, Window::CardsTable);
}

void Controller::GIPSafety()
{
    if (m_state.GIP == 1)
        m_screen.show(Window::ExitDialog);
}

bool Controller::PickNumber()
{
    bool anyLeft = false;
    for (int n = 1; n <= cards::NumberCount && !anyLeft; ++n)
        anyLeft = m_state.CalledNumbers[n] == 0;
    if (!anyLeft)
        return false;

    int candidate;
    do {
        candidate = cards::wholeNumberIn(1, cards::NumberCount, m_generator.reseededFraction());
    } while (m_state.CalledNumbers[candidate] != 0);

    m_state.CallCount += 1;
    m_screen.setCount(m_state.CallCount);
    m_state.CalledNumbers[candidate] = 1;
    m_state.CurrentNumber = candidate;
    m_state.CurrentLetter = letterText(candidate);
    m_screen.setCallText(m_state.callText());
    return true;
}

void Controller::ResetChips()
{
    m_state.CalledNumbers.fill(0);
}

void Controller::newcards(int card)
{
    cards::newcards(m_state.cards, card, [this] { return m_generator.reseededFraction(); });
}

void Controller::SetBingoColors()
{
    for (int i = 0; i < cards::NumberCount; ++i)
        m_screen.setTileColour(i, NotCalledColour);
}

void Controller::RefreshAll()
{
    m_screen.setCount(m_state.CallCount);
    m_screen.setCredits(m_state.Credits);
    m_screen.setCallText(m_state.callText());
    for (int n = 1; n <= cards::NumberCount; ++n)
        m_screen.setTileColour(n - 1, m_state.CalledNumbers[n] == 1 ? CalledColour : NotCalledColour);

    // The cards table: first every number, then every chip.
    const auto& model = m_state.cards;
    for (int cell = 1; cell <= cards::CellCount; ++cell)
        for (int card = 1; card <= cards::CardCount; ++card)
            m_screen.setCellNumber(card, cell - 1, model.CardNumbers[card][cell]);
    for (int cell = 1; cell <= cards::CellCount; ++cell)
        for (int card = 1; card <= cards::CardCount; ++card)
            m_screen.setCellColour(card, cell - 1,
                                   model.CardMarks[card][cell] == 1 ? CalledColour : NotCalledColour);
}

void Controller::PlayCallSound(int number)
{
    ::PlayCallSound(number, m_screen.mediaControl());
}

void Controller::CellClick(int card, int index)
{
    const int mark = cards::markCell(m_state.cards, card, index + 1, m_state.CalledNumbers);
    if (mark >= 0)
        m_screen.setCellColour(card, index, mark == 1 ? CalledColour : NotCalledColour);
}

void Controller::Claim(int card)
{
    // The claim halts the calling exactly as Pause does, whatever state the game is in.
    Pause();
    CheckCardForBingo(card);
}

void Controller::CheckCardForBingo(int card)  // 1 to 4, from the claim buttons
{
    if (cards::firstCompletePattern(m_state.cards.CardMarks[card]) != 0)
        BingoWon();
}

void Controller::BingoWon()
{
    // The call timer is already off: no number is drawn while the message is up.
    m_screen.message(texts::Congratulations());
    NewBingoGame();
}
