// SPDX-License-Identifier: GPL-3.0-or-later
// The media control over the tolva-sound module.
#include "announcer/mediacontrol.h"

#include "announcer/playcallsound.h"
#include "announcer/soundoutput.h"
#include "announcer/wavefile.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace {

// Long enough for the windows to be painted before anything is loaded.
constexpr int PrepareDelayMs = 300;

// Loads the sound module once per run; null when it is missing or broken (then all is silent).
CreateSoundOutput soundModule()
{
    static const CreateSoundOutput create = [] {
        QLibrary module(programFolder() + QStringLiteral("/tolva-sound"));
        return module.load() ? reinterpret_cast<CreateSoundOutput>(module.resolve(CreateSoundOutputName)) : nullptr;
    }();
    return create;
}

}  // namespace

MediaControl::MediaControl(QObject* parent) : QObject(parent) {}

MediaControl::~MediaControl() = default;

void MediaControl::setFileName(const QString& fileName)
{
    m_fileName = fileName;
    emit fileNameSet(fileName);
}

void MediaControl::setCommand(const QString& word)
{
    m_command = word;
    emit commandSent(word);
    if (word == QLatin1String("sound"))
        sound();
    // "open" loads the sound output and has it reach for the sound system once the windows
    // are up, so that not even the first call waits for them. A control that never received
    // "open" plays all the same, making its output at the first "sound".
    if (word == QLatin1String("open"))
        QTimer::singleShot(PrepareDelayMs, this, [this] {
            if (makeOutput())
                m_output->open();
        });
}

bool MediaControl::makeOutput()
{
    if (!m_output) {
        const CreateSoundOutput create = soundModule();
        if (!create)
            return false;
        m_output.reset(create());
    }
    return true;
}

void MediaControl::sound()
{
    // A new call cuts off a voice still speaking.
    if (m_output)
        m_output->stop();
    m_playing.clear();
    // A file that is missing or damaged is skipped: the calls go on, in silence.
    if (m_fileName.isEmpty() || !isPlayableWaveFile(m_fileName) || !makeOutput())
        return;
    m_output->play(QFileInfo(m_fileName).absoluteFilePath());
    m_playing = m_fileName;
}
