// Playing the cards: chips, claims, the Windows menu, Exit and closing windows.
#include "helpers.h"

#include <QLabel>
#include <QtTest>

namespace {

void clickNumber(Tile* tile)
{
    QTest::mouseClick(tile, Qt::LeftButton, {}, tile->labelRect().center());
}

void clickMargin(Tile* tile)
{
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(tile->width() - 2, tile->height() - 2));
}

// Start, then tick until every number is out: any cell can then take a chip.
void callEverything(Bingo& bingo)
{
    QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
    for (int tick = 0; tick < 74; ++tick)
        emit bingo.info()->Timer1_Timer();
}

// Lets windows that were unloaded go, as the event loop would.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int findUncalledCell(Bingo& bingo, int card)
{
    for (int cell = 1; cell <= 25; ++cell)
        if (bingo.state().CalledNumbers[bingo.state().cards.CardNumbers[card][cell]] == 0)
            return cell;
    return 0;
}

}  // namespace

class CardsTest : public QObject {
    Q_OBJECT
private slots:
    void aChipGoesOnlyOnACalledNumberAndStays()
    {
        Bingo bingo;
        bingo.start();
        Form3* table = bingo.cardsTable();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);

        // An uncalled number: the click leaves the cell blue.
        const int cell = findUncalledCell(bingo, 1);
        Tile* tile = table->cell(1, cell - 1);
        const int number = bingo.state().cards.CardNumbers[1][cell];
        clickNumber(tile);
        QCOMPARE(marginColour(tile), PureBlue);
        QCOMPARE(bingo.state().cards.CardMarks[1][cell], 0);

        // Called now: the click reddens box and label; a second click keeps it red.
        while (bingo.state().CalledNumbers[number] == 0)
            emit bingo.info()->Timer1_Timer();
        QCOMPARE(marginColour(tile), PureBlue);  // calling marks nothing by itself
        clickMargin(tile);
        QCOMPARE(marginColour(tile), PureBlue);
        clickNumber(tile);
        QCOMPARE(marginColour(tile), PureRed);
        QCOMPARE(paintedAt(tile, tile->labelRect().topLeft() + QPoint(1, 1)), PureRed);
        QVERIFY(hasWhiteDigits(tile));
        clickNumber(tile);
        QCOMPARE(marginColour(tile), PureRed);
        QCOMPARE(bingo.state().cards.CardMarks[1][cell], 1);

        // The same number on another card is marked only there, when clicked there.
        for (int card = 2; card <= 4; ++card)
            for (int other = 1; other <= 25; ++other)
                if (bingo.state().cards.CardNumbers[card][other] == number)
                    QCOMPARE(marginColour(table->cell(card, other - 1)), PureBlue);

