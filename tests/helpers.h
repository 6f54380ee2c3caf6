#pragma once
// What the window tests share: a game on screen, a hand that answers message boxes, and
// eyes that read the colours actually painted.

#include "announcer/mediacontrol.h"
#include "windows/bingo.h"
#include "windows/tile.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every modal message box that opens while it lives: notes what it showed, then
// presses its OK button.
class MessageAnswerer : public QObject {
public:
    struct Seen {
        QString text;
        QString caption;
        QMessageBox::Icon icon;
        int buttons;
    };

    MessageAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.push_back({box->text(), box->windowTitle(), box->icon(), int(box->buttons().size())});
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(2);
    }

    QStringList texts() const
    {
        QStringList list;
        for (const Seen& s : seen)
            list << s.text;
        return list;
    }

    std::vector<Seen> seen;

private:
    QTimer m_timer;
};

// The colour painted at a point of a widget, as the player would see it.
inline QColor paintedAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

// A tile's margin, off its digits and inside its border.
inline QColor marginColour(Tile* tile)
{
    return paintedAt(tile, QPoint(tile->width() - 3, tile->height() - 3));
}

inline bool hasWhiteDigits(Tile* tile)
{
    const QImage image = tile->grab().toImage();
    const QRect label = tile->labelRect() & tile->rect();
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            if (image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() > 200)
                return true;  // the digits' strokes, whatever their antialiasing
    return false;
}

const QColor PureBlue(0, 0, 255);
const QColor PureRed(255, 0, 0);
