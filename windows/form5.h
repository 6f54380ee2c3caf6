// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hall of fame window: the logo and the names of bingolst.dat with their calls.
// Created anew at each opening; its list is filled once, as it loads.

#include "halloffame/fame.h"
#include "windows/form.h"

class QLabel;
class QListWidget;
class QPushButton;

class Form5 : public Form {
    Q_OBJECT
public:
    Form5();

    void LoadFameList();

    QLabel* Image1;
    QLabel* Label1;
    QListWidget* List1;
    QLabel* Label5;  // "Name"
    QLabel* Label6;  // "# of Calls"
    QLabel* Label2;  // credit lines
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Command1;  // "Return to Tolva Bingo"
    FameEntry status = FameEntry::Entered;  // why bingolst.dat could not be listed, when it could not
};
