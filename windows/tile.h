#pragma once
// A coloured box with a border and a white number in a label at its top-left corner: a
// tile of the board or a cell of a card. Box and label always carry the same colour. Only
// the label takes clicks; a click on the box's margin does nothing.

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
    QRect labelRect() const { return m_label; }

signals:
    void labelClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect m_label;
    Qt::Alignment m_alignment;
    Colour m_colour;
    QString m_text;
    bool m_pressedOnLabel = false;
};
