// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the player sees it: the buttons through every state, the board and the call,
// chips and claims, the windows' places and fonts, the Windows menu and Exit.
#include "helpers.h"

#include "announcer/playcallsound.h"
#include "windows/access.h"
#include "windows/desktop.h"
#include "windows/language.h"
#include "windows/look.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <set>
#include <xcb/xcb.h>

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

// From a point of a tile's fill, along one direction: how far its black border is, how wide,
// and whether the fill shows again beyond it.
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

QString cardNumbers(Form3* table, int card)
{
    QString numbers;
    for (int index = 0; index < 25; ++index)
        numbers += table->cell(card, index)->text() + ',';
    return numbers;
}

// What the X server holds: a property of a window (0: the root), and a window's frame on the
// screen (empty while it has none).
QByteArray xProperty(WId window, const QByteArray& name)
{
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    window = window ? window : xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, name.size(), name), nullptr);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom->atom, XCB_ATOM_ANY, 0, 64), nullptr);
    const QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    free(atom), free(reply);
    return value;
}
QRect xFrame(QWidget* window)
{
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window->winId()), nullptr);
    xcb_get_geometry_reply_t* frame = xcb_get_geometry_reply(c, xcb_get_geometry(c, tree->parent), nullptr);
    const QRect rect = tree->parent == tree->root ? QRect() : QRect(frame->x, frame->y, frame->width, frame->height);
    free(tree), free(frame);
    return rect;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
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
    void initTestCase()
    {
        // A folder of its own for bingolst.dat: runs of this test side by side must not share one.
        QDir::setCurrent(m_folder.path());
        FontsAhead::read();  // as the game does before its first window, on a thread of its own
        // and in the language of the desktop, as the game chooses it
        language::use(language::choose(QLocale::system().uiLanguages()), QCoreApplication::applicationDirPath() + "/../translations");
    }

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
        const QString dealt[] = {cardNumbers(table, 1), cardNumbers(table, 2), cardNumbers(table, 3), cardNumbers(table, 4)};
        main->mnuNewCards->trigger();  // no game yet: every card is dealt again
        for (int c = 1; c <= 4; ++c)
            QVERIFY(cardNumbers(table, c) != dealt[c - 1]);
        QCOMPARE(spoken(table->cell(4, 24)), "Card 4, " + letterText(table->cell(4, 24)->text().toInt()) + table->cell(4, 24)->text() + ", no chip");
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
            const int n = calledNumber(info->Label3->text());
            QVERIFY(called.insert(n).second && !called.count(0));
            QCOMPARE(spoken(main->Picture1[n - 1]), info->Label3->text() + ", called");  // as a screen reader says it
            QVERIFY(painted() == called && voices.count() == call && info->Label5->text() == QString::number(call));
            QVERIFY2(!inkAtEdges(info->Label3) && !inkAtEdges(info->Label5), qPrintable(info->Label3->text()));
            QVERIFY(!inkAtEdges(info->Label2) && !inkAtEdges(info->Label4));
        }
        // Past the last number a tick draws nothing, speaks nothing, changes nothing seen.
        const QString last = info->Label3->text();
        emit info->Timer1_Timer();
        QVERIFY(voices.count() == 75 && info->Label3->text() == last && info->Label5->text() == "75");
        // No sound module beside this program: a whole voice file is passed over in silence.
        info->MMControl1->setFileName(QCoreApplication::applicationDirPath() + "/.." + voiceFileText(1));
        info->MMControl1->setCommand(QStringLiteral("sound"));
        QVERIFY(info->MMControl1->playing().isEmpty());
        // A tile: a black border all round, the red inside it, white digits at its top left.
        const QImage tile = main->Picture1[0]->grab().toImage();
        QVERIFY(tile.pixelColor(0, 0) == Qt::black && tile.pixelColor(16, 16) == Qt::black && tile.pixelColor(15, 1) == PureRed);
        const QFontMetrics metrics(main->Picture1[0]->font());
        QCOMPARE(main->Picture1[0]->labelRect(), QRect(1, 1, metrics.horizontalAdvance("1") + 1, metrics.height()));
        int white = 0;
        for (int y = 1; y < 12; ++y)
            white += tile.pixelColor(4, y).lightness() > 200;
        QVERIFY(white > 3);
        main->mnuNewGame->trigger();
        QVERIFY(painted().empty() && info->Label3->text().isEmpty() && !inkAtEdges(info->Label2));
        QCOMPARE(spoken(main->Picture1[74]), QStringLiteral("O 75, not called"));
    }

    void aChipGoesOnlyOnACalledNumberAndAClaimOnlyWinsWithAPattern()
    {
        // The card chipped, its cells, the card claimed, and whether that wins.
        const std::tuple<int, QList<int>, int, bool> claims[] = {
            {1, {1, 6, 11, 16, 21}, 1, true}, {3, {1, 7, 13, 19, 25}, 3, false},  // row 1; one diagonal
            {4, {1, 2, 3, 4, 5}, 4, true},    {4, {1, 2, 3, 4, 5}, 3, false}};    // column B on card 4, claimed on 3
        for (const auto& [chipped, cells, claimed, wins] : claims) {
            main->mnuNewGame->trigger();
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
            QCOMPARE(spoken(chip), QStringLiteral("Card %1, %2%3, chip").arg(chipped).arg(letterText(chip->text().toInt()), chip->text()));
            QCOMPARE(chip->grab().toImage().pixelColor(chip->labelRect().topLeft() + QPoint(1, 1)), PureRed);
            const QString dealt = cardNumbers(table, 1), call = info->Label3->text();
            MessageAnswerer answerer;
            QTest::mouseClick(table->claimButton(claimed), Qt::LeftButton);
            QCOMPARE(answerer.texts, wins ? QStringList{"Congradulations you got a BINGO!"} : QStringList());
            QCOMPARE(answerer.looks, wins ? QStringList{BoxLook} : QStringList());
            // A win deals a new game: the call text keeps the last letter and its blank alone.
            QCOMPARE(info->Label3->text() + info->Label5->text(), wins ? call.left(2) + "0" : call + "75");
            for (int card = 1; card <= 4; ++card)  // a new game has no chips
                for (int index = 0; index < 25; ++index)
                    QVERIFY(!wins || marginColour(table->cell(card, index)) == PureBlue);
            QVERIFY(marginColour(chip) == (wins ? PureBlue : PureRed) && marginColour(main->Picture1[0]) == marginColour(chip));
            QVERIFY((cardNumbers(table, 1) != dealt) == wins && main->Command3->isVisible() == wins);
            QVERIFY(main->Command2->isEnabled() && !main->Command1->isEnabled() && !info->Timer1.isActive());
        }
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
            {f1->Command3, {4320, 0, 1095, 375}, 11},        {f1->Picture1[74], {5400, 1920, 255, 255}, 11},
            {f2->Label1, {480, 120, 4230, 600}, -16},        {f2->Command1, {1080, 960, 1215, 495}, 11},
            {f2->Command2, {2640, 960, 1095, 495}, 11},      {f3->cell(2, 6), {2520, 840, 375, 375}, 16},
            {f3->Label1[9], {3720, 120, 0, 0}, -16},         {f3->claimButton(4), {6360, 2400, 1575, 375}, 11},
            {f4->Frame1, {480, 120, 1335, 855}, -11},        {f4->Label3, {30, 240, 1275, 555}, -32},
            {f4->Label5, {1320, 1200, 480, 255}, -13},       {f4->Label2, {0, 2280, 2265, 195}, -11},
            {f5->Image1, {120, 120, 3375, 1500}, 0},         {f5->Label1, {3840, 240, 0, 195}, 11},
            {f5->List1, {3720, 600, 2055, 2205}, 11},        {f5->Command1, {480, 2760, 2295, 375}, 11},
            {f6->Image1, {120, 240, 2175, 2415}, 0},         {f6->Label1, {2640, 240, 3840, 0}, -16},
            {f6->Text1, {2760, 1320, 3375, 420}, -16},       {f6->Command1, {3600, 2040, 1575, 495}, -16}};
        // Every font is the face the system puts in MS Sans Serif's place.
        QFont msSans(QStringLiteral("MS Sans Serif"));
        msSans.setStyleHint(QFont::SansSerif);
        const QString standIn = QFontInfo(msSans).family();
        for (const auto& [widget, twips, pixels] : controls) {
            const QRect place = widget->geometry(), designed(twips.topLeft() / 15, twips.size() / 15);
            const QSize size(designed.width() ? designed.width() : place.width(), designed.height() ? designed.height() : place.height());
            QVERIFY2(place == QRect(designed.topLeft(), size), qPrintable(widget->metaObject()->className()));
            QVERIFY(!pixels || (widget->font().pixelSize() == std::abs(pixels) && widget->font().bold() == (pixels < 0)));
            QVERIFY(!pixels || QFontInfo(widget->font()).family() == standIn);
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

    void aWholeGameIsPlayedByKeyboardAndHeardByAScreenReader()
    {
        // What a screen reader is told, through Qt's own accessibility hook. Offscreen there is no
        // reader to tell; CTest runs this test again in a desktop session with the accessibility bus.
        const bool reader = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        if (reader)
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        static QStringList heard;
        heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* object = event->accessibleInterface();
            if (object && event->type() == QAccessible::ObjectShow && object->role() == QAccessible::Notification)
                heard << "notification " + object->text(QAccessible::Name);
            if (object && event->type() == QAccessible::StateChanged && static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked)
                heard << object->text(QAccessible::Name) + (object->state().checked ? " checked" : " unchecked");
        });
        Tile* chip = nullptr;  // a cell of card 1 whose number gets called
        const auto calledCell = [&]() -> QWidget* {
            for (int i = 1; !chip; i = i % 25 + 1) {
                if (i == 1)
                    emit info->Timer1_Timer();
                if (bingo->state().CalledNumbers[bingo->state().cards.CardNumbers[1][i]] == 1)
                    chip = table->cell(1, i - 1);
            }
            return chip;
        };
        const auto at = [](QWidget* widget) { return [widget] { return widget; }; };
        const std::tuple<std::function<QWidget*()>, int, std::function<QWidget*()>> keys[] = {
            // where the key goes, the key, where the focus is after it
            {at(main->Command3), Qt::Key_Space, at(main->Command1)},  // Start: the first call; Pause takes the focus
            {at(main->Command1), Qt::Key_Space, at(main->Command2)},  // Pause
            {at(main->Command2), Qt::Key_Space, at(main->Command1)},  // UnPause
            {at(main->Command1), Qt::Key_F6, at(table->cell(1, 0))},  // on to the cards
            {at(table->cell(1, 0)), Qt::Key_Down, at(table->cell(1, 1))}, {at(table->cell(1, 4)), Qt::Key_Right, at(table->cell(1, 9))},
            {at(table->cell(1, 24)), Qt::Key_Right, at(table->cell(2, 4))},  // on into the next card
            {at(table->cell(2, 0)), Qt::Key_Left, at(table->cell(1, 20))},  // and back
            {calledCell, Qt::Key_Space, [&] { return chip; }},  // called: a chip
            {at(table->cell(1, 0)), Qt::Key_F6, at(info->Label3)},  // on to the Info window and its call
            {at(info->Label3), Qt::Key_F6, at(main->Command1)},  // and round to the main window
            {at(main->Command1), Qt::SHIFT | Qt::Key_F6, at(info->Label3)}};
        for (const auto& [where, key, after] : keys) {
            QWidget* to = where();
            to->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(to->window()));
            to->setFocus(Qt::TabFocusReason);
            QTest::keyClick(to, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            QTRY_COMPARE(QApplication::focusWidget(), after());
        }
        QCOMPARE(chip->colour(), CalledColour);
        QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(info->callNotice);
        QVERIFY(notice->role() == QAccessible::Notification && notice->text(QAccessible::Name) == bingo->state().callText());
        // A chip is the cell's check, and the cell says so when it changes.
        for (Tile* cell : {chip, table->cell(4, 24)})  // a chip, and none
            QVERIFY(QAccessible::queryAccessibleInterface(cell)->role() == QAccessible::CheckBox
                    && QAccessible::queryAccessibleInterface(cell)->state().checked == (cell == chip));
        // The Info window's menu from the keyboard, and through it the name entry.
        QTimer::singleShot(0, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                QTest::keyClick(menu, Qt::Key_Return), menu->close();  // its first item is chosen already
        });
        QTest::keyClick(info->Label3, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(bingo->nameEntry() && bingo->nameEntry()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), bingo->nameEntry()->Text1);
        QTest::keyClicks(bingo->nameEntry()->Text1, QStringLiteral("Ann"));
        QTest::keyClick(bingo->nameEntry()->Text1, Qt::Key_Return);
        settle();
        QVERIFY(!bingo->nameEntry());
        QTRY_COMPARE(QApplication::focusWidget(), main->Command1);  // back in the main window, on Pause
        if (reader) {  // every call told once and repaints never, the latest as shown; the chip as the cell's check
            QCOMPARE(heard.filter("notification ").size(), bingo->state().CallCount);
            QCOMPARE(heard.filter("notification ").last(), "notification " + bingo->state().callText());
            QCOMPARE(heard.filter("checked"), QStringList{chip->accessibleName() + " checked"});
        }
        // The exit question is a dialog, read with its question; Enter on Yes ends the game.
        main->mnuExit->trigger();
        QCOMPARE(QAccessible::queryAccessibleInterface(bingo->exitDialog())->role(), QAccessible::Dialog);
        QSignalSpy ended(bingo.get(), &Bingo::ended);
        bingo->exitDialog()->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), bingo->exitDialog()->Command1);
        QTest::keyClick(bingo->exitDialog()->Command1, Qt::Key_Return);
        QCOMPARE(ended.count(), 1);
        QAccessible::installUpdateHandler(nullptr);
        QFile::remove(QStringLiteral("bingolst.dat"));
    }

    void everyTextStaysReadableInADarkTheme()
    {
        // Each label's text against the background it is painted on, under the light default
        // palette and under a dark one; the game's own fixed colours stay as they are.
        const auto contrasts = [this] {
            bingo = std::make_unique<Bingo>();
            bingo->start();
            bingo->show(Window::ExitDialog), bingo->showNameEntry(), bingo->mnuHallofFame_Click();  // all loaded
            QList<double> found;
            QWidgetList windows = QApplication::topLevelWidgets();
            std::sort(windows.begin(), windows.end(), [](QWidget* a, QWidget* b) { return a->windowTitle() < b->windowTitle(); });
            for (QWidget* window : windows)
                for (QLabel* label : window->findChildren<QLabel*>()) {
                    if (label->text().isEmpty() || qobject_cast<Tile*>(label->parentWidget()))
                        continue;  // pictures; tile numbers are the game's white on its blue or red
                    QWidget* back = label;
                    while (!back->autoFillBackground() && !back->isWindow())
                        back = back->parentWidget();
                    found << contrast(label->palette().color(label->foregroundRole()), back->palette().color(back->backgroundRole()));
                }
            bingo.reset(), settle();
            return found;
        };
        const QPalette light = QApplication::palette();
        const QList<double> onLight = contrasts();
        QPalette dark;
        for (auto [role, colour] : {std::pair{QPalette::Window, 0x2a2a2a}, {QPalette::WindowText, 0xeeeeee}, {QPalette::Base, 0x1e1e1e},
                                    {QPalette::Text, 0xeeeeee}, {QPalette::Button, 0x353535}, {QPalette::ButtonText, 0xeeeeee}})
            dark.setColor(role, QColor::fromRgb(colour));
        QApplication::setPalette(dark);
        const QList<double> onDark = contrasts();
        QApplication::setPalette(light);
        QCOMPARE(onDark.size(), onLight.size());
        for (int i = 0; i < onDark.size(); ++i)
            QVERIFY2(onDark[i] >= std::min(4.5, onLight[i]), qPrintable(QStringLiteral("label %1: %2 against %3").arg(i).arg(onDark[i]).arg(onLight[i])));
        init();  // for cleanup
    }

    void theWindowSystemIsOneWhereTheWindowsKeepTheirPlaces()
    {
        const std::tuple<const char*, bool, bool, const char*> cases[] = {  // chosen, Wayland, X display, used
            {"", false, true, ""},             {"", true, true, "xcb;wayland"}, {"", true, false, "wayland"},
            {"wayland", true, true, "wayland"}, {"offscreen", false, false, "offscreen"}, {"", false, false, ""}};
        for (const auto& [chosen, wayland, x11, used] : cases)
            QCOMPARE(desktop::choosePlatform(chosen, wayland, x11), QByteArray(used));
    }

    // CTest runs this at scale factors 1 to 2 as well. The cells of a card overlap by their
    // borders, so that the right and bottom border of a cell may be its neighbour's left or top one.
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
                QVERIFY2(right + left == down + up && leftWidth >= 1 && !leftBeyond && !upBeyond, qPrintable(tile->text()));
                QVERIFY2(rightWidth == leftWidth && downWidth == leftWidth && upWidth == leftWidth, qPrintable(tile->text()));
            }
        }
        bingo->showNameEntry();  // from 150 % on, the pictures have a pixel for every pixel shown
        bingo->mnuHallofFame_Click();
        for (QLabel* image : {bingo->hallOfFame()->Image1, bingo->nameEntry()->Image1})
            QVERIFY(qApp->devicePixelRatio() < 1.5 || image->pixmap().width() >= image->width() * 2);
    }

    // CTest runs this under a window manager that frames windows as GNOME does, with title bars
    // taller than the layout leaves room for, and moves hidden windows to their frame's corner.
    void theWindowsNeitherOverlapNorWanderAndTheMainWindowComesBackOnTop()
    {
        if (QGuiApplication::platformName() != "xcb" || xProperty(0, "_NET_SUPPORTED").isEmpty())
            QSKIP("needs X with the framing window manager of framing_wm.py");
        const QList<QWidget*> windows{main, table, info};
        const auto id = [](QWidget* window) { const quint32 id = window->winId(); return QByteArray((const char*)&id, 4); };
        const auto frames = [&] { return QList<QRect>{xFrame(main), xFrame(table), xFrame(info)}; };
        // The cards table right below the main window's frame and Info's, Info right of the main window's.
        QTRY_VERIFY(frames()[1].top() == std::max(frames()[0].bottom(), frames()[2].bottom()) + 1);
        QTRY_COMPARE(frames()[2].left(), frames()[0].right() + 1);
        const QList<QRect> before = frames();
        for (QWidget* window : windows)
            QCOMPARE(xProperty(window->winId(), "_KDE_NET_WM_DESKTOP_FILE") + xProperty(window->winId(), "_GTK_APPLICATION_ID"),
                     QByteArray(desktop::Id) + desktop::Id);
        bingo->mnuHallofFame_Click();
        // Withdrawn and moved to their frames' corners, which Qt has taken for their places.
        QTRY_VERIFY(xProperty(0, "_NET_CLIENT_LIST_STACKING") == id(bingo->hallOfFame()) && frames() == QList<QRect>(3));
        for (int i = 0; i < 3; ++i)
            QTRY_COMPARE(windows[i]->geometry().topLeft(), before[i].topLeft());
        QTest::mouseClick(bingo->hallOfFame()->Command1, Qt::LeftButton);
        QTRY_COMPARE(frames(), before);
        QTest::qWait(500);  // every activation asked for has arrived: main was active for a moment before
        QTRY_COMPARE(xProperty(0, "_NET_ACTIVE_WINDOW"), id(main));  // active, and on top
        QCOMPARE(xProperty(0, "_NET_CLIENT_LIST_STACKING").right(4), id(main));
        table->close();  // and reopened where it was
        settle();
        main->mnurcards->trigger();
        QTRY_COMPARE(xFrame(bingo->cardsTable()), before[1]);
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
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
