// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The info window: the current call in large letters, the count of calls, the credits and
// the game's status. It also carries the call timer and the media control that speaks.

#include "windows/form.h"

#include <QTimer>

class CallNotice;
class MediaControl;
class QGroupBox;
class QLabel;
class QPushButton;

class Form4 : public Form {
    Q_OBJECT
public:
    Form4();

    QGroupBox* Frame1;        // "Called #"
    QLabel* Label3;           // the call text
    QLabel* Label1;           // "Calls:"
    QLabel* Label5;           // the count
    QLabel* Label6;           // "Credits:"
    QLabel* Label4;           // the credits
    QLabel* Label2;           // the status
    QPushButton* Command1;    // "man", invisible: opens the name entry window
    QTimer Timer1;            // the call timer, 7000 ms, off until Start
    MediaControl* MMControl1;
    CallNotice* callNotice;   // each call, told to a screen reader as it is made

    // The window's menu (the way in to the name entry) from the keyboard, at the focus.
    void showMenuFromKeyboard();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

signals:
    // A call tick, and the one way in to the name entry window the player can see.
    void Timer1_Timer();
    void nameEntryWanted();
};
