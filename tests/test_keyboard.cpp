// Playing without a mouse or without eyes on the colours, and a game that rests between calls.
#include "helpers.h"

#include <QAccessible>
#include <QtTest>

namespace {

QString spoken(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Gives the keyboard to a widget, as Tab would, in its window made active.
void focusOn(QWidget* widget)
{
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::TabFocusReason);
}

void press(Qt::Key key)
{
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void tilesAndCellsSayWhatTheirColourShows()
    {
        Bingo bingo;
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        const int n = bingo.state().CurrentNumber;
        const QString call = letterText(n) + QString::number(n);
        QCOMPARE(spoken(bingo.mainWindow()->Picture1[n - 1]), call + ", called");
        QCOMPARE(spoken(bingo.mainWindow()->Picture1[n % 75]), letterText(n % 75 + 1) + QString::number(n % 75 + 1) + ", not called");

        // A cell of card 3 holding the call: no chip, then a chip.
        bingo.state().cards.CardNumbers[3][1 + (n - 1) / 15 * 5] = n;  // put the call on the card
        bingo.controller().RefreshAll();
        Tile* cell = bingo.cardsTable()->cell(3, (n - 1) / 15 * 5);
        QCOMPARE(spoken(cell), "Card 3, " + call + ", no chip");
        QTest::mouseClick(cell, Qt::LeftButton, {}, cell->labelRect().center());
        QCOMPARE(spoken(cell), "Card 3, " + call + ", chip");
        QCOMPARE(spoken(bingo.cardsTable()->claimButton(2)), QStringLiteral("B I N G O, claim card 2"));
        QCOMPARE(spoken(bingo.mainWindow()->Command1), QStringLiteral("Pause"));
    }

    void aWholeGameIsWonFromTheKeyboard()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        Form3* table = bingo.cardsTable();
        focusOn(main->Command3);
        QVERIFY(!main->Command2->isVisible());  // covered by Start: out of the focus chain
        press(Qt::Key_Space);  // Start
        QCOMPARE(bingo.state().GIP, 1);

        // Into the cards: Tab reaches the first cell of card 1; a click gives no focus.
        Tile* first = table->cell(1, 0);
        QTest::mouseClick(table->cell(1, 5), Qt::LeftButton, {}, table->cell(1, 5)->labelRect().center());
        QVERIFY(!table->cell(1, 5)->hasFocus());
        focusOn(table->claimButton(4));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first);

        // Space on an uncalled number places nothing.
        while (bingo.state().CalledNumbers[bingo.state().cards.CardNumbers[1][1]])
            main->mnuNewGame->trigger(), QTest::mouseClick(main->Command3, Qt::LeftButton);
        focusOn(first);
        QCOMPARE(paintedAt(first, QPoint(first->width() - 2, first->height() / 2)), QColor(Qt::yellow));
        press(Qt::Key_Space);
        QCOMPARE(marginColour(first), PureBlue);

        // Call everything, then chip the top row with Space, walking right with the arrows.
        for (int tick = 0; tick < 74; ++tick)
            emit bingo.info()->Timer1_Timer();
        focusOn(first);
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(QApplication::focusWidget(), table->cell(1, column * 5));
            press(Qt::Key_Space);
            QCOMPARE(marginColour(table->cell(1, column * 5)), PureRed);
            press(Qt::Key_Right);
        }
        QCOMPARE(QApplication::focusWidget(), table->cell(2, 0));  // on into card 2
        press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), table->cell(2, 1));
        press(Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), table->cell(1, 21));

        MessageAnswerer answerer;
        focusOn(table->claimButton(1));
        press(Qt::Key_Space);
        QCOMPARE(answerer.texts(), QStringList{texts::Congratulations});
        QCOMPARE(bingo.state().GIP, 0);
    }

    void aRunningGameRestsBetweenCalls()
    {
        // Between two calls nothing is repainted and no timer but the call timer runs.
        Bingo bingo;
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        QTest::qWait(1500);  // what the call itself set in motion settles

        struct Counter : QObject {
            QObject* callTimer;
            int paints = 0;
            QStringList timers;
            bool eventFilter(QObject* receiver, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    ++paints;
                else if (event->type() == QEvent::Timer && receiver != callTimer)
                    timers << QString::fromLatin1(receiver->metaObject()->className());
                return false;
            }
        } counter;
        counter.callTimer = &bingo.info()->Timer1;
        qApp->installEventFilter(&counter);
        QTest::qWait(2000);
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.paints, 0);
        QCOMPARE(counter.timers, QStringList());
        QVERIFY(bingo.info()->Timer1.isActive());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
