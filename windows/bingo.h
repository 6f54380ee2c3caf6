// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running program: the game data, the controller, and the six windows with their
// event wiring. Game code writes to a window only while it is loaded.

#include "game/controller.h"
#include "game/screen.h"
#include "halloffame/fame.h"
#include "windows/form.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"
#include "windows/form6.h"

#include <QElapsedTimer>
#include <QObject>

class Bingo : public QObject, public Screen {
    Q_OBJECT
public:
    Bingo();
    ~Bingo() override;

    // The program's start-up: loads and shows the main window, whose load shows the cards
    // table and the info window and deals the first game.
    void start();

    GameState& state() { return m_state; }
    Controller& controller() { return m_controller; }

    // The windows as they stand: null while not loaded.
    Form1* mainWindow() const { return m_main.get(); }
    Form2* exitDialog() const { return m_exitDialog.get(); }
    Form3* cardsTable() const { return m_cardsTable.get(); }
    Form4* info() const { return m_info.get(); }
    Form5* hallOfFame() const { return m_hallOfFame.get(); }
    Form6* nameEntry() const { return m_nameEntry.get(); }

    // Commands of the windows that touch no game data.
    void mnuHallofFame_Click();
    void showNameEntry();  // the info window's "man"
    void enterName();      // "Enter Me"
    void exitYes();
    void showGameWindows();

    // Screen
    void setStatus(const QString& text) override;
    void setCallText(const QString& text) override;
    void setCount(int count) override;
    void setCredits(int credits) override;
    void setCallTimer(bool on) override;
    MediaControl* mediaControl() override;
    void setStartVisible(bool visible) override;
    void setPauseEnabled(bool enabled) override;
    void setUnPauseEnabled(bool enabled) override;
    void setTileColour(int index, Colour colour) override;
    void setCellNumber(int card, int index, int number) override;
    void setCellColour(int card, int index, Colour colour) override;
    void show(Window window) override;
    void message(const QString& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The main window has been unloaded, every window with it: the program ends.
    void ended();

private:
    Form1* makeMain();
    Form2* makeExitDialog();
    Form3* makeCardsTable();
    Form4* makeInfo();
    Form5* makeHallOfFame();
    Form6* makeNameEntry();
    void unloadMain();
    void unloadAll();
    void tryEnterName();
    void tellFame(FameEntry entry);
    void makeRoomForFrames(int tries);
    void cycleWithF6(QWidget* form);
    void keepFocus();

    GameState m_state;
    Generator m_generator;
    Controller m_controller;
    Loaded<Form1> m_main;
    Loaded<Form2> m_exitDialog;
    Loaded<Form3> m_cardsTable;
    Loaded<Form4> m_info;
    Loaded<Form5> m_hallOfFame;
    Loaded<Form6> m_nameEntry;
    bool m_ending = false;
    // An Enter Me waiting for another game to finish writing the hall of fame: the name and
    // count at the press, and since when it waits.
    QString m_entryName;
    int m_entryCalls = 0;
    QElapsedTimer m_entryWaiting;
};

// The texts of the windows in this folder, in the player's language.
namespace texts {
QString Caption();
QString FameWriteFailed();
QString FameBusy();
QString FameUnreadable();
QString FameReadOnly();
QString FameTooLarge();
QString FameNotAFile();
QString FameForeignLink();
QString FameLockHeld(const QString& user);
}  // namespace texts
