// The media control over QSoundEffect. Decoding happens off the user-interface thread
// and the decoded samples are cached by Qt, so a call's "sound" returns at once.
#include "announcer/mediacontrol.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

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
    // "open" needs nothing: the sound output is made on the first "sound", so a control
    // that never received "open" plays all the same.
}

void MediaControl::sound()
{
    // A new call cuts off a voice still speaking.
    if (m_effect)
        m_effect->stop();
    const QFileInfo file(m_fileName);
    if (m_fileName.isEmpty() || !file.isFile() || !file.isReadable()) {
        m_playing.clear();
        return;
    }
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->play();  // waits for the decoding, if any, off this thread
    m_playing = m_fileName;
}
