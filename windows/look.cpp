// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/look.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <cmath>

#ifdef TOLVA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

// The family that stands in for MS Sans Serif on this system, once FontsAhead has asked
// fontconfig; until then the name itself, which the font database resolves on every new size.
static QString sansFamily = QStringLiteral("MS Sans Serif");

QFont sansFont(double points, bool bold)
{
    QFont font(sansFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void FontsAhead::read()
{
#ifdef TOLVA_HAVE_FONTCONFIG
    FcInit();
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>("MS Sans Serif:sans-serif"));
    if (!wanted)
        return;
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, wanted, &result);
    FcChar8* family = nullptr;
    if (found && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch)
        sansFamily = QString::fromUtf8(reinterpret_cast<const char*>(family));
    if (found)
        FcPatternDestroy(found);
    FcPatternDestroy(wanted);
#endif
}

void FontsAhead::wait()
{
    if (m_reader.joinable())
        m_reader.join();
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

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    // A background the game fixes keeps its text readable whatever the desktop's theme: a dark
    // theme's light text on the game's white would be all but invisible.
    const QColor text = palette.color(QPalette::WindowText);
    if (contrast(text, colour) < 4.5)
        palette.setColor(QPalette::WindowText, contrast(Qt::black, colour) >= contrast(Qt::white, colour) ? Qt::black : Qt::white);
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
