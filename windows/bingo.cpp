// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/bingo.h"

#include "announcer/mediacontrol.h"
#include "halloffame/fame.h"
#include "version.h"
#include "windows/access.h"
#include "windows/tile.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace texts {
QString Caption() { return QCoreApplication::translate("Bingo", "Tolva Bingo"); }
QString FameWriteFailed()
{
    return QCoreApplication::translate("Bingo",
                                       "Your name could not be saved in the hall of fame. The hall of fame is unchanged; "
                                       "check that the folder can be written to and try again.");
}
QString FameBusy()
{
    return QCoreApplication::translate("Bingo", "Another game is writing the hall of fame just now, so your name is not "
                                                "in it yet. Press Enter Me again in a moment.");
}
QString FameUnreadable()
{
    return QCoreApplication::translate("Bingo", "The hall of fame could not be read. bingolst.dat is left as it is.");
}
QString FameReadOnly()
{
    return QCoreApplication::translate(
        "Bingo", "The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.");
}
QString FameTooLarge()
{
    return QCoreApplication::translate(
        "Bingo", "bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.");
}
QString FameNotAFile()
{
    return QCoreApplication::translate("Bingo", "bingolst.dat is not a file but a folder, a pipe or a device: it is left as "
                                                "it is, and no name can be added to it.");
}
QString FameForeignLink()
{
    return QCoreApplication::translate("Bingo", "bingolst.dat is a link that another user made: the game does not follow "
                                                "it, and no name can be added to the hall of fame.");
}
QString FameLockHeld(const QString& user)
{
    //: %1 is the user's name.
    return QCoreApplication::translate("Bingo", "The hall of fame's lock file, bingolst.dat.lock, is held by another "
                                                "user, %1: ask them to remove it.")
        .arg(user);
}
}  // namespace texts

// The pictures are compiled into this library; a static library must ask for them.
static void loadPictures()
{
    Q_INIT_RESOURCE(pictures);
}

Bingo::Bingo()
    : m_controller(m_state, *this, m_generator),
      m_main([this] { return makeMain(); },
             [this](Form1& form) {
                 form.setWindowTitle(form.windowTitle() + QStringLiteral(" v")
                                     + QCoreApplication::applicationVersion());
                 m_controller.FormLoad();
             },
             [this] { unloadMain(); }),
      m_exitDialog([this] { return makeExitDialog(); }),
      m_cardsTable([this] { return makeCardsTable(); }, [this](Form3&) { m_state.CardsWindowOpen = 1; },
                   [this] { m_state.CardsWindowOpen = 2; }),
      m_info([this] { return makeInfo(); }, [this](Form4&) { m_state.InfoWindowOpen = 1; },
             [this] { m_state.InfoWindowOpen = 2; }),
      m_hallOfFame([this] { return makeHallOfFame(); }, [](Form5& form) { form.LoadFameList(); },
                   [this] { showGameWindows(); }),
      m_nameEntry([this] { return makeNameEntry(); }, {}, [this] { showGameWindows(); })
{
    loadPictures();
    installAccessibility();
    // The program's version record, from the one version the build declares.
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version::Major).arg(version::Minor).arg(version::Revision));
}

Bingo::~Bingo()
{
    unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Bingo::start()
{
    m_main.show();
    // Once the window manager has framed the main window, the windows beside and below it make
    // room for the frame.
    m_main.get()->windowHandle()->installEventFilter(this);
}

bool Bingo::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = static_cast<QWindow*>(watched);  // the main window's, the one watched
    if (event->type() == QEvent::Expose && window->isExposed()) {
        window->removeEventFilter(this);
        makeRoomForFrames(20);  // a second at most
    }
    return false;
}

// The cards table stands below the main window and Info, and Info right of the main window,
// with the frames the window manager gives them between: where those are taller or wider than
// the places leave room for, the windows move apart so that no frame covers another window.
// The frame is known once the main window shows on the screen, or a moment later (KWin): until
// then it is looked for again.
void Bingo::makeRoomForFrames(int tries)
{
    Form1* main = m_main.get();
    const QMargins frame = main ? main->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        if (main && tries > 1)
            QTimer::singleShot(50, this, [this, tries] { makeRoomForFrames(tries - 1); });
        return;
    }
    const QRect mainFrame = main->geometry() + frame;
    if (Form4* info = m_info.get()) {
        const QPoint place = info->clientPlace();
        info->placeClientAt(std::max(place.x(), mainFrame.right() + 1 + frame.left()), place.y());
    }
    if (Form3* cards = m_cardsTable.get()) {
        int above = mainFrame.bottom();
        if (Form4* info = m_info.get())
            above = std::max(above, info->geometry().bottom() + frame.bottom());
        const QPoint place = cards->clientPlace();
        cards->placeClientAt(place.x(), std::max(place.y(), above + 1 + frame.top()));
    }
}

