// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the player sees it: the buttons through every state, the board and the call,
// chips and claims, the windows' places and fonts, the Windows menu and Exit, the keyboard.
#include "helpers.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>
#include <QtTest>
#include <set>

namespace {

void clickNumber(Tile* tile) { QTest::mouseClick(tile, Qt::LeftButton, {}, tile->labelRect().center()); }

// The number a call text names, 0 unless its letter is the number's column.
int calledNumber(const QString& call)
{
    const int n = call.mid(2).toInt();
    return n >= 1 && n <= 75 && call.left(2) == QString("BINGO")[(n - 1) / 15] + QString(' ') && QString::number(n) == call.mid(2) ? n : 0;
}

// Whether a label's text reaches its outermost columns: then it is cut off there.
bool inkAtEdges(QWidget* label)
{
    const QImage image = label->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(0, y) != image.pixel(0, 0) || image.pixel(image.width() - 1, y) != image.pixel(0, 0))
            return true;
    return false;
}

// From a point of a tile's fill, along one direction within the tile: where its black border
// starts, how wide it is, and whether the fill shows again beyond it.
std::tuple<int, int, bool> borderFrom(const QImage& image, const QRect& tile, QPoint p, QPoint step)
{
    const QRgb fill = image.pixel(p), black = qRgb(0, 0, 0);
    int distance = 0, width = 0;
    for (; tile.contains(p) && image.pixel(p) != black; p += step)
        ++distance;
    for (; tile.contains(p) && image.pixel(p) == black; p += step)
        ++width;
    return {distance, width, tile.contains(p) && image.pixel(p) == fill};
}

