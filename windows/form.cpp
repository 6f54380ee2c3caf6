// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form.h"

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
    emit unloaded();
    hide();
    deleteLater();
}

void Form::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void Form::placeClientAt(int left, int top)
{
    setGeometry(QRect(QPoint(left, top), size()));
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
