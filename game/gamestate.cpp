// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gamestate.h"

#include <cstdlib>

QString GameState::callText() const
{
    return CurrentNumber == 0 ? CurrentLetter : CurrentLetter + QString::number(CurrentNumber);
}

QString letterText(int number)
{
    static const char* const letters[] = {"B ", "I ", "N ", "G ", "O "};
    if (number < 1 || number > 75)
        return {};
    return QString::fromLatin1(letters[(number - 1) / 15]);
}

Colour colourFromLiteral(const char* literal)
{
    // "&H00BBGGRR"
    const unsigned long bgr = std::strtoul(literal + 2, nullptr, 16);
    const Colour red = bgr & 0xff, green = (bgr >> 8) & 0xff, blue = (bgr >> 16) & 0xff;
    return 0xff000000u | (red << 16) | (green << 8) | blue;
}

const Colour NotCalledColour = colourFromLiteral("&H00FF0000");
const Colour CalledColour = colourFromLiteral("&H000000FF");
