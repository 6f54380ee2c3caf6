// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form.h"

#include <QCloseEvent>

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
