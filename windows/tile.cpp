#include "windows/tile.h"

#include "windows/look.h"

#include <QMouseEvent>
#include <QPainter>

Tile::Tile(QWidget* parent, const QRect& box, const QRect& label, const QFont& font,
           Qt::Alignment alignment)
    : QWidget(parent), m_label(label), m_alignment(alignment), m_colour(NotCalledColour)
{
    setGeometry(box);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Tile::setColour(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void Tile::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update(m_label);
}

void Tile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_colour));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawText(m_label, m_alignment, m_text);
}

void Tile::mousePressEvent(QMouseEvent* event)
{
    m_pressedOnLabel = event->button() == Qt::LeftButton && m_label.contains(event->position().toPoint());
}

void Tile::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressedOnLabel && event->button() == Qt::LeftButton
                       && m_label.contains(event->position().toPoint());
    m_pressedOnLabel = false;
    if (click)
        emit labelClicked();
}
