// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up measurement: ends the program once each of its visible windows has been
// exposed on the display and painted there, and prints the milliseconds since the launch the
// caller noted in TOLVA_LAUNCH_NS (the system clock), then the peak memory so far in kB.

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <chrono>
#include <set>

class FirstPaint : public QObject {
public:
    FirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        // A window paints itself first and its children straight after, in one pass.
        if (event->type() == QEvent::Paint && object->isWidgetType() && !m_done
            && static_cast<QWidget*>(object)->isWindow()) {
            QWidget* window = static_cast<QWidget*>(object);
            if (!window->windowHandle() || !window->windowHandle()->isExposed()
                || !m_painted.insert(window).second)
                return false;
            int shown = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                shown += top->isVisible();
            if (shown > 0 && int(m_painted.size()) == shown) {
                m_done = true;
                QTimer::singleShot(0, this, &FirstPaint::report);  // after this paint is flushed
            }
        }
        return false;
    }

private:
    void report()
    {
        using namespace std::chrono;  // the system clock is CLOCK_REALTIME
        const long long now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
        const double launched = qEnvironmentVariable("TOLVA_LAUNCH_NS").toDouble();
        const double ms = (double(now) - launched) / 1e6;
        QFile status(QStringLiteral("/proc/self/status"));
        QByteArray peak = "0";
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peak = line.mid(6).trimmed().split(' ').first();
        std::printf("%.1f %s\n", ms, peak.constData());
        std::fflush(stdout);
        QApplication::quit();
    }

    std::set<QWidget*> m_painted;
    bool m_done = false;
};
