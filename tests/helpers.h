// SPDX-License-Identifier: GPL-3.0-or-later
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

// Answers every modal message box that opens while it lives: notes its text and its look
// (caption, icon, number of buttons), then presses OK.
struct MessageAnswerer : QTimer {
    QStringList texts, looks;
    MessageAnswerer()
    {
        connect(this, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                texts << box->text();
                looks << QStringLiteral("%1|%2|%3").arg(box->windowTitle()).arg(box->icon()).arg(box->buttons().size());
                box->button(QMessageBox::Ok)->click();
            }
        });
        start(2);
    }
};
inline const QString BoxLook = QStringLiteral("Tolva Bingo|0|1");  // the caption, no icon, one button

// A tile's margin, off its digits and inside its border, as painted.
inline QColor marginColour(Tile* tile)
{
    return tile->grab().toImage().pixelColor(tile->width() - 3, tile->height() - 3);
}

inline void settle()  // lets unloaded windows go, as the event loop would
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QColor PureBlue(0, 0, 255), PureRed(255, 0, 0);
