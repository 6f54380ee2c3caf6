// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told beyond the widgets' own names: each call as it is made, a chip
// as it is placed on a cell, and the exit question as a dialog that is read when it opens.

#include <QWidget>

// Invisible: each call is shown to the screen reader as a notification that appears, the
// one kind of change that screen readers speak whatever has the focus.
class CallNotice : public QWidget {
    Q_OBJECT
public:
    explicit CallNotice(QWidget* parent);
    void announce(const QString& call);
};

// Tells Qt how to present the game's own widgets: a cell of a card as a check box whose check
// is its chip, the call notice as a notification, the exit dialog as a dialog. Once per run.
void installAccessibility();
