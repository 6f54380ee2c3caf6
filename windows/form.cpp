// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form.h"

#include "windows/desktop.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

Form::Form(Qt::WindowFlags extraFlags)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | extraFlags)
{
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    // Hidden first: the unload handlers may show and activate other windows (the hall of fame
    // brings the game windows back), and the focus must not be handed on from this one after.
    hide();
    emit unloaded();
    deleteLater();
}

void Form::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void Form::placeClientAt(int left, int top)
{
    m_place = QPoint(left, top);
    setGeometry(QRect(m_place, size()));
}

void Form::setVisible(bool visible)
{
    if (visible && !isVisible())
        setGeometry(QRect(m_place, size()));
    else if (!visible && isVisible())
        m_place = geometry().topLeft();
    QWidget::setVisible(visible);
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WinIdChange && internalWinId())  // created, not being destroyed
        desktop::identify(windowHandle());
    return QWidget::event(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    event->accept();
    unload();
}

// Enter presses the button that has the focus, as it did where the game comes from; Space
// does too, as everywhere in Qt.
void Form::keyPressEvent(QKeyEvent* event)
{
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button && button->isEnabled())
        button->click();
    else
        QWidget::keyPressEvent(event);
}
