// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer/playcallsound.h"

#include "announcer/mediacontrol.h"
#include "announcer/wavefile.h"

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

static QString voiceLanguage;

void setVoiceLanguage(const QString& language)
{
    voiceLanguage = language;
}

QString voiceFile(int number)
{
    const QString fixed = voiceFileText(number);
    if (fixed.isEmpty())
        return {};
    if (!voiceLanguage.isEmpty()) {
        // "/audio/b7.wav" becomes "/audio/es/b7.wav".
        const QString own = programFolder() + QStringLiteral("/audio/") + voiceLanguage + fixed.mid(6);
        if (isPlayableWaveFile(own))
            return own;
    }
    return programFolder() + fixed;
}

void PlayCallSound(int number, MediaControl* control)
{
    if (!control)
        return;
    if (number >= 1 && number <= 75)
        control->setFileName(voiceFile(number));
    control->setCommand(QStringLiteral("sound"));
}
