// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game writes to its windows. The windows implement it; a write to a window that
// is not loaded goes nowhere and does not load it.

#include "game/gamestate.h"

#include <QString>

class MediaControl;

enum class Window { Main, ExitDialog, CardsTable, Info, HallOfFame, NameEntry };

class Screen {
public:
    virtual ~Screen() = default;

    // Info window
    virtual void setStatus(const QString& text) = 0;    // Label2
    virtual void setCallText(const QString& text) = 0;  // Label3
    virtual void setCount(int count) = 0;               // Label5
    virtual void setCredits(int credits) = 0;           // Label4
    virtual void setCallTimer(bool on) = 0;             // Timer1
    virtual MediaControl* mediaControl() = 0;           // MMControl1, null while closed

    // Main window
    virtual void setStartVisible(bool visible) = 0;    // Command3, lying above UnPause
    virtual void setPauseEnabled(bool enabled) = 0;    // Command1
    virtual void setUnPauseEnabled(bool enabled) = 0;  // Command2
    virtual void setTileColour(int index, Colour colour) = 0;  // Picture1 and Label1 (index)

    // Cards table: card 1 to 4, index 0 to 24
    virtual void setCellNumber(int card, int index, int number) = 0;
    virtual void setCellColour(int card, int index, Colour colour) = 0;

    // Loads the window when needed, shows it and brings it forward.
    virtual void show(Window window) = 0;
    // A modal message box; returns once the player has closed it.
    virtual void message(const QString& text) = 0;
};
