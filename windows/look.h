// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's measures and fonts. Sizes are given in twips, 15 to the pixel; fonts in points
// as they render at 96 dots per inch.

#include "game/gamestate.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <thread>

constexpr int px(int twips) { return twips / 15; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The sans font of the system in place of MS Sans Serif, sized as it would be at 96 dpi.
QFont sansFont(double points, bool bold = false);

// Fontconfig reads the system's font settings and font list once, a good part of the start-up.
// FontsAhead has a helper thread do that, and find the face that stands in for MS Sans Serif,
// while the application object connects to the window system, which takes about as long.
// wait() before the first window asks for a font.
class FontsAhead {
public:
    FontsAhead() : m_reader(read) {}
    ~FontsAhead() { wait(); }
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;
    void wait();
    // The helper thread's work, which can as well be done on the caller's thread.
    static void read();

private:
    std::thread m_reader;
};

inline QColor toQColor(Colour colour) { return QColor::fromRgb(colour); }

class QLabel;
class QWidget;
// A label at a given place, in a given font; "sized to its text" labels grow to fit.
QLabel* makeLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                  bool sizedToText, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// Contrast between two colours as the web's accessibility guidelines define it, 1 to 21.
double contrast(const QColor& a, const QColor& b);
// A background of the game's own, with text that stays readable on it in any theme.
void setBackground(QWidget* widget, const QColor& colour);
QColor menuBarColour();
// One of the program's pictures, drawn twice as fine for a screen scaled to 150 % or more.
QPixmap picture(const QString& name, const QString& extension);
