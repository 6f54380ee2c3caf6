// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form4.h"

#include "announcer/mediacontrol.h"
#include "windows/access.h"
#include "windows/look.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

Form4::Form4()
{
    setWindowTitle(tr("Info"));
    setClientSize(px(2265), px(2580));
    placeClientAt(px(7080), px(1485));

    const QFont bold975 = sansFont(9.75, true);

    Frame1 = new QGroupBox(tr("Called #"), this);
    Frame1->setFont(sansFont(8.25, true));
    Frame1->setGeometry(twipsRect(480, 120, 1335, 855));
    // The call text keeps its height and its middle but spans the frame's inside, so that no
    // call is cut off; a font too wide even for that is made smaller until the widest call fits.
    Label3 = makeLabel(Frame1, QStringLiteral("B 00"), twipsRect(120, 240, 1095, 555), sansFont(24, true),
                       false, Qt::AlignCenter);
    Label3->setGeometry(2, Label3->y(), Frame1->width() - 4, Label3->height());
    QFont callFont = Label3->font();
    const auto widestCall = [&] {
        int widest = 0;
        for (int n = 1; n <= 75; ++n)
            widest = std::max(widest, QFontMetrics(callFont).boundingRect(letterText(n) + QString::number(n)).width());
        return widest;
    };
    while (widestCall() > Label3->width() - 2 && callFont.pixelSize() > 8)
        callFont.setPixelSize(callFont.pixelSize() - 1);
    Label3->setFont(callFont);

    Label1 = makeLabel(this, tr("Calls:"), twipsRect(360, 1200, 615, 240), bold975, true,
                       Qt::AlignCenter);
    // Wider than its design width so that "75" never loses a digit.
    Label5 = makeLabel(this, QString(), twipsRect(1320, 1200, 480, 255), bold975, false);
    Label6 = makeLabel(this, tr("Credits:"), twipsRect(360, 1560, 810, 240), bold975, true);
    Label4 = makeLabel(this, QString(), twipsRect(1320, 1560, 480, 240), bold975, false);
    // A pixel clear of the left edge, so that no digit touches it.
    for (QLabel* number : {Label5, Label4})
        number->setIndent(1);
    // Centred across the window, so "Game In Progress" and "Game Not Running" share a middle.
    Label3->setAccessibleDescription(tr("The latest call"));
    Label5->setAccessibleDescription(tr("Calls made in this game"));
    Label4->setAccessibleDescription(tr("Credits"));
    Label2 = makeLabel(this, tr("Game Not Running"), twipsRect(0, 2280, 2265, 195),
                       sansFont(8.25, true), false, Qt::AlignHCenter | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("man"), this);
    Command1->setGeometry(twipsRect(0, 1920, 495, 255));
    Command1->setFont(sansFont(8.25));
    Command1->setVisible(false);
    connect(Command1, &QPushButton::clicked, this, &Form4::nameEntryWanted);

    // A winner who sees a bingo can put the name down with this game's count before claiming.
    auto* enterName = new QAction(tr("Enter Your Name in the Hall of Fame..."), this);
    connect(enterName, &QAction::triggered, this, &Form4::nameEntryWanted);
    addAction(enterName);
    setContextMenuPolicy(Qt::DefaultContextMenu);  // see contextMenuEvent
    Label1->setToolTip(tr("Got a bingo? Right-click in this window to enter your name "
                          "in the Hall of Fame before you claim it."));

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(7000);
    connect(&Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);

    MMControl1 = new MediaControl(this);
    callNotice = new CallNotice(this);

    // A keyboard player reaches this window with F6 and finds the latest call here; the Menu
    // key or Shift+F10 opens the window's menu, as in every desktop program.
    Label3->setFocusPolicy(Qt::TabFocus);
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &Form4::showMenuFromKeyboard);
}

void Form4::showMenuFromKeyboard()
{
    // Opened from the keyboard, the menu has its first item chosen, so that a screen reader
    // says it and Return takes it.
    QWidget* at = focusWidget() ? focusWidget() : this;
    QMenu menu(this);
    menu.addActions(actions());
    menu.setActiveAction(actions().value(0));
    menu.exec(at->mapToGlobal(at->rect().center()));
}

void Form4::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        showMenuFromKeyboard();
    else
        QMenu::exec(actions(), event->globalPos(), nullptr, this);
}
