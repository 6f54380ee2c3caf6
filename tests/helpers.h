#pragma once
// What the window tests share: a hand that answers message boxes, and eyes that read the
// colours actually painted.

#include "announcer/mediacontrol.h"
#include "windows/bingo.h"
#include "windows/tile.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every modal message box that opens while it lives: notes its text, caption, icon
// and buttons, then presses OK.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            looks << QStringLiteral("%1|%2|%3").arg(box->windowTitle()).arg(box->icon()).arg(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(2);
    }
    QStringList texts, looks;

private:
    QTimer m_timer;
};
// How every box of the game looks: the caption, no icon, one button.
inline const QString BoxLook = QStringLiteral("Tolva Bingo|0|1");

inline QColor paintedAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

// A tile's margin, off its digits and inside its border.
inline QColor marginColour(Tile* tile)
{
    return paintedAt(tile, QPoint(tile->width() - 3, tile->height() - 3));
}

// Lets unloaded windows go, as the event loop would.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QColor PureBlue(0, 0, 255);
const QColor PureRed(255, 0, 0);
