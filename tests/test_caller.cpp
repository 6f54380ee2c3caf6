// The caller as the player sees it: start-up, Start, Pause, UnPause, ticks, New Game and
// New Cards, the board and the info window.
#include "helpers.h"

#include <QLabel>
#include <QtTest>
#include <set>

class CallerTest : public QObject {
    Q_OBJECT

    // The state table, as the player sees it.
    struct Look {
        QString status;
        bool startVisible;
        bool pauseEnabled;
        bool unPauseEnabled;
        bool timerOn;
        int gip;
    };

    static void expect(Bingo& bingo, const Look& look)
    {
        Form1* main = bingo.mainWindow();
        Form4* info = bingo.info();
        QCOMPARE(info->Label2->text(), look.status);
        QCOMPARE(main->Command3->isVisible(), look.startVisible);
        // While Start is shown, UnPause lies under it: neither seen nor reachable.
        QCOMPARE(main->Command2->isVisible(), !look.startVisible);
        QCOMPARE(main->Command1->isEnabled(), look.pauseEnabled);
        QCOMPARE(main->Command2->isEnabled(), look.unPauseEnabled);
        QCOMPARE(info->Timer1.isActive(), look.timerOn);
        QCOMPARE(info->Timer1.interval(), 7000);
        QCOMPARE(bingo.state().GIP, look.gip);
    }