Form1* Bingo::makeMain()
{
    auto* form = new Form1;
    cycleWithF6(form);
    connect(form->Command3, &QPushButton::clicked, this, [this] { m_controller.Start(); });
    connect(form->Command1, &QPushButton::clicked, this, [this] { m_controller.Pause(); });
    connect(form->Command2, &QPushButton::clicked, this, [this] { m_controller.UnPause(); });
    connect(form->mnuNewGame, &QAction::triggered, this, [this] { m_controller.NewGame(); });
    connect(form->mnuNewCards, &QAction::triggered, this, [this] { m_controller.NewCards(); });
    connect(form->mnuHallofFame, &QAction::triggered, this, &Bingo::mnuHallofFame_Click);
    connect(form->mnuExit, &QAction::triggered, this, [this] { m_controller.GIPSafety(); });
    connect(form->mnurinfo, &QAction::triggered, this, [this] { m_controller.ReopenInfo(); });
    connect(form->mnurcards, &QAction::triggered, this, [this] { m_controller.ReopenCards(); });
    return form;
}

Form2* Bingo::makeExitDialog()
{
    auto* form = new Form2;
    connect(form->Command1, &QPushButton::clicked, this, &Bingo::exitYes);
    connect(form->Command2, &QPushButton::clicked, this, [this] { m_exitDialog.unload(); });
    return form;
}

Form3* Bingo::makeCardsTable()
{
    auto* form = new Form3;
    cycleWithF6(form);
    connect(form, &Form3::cellClicked, this, [this](int card, int index) { m_controller.CellClick(card, index); });
    connect(form, &Form3::claimed, this, [this](int card) { m_controller.Claim(card); });
    return form;
}

Form4* Bingo::makeInfo()
{
    auto* form = new Form4;
    cycleWithF6(form);
    connect(form, &Form4::Timer1_Timer, this, [this] { m_controller.Tick(); });
    connect(form, &Form4::nameEntryWanted, this, &Bingo::showNameEntry);
    return form;
}

Form5* Bingo::makeHallOfFame()
{
    auto* form = new Form5;
    // Return: the unload shows the game windows and repaints them.
    connect(form->Command1, &QPushButton::clicked, this, [this] { m_hallOfFame.unload(); });
    return form;
}

Form6* Bingo::makeNameEntry()
{
    auto* form = new Form6;
    connect(form->Command1, &QPushButton::clicked, this, &Bingo::enterName);
    connect(form->Text1, &QLineEdit::returnPressed, this, &Bingo::enterName);
    return form;
}

// F6 and Shift+F6 move between the three game windows, main, cards table and info, as a
// keyboard player moves between the panes of a desktop program.
void Bingo::cycleWithF6(QWidget* form)
{
    for (bool forward : {true, false}) {
        auto* key = new QShortcut(forward ? QKeySequence(Qt::Key_F6) : QKeySequence(Qt::SHIFT | Qt::Key_F6), form);
        connect(key, &QShortcut::activated, this, [this, form, forward] {
            QList<QWidget*> windows{m_main.get(), m_cardsTable.get(), m_info.get()};
            windows.removeAll(nullptr);
            const int at = int(windows.indexOf(form));
            for (int step = 1; step < windows.size(); ++step) {
                QWidget* next = windows[(at + (forward ? step : windows.size() - step)) % windows.size()];
                if (next->isVisible()) {
                    next->raise();
                    next->activateWindow();
                    return;
                }
            }
        });
    }
}

// A button that hides or greys while it has the focus hands the focus on, where a player
// expects it: Start and UnPause to Pause, Pause to UnPause, a new game back to Start.
void Bingo::keepFocus()
{
    Form1* form = m_main.get();
    if (!form)
        return;
    const QWidget* focus = form->focusWidget();
    if (focus && focus->isEnabled() && focus->isVisible())
        return;
    for (QPushButton* button : {form->Command1, form->Command2, form->Command3})
        if (button->isEnabled() && button->isVisible()) {
            button->setFocus();
            return;
        }
}

void Bingo::unloadMain()
{
    // Closing the main window ends the program at any moment, and takes every window with it.
    // The hall of fame and the name entry would show the game windows as they go: not now.
    m_ending = true;
    m_exitDialog.unload();
    m_cardsTable.unload();
    m_info.unload();
    m_hallOfFame.unload();
    m_nameEntry.unload();
    emit ended();
}

void Bingo::unloadAll()
{
    m_main.unload();
    unloadMain();
}

void Bingo::exitYes()
{
    m_main.unload();
    m_exitDialog.unload();
    m_cardsTable.unload();
    m_info.unload();
}

void Bingo::mnuHallofFame_Click()
{
    // Hiding a window the player had closed loads it again, invisible.
    m_main.hide();
    m_cardsTable.hide();
    m_info.hide();
    m_hallOfFame.show();
    if (Form5* fame = m_hallOfFame.get()) {
        fame->activateWindow();  // where the keyboard goes on, whatever the window manager does
        tellFame(fame->status);
    }
}

