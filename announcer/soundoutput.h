// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output behind the media control. It lives in a module of its own,
// tolva-sound, beside the program, loaded in idle time after start-up: the program starts
// without loading the sound library, and without the module it plays nothing.
//
// Every call returns at once: the output talks to the sound system on a thread of its own,
// so a sound server that is gone, restarting or stalled never holds up the game.

#include <QString>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Reaches for the sound system ahead of the first call, so that not even it waits.
    virtual void open() = 0;
    // Plays a wave file on the output that is the system's default at that moment, cutting off
    // the sound before it. A file the output has not begun yet is replaced, never queued.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// The module's one entry point.
extern "C" using CreateSoundOutput = SoundOutput* (*)();
inline constexpr const char* CreateSoundOutputName = "tolvaCreateSoundOutput";
