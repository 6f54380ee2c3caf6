// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form5.h"

#include "halloffame/fame.h"
#include "windows/look.h"

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

Form5::Form5() : Form(Qt::WindowMinimizeButtonHint)
{
    setWindowTitle(tr("Hall Of Fame"));
    setClientSize(px(5925), px(3270));
    placeClientAt(px(2010), px(2370));
    setBackground(this, Qt::white);

    const QFont font = sansFont(8.25);
    Image1 = new QLabel(this);
    Image1->setGeometry(twipsRect(120, 120, 3375, 1500));
    Image1->setPixmap(picture(QStringLiteral("logo"), QStringLiteral("jpg")));
    Image1->setAccessibleName(tr("Tolva Bingo"));

    Label1 = makeLabel(this, tr("Tolva Bingo Hall of Fame"), twipsRect(3840, 240, 1830, 195), font, true);
    List1 = new QListWidget(this);
    List1->setFont(font);
    List1->setGeometry(twipsRect(3720, 600, 2055, 2205));
    List1->setAccessibleName(tr("Names and their number of calls"));
    // Sized to their text: the system's sans font is wider than the one they were measured for.
    Label5 = makeLabel(this, tr("Name"), twipsRect(3840, 3000, 420, 195), font, true);
    Label6 = makeLabel(this, tr("# of Calls"), twipsRect(4920, 3000, 660, 195), font, true);
    Label2 = makeLabel(this, tr("Tolva Bingo 1.0"), twipsRect(1200, 1680, 1050, 195), font, true);
    Label3 = makeLabel(this, tr("Written for players who love a good call"),
                       twipsRect(360, 2040, 2475, 195), font, true);
    Label4 = makeLabel(this, tr("Voices by espeak-ng"), twipsRect(840, 2400, 1530, 195), font, true);

    Command1 = new QPushButton(tr("Return to Tolva Bingo"), this);
    Command1->setFont(font);
    Command1->setGeometry(twipsRect(480, 2760, 2295, 375));
    setTabOrder(List1, Command1);
}

void Form5::LoadFameList()
{
    const std::optional<FameTable> table = ReadFameFile(FameFileName, &status);
    if (table)
        List1->addItems(fameListLines(*table));
}
