// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A coloured box with a border and a white number in a label at its top-left corner: a
// tile of the board or a cell of a card. Box and label always carry the same colour. Only
// the label takes clicks; a click on the box's margin does nothing.
// For a screen reader a tile speaks its call and what its colour means ("B 7, called").
// A tile that takes part in play can be reached with Tab (never by a click, which would
// outline it) and pressed with Space, exactly like a click on its label.

#include "game/gamestate.h"

#include <QWidget>

class Tile : public QWidget {
    Q_OBJECT
public:
    // label: the number label's place inside the box.
    Tile(QWidget* parent, const QRect& box, const QRect& label, const QFont& font,
         Qt::Alignment alignment);

    Colour colour() const { return m_colour; }
    void setColour(Colour colour);
    QString text() const { return m_text; }
    void setText(const QString& text);
    void setNumber(int number);  // as text; nothing is done while the number stays the same
    QRect labelRect() const { return m_label; }

    // What the tile says: prefix, the call of its number, then the meaning of its colour.
    void setSpeech(const QString& prefix, const QString& whenRed, const QString& whenBlue);
    void setKeyboardPlay(bool on);
    bool keyboardPlay() const { return focusPolicy() != Qt::NoFocus; }

signals:
    void labelClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect m_label;
    Qt::Alignment m_alignment;
    Colour m_colour;
    QString m_text;
    int m_number{};
    bool m_pressedOnLabel = false;
    QString m_prefix, m_whenRed, m_whenBlue;

    void updateSpeech();
};
