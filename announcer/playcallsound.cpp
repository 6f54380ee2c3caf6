// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer/playcallsound.h"

#include "announcer/mediacontrol.h"

#include <QCoreApplication>

QString voiceFileText(int number)
{
    if (number < 1 || number > 75)
        return {};
    static const char letters[] = "bingo";
    return QStringLiteral("/audio/%1%2.wav").arg(QChar(letters[(number - 1) / 15])).arg(number);
}

QString programFolder()
{
    // Asked once: the folder does not move while the program runs.
    static const QString folder = QCoreApplication::applicationDirPath();
    return folder;
}

void PlayCallSound(int number, MediaControl* control)
{
    if (!control)
        return;
    if (number >= 1 && number <= 75)
        control->setFileName(programFolder() + voiceFileText(number));
    control->setCommand(QStringLiteral("sound"));
}
