// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tile.h"

#include "windows/look.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

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
    updateSpeech();
    if (keyboardPlay()) {  // a chip placed or taken: "checked", whatever the reader makes of a new name
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void Tile::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update(m_label);
    updateSpeech();
}

void Tile::setNumber(int number)
{
    if (number == m_number && !m_text.isEmpty())
        return;
    m_number = number;
    setText(QString::number(number));
}

void Tile::setSpeech(const QString& prefix, const QString& whenRed, const QString& whenBlue)
{
    m_prefix = prefix;
    m_whenRed = whenRed;
    m_whenBlue = whenBlue;
    updateSpeech();
}

void Tile::updateSpeech()
{
    if (m_whenRed.isEmpty())
        return;
    const int number = m_text.toInt();
    const QString name = m_prefix + letterText(number) + m_text + QStringLiteral(", ")
                         + (m_colour == CalledColour ? m_whenRed : m_whenBlue);
    if (name == accessibleName())
        return;
    setAccessibleName(name);
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Tile::setKeyboardPlay(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void Tile::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit labelClicked();
    else
        QWidget::keyPressEvent(event);
}

void Tile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The box is drawn in whole device pixels, so that at any display scale it is square with
    // a border of one width all round (every edge is rounded alike from the widget's corner);
    // what the widget covers beyond it shows the window behind.
    const qreal scale = devicePixelRatioF();
    const int side = qFloor(qMin(width(), height()) * scale), border = qMax(1, qFloor(scale));
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    painter.fillRect(0, 0, side, side, Qt::black);
    if (hasFocus())  // the keyboard player's place: a yellow outline just inside the border
        painter.fillRect(border, border, side - 2 * border, side - 2 * border, Qt::yellow);
    const int fill = border * (hasFocus() ? 2 : 1);
    painter.fillRect(fill, fill, side - 2 * fill, side - 2 * fill, toQColor(m_colour));
    painter.restore();
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