QString spoken(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Bingo> bingo;
    Form1* main = nullptr;
    Form3* table = nullptr;
    Form4* info = nullptr;

    void start() { QTest::mouseClick(main->Command3, Qt::LeftButton); }
    void callTheRest()
    {
        for (int tick = 0; tick < 74; ++tick)
            emit info->Timer1_Timer();
    }

private slots:
    void init()
    {
        bingo = std::make_unique<Bingo>();
        bingo->start();
        main = bingo->mainWindow(), table = bingo->cardsTable(), info = bingo->info();
    }

    void cleanup()
    {
        bingo.reset();
        settle();
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->windowTitle()));
    }

    void theButtonsFollowTheStateTable()
    {
        QVERIFY(main->isVisible() && table->isVisible() && info->isVisible());
        QCOMPARE(info->Label4->text() + info->MMControl1->command(), QStringLiteral("100open"));
        QVERIFY(info->Timer1.interval() == 7000 && info->Timer1.timerType() == Qt::PreciseTimer);
        const auto card = [&](int c) {  // as it stands on the screen
            const QRect cells = table->cell(c, 0)->geometry().united(table->cell(c, 24)->geometry());
            QApplication::processEvents();
            return table->screen()->grabWindow(table->winId(), cells.x(), cells.y(), cells.width(), cells.height()).toImage();
        };
        const QImage dealt[] = {card(1), card(2), card(3), card(4)};
        main->mnuNewCards->trigger();  // no game yet: every card is dealt again
        for (int c = 1; c <= 4; ++c)
            QVERIFY(card(c) != dealt[c - 1]);
        const std::map<QString, std::function<void()>> act = {
            {"", [] {}}, {"Start", [&] { start(); }}, {"tick", [&] { emit info->Timer1_Timer(); }},
            {"Pause", [&] { QTest::mouseClick(main->Command1, Qt::LeftButton); }},
            {"UnPause", [&] { QTest::mouseClick(main->Command2, Qt::LeftButton); }},
            {"New Game", [&] { main->mnuNewGame->trigger(); }},
            {"claim", [&] { QTest::mouseClick(table->claimButton(2), Qt::LeftButton); }}};
        // The look: Start shown (S), Pause enabled (P), UnPause enabled (U), calls running (T),
        // then the game in progress and the count of calls. A click on a disabled button does nothing.
        const std::tuple<QString, QString, int, int> steps[] = {
            {"", "S---", 0, 0},        {"claim", "S-U-", 0, 0},  {"Start", "-P-T", 1, 1},   {"tick", "-P-T", 1, 2},
            {"Pause", "--U-", 1, 2},   {"Pause", "--U-", 1, 2},  {"UnPause", "-P-T", 1, 2}, {"UnPause", "-P-T", 1, 2},
            {"claim", "--U-", 1, 2},   {"claim", "--U-", 1, 2},  {"UnPause", "-P-T", 1, 2}, {"New Game", "S---", 0, 0},
            {"Start", "-P-T", 1, 1},   {"Pause", "--U-", 1, 1},  {"New Game", "S-U-", 0, 0}, {"Start", "-P-T", 1, 1}};
        for (const auto& [action, look, gip, count] : steps) {
            act.at(action)();
            const QString seen = QString(main->Command3->isVisible() ? "S" : "-") + (main->Command1->isEnabled() ? "P" : "-")
                                 + (main->Command2->isEnabled() ? "U" : "-") + (info->Timer1.isActive() ? "T" : "-");
            QCOMPARE(seen, look);
            QCOMPARE(info->Label2->text(), look.endsWith('T') ? "Game In Progress" : "Game Not Running");
            QVERIFY(bingo->state().GIP == gip && info->Label5->text() == QString::number(count));
            QVERIFY(count ? calledNumber(info->Label3->text()) : info->Label3->text().isEmpty());
            // UnPause lies under Start: hidden while Start shows, and a click there lands on Start.
            QCOMPARE(main->Command2->isVisible(), !look.startsWith('S'));
            QVERIFY(!look.startsWith('S') || main->client->childAt(main->Command2->geometry().center()) == main->Command3);
        }
    }

    void theBoardTurnsRedCallByCallAndTheCallIsShown()
    {
        QSignalSpy voices(info->MMControl1, &MediaControl::commandSent);
        const auto painted = [&] {  // the numbers whose tiles show red on the screen; -i for neither red nor blue
            QApplication::processEvents();
            const QImage board = main->screen()->grabWindow(main->winId()).toImage();
            std::set<int> red;
            for (int i = 0; i < 75; ++i)
                if (const QColor c = board.pixelColor(main->Picture1[i]->mapTo(main, QPoint(14, 14))); c != PureBlue)
                    red.insert(c == PureRed ? i + 1 : -i);
            return red;
        };
        std::set<int> called;
        for (int call = 1; call <= 75; ++call) {
            call == 1 ? start() : emit info->Timer1_Timer();
            QVERIFY(called.insert(calledNumber(info->Label3->text())).second && !called.count(0));
            QVERIFY(painted() == called && voices.count() == call && info->Label5->text() == QString::number(call));
            QVERIFY2(!inkAtEdges(info->Label3) && !inkAtEdges(info->Label5), qPrintable(info->Label3->text()));
            QVERIFY(!inkAtEdges(info->Label2) && !inkAtEdges(info->Label4));
        }
        // Past the last number a tick draws nothing, speaks nothing, changes nothing seen.
        const QString last = info->Label3->text();
        emit info->Timer1_Timer();
        QVERIFY(voices.count() == 75 && info->Label3->text() == last && info->Label5->text() == "75");
        // A tile: a black border all round, the fill inside it, its digits at its top left.
        const QImage tile = main->Picture1[0]->grab().toImage();
        for (QPoint p : {QPoint(0, 0), QPoint(16, 16), QPoint(0, 16), QPoint(16, 0), QPoint(8, 0)})
            QCOMPARE(tile.pixelColor(p), QColor(Qt::black));
        QVERIFY(tile.pixelColor(1, 15) == PureRed && tile.pixelColor(15, 1) == PureRed);
        const QFontMetrics metrics(main->Picture1[0]->font());
        QCOMPARE(main->Picture1[0]->labelRect(), QRect(1, 1, metrics.horizontalAdvance("1") + 1, metrics.height()));
        int white = 0;  // the digits are white
        for (int x = 1; x < 8; ++x)
            for (int y = 1; y < 12; ++y)
                white += tile.pixelColor(x, y).lightness() > 200;
        QVERIFY(white > 3);
        main->mnuNewGame->trigger();
        QVERIFY(painted().empty() && info->Label3->text().isEmpty() && !inkAtEdges(info->Label2));
    }

    void aChipGoesOnlyOnACalledNumberAndAClaimOnlyWinsWithAPattern_data()
    {
        QTest::addColumn<int>("chipped");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<int>("claimed");
        QTest::addColumn<bool>("wins");
        QTest::newRow("row 1") << 3 << QList<int>{1, 6, 11, 16, 21} << 3 << true;
        QTest::newRow("one diagonal") << 3 << QList<int>{1, 7, 13, 19, 25} << 3 << false;
        QTest::newRow("column B, card 4") << 4 << QList<int>{1, 2, 3, 4, 5} << 4 << true;
        QTest::newRow("a column on another card") << 4 << QList<int>{1, 2, 3, 4, 5} << 3 << false;
    }

    void aChipGoesOnlyOnACalledNumberAndAClaimOnlyWinsWithAPattern()
    {
        QFETCH(int, chipped);
        QFETCH(QList<int>, cells);
        QFETCH(int, claimed);
        QFETCH(bool, wins);
        start();
        for (int cell : cells)  // not called yet: no chip
            if (table->cell(chipped, cell - 1)->text().toInt() != calledNumber(info->Label3->text()))
                clickNumber(table->cell(chipped, cell - 1));
        callTheRest();
        for (int card = 1; card <= 4; ++card)  // calling marks nothing by itself
            for (int index = 0; index < 25; ++index)
                QCOMPARE(marginColour(table->cell(card, index)), PureBlue);
        for (int cell : cells) {  // a click on the margin, or from it onto the number, does nothing; on the number it chips
            Tile* tile = table->cell(chipped, cell - 1);
            QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(tile->width() - 2, tile->height() - 2));
            QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(tile->width() - 2, tile->height() - 2));
            QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->labelRect().center());
            QCOMPARE(marginColour(tile), PureBlue);
            clickNumber(tile);
            clickNumber(tile);
        }
        emit info->Timer1_Timer();  // the chips stay, through a refresh
        Tile* chip = table->cell(chipped, cells[0] - 1);
        QCOMPARE(chip->grab().toImage().pixelColor(chip->labelRect().topLeft() + QPoint(1, 1)), PureRed);
        const auto numbers = [&] {
            QString all;
            for (int index = 0; index < 25; ++index)
                all += table->cell(1, index)->text() + ',';
            return all;
        };
        const QString dealt = numbers(), call = info->Label3->text();
        MessageAnswerer answerer;
        QTest::mouseClick(table->claimButton(claimed), Qt::LeftButton);
        QCOMPARE(answerer.texts, wins ? QStringList{"Congradulations you got a BINGO!"} : QStringList());
        QCOMPARE(answerer.looks, wins ? QStringList{BoxLook} : QStringList());
        // A win deals a new game: the call text keeps the last letter and its blank alone.
        QCOMPARE(info->Label3->text() + info->Label5->text(), wins ? call.left(2) + "0" : call + "75");
        for (int card = 1; card <= 4; ++card)  // a new game has no chips
            for (int index = 0; index < 25; ++index)
                QVERIFY(!wins || marginColour(table->cell(card, index)) == PureBlue);
        QCOMPARE(marginColour(chip), wins ? PureBlue : PureRed);
        QCOMPARE(marginColour(main->Picture1[0]), wins ? PureBlue : PureRed);
        QCOMPARE(numbers() != dealt, wins);
        QCOMPARE(main->Command3->isVisible(), wins);
        QVERIFY(main->Command2->isEnabled() && !main->Command1->isEnabled() && !info->Timer1.isActive());
    }

    void everyControlHasItsPlaceAndFont()
    {
        bingo->show(Window::ExitDialog);
        bingo->showNameEntry();
        bingo->mnuHallofFame_Click();
        Form1* f1 = main;
        Form2* f2 = bingo->exitDialog();
        Form3* f3 = table;
        Form4* f4 = info;
        Form5* f5 = bingo->hallOfFame();
        Form6* f6 = bingo->nameEntry();
        // Design places in twips, 15 to the pixel; a width or height of 0 follows the text.
        // Fonts in pixels at 96 dpi (8.25 pt is 11, 9.75 pt 13, 12 pt 16, 18 pt 24, 24 pt 32),
        // negative for bold; pictures have none. The call label spans the frame's inside, and
        // the count is wider than designed, so that every call and "75" stay whole.
        const std::tuple<QWidget*, QRect, int> controls[] = {
            {f1->Label3, {1680, 0, 0, 435}, -24},            {f1->Command1, {360, 0, 1095, 375}, 11},
            {f1->Command2, {4320, 0, 1095, 375}, 11},        {f1->Command3, {4320, 0, 1095, 375}, 11},
            {f1->Label2[4], {120, 1920, 0, 0}, -13},         {f1->Picture1[74], {5400, 1920, 255, 255}, 11},
            {f2->Label1, {480, 120, 4230, 600}, -16},        {f2->Command1, {1080, 960, 1215, 495}, 11},
            {f2->Command2, {2640, 960, 1095, 495}, 11},      {f3->cell(2, 6), {2520, 840, 375, 375}, 16},
            {f3->cell(4, 24), {7680, 1920, 375, 375}, 16},   {f3->Label1[9], {3720, 120, 0, 0}, -16},
            {f3->Label1[15], {7800, 120, 0, 0}, -16},        {f3->claimButton(4), {6360, 2400, 1575, 375}, 11},
            {f4->Frame1, {480, 120, 1335, 855}, -11},        {f4->Label3, {30, 240, 1275, 555}, -32},
            {f4->Label1, {360, 1200, 0, 240}, -13},          {f4->Label5, {1320, 1200, 480, 255}, -13},
            {f4->Label6, {360, 1560, 0, 240}, -13},          {f4->Label4, {1320, 1560, 480, 240}, -13},
            {f4->Label2, {0, 2280, 2265, 195}, -11},         {f4->Command1, {0, 1920, 495, 255}, 11},
            {f5->Image1, {120, 120, 3375, 1500}, 0},         {f5->Label1, {3840, 240, 0, 195}, 11},
            {f5->List1, {3720, 600, 2055, 2205}, 11},        {f5->Label5, {3840, 3000, 0, 195}, 11},
            {f5->Label6, {4920, 3000, 0, 195}, 11},          {f5->Label2, {1200, 1680, 0, 195}, 11},
            {f5->Label3, {360, 2040, 0, 195}, 11},           {f5->Label4, {840, 2400, 0, 195}, 11},
            {f5->Command1, {480, 2760, 2295, 375}, 11},      {f6->Image1, {120, 240, 2175, 2415}, 0},
            {f6->Label1, {2640, 240, 3840, 0}, -16},         {f6->Text1, {2760, 1320, 3375, 420}, -16},
            {f6->Command1, {3600, 2040, 1575, 495}, -16}};
        for (const auto& [widget, twips, pixels] : controls) {
            const QString name = QStringLiteral("%1 at %2, %3").arg(widget->metaObject()->className()).arg(twips.x()).arg(twips.y());
            const QRect place = widget->geometry();
            QVERIFY2(place.topLeft() == twips.topLeft() / 15, qPrintable(name));
            QVERIFY2(!twips.width() || place.width() == twips.width() / 15, qPrintable(name));
            QVERIFY2(!twips.height() || place.height() == twips.height() / 15, qPrintable(name));
            QVERIFY2(!pixels || (widget->font().pixelSize() == std::abs(pixels) && widget->font().bold() == (pixels < 0)), qPrintable(name));
        }
        // The windows: client areas of a fixed size, at their design points on the screen.
        const std::pair<QWidget*, QRect> windows[] = {
            {f1->client, {1155, 1770, 5805, 2295}}, {f2, {3135, 2850, 4995, 1515}}, {f3, {1155, 4470, 8190, 2925}},
            {f4, {7080, 1485, 2265, 2580}},         {f5, {2010, 2370, 5925, 3270}}, {f6, {2070, 2715, 6630, 2865}}};
        for (const auto& [window, twips] : windows) {
            QCOMPARE(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()), QRect(twips.topLeft() / 15, twips.size() / 15));
            QCOMPARE(window->window()->minimumSize(), window->window()->maximumSize());
            QVERIFY(window->window()->rect().contains(QRect(window->mapTo(window->window(), QPoint()), window->size())));
        }
        QVERIFY(!f4->Command1->isVisible() && f6->windowTitle().isEmpty() && f6->windowHandle()->title() == " ");
        const QString titles = QStringList{f1->windowTitle(), f2->windowTitle(), f3->windowTitle(), f4->windowTitle(), f5->windowTitle()}.join('|');
        QCOMPARE(titles, QStringLiteral("Tolva Bingo v1.0.22|Tolva BINGO|Tolva BINGO Cards Table|Info|Hall Of Fame"));
        // Card 1's numbers stand a pixel further right in their boxes than the others'.
        QCOMPARE(QString::number(f3->cell(1, 9)->labelRect().x()) + QString::number(f3->cell(2, 9)->labelRect().x()), "21");
    }

    // Run by CTest at scale factors 1, 1.5 and 2. The cells of a card overlap by their borders,
    // so that the right and bottom border of a cell may be its neighbour's left or top one.
    void everyTileIsSquareWithAnEvenBorderAtAnyScale()
    {
        for (QWidget* window : {static_cast<QWidget*>(main->client), static_cast<QWidget*>(table)}) {
            const QPixmap shot = window->grab();
            const QImage image = shot.toImage();
            const qreal scale = shot.devicePixelRatio();
            for (Tile* tile : window->findChildren<Tile*>()) {
                const QRect own = QRectF(QPointF(tile->mapTo(window, QPoint())) * scale, QSizeF(tile->size()) * scale).toAlignedRect();
                const QPoint inside = own.topLeft() + QPoint(own.width() - 5, own.height() - 5);
                const auto [right, rightWidth, rightBeyond] = borderFrom(image, image.rect(), inside, {1, 0});
                const auto [down, downWidth, downBeyond] = borderFrom(image, image.rect(), inside, {0, 1});
                const auto [left, leftWidth, leftBeyond] = borderFrom(image, own, inside, {-1, 0});
                const auto [up, upWidth, upBeyond] = borderFrom(image, own, inside, {0, -1});
                const QString where = QStringLiteral("%1 in %2").arg(tile->text()).arg(window->windowTitle());
                QVERIFY2(right + left == down + up && leftWidth >= 1 && !leftBeyond && !upBeyond, qPrintable(where));
                QVERIFY2(rightWidth == leftWidth && downWidth == leftWidth && upWidth == leftWidth, qPrintable(where));
            }
        }
        bingo->showNameEntry();  // from 150 % on, the pictures have a pixel for every pixel shown
        bingo->mnuHallofFame_Click();
        for (QLabel* image : {bingo->hallOfFame()->Image1, bingo->nameEntry()->Image1})
            QVERIFY(qApp->devicePixelRatio() < 1.5 || image->pixmap().width() >= image->width() * 2);
    }

    void theWindowsMenuAndExit()
    {
        MessageAnswerer answerer;
        QSignalSpy ended(bingo.get(), &Bingo::ended);
        main->mnurinfo->trigger();
        main->mnurcards->trigger();
        main->mnuExit->trigger();  // no game in progress: nothing to ask
        QVERIFY(!bingo->exitDialog());
        start();
        callTheRest();
        clickNumber(table->cell(3, 12));
        table->close();
        info->close();
        settle();
        QCOMPARE(bingo->state().CardsWindowOpen * 10 + bingo->state().InfoWindowOpen, 22);
        main->mnuNewCards->trigger();  // writes to closed windows go nowhere and open nothing
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        QVERIFY(!bingo->info() && !bingo->cardsTable());
        QCOMPARE(answerer.texts, (QStringList{"Sorry that window is open already", "Sorry that window is open already",
                                              "Sorry but this can only be done BEFORE starting a new game!  "
                                              "To use this feature start a new game."}));
        QCOMPARE(answerer.looks, QStringList(3, BoxLook));
        main->mnurcards->trigger();  // back as the game stands
        main->mnurinfo->trigger();
        QCOMPARE(bingo->state().CardsWindowOpen * 10 + bingo->state().InfoWindowOpen, 11);
        QCOMPARE(marginColour(bingo->cardsTable()->cell(3, 12)), PureRed);
        QCOMPARE(bingo->cardsTable()->cell(4, 24)->text(), QString::number(bingo->state().cards.CardNumbers[4][25]));
        info = bingo->info();
        QVERIFY(calledNumber(info->Label3->text()) && !info->Timer1.isActive());  // closing it stopped the calls
        QCOMPARE(info->Label5->text() + info->Label4->text() + info->Label2->text(), QStringLiteral("75100Game Not Running"));
        // Exit asks while a game is in progress, paused or not; "No" only closes the dialog.
        main->mnuExit->trigger();
        QCOMPARE(bingo->exitDialog()->Label1->text(), QStringLiteral("There is a game in progress are you sure you want to exit?"));
        QTest::mouseClick(bingo->exitDialog()->Command2, Qt::LeftButton);
        settle();
        QVERIFY(!bingo->exitDialog() && main->isVisible());
        main->mnuExit->trigger();
        bingo->showNameEntry();  // closing the main window takes these with it too
        bingo->mnuHallofFame_Click();
        QTest::mouseClick(bingo->exitDialog()->Command1, Qt::LeftButton);
        settle();
        QVERIFY(ended.count() == 1 && !bingo->mainWindow() && !bingo->exitDialog() && !bingo->cardsTable() && !bingo->info());
        QVERIFY(!bingo->hallOfFame() && !bingo->nameEntry());
    }

    void theKeyboardAndAScreenReaderCanPlay()
    {
        Tile* first = table->cell(1, 0);
        start();
        const int n = calledNumber(info->Label3->text());
        QCOMPARE(spoken(main->Picture1[n - 1]), info->Label3->text() + ", called");
        QCOMPARE(spoken(main->Picture1[n % 75]), letterText(n % 75 + 1) + QString::number(n % 75 + 1) + ", not called");
        QCOMPARE(spoken(table->claimButton(2)), QStringLiteral("B I N G O, claim card 2"));
        clickNumber(first);
        QVERIFY(!first->hasFocus());  // a click gives no focus
        callTheRest();
        QApplication::setActiveWindow(table);
        first->setFocus(Qt::TabFocusReason);
        const QImage outlined = first->grab().toImage();  // a yellow outline all round
        for (QPoint p : {QPoint(1, 12), QPoint(first->width() - 2, 12), QPoint(12, 1), QPoint(12, first->height() - 2)})
            QCOMPARE(outlined.pixelColor(p), QColor(Qt::yellow));
        QCOMPARE(spoken(first), "Card 1, " + letterText(first->text().toInt()) + first->text() + ", no chip");
        QTest::keyClick(first, Qt::Key_Tab);  // Tab goes from cell to cell
        QVERIFY(qobject_cast<Tile*>(QApplication::focusWidget()) && QApplication::focusWidget() != first);
        first->setFocus(Qt::TabFocusReason);
        // The arrows walk a card and wrap round, from card 1 to card 4 and back.
        const std::tuple<Qt::Key, int, int> walk[] = {
            {Qt::Key_Left, 4, 20}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 1, 4}, {Qt::Key_Down, 1, 0}};
        for (const auto& [key, card, index] : walk) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), table->cell(card, index));
        }
        for (int column = 0; column < 5; ++column) {  // Space chips the top row; Right goes on into card 2
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        }
        QVERIFY(QApplication::focusWidget() == table->cell(2, 0) && spoken(first).endsWith(", chip"));
        table->claimButton(1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(table, Qt::Key_Left);  // off the cells the arrows walk nothing
        QCOMPARE(QApplication::focusWidget(), table->claimButton(1));
        MessageAnswerer answerer;
        QTest::keyClick(table->claimButton(1), Qt::Key_Space);
        QVERIFY(answerer.texts == QStringList{texts::Congratulations} && marginColour(first) == PureBlue);
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
