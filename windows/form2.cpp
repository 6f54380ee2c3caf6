// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form2.h"

#include "windows/look.h"

#include <QLabel>
#include <QPushButton>

Form2::Form2()
{
    setWindowTitle(tr("Tolva BINGO"));
    setClientSize(px(4995), px(1515));
    placeClientAt(px(3135), px(2850));

    Label1 = makeLabel(this, tr("There is a game in progress are you sure you want to exit?"),
                       twipsRect(480, 120, 4230, 600), sansFont(12, true), false);
    Label1->setWordWrap(true);

    Command1 = new QPushButton(tr("Yes"), this);
    Command1->setGeometry(twipsRect(1080, 960, 1215, 495));
    Command2 = new QPushButton(tr("No"), this);
    Command2->setGeometry(twipsRect(2640, 960, 1095, 495));
    for (QPushButton* button : {Command1, Command2})
        button->setFont(sansFont(8.25));
    setTabOrder(Command1, Command2);
}
