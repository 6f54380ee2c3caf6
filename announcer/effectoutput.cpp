// SPDX-License-Identifier: GPL-3.0-or-later
// The tolva-sound module: the sound output over QSoundEffect. Every voice file has a sound
// effect of its own, made at its first call and kept: an effect is never handed a second
// file, so a call never waits for another file's loading, and each file is decoded once.
// With no sound device no effect is made, as each would complain of it on the console; the
// device is looked for again at the next call of a file that has none.
#include "announcer/soundoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

namespace {

class EffectOutput : public SoundOutput {
public:
    void play(const QString& path) override
    {
        if (QSoundEffect* found = effect(path)) {
            m_current = found;
            m_current->play();  // waits for the decoding, if any, off this thread
        }
    }

    void prepare(const QString& path) override { effect(path); }

    void stop() override
    {
        if (m_current)
            m_current->stop();
    }

private:
    // The file's effect, made at its first use; none while there is no sound device.
    QSoundEffect* effect(const QString& path)
    {
        const auto known = m_effects.find(path);
        if (known != m_effects.end())
            return known->second.get();
        if (QMediaDevices::audioOutputs().isEmpty())
            return nullptr;
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
        return m_effects.emplace(path, std::move(effect)).first->second.get();
    }

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundOutput* tolvaCreateSoundOutput()
{
    return new EffectOutput;
}
