// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exit dialog: asks before ending a game in progress. Modeless: the calls go on.

#include "windows/form.h"

class QLabel;
class QPushButton;

class Form2 : public Form {
    Q_OBJECT
public:
    Form2();

    QLabel* Label1;
    QPushButton* Command1;  // "Yes"
    QPushButton* Command2;  // "No"
};
