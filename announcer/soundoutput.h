// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output behind the media control. It lives in a module of its own,
// tolva-sound, beside the program, loaded at the first call: the program starts without
// loading Qt Multimedia, and without the module it plays nothing.

#include <QString>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a wave file; decoding, if any, happens off the user-interface thread.
    virtual void play(const QString& path) = 0;
    // Loads a wave file ahead of its first play.
    virtual void prepare(const QString& path) = 0;
    virtual void stop() = 0;
};

// The module's one entry point.
extern "C" using CreateSoundOutput = SoundOutput* (*)();
inline constexpr const char* CreateSoundOutputName = "tolvaCreateSoundOutput";
