// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name entry window: puts a name with this game's count of calls into the hall of fame.

#include "windows/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Form6 : public Form {
    Q_OBJECT
public:
    Form6();

    QLabel* Image1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;  // "Enter Me"

protected:
    void showEvent(QShowEvent* event) override;
};