    static int redTiles(Bingo& bingo)
    {
        int red = 0;
        for (Tile* tile : bingo.mainWindow()->Picture1)
            red += marginColour(tile) == PureRed;
        return red;
    }

private slots:
    void startUpShowsAReadyGame()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        QCOMPARE(main->windowTitle(), QStringLiteral("Tolva Bingo v1.0.22"));
        QVERIFY(main->isVisible() && bingo.cardsTable()->isVisible() && bingo.info()->isVisible());
        QCOMPARE(bingo.state().InfoWindowOpen, 1);
        QCOMPARE(bingo.state().CardsWindowOpen, 1);
        expect(bingo, {"Game Not Running", true, false, false, false, 0});
        QCOMPARE(bingo.info()->Label3->text(), QString());
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("0"));
        QCOMPARE(bingo.info()->Label4->text(), QStringLiteral("100"));
        QCOMPARE(bingo.info()->MMControl1->command(), QStringLiteral("open"));
        QCOMPARE(redTiles(bingo), 0);
    }

    void theButtonsFollowTheStateTable()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();

        QTest::mouseClick(main->Command3, Qt::LeftButton);  // Ready -> Running
        expect(bingo, {"Game In Progress", false, true, false, true, 1});
        QCOMPARE(bingo.state().CallCount, 1);

        emit bingo.info()->Timer1_Timer();  // Running -> Running
        expect(bingo, {"Game In Progress", false, true, false, true, 1});
        QCOMPARE(bingo.state().CallCount, 2);

        QTest::mouseClick(main->Command1, Qt::LeftButton);  // Running -> Paused
        expect(bingo, {"Game Not Running", false, false, true, false, 1});
        QTest::mouseClick(main->Command1, Qt::LeftButton);  // disabled: nothing
        expect(bingo, {"Game Not Running", false, false, true, false, 1});

        QTest::mouseClick(main->Command2, Qt::LeftButton);  // Paused -> Running, no call at once
        expect(bingo, {"Game In Progress", false, true, false, true, 1});
        QCOMPARE(bingo.state().CallCount, 2);
        QTest::mouseClick(main->Command2, Qt::LeftButton);  // disabled: nothing
        QCOMPARE(bingo.state().CallCount, 2);

        main->mnuNewGame->trigger();  // Running -> Ready
        expect(bingo, {"Game Not Running", true, false, false, false, 0});
        QCOMPARE(bingo.info()->Label3->text(), QString());
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("0"));
        QCOMPARE(redTiles(bingo), 0);

        QTest::mouseClick(main->Command3, Qt::LeftButton);
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        main->mnuNewGame->trigger();  // Paused -> Ready: UnPause stays enabled under Start
        expect(bingo, {"Game Not Running", true, false, true, false, 0});
        // A click where UnPause lies lands on Start; the keyboard cannot reach it either.
        QCOMPARE(main->client->childAt(main->Command2->geometry().center()), main->Command3);
        main->Command3->setFocus();
        QVERIFY(!main->Command2->hasFocus());
        QTest::mouseClick(main->Command3, Qt::LeftButton);  // Start disables it again
        expect(bingo, {"Game In Progress", false, true, false, true, 1});
    }

    void theCallTimerIsPrecise()
    {
        // A coarse timer may drift by 5 %.
        Bingo bingo;
        bingo.start();
        QCOMPARE(bingo.info()->Timer1.timerType(), Qt::PreciseTimer);
    }

    void theBoardTurnsRedCallByCall()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        for (Tile* tile : main->Picture1) {
            QCOMPARE(marginColour(tile), PureBlue);
            QVERIFY(hasWhiteDigits(tile));
        }
        QTest::mouseClick(main->Command3, Qt::LeftButton);
        QCOMPARE(redTiles(bingo), 1);
        const int first = bingo.state().CurrentNumber;
        QCOMPARE(marginColour(main->Picture1[first - 1]), PureRed);
        QVERIFY(hasWhiteDigits(main->Picture1[first - 1]));
        QCOMPARE(bingo.info()->Label3->text(), letterText(first) + QString::number(first));

        std::set<int> called{first};
        for (int tick = 0; tick < 74; ++tick) {
            emit bingo.info()->Timer1_Timer();
            const int n = bingo.state().CurrentNumber;
            QVERIFY(called.insert(n).second);
            QCOMPARE(bingo.info()->Label5->text(), QString::number(tick + 2));
            const QString call = bingo.info()->Label3->text();
            QCOMPARE(call, letterText(n) + QString::number(n));
            QVERIFY(!call.contains(QStringLiteral(" 0")));
        }
        QCOMPARE(int(called.size()), 75);
        QCOMPARE(redTiles(bingo), 75);

        // Past the last number a tick draws nothing, speaks nothing, changes nothing seen.
        QSignalSpy spoken(bingo.info()->MMControl1, &MediaControl::commandSent);
        const QString call = bingo.info()->Label3->text();
        for (int tick = 0; tick < 3; ++tick)
            emit bingo.info()->Timer1_Timer();
        QCOMPARE(spoken.count(), 0);
        QCOMPARE(bingo.info()->Label3->text(), call);
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("75"));
        expect(bingo, {"Game In Progress", false, true, false, true, 1});

        main->mnuNewGame->trigger();
        QCOMPARE(redTiles(bingo), 0);
    }

    void theLettersChangeAtTheirBoundaries()
    {
        QStringList calls;
        for (int n : {1, 5, 15, 16, 30, 31, 45, 46, 60, 61, 75}) {
            GameState state;
            state.CurrentNumber = n;
            state.CurrentLetter = letterText(n);
            calls << state.callText();
        }
        QCOMPARE(calls.join(','), QStringLiteral("B 1,B 5,B 15,I 16,I 30,N 31,N 45,G 46,G 60,O 61,O 75"));
    }

    void theTilesStandWhereTheyBelong()
    {
        Bingo bingo;
        bingo.start();
        const auto& tiles = bingo.mainWindow()->Picture1;
        QCOMPARE(tiles[0]->geometry(), QRect(24, 32, 17, 17));
        QCOMPARE(tiles[14]->geometry(), QRect(360, 32, 17, 17));
        QCOMPARE(tiles[15]->geometry(), QRect(24, 56, 17, 17));
        QCOMPARE(tiles[74]->geometry(), QRect(360, 128, 17, 17));
        QCOMPARE(tiles[74]->text(), QStringLiteral("75"));
        QCOMPARE(bingo.mainWindow()->client->size(), QSize(387, 153));
        QCOMPARE(bingo.info()->size(), QSize(151, 172));
        QCOMPARE(bingo.cardsTable()->size(), QSize(546, 195));
    }

    void newCardsDealsOnlyBeforeStart()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        MessageAnswerer answerer;

        // Before Start New Cards deals afresh and calls nothing.
        const auto before = bingo.state().cards.CardNumbers;
        main->mnuNewCards->trigger();
        QVERIFY(bingo.state().cards.CardNumbers != before);
        QCOMPARE(bingo.state().CallCount, 0);
        QCOMPARE(bingo.cardsTable()->cell(2, 12)->text(), QString::number(bingo.state().cards.CardNumbers[2][13]));
        QVERIFY(answerer.seen.empty());

        QTest::mouseClick(main->Command3, Qt::LeftButton);
        const auto dealt = bingo.state().cards.CardNumbers;
        const auto called = bingo.state().CalledNumbers;
        for (bool paused : {false, true}) {
            if (paused)
                QTest::mouseClick(main->Command1, Qt::LeftButton);
            main->mnuNewCards->trigger();
            QCOMPARE(bingo.state().cards.CardNumbers, dealt);
            QCOMPARE(bingo.state().CalledNumbers, called);
            QCOMPARE(bingo.state().CallCount, 1);
        }
        QCOMPARE(answerer.seen.size(), size_t(2));
        const auto& box = answerer.seen.front();
        QCOMPARE(box.text, QStringLiteral("Sorry but this can only be done BEFORE starting a new game!  "
                                          "To use this feature start a new game."));
        QCOMPARE(box.caption, QStringLiteral("Tolva Bingo"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, 1);
    }
};

QTEST_MAIN(CallerTest)
#include "test_caller.moc"
