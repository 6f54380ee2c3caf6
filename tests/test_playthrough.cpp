// A long random play: thousands of actions a player could take, in any order, with the
// promises a player relies on checked after every one.
#include "helpers.h"

#include <QLabel>
#include <QtTest>
#include <random>

class PlaythroughTest : public QObject {
    Q_OBJECT

    static void checkInvariants(Bingo& bingo, int step)
    {
        const GameState& state = bingo.state();
        const QString where = QStringLiteral("step %1").arg(step);
        int called = 0;
        for (int n = 1; n <= 75; ++n)
            called += state.CalledNumbers[n];
        QVERIFY2(state.CallCount == called, qPrintable(where));

        int red = 0;
        for (Tile* tile : bingo.mainWindow()->Picture1)
            red += tile->colour() == CalledColour;
        QVERIFY2(red == called, qPrintable(where));

        for (int card = 1; card <= 4; ++card) {
            QSet<int> numbers;
            for (int cell = 1; cell <= 25; ++cell) {
                const int n = state.cards.CardNumbers[card][cell];
                const int column = cards::columnOfCell(cell);
                QVERIFY2(n >= cards::lowestOfColumn(column) && n <= cards::highestOfColumn(column), qPrintable(where));
                numbers.insert(n);
                // A chip only ever lies on a called number.
                if (state.cards.CardMarks[card][cell] == 1)
                    QVERIFY2(state.CalledNumbers[n] == 1, qPrintable(where));
                if (Form3* table = bingo.cardsTable()) {
                    const Colour painted = table->cell(card, cell - 1)->colour();
                    QVERIFY2(painted == (state.cards.CardMarks[card][cell] ? CalledColour : NotCalledColour),
                             qPrintable(where));
                }
            }
            QVERIFY2(numbers.size() == 25, qPrintable(where));
        }
        QVERIFY2((state.InfoWindowOpen == 1) == (bingo.info() != nullptr), qPrintable(where));
        QVERIFY2((state.CardsWindowOpen == 1) == (bingo.cardsTable() != nullptr), qPrintable(where));
        if (Form4* info = bingo.info())
            QVERIFY2(info->Label5->text() == QString::number(state.CallCount), qPrintable(where));
    }

private slots:
    void thousandsOfRandomActionsKeepTheGameWhole()
    {
        Bingo bingo;
        bingo.start();
        MessageAnswerer answerer;
        std::mt19937 random(20261206);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        Form1* main = bingo.mainWindow();

        // Weights of the actions below, so that games run long enough to be won.
        std::discrete_distribution<int> action({3, 1, 4, 10, 10, 10, 0.5, 1, 12, 12, 1.5, 0.7, 1.5, 1});
        for (int step = 0; step < 5000; ++step) {
            switch (action(random)) {
            case 0: QTest::mouseClick(main->Command3, Qt::LeftButton); break;
            case 1: QTest::mouseClick(main->Command1, Qt::LeftButton); break;
            case 2:
                if (main->Command2->isVisible())
                    QTest::mouseClick(main->Command2, Qt::LeftButton);
                break;
            case 3:
            case 4:
            case 5:
                if (bingo.info() && bingo.info()->Timer1.isActive())
                    emit bingo.info()->Timer1_Timer();
                break;
            case 6: main->mnuNewGame->trigger(); break;
            case 7: main->mnuNewCards->trigger(); break;
            case 8:
                if (Form3* table = bingo.cardsTable()) {
                    Tile* tile = table->cell(1 + pick(4), pick(25));
                    QTest::mouseClick(tile, Qt::LeftButton, {}, pick(4) ? tile->labelRect().center() : QPoint(23, 23));
                }
                break;
            case 9:
                // A keen player chips the called numbers of one card.
                if (Form3* table = bingo.cardsTable()) {
                    const int card = 1 + pick(4);
                    for (int cell = 1; cell <= 25; ++cell)
                        if (bingo.state().CalledNumbers[bingo.state().cards.CardNumbers[card][cell]]
                            && !bingo.state().cards.CardMarks[card][cell]) {
                            QTest::mouseClick(table->cell(card, cell - 1), Qt::LeftButton, {},
                                              table->cell(card, cell - 1)->labelRect().center());
                            break;
                        }
                }
                break;
            case 10:
                // Claims at random, or on the card that shows a bingo.
                if (Form3* table = bingo.cardsTable()) {
                    int card = 1 + pick(4);
                    for (int c = 1; c <= 4 && pick(2); ++c)
                        if (cards::firstCompletePattern(bingo.state().cards.CardMarks[c]))
                            card = c;
                    QTest::mouseClick(table->claimButton(card), Qt::LeftButton);
                }
                break;
            case 11:
                if (pick(2) && bingo.info())
                    bingo.info()->close();
                else if (bingo.cardsTable())
                    bingo.cardsTable()->close();
                break;
            case 12: (pick(2) ? main->mnurinfo : main->mnurcards)->trigger(); break;
            case 13:
                main->mnuExit->trigger();
                if (Form2* dialog = bingo.exitDialog())
                    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
                break;
            }
            if (step % 7 == 0)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            checkInvariants(bingo, step);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(bingo.mainWindow());
        // The run went through wins and refusals, not only around them.
        qInfo() << "wins:" << answerer.texts().count(texts::Congratulations)
                << "refused New Cards:" << answerer.texts().count(texts::NewCardsRefused);
        QVERIFY(answerer.texts().contains(texts::Congratulations));
        QVERIFY(answerer.texts().contains(texts::NewCardsRefused));
        QVERIFY(answerer.texts().contains(texts::WindowOpenAlready));
    }
};

QTEST_MAIN(PlaythroughTest)
#include "test_playthrough.moc"
