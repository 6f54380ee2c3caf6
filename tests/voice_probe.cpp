// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program for the voice tests, which listen to it: presses Start once a line (or
// the end) comes on its standard input, so that a test can look at the sound server first, makes
// the later calls itself at the interval asked for (the tests cannot wait seven seconds a call),
// then closes the main window one interval after the last call, as a player would.
// Prints "call N MILLISECONDS FILE" at each call and, at the end, "stall MILLISECONDS": the
// longest time the window thread was away from its event loop.
//   voice_probe [CALLS] [INTERVAL_MS]      (defaults: 1, 1500)
#include "announcer/mediacontrol.h"
#include "windows/bingo.h"
#include "windows/language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    language::useSystemLanguage();
    QApplication::setQuitOnLastWindowClosed(false);
    const int calls = argc > 1 ? std::atoi(argv[1]) : 1;
    const int interval = argc > 2 ? std::atoi(argv[2]) : 1500;
    QElapsedTimer clock;
    clock.start();

    Bingo bingo;
    QObject::connect(&bingo, &Bingo::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    bingo.start();
    const auto report = [&] {
        std::printf("call %d %lld %s\n", bingo.state().CallCount, clock.elapsed(), qPrintable(bingo.info()->MMControl1->playing()));
        std::fflush(stdout);
    };
    QObject::connect(bingo.info(), &Form4::Timer1_Timer, report);
    QTimer calling;
    calling.setInterval(interval);
    QObject::connect(&calling, &QTimer::timeout, [&] {
        if (bingo.state().CallCount < calls) {
            emit bingo.info()->Timer1_Timer();
        } else {
            calling.stop();
            bingo.mainWindow()->close();
        }
    });
    QSocketNotifier go(0, QSocketNotifier::Read);
    QObject::connect(&go, &QSocketNotifier::activated, [&] {
        go.setEnabled(false);
        bingo.mainWindow()->Command3->click();
        bingo.info()->Timer1.stop();  // the probe keeps the rhythm
        report();
        calling.start();
    });

    qint64 stall = 0, last = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        stall = std::max(stall, now - last - 20);
        last = now;
    });
    watch.start(20);
    last = clock.elapsed();
    const int status = app.exec();
    std::printf("stall %lld\n", stall);
    return status;
}
