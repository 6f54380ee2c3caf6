// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/look.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <cmath>

QFont sansFont(double points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                  bool sizedToText, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(place);
    if (sizedToText) {
        const QSize fit = label->sizeHint();
        label->resize(std::max(fit.width(), 1), std::max(fit.height(), place.height()));
    }
    return label;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPixmap picture(const QString& name, const QString& extension)
{
    const bool fine = qApp->devicePixelRatio() >= 1.5;
    QPixmap pixmap(QStringLiteral(":/pictures/") + name + (fine ? QStringLiteral("@2x.") : QStringLiteral(".")) + extension);
    pixmap.setDevicePixelRatio(fine ? 2 : 1);
    return pixmap;
}

QColor menuBarColour()
{
    return QApplication::palette().color(QPalette::Window);
}