void Bingo::showGameWindows()
{
    if (m_ending)
        return;
    // Each window shown once, the main window last, then brought forward and given the
    // keyboard: back where the game is played. Showing a visible window again would raise it
    // over the main window.
    m_cardsTable.load().show();
    m_info.load().show();
    Form1& main = m_main.load();
    main.show();
    // A window loaded again while hidden must show the game as it stands.
    m_controller.RefreshAll();
    main.raise();
    main.activateWindow();
    keepFocus();
}

void Bingo::showNameEntry()
{
    m_nameEntry.show();
    if (Form6* form = m_nameEntry.get())
        form->activateWindow();  // the name is typed at once, from the keyboard too
}

void Bingo::enterName()
{
    Form6* form = m_nameEntry.get();
    if (!form || m_entryWaiting.isValid())
        return;
    m_entryName = form->Text1->text();
    m_entryCalls = m_state.CallCount;
    m_entryWaiting.start();
    tryEnterName();
}

// Another game holding the lock is given a moment to finish, while the windows go on
// answering; then the player is told why the name is not in yet. In every case but success
// the old file stays as it was, and the name stays typed for another try.
void Bingo::tryEnterName()
{
    constexpr int LockWaitMs = 2000, RetryMs = 100;
    if (!m_nameEntry.get()) {
        m_entryWaiting.invalidate();  // the player closed the window meanwhile
        return;
    }
    const FameEntry entry = enterFameEntry(m_entryName, m_entryCalls);
    if (entry == FameEntry::Busy && m_entryWaiting.elapsed() < LockWaitMs) {
        QTimer::singleShot(RetryMs, this, &Bingo::tryEnterName);
        return;
    }
    m_entryWaiting.invalidate();
    if (entry == FameEntry::Entered)
        m_nameEntry.unload();
    else
        tellFame(entry);
}

// Why the hall of fame could not be read or written, in the player's words; nothing when it could.
void Bingo::tellFame(FameEntry entry)
{
    switch (entry) {
    case FameEntry::Entered: break;
    case FameEntry::Busy: message(texts::FameBusy()); break;
    case FameEntry::Failed: message(texts::FameWriteFailed()); break;
    case FameEntry::Unreadable: message(texts::FameUnreadable()); break;
    case FameEntry::ReadOnly: message(texts::FameReadOnly()); break;
    case FameEntry::TooLarge: message(texts::FameTooLarge()); break;
    case FameEntry::NotAFile: message(texts::FameNotAFile()); break;
    case FameEntry::ForeignLink: message(texts::FameForeignLink()); break;
    case FameEntry::LockHeld: message(texts::FameLockHeld(fameLockOwner())); break;
    }
}

void Bingo::setStatus(const QString& text)
{
    if (Form4* form = m_info.get())
        form->Label2->setText(text);
}

void Bingo::setCallText(const QString& text)
{
    Form4* form = m_info.get();
    if (!form)
        return;
    // A new call, not the letter alone that a won game leaves, nor the same call painted again.
    if (text != form->Label3->text() && !text.isEmpty() && text.back().isDigit())
        form->callNotice->announce(text);
    form->Label3->setText(text);
}

void Bingo::setCount(int count)
{
    if (Form4* form = m_info.get())
        form->Label5->setText(QString::number(count));
}

void Bingo::setCredits(int credits)
{
    if (Form4* form = m_info.get())
        form->Label4->setText(QString::number(credits));
}

void Bingo::setCallTimer(bool on)
{
    if (Form4* form = m_info.get()) {
        if (!on)
            form->Timer1.stop();
        else if (!form->Timer1.isActive())
            form->Timer1.start();
    }
}

MediaControl* Bingo::mediaControl()
{
    Form4* form = m_info.get();
    return form ? form->MMControl1 : nullptr;
}

void Bingo::setStartVisible(bool visible)
{
    if (Form1* form = m_main.get())
        form->setStartVisible(visible);
    keepFocus();
}

void Bingo::setPauseEnabled(bool enabled)
{
    if (Form1* form = m_main.get())
        form->Command1->setEnabled(enabled);
    keepFocus();
}

void Bingo::setUnPauseEnabled(bool enabled)
{
    if (Form1* form = m_main.get())
        form->Command2->setEnabled(enabled);
    keepFocus();
}

void Bingo::setTileColour(int index, Colour colour)
{
    if (Form1* form = m_main.get())
        form->Picture1[index]->setColour(colour);
}

void Bingo::setCellNumber(int card, int index, int number)
{
    if (Form3* form = m_cardsTable.get())
        form->cell(card, index)->setNumber(number);
}

void Bingo::setCellColour(int card, int index, Colour colour)
{
    if (Form3* form = m_cardsTable.get())
        form->cell(card, index)->setColour(colour);
}

void Bingo::show(Window window)
{
    switch (window) {
    case Window::Main: m_main.show(); break;
    case Window::ExitDialog: m_exitDialog.show(); break;
    case Window::CardsTable: m_cardsTable.show(); break;
    case Window::Info: m_info.show(); break;
    case Window::HallOfFame: m_hallOfFame.show(); break;
    case Window::NameEntry: m_nameEntry.show(); break;
    }
}

void Bingo::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, texts::Caption(), text, QMessageBox::Ok);
    box.exec();
}
