// The game as the player sees it: the buttons through every state, the board and the call,
// chips and claims, the windows' places and fonts, the Windows menu and Exit, the keyboard.
#include "helpers.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QGroupBox>
#include <QtTest>
#include <set>

namespace {

void clickNumber(Tile* tile)
{
    QTest::mouseClick(tile, Qt::LeftButton, {}, tile->labelRect().center());
}

// Start, then tick until every number is out: any cell can then take a chip.
void callEverything(Bingo& bingo)
{
    QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
    for (int tick = 0; tick < 74; ++tick)
        emit bingo.info()->Timer1_Timer();
}

// The number a call text names, after checking that its letter is the number's column.
int calledNumber(const QString& call)
{
    const int n = call.mid(2).toInt();
    return call.left(2) == letterText(n) && QString::number(n) == call.mid(2) ? n : 0;
}

QString spoken(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        settle();
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->windowTitle()));
    }

    void theButtonsFollowTheStateTable()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        Form4* info = bingo.info();
        QCOMPARE(main->windowTitle(), QStringLiteral("Tolva Bingo v1.0.22"));
        QVERIFY(main->isVisible() && bingo.cardsTable()->isVisible() && info->isVisible());
        QCOMPARE(info->Label4->text(), QStringLiteral("100"));
        QCOMPARE(info->MMControl1->command(), QStringLiteral("open"));
        QCOMPARE(info->Timer1.interval(), 7000);
        QCOMPARE(info->Timer1.timerType(), Qt::PreciseTimer);  // a coarse timer drifts by 5 %

        const std::map<QString, std::function<void()>> actions = {
            {"", [] {}},
            {"Start", [&] { QTest::mouseClick(main->Command3, Qt::LeftButton); }},
            {"Pause", [&] { QTest::mouseClick(main->Command1, Qt::LeftButton); }},
            {"UnPause", [&] { QTest::mouseClick(main->Command2, Qt::LeftButton); }},
            {"tick", [&] { emit info->Timer1_Timer(); }},
            {"New Game", [&] { main->mnuNewGame->trigger(); }},
            {"claim", [&] { QTest::mouseClick(bingo.cardsTable()->claimButton(2), Qt::LeftButton); }},
        };
        struct Step {
            const char* action;
            const char* status;
            bool start, pause, unPause, timer;
            int gip, count;
        };
        const Step steps[] = {
            {"", "Game Not Running", true, false, false, false, 0, 0},
            {"claim", "Game Not Running", true, false, true, false, 0, 0},  // UnPause enabled under Start
            {"Start", "Game In Progress", false, true, false, true, 1, 1},
            {"tick", "Game In Progress", false, true, false, true, 1, 2},
            {"Pause", "Game Not Running", false, false, true, false, 1, 2},
            {"Pause", "Game Not Running", false, false, true, false, 1, 2},  // disabled: nothing
            {"UnPause", "Game In Progress", false, true, false, true, 1, 2},  // no call at once
            {"UnPause", "Game In Progress", false, true, false, true, 1, 2},
            {"claim", "Game Not Running", false, false, true, false, 1, 2},
            {"claim", "Game Not Running", false, false, true, false, 1, 2},
            {"UnPause", "Game In Progress", false, true, false, true, 1, 2},
            {"New Game", "Game Not Running", true, false, false, false, 0, 0},
            {"Start", "Game In Progress", false, true, false, true, 1, 1},
            {"Pause", "Game Not Running", false, false, true, false, 1, 1},
            {"New Game", "Game Not Running", true, false, true, false, 0, 0},
            {"Start", "Game In Progress", false, true, false, true, 1, 1},
        };
        int row = 0;
        for (const Step& step : steps) {
            actions.at(step.action)();
            const QString where = QStringLiteral("step %1, %2").arg(row++).arg(step.action);
            QVERIFY2(info->Label2->text() == step.status, qPrintable(where));
            QVERIFY2(main->Command3->isVisible() == step.start, qPrintable(where));
            QVERIFY2(main->Command2->isVisible() == !step.start, qPrintable(where));
            QVERIFY2(main->Command1->isEnabled() == step.pause, qPrintable(where));
            QVERIFY2(main->Command2->isEnabled() == step.unPause, qPrintable(where));
            QVERIFY2(info->Timer1.isActive() == step.timer, qPrintable(where));
            QVERIFY2(bingo.state().GIP == step.gip, qPrintable(where));
            QVERIFY2(info->Label5->text() == QString::number(step.count), qPrintable(where));
            QVERIFY2(step.count ? calledNumber(info->Label3->text()) : info->Label3->text().isEmpty(), qPrintable(where));
            if (step.start)  // a click where UnPause lies lands on Start
                QCOMPARE(main->client->childAt(main->Command2->geometry().center()), main->Command3);
        }
    }

    void theBoardTurnsRedCallByCallAndTheCallIsShown()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        QSignalSpy spoken(bingo.info()->MMControl1, &MediaControl::commandSent);
        const auto painted = [&] {
            const QImage board = main->client->grab().toImage();
            std::set<int> red;
            for (int i = 0; i < 75; ++i) {
                const QRect tile = main->Picture1[i]->geometry();
                const QColor margin = board.pixelColor(tile.right() - 2, tile.bottom() - 2);
                if (margin == PureRed)
                    red.insert(i + 1);
                else if (margin != PureBlue)
                    return std::set<int>{-i};
            }
            return red;
        };
        QCOMPARE(painted(), std::set<int>());
        std::set<int> called;
        for (int call = 1; call <= 75; ++call) {
            if (call == 1)
                QTest::mouseClick(main->Command3, Qt::LeftButton);
            else
                emit bingo.info()->Timer1_Timer();
            const int n = calledNumber(bingo.info()->Label3->text());
            QVERIFY2(n && called.insert(n).second, qPrintable(bingo.info()->Label3->text()));
            QCOMPARE(bingo.info()->Label5->text(), QString::number(call));
            QCOMPARE(painted(), called);
            QCOMPARE(spoken.count(), call);
        }
        // Past the last number a tick draws nothing, speaks nothing, changes nothing seen.
        const QString last = bingo.info()->Label3->text();
        emit bingo.info()->Timer1_Timer();
        QCOMPARE(spoken.count(), 75);
        QCOMPARE(bingo.info()->Label3->text(), last);
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("75"));

        // A tile: a black border all round, the fill inside it, white digits at its top left.
        const QImage tile = main->Picture1[0]->grab().toImage();
        for (QPoint p : {QPoint(0, 0), QPoint(16, 16), QPoint(0, 16), QPoint(16, 0), QPoint(8, 0)})
            QCOMPARE(tile.pixelColor(p), QColor(Qt::black));
        QCOMPARE(tile.pixelColor(1, 15), PureRed);
        QCOMPARE(tile.pixelColor(15, 1), PureRed);
        QCOMPARE(main->Picture1[0]->labelRect(), QRect(1, 1, QFontMetrics(main->Picture1[0]->font()).horizontalAdvance("1") + 1,
                                                       QFontMetrics(main->Picture1[0]->font()).height()));
        bool white = false;
        for (int x = 1; x < 8; ++x)
            for (int y = 1; y < 12; ++y)
                white = white || tile.pixelColor(x, y).lightness() > 200;
        QVERIFY(white);

        main->mnuNewGame->trigger();
        QCOMPARE(painted(), std::set<int>());
        QCOMPARE(bingo.info()->Label3->text(), QString());
    }

    void aCallRepaintsOnlyWhatItChanges()
    {
        Bingo bingo;
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        QTest::qWait(100);
        struct Counter : QObject {
            int paints = 0;
            bool eventFilter(QObject* receiver, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint && qobject_cast<Tile*>(receiver);
                return false;
            }
        } counter;
        qApp->installEventFilter(&counter);
        emit bingo.info()->Timer1_Timer();
        QApplication::processEvents();
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.paints, 1);  // the tile just called, and no cell
    }

    void aChipGoesOnlyOnACalledNumberAndStays()
    {
        Bingo bingo;
        bingo.start();
        Form3* table = bingo.cardsTable();
        const auto& state = bingo.state();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        int cell = 0;
        while (state.CalledNumbers[state.cards.CardNumbers[1][cell + 1]])
            ++cell;
        Tile* tile = table->cell(1, cell);
        const int number = tile->text().toInt();
        QCOMPARE(number, state.cards.CardNumbers[1][cell + 1]);
        clickNumber(tile);  // not called yet: no chip
        QCOMPARE(marginColour(tile), PureBlue);

        while (!state.CalledNumbers[number])
            emit bingo.info()->Timer1_Timer();
        QCOMPARE(marginColour(tile), PureBlue);  // calling marks nothing by itself
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(tile->width() - 2, tile->height() - 2));
        QCOMPARE(marginColour(tile), PureBlue);  // the margin takes no clicks
        clickNumber(tile);
        clickNumber(tile);
        QCOMPARE(marginColour(tile), PureRed);
        QCOMPARE(paintedAt(tile, tile->labelRect().topLeft() + QPoint(1, 1)), PureRed);
        emit bingo.info()->Timer1_Timer();  // a refresh keeps it
        QCOMPARE(marginColour(tile), PureRed);
        for (int card = 2; card <= 4; ++card)  // the same number elsewhere is not chipped
            for (int other = 0; other < 25; ++other)
                if (table->cell(card, other)->text().toInt() == number)
                    QCOMPARE(marginColour(table->cell(card, other)), PureBlue);
        bingo.mainWindow()->mnuNewGame->trigger();
        for (int card = 1; card <= 4; ++card)
            for (int index = 0; index < 25; ++index)
                QCOMPARE(marginColour(table->cell(card, index)), PureBlue);
    }

    void aClaimWinsOnlyWithAPatternOnThatCard_data()
    {
        QTest::addColumn<int>("chipped");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<bool>("wins");
        QTest::newRow("row 3") << 3 << QList<int>{3, 8, 13, 18, 23} << true;
        QTest::newRow("one diagonal") << 3 << QList<int>{1, 7, 13, 19, 25} << false;
        QTest::newRow("a column on another card") << 4 << QList<int>{1, 2, 3, 4, 5} << false;
    }

    void aClaimWinsOnlyWithAPatternOnThatCard()
    {
        QFETCH(int, chipped);
        QFETCH(QList<int>, cells);
        QFETCH(bool, wins);
        Bingo bingo;
        bingo.start();
        callEverything(bingo);
        for (int cell : cells)
            clickNumber(bingo.cardsTable()->cell(chipped, cell - 1));
        const QString dealt = bingo.cardsTable()->cell(1, 0)->text() + bingo.cardsTable()->cell(2, 0)->text();
        const QString call = bingo.info()->Label3->text();
        MessageAnswerer answerer;
        QTest::mouseClick(bingo.cardsTable()->claimButton(3), Qt::LeftButton);
        Form1* main = bingo.mainWindow();
        QCOMPARE(answerer.texts, wins ? QStringList{"Congradulations you got a BINGO!"} : QStringList());
        QCOMPARE(answerer.looks, wins ? QStringList{BoxLook} : QStringList());
        // A win deals a new game: the call text keeps the last letter and its blank alone.
        QCOMPARE(bingo.info()->Label3->text(), wins ? call.left(2) : call);
        QCOMPARE(bingo.info()->Label5->text(), wins ? QStringLiteral("0") : QStringLiteral("75"));
        QCOMPARE(marginColour(bingo.cardsTable()->cell(chipped, cells[0] - 1)), wins ? PureBlue : PureRed);
        QCOMPARE(marginColour(main->Picture1[0]), wins ? PureBlue : PureRed);
        QCOMPARE(bingo.cardsTable()->cell(1, 0)->text() + bingo.cardsTable()->cell(2, 0)->text() != dealt, wins);
        QCOMPARE(main->Command3->isVisible(), wins);
        QVERIFY(main->Command2->isEnabled() && !main->Command1->isEnabled());
        QVERIFY(!bingo.info()->Timer1.isActive());
    }

    void everyControlHasItsPlaceAndFont()
    {
        Bingo bingo;
        bingo.start();
        bingo.show(Window::ExitDialog);
        bingo.showNameEntry();
        bingo.mnuHallofFame_Click();
        Form1* f1 = bingo.mainWindow();
        Form2* f2 = bingo.exitDialog();
        Form3* f3 = bingo.cardsTable();
        Form4* f4 = bingo.info();
        Form5* f5 = bingo.hallOfFame();
        Form6* f6 = bingo.nameEntry();
        // Design places in twips (15 to the pixel); a width of 0 is a label sized to its text.
        // Fonts as pixels at 96 dpi: 8.25 pt is 11 px, 9.75 pt 13, 12 pt 16, 18 pt 24, 24 pt 32;
        // pictures have none.
        struct Control {
            QWidget* widget;
            QRect twips;
            int pixels;
            bool bold;
        };
        const Control controls[] = {
            {f1->Label3, {1680, 0, 0, 435}, 24, true},
            {f1->Command1, {360, 0, 1095, 375}, 11, false},
            {f1->Command2, {4320, 0, 1095, 375}, 11, false},
            {f1->Command3, {4320, 0, 1095, 375}, 11, false},
            {f1->Label2[0], {120, 480, 0, 0}, 13, true},
            {f1->Label2[4], {120, 1920, 0, 0}, 13, true},
            {f1->Picture1[0], {360, 480, 255, 255}, 11, false},
            {f1->Picture1[16], {720, 840, 255, 255}, 11, false},
            {f1->Picture1[74], {5400, 1920, 255, 255}, 11, false},
            {f2->Label1, {480, 120, 4230, 600}, 16, true},
            {f2->Command1, {1080, 960, 1215, 495}, 11, false},
            {f2->Command2, {2640, 960, 1095, 495}, 11, false},
            {f3->cell(1, 0), {120, 480, 375, 375}, 16, false},
            {f3->cell(2, 6), {2520, 840, 375, 375}, 16, false},
            {f3->cell(4, 24), {7680, 1920, 375, 375}, 16, false},
            {f3->Label1[0], {240, 120, 0, 0}, 16, true},
            {f3->Label1[9], {3720, 120, 0, 0}, 16, true},
            {f3->Label1[15], {7800, 120, 0, 0}, 16, true},  // over card 4 they run from O to B
            {f3->Label1[19], {6360, 120, 0, 0}, 16, true},
            {f3->claimButton(1), {240, 2400, 1575, 375}, 11, false},
            {f3->claimButton(4), {6360, 2400, 1575, 375}, 11, false},
            {f4->Frame1, {480, 120, 1335, 855}, 11, true},
            {f4->Label3, {120, 240, 1095, 555}, 32, true},
            {f4->Label1, {360, 1200, 0, 240}, 13, true},
            {f4->Label5, {1320, 1200, 480, 255}, 13, true},  // wider than designed: "75" whole
            {f4->Label6, {360, 1560, 0, 240}, 13, true},
            {f4->Label4, {1320, 1560, 480, 240}, 13, true},
            {f4->Label2, {0, 2280, 2265, 195}, 11, true},  // centred across the window
            {f4->Command1, {0, 1920, 495, 255}, 11, false},
            {f5->Image1, {120, 120, 3375, 1500}, 0, false},
            {f5->Label1, {3840, 240, 0, 195}, 11, false},
            {f5->List1, {3720, 600, 2055, 2205}, 11, false},
            {f5->Label5, {3840, 3000, 0, 195}, 11, false},
            {f5->Label6, {4920, 3000, 0, 195}, 11, false},
            {f5->Label2, {1200, 1680, 0, 195}, 11, false},
            {f5->Label3, {360, 2040, 0, 195}, 11, false},
            {f5->Label4, {840, 2400, 0, 195}, 11, false},
            {f5->Command1, {480, 2760, 2295, 375}, 11, false},
            {f6->Image1, {120, 240, 2175, 2415}, 0, false},
            {f6->Label1, {2640, 240, 3840, 0}, 16, true},
            {f6->Text1, {2760, 1320, 3375, 420}, 16, true},
            {f6->Command1, {3600, 2040, 1575, 495}, 16, true},
        };
        for (const Control& c : controls) {
            const QString name = c.widget->objectName() + c.widget->metaObject()->className() + ' '
                                 + QString::number(c.twips.x()) + ',' + QString::number(c.twips.y());
            const QRect place = c.widget->geometry();
            QVERIFY2(place.topLeft() == c.twips.topLeft() / 15, qPrintable(name));
            QVERIFY2(!c.twips.width() || place.width() == c.twips.width() / 15, qPrintable(name));
            QVERIFY2(!c.twips.height() || place.height() == c.twips.height() / 15, qPrintable(name));
            QVERIFY2(!c.pixels || (c.widget->font().pixelSize() == c.pixels && c.widget->font().bold() == c.bold), qPrintable(name));
        }
        // Windows: client areas in pixels, at their design points on the screen.
        const std::pair<QWidget*, QRect> windows[] = {
            {f1->client, {1155, 1770, 5805, 2295}}, {f2, {3135, 2850, 4995, 1515}}, {f3, {1155, 4470, 8190, 2925}},
            {f4, {7080, 1485, 2265, 2580}},         {f5, {2010, 2370, 5925, 3270}}, {f6, {2070, 2715, 6630, 2865}}};
        for (const auto& [window, twips] : windows) {
            QCOMPARE(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()),
                     QRect(twips.topLeft() / 15, twips.size() / 15));
            QVERIFY(window == f1->client || window->minimumSize() == window->maximumSize());
        }
        QCOMPARE(f1->minimumSize(), f1->maximumSize());
        QCOMPARE(f4->Command1->isVisible(), false);
        QCOMPARE(f6->windowTitle(), QString());
        f1->close();
    }

    void theWindowsMenuAndExit()
    {
        Bingo bingo;
        bingo.start();
        Form1* main = bingo.mainWindow();
        MessageAnswerer answerer;
        QSignalSpy ended(&bingo, &Bingo::ended);
        main->mnurinfo->trigger();
        main->mnurcards->trigger();
        main->mnuExit->trigger();  // no game in progress: nothing to ask
        QVERIFY(!bingo.exitDialog());
        QCOMPARE(answerer.texts, QStringList(2, "Sorry that window is open already"));

        callEverything(bingo);
        clickNumber(bingo.cardsTable()->cell(3, 12));
        bingo.cardsTable()->close();
        bingo.info()->close();
        settle();
        QCOMPARE(bingo.state().CardsWindowOpen, 2);
        QCOMPARE(bingo.state().InfoWindowOpen, 2);
        main->mnuNewCards->trigger();  // writes to closed windows go nowhere and open nothing
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        QVERIFY(!bingo.info() && !bingo.cardsTable());
        QCOMPARE(answerer.texts.last(), QStringLiteral("Sorry but this can only be done BEFORE starting a new game!  "
                                                       "To use this feature start a new game."));
        QCOMPARE(answerer.looks, QStringList(3, BoxLook));

        main->mnurcards->trigger();
        main->mnurinfo->trigger();
        QCOMPARE(bingo.state().CardsWindowOpen + bingo.state().InfoWindowOpen, 2);
        QCOMPARE(marginColour(bingo.cardsTable()->cell(3, 12)), PureRed);
        QCOMPARE(bingo.cardsTable()->cell(4, 24)->text(), QString::number(bingo.state().cards.CardNumbers[4][25]));
        QVERIFY(calledNumber(bingo.info()->Label3->text()));
        QCOMPARE(bingo.info()->Label5->text() + bingo.info()->Label4->text(), QStringLiteral("75100"));
        QCOMPARE(bingo.info()->Label2->text(), QStringLiteral("Game Not Running"));
        QVERIFY(!bingo.info()->Timer1.isActive());  // closing the info window stopped the calls

        // Exit asks while a game is in progress, paused or not; "No" only closes the dialog.
        main->mnuExit->trigger();
        Form2* dialog = bingo.exitDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Label1->text(), QStringLiteral("There is a game in progress are you sure you want to exit?"));
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);
        settle();
        QVERIFY(!bingo.exitDialog() && main->isVisible());
        main->mnuExit->trigger();
        QTest::mouseClick(bingo.exitDialog()->Command1, Qt::LeftButton);
        settle();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!bingo.mainWindow() && !bingo.exitDialog() && !bingo.cardsTable() && !bingo.info());
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
    }

    void theKeyboardAndAScreenReaderCanPlay()
    {
        Bingo bingo;
        bingo.start();
        Form3* table = bingo.cardsTable();
        Tile* first = table->cell(1, 0);
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        const int n = calledNumber(bingo.info()->Label3->text());
        QCOMPARE(spoken(bingo.mainWindow()->Picture1[n - 1]), bingo.info()->Label3->text() + ", called");
        QCOMPARE(spoken(bingo.mainWindow()->Picture1[n % 75]),
                 letterText(n % 75 + 1) + QString::number(n % 75 + 1) + ", not called");
        QCOMPARE(spoken(table->claimButton(2)), QStringLiteral("B I N G O, claim card 2"));
        clickNumber(first);
        QVERIFY(!first->hasFocus());  // a click gives no focus

        callEverything(bingo);
        QApplication::setActiveWindow(table);
        first->setFocus(Qt::TabFocusReason);
        QCOMPARE(paintedAt(first, QPoint(first->width() - 2, first->height() / 2)), QColor(Qt::yellow));
        const QString call = letterText(first->text().toInt()) + first->text();
        QCOMPARE(spoken(first), "Card 1, " + call + ", no chip");
        // Space chips the top row of card 1, walking right with the arrows, on into card 2.
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(QApplication::focusWidget(), table->cell(1, column * 5));
            press(Qt::Key_Space);
            press(Qt::Key_Right);
        }
        QCOMPARE(spoken(first), "Card 1, " + call + ", chip");
        const std::pair<Qt::Key, Tile*> walk[] = {{Qt::Key_Down, table->cell(2, 1)}, {Qt::Key_Left, table->cell(1, 21)},
                                                  {Qt::Key_Up, table->cell(1, 20)},   {Qt::Key_Up, table->cell(1, 24)},
                                                  {Qt::Key_Down, table->cell(1, 20)}, {Qt::Key_Left, table->cell(1, 15)}};
        for (const auto& [key, cell] : walk) {
            press(key);
            QCOMPARE(QApplication::focusWidget(), cell);
        }
        first->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Left);  // from card 1 back round to card 4
        QCOMPARE(QApplication::focusWidget(), table->cell(4, 20));
        MessageAnswerer answerer;
        table->claimButton(1)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QCOMPARE(answerer.texts, QStringList{texts::Congratulations});
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
