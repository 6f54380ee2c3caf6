// The tolva-sound module: the sound output over QSoundEffect. Qt caches decoded samples,
// so a call's voice is decoded once per run.
#include "announcer/soundoutput.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectOutput : public SoundOutput {
public:
    void play(const QString& path) override
    {
        const QUrl url = QUrl::fromLocalFile(path);
        if (m_effect.source() != url)
            m_effect.setSource(url);
        m_effect.play();  // waits for the decoding, if any, off this thread
    }

    void stop() override { m_effect.stop(); }

private:
    QSoundEffect m_effect;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundOutput* tolvaCreateSoundOutput()
{
    return new EffectOutput;
}