        // A refresh keeps the chip; New Game paints all 100 cells blue.
        emit bingo.info()->Timer1_Timer();
        QCOMPARE(marginColour(tile), PureRed);
        bingo.mainWindow()->mnuNewGame->trigger();
        for (int card = 1; card <= 4; ++card)
            for (int index = 0; index < 25; ++index)
                QCOMPARE(marginColour(table->cell(card, index)), PureBlue);
    }

    void thePatternsWinOrAreRefused_data()
    {
        QTest::addColumn<int>("claimedCard");
        QTest::addColumn<int>("chippedCard");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<bool>("wins");
        QList<int> all;
        for (int cell = 1; cell <= 25; ++cell)
            all << cell;
        QTest::newRow("full card") << 1 << 1 << all << true;
        QTest::newRow("column B") << 2 << 2 << QList<int>{1, 2, 3, 4, 5} << true;
        QTest::newRow("column I") << 3 << 3 << QList<int>{6, 7, 8, 9, 10} << true;
        QTest::newRow("column N") << 4 << 4 << QList<int>{11, 12, 13, 14, 15} << true;
        QTest::newRow("column G") << 1 << 1 << QList<int>{16, 17, 18, 19, 20} << true;
        QTest::newRow("column O") << 2 << 2 << QList<int>{21, 22, 23, 24, 25} << true;
        QTest::newRow("row 1") << 3 << 3 << QList<int>{1, 6, 11, 16, 21} << true;
        QTest::newRow("row 2") << 4 << 4 << QList<int>{2, 7, 12, 17, 22} << true;
        QTest::newRow("row 3") << 1 << 1 << QList<int>{3, 8, 13, 18, 23} << true;
        QTest::newRow("row 4") << 2 << 2 << QList<int>{4, 9, 14, 19, 24} << true;
        QTest::newRow("row 5") << 3 << 3 << QList<int>{5, 10, 15, 20, 25} << true;
        QTest::newRow("X") << 4 << 4 << QList<int>{1, 7, 13, 19, 25, 21, 17, 9, 5} << true;
        QTest::newRow("corners") << 1 << 1 << QList<int>{1, 21, 5, 25} << true;
        QTest::newRow("column and row at once") << 2 << 2 << QList<int>{1, 2, 3, 4, 5, 6, 11, 16, 21} << true;
        QTest::newRow("one diagonal") << 3 << 3 << QList<int>{1, 7, 13, 19, 25} << false;
        QTest::newRow("other diagonal") << 4 << 4 << QList<int>{21, 17, 13, 9, 5} << false;
        QTest::newRow("row 3 but the centre") << 1 << 1 << QList<int>{3, 8, 18, 23} << false;
        QTest::newRow("column N but the centre") << 2 << 2 << QList<int>{11, 12, 14, 15} << false;
        QTest::newRow("a line on another card") << 3 << 4 << QList<int>{1, 2, 3, 4, 5} << false;
    }

    void thePatternsWinOrAreRefused()
    {
        QFETCH(int, claimedCard);
        QFETCH(int, chippedCard);
        QFETCH(QList<int>, cells);
        QFETCH(bool, wins);
        Bingo bingo;
        bingo.start();
        callEverything(bingo);
        for (int cell : cells)
            clickNumber(bingo.cardsTable()->cell(chippedCard, cell - 1));
        const auto dealt = bingo.state().cards.CardNumbers;
        const QString lastLetter = bingo.state().CurrentLetter;

        MessageAnswerer answerer;
        QTest::mouseClick(bingo.cardsTable()->claimButton(claimedCard), Qt::LeftButton);
        Form1* main = bingo.mainWindow();
        if (wins) {
            QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Congradulations you got a BINGO!")});
            QCOMPARE(answerer.seen.front().caption, QStringLiteral("Tolva Bingo"));
            QCOMPARE(answerer.seen.front().icon, QMessageBox::NoIcon);
            // A new game, ready: the call text keeps the last letter and its blank alone.
            QVERIFY(bingo.state().cards.CardNumbers != dealt);
            QCOMPARE(bingo.info()->Label3->text(), lastLetter);
            QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("0"));
            QVERIFY(main->Command3->isVisible());
            QVERIFY(main->Command2->isEnabled());  // enabled by the claim, hidden under Start
            QCOMPARE(bingo.state().GIP, 0);
        } else {
            QVERIFY(answerer.seen.empty());
            QCOMPARE(bingo.state().cards.CardNumbers, dealt);
            QCOMPARE(bingo.state().CallCount, 75);
            QVERIFY(!main->Command3->isVisible());
            QVERIFY(main->Command2->isEnabled());
            QCOMPARE(bingo.state().GIP, 1);
        }
        QCOMPARE(bingo.info()->Label2->text(), QStringLiteral("Game Not Running"));
        QVERIFY(!bingo.info()->Timer1.isActive());
        QVERIFY(!main->Command1->isEnabled());
    }

    void aClaimHaltsTheCallingFromEveryState()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        QPushButton* claim = bingo.cardsTable()->claimButton(2);

        QTest::mouseClick(claim, Qt::LeftButton);  // Ready stays Ready, UnPause enabled under Start
        QVERIFY(main->Command3->isVisible() && !main->Command2->isVisible() && main->Command2->isEnabled());
        QCOMPARE(bingo.state().GIP, 0);
        QVERIFY(!bingo.info()->Timer1.isActive());

        QTest::mouseClick(main->Command3, Qt::LeftButton);  // Running -> Paused
        QTest::mouseClick(claim, Qt::LeftButton);
        QCOMPARE(bingo.info()->Label2->text(), QStringLiteral("Game Not Running"));
        QVERIFY(!main->Command1->isEnabled() && main->Command2->isVisible() && main->Command2->isEnabled());
        QCOMPARE(bingo.state().GIP, 1);
        QTest::mouseClick(claim, Qt::LeftButton);  // Paused stays Paused
        QVERIFY(!bingo.info()->Timer1.isActive() && main->Command2->isEnabled());
        QCOMPARE(bingo.state().CallCount, 1);

        // Keys a dialog would take do nothing here: Enter presses no claim, Esc closes nothing.
        QTest::mouseClick(main->Command2, Qt::LeftButton);
        claim->setFocus();
        QTest::keyClick(claim, Qt::Key_Return);
        QTest::keyClick(bingo.cardsTable(), Qt::Key_Escape);
        QTest::keyClick(bingo.info(), Qt::Key_Escape);
        QVERIFY(bingo.info()->Timer1.isActive());
        QVERIFY(bingo.cardsTable() && bingo.cardsTable()->isVisible());
    }

    void closedWindowsComeBackWithTheCurrentGame()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        MessageAnswerer answerer;
        main->mnurinfo->trigger();
        main->mnurcards->trigger();
        QCOMPARE(answerer.texts(), QStringList(2, QStringLiteral("Sorry that window is open already")));

        callEverything(bingo);
        clickNumber(bingo.cardsTable()->cell(3, 12));
        QVERIFY(bingo.info()->Timer1.isActive());
        bingo.cardsTable()->close();
        bingo.info()->close();
        QCOMPARE(bingo.state().CardsWindowOpen, 2);
        QCOMPARE(bingo.state().InfoWindowOpen, 2);
        settle();
        // Writes to closed windows go nowhere and open nothing.
        main->mnuNewCards->trigger();
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        QVERIFY(!bingo.info() && !bingo.cardsTable());
        QCOMPARE(bingo.state().InfoWindowOpen, 2);

        main->mnurcards->trigger();
        main->mnurinfo->trigger();
        QCOMPARE(bingo.state().CardsWindowOpen, 1);
        QCOMPARE(bingo.state().InfoWindowOpen, 1);
        QCOMPARE(marginColour(bingo.cardsTable()->cell(3, 12)), PureRed);
        QCOMPARE(bingo.cardsTable()->cell(1, 0)->text(), QString::number(bingo.state().cards.CardNumbers[1][1]));
        QCOMPARE(bingo.info()->Label3->text(), bingo.state().callText());
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("75"));
        QCOMPARE(bingo.info()->Label4->text(), QStringLiteral("100"));
        QCOMPARE(bingo.info()->Label2->text(), QStringLiteral("Game Not Running"));
        QVERIFY(!bingo.info()->Timer1.isActive());  // closing the info window stopped the calls
        QCOMPARE(answerer.seen.size(), size_t(3));  // the two above and the refused New Cards
    }

    void exitAsksOnlyWhileAGameIsInProgress()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        QSignalSpy ended(&bingo, &Bingo::ended);
        main->mnuExit->trigger();
        QVERIFY(!bingo.exitDialog());

        QTest::mouseClick(main->Command3, Qt::LeftButton);
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        main->mnuExit->trigger();  // paused counts as in progress
        Form2* dialog = bingo.exitDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Label1->text(), QStringLiteral("There is a game in progress are you sure you want to exit?"));
        main->mnuExit->trigger();
        QCOMPARE(bingo.exitDialog(), dialog);

        // "No" closes the dialog only; the game goes on counting.
        QTest::mouseClick(main->Command2, Qt::LeftButton);
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);
        settle();
        QVERIFY(!bingo.exitDialog());
        emit bingo.info()->Timer1_Timer();
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("2"));
        QCOMPARE(ended.count(), 0);

        // The dialog stays through a new game, and its "Yes" still ends the program.
        main->mnuExit->trigger();
        main->mnuNewGame->trigger();
        QTest::mouseClick(bingo.exitDialog()->Command1, Qt::LeftButton);
        settle();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!bingo.mainWindow() && !bingo.exitDialog() && !bingo.cardsTable() && !bingo.info());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->windowTitle()));
    }

    void closingTheMainWindowEndsEverything()
    {
        Bingo bingo;
        bingo.start();
        QSignalSpy ended(&bingo, &Bingo::ended);
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        bingo.mainWindow()->mnuExit->trigger();
        bingo.mnuHallofFame_Click();
        bingo.showNameEntry();
        bingo.mainWindow()->close();
        settle();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!bingo.exitDialog() && !bingo.cardsTable() && !bingo.info() && !bingo.hallOfFame() && !bingo.nameEntry());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->windowTitle()));
    }
};

QTEST_MAIN(CardsTest)
#include "test_cards.moc"
