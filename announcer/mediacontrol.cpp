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
    // "open" readies the sound output and the voice files once the windows are up, so that
    // not even the first call waits for them. A control that never received "open" plays
    // all the same, making its output at the first "sound".
    if (word == QLatin1String("open"))
        QTimer::singleShot(PrepareDelayMs, this, &MediaControl::prepareNext);
}

// One voice file per turn of the event loop, so that the windows stay as lively as ever.
void MediaControl::prepareNext()
{
    const QString file = programFolder() + voiceFileText(++m_prepared);
    if (isPlayableWaveFile(file) && makeOutput()) {
        m_playable.insert(file);
        m_output->prepare(QFileInfo(file).absoluteFilePath());
    }
    if (m_prepared < 75)
        QTimer::singleShot(0, this, &MediaControl::prepareNext);
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
    // A file once found whole is not read again: its sound effect has it loaded by then.
    if (m_fileName.isEmpty() || (!m_playable.contains(m_fileName) && !isPlayableWaveFile(m_fileName)))
        return;
    m_playable.insert(m_fileName);
    if (!makeOutput())
        return;
    m_output->play(QFileInfo(m_fileName).absoluteFilePath());
    m_playing = m_fileName;
}
