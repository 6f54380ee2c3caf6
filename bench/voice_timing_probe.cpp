// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the player runs it, for voice_timing.sh: presses Start a moment after the windows
// are up, then prints "red NUMBER NANOSECONDS" (the system clock) as each called tile is painted
// red on the display, and ends a little after the last of the calls asked for.
//   bench_voice_timing_probe [CALLS]      (default 1)
#include "windows/bingo.h"
#include "windows/desktop.h"
#include "windows/language.h"
#include "windows/look.h"
#include "windows/tile.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <chrono>

namespace {

class RedWatch : public QObject {
public:
    RedWatch(Bingo& bingo, int calls) : m_bingo(bingo), m_left(calls) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        Form1* main = m_bingo.mainWindow();
        if (event->type() != QEvent::Paint || !main || m_left == 0 || !main->windowHandle()->isExposed())
            return false;
        for (int n = 1; n <= 75; ++n)
            if (object == main->Picture1[n - 1] && m_bingo.state().CalledNumbers[n] == 1 && !m_reported[n]) {
                using namespace std::chrono;  // the system clock is CLOCK_REALTIME
                const long long now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
                std::printf("red %d %lld\n", n, now);
                std::fflush(stdout);
                m_reported[n] = true;
                if (--m_left == 0)
                    QTimer::singleShot(2500, qApp, &QApplication::quit);  // the last voice speaks
            }
        return false;
    }

private:
    Bingo& m_bingo;
    int m_left;
    bool m_reported[76] = {};
};

}  // namespace

int main(int argc, char* argv[])
{
    desktop::prepare();
    FontsAhead fonts;
    QApplication app(argc, argv);
    fonts.wait();
    desktop::identify();
    language::useSystemLanguage();
    QApplication::setQuitOnLastWindowClosed(false);
    Bingo bingo;
    RedWatch watch(bingo, argc > 1 ? std::atoi(argv[1]) : 1);
    bingo.start();
    QTimer::singleShot(1500, &app, [&] { bingo.mainWindow()->Command3->click(); });
    return app.exec();
}
