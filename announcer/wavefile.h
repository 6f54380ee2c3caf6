// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which voice files are safe to hand to the sound output. A damaged file (empty, cut
// short, a header that is not plain PCM) can make the sound library wait for ever, so only
// whole wave files of plain PCM are played; anything else is skipped in silence.

#include <QByteArray>
#include <QString>
#include <optional>

// Where the sound of a playable wave file lies, and what it is.
struct WaveLayout {
    int channels = 0;
    int rate = 0;
    int bits = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    qint64 dataOffset = 0;
    qint64 dataBytes = 0;
};

// The layout of a whole wave file of plain PCM (see below), from its first bytes and its size.
std::optional<WaveLayout> playableWaveLayout(const QByteArray& head, qint64 fileSize);

// The first bytes of a file and its size in bytes: a RIFF WAVE header with a PCM format
// chunk (1 or 2 channels, 8 or 16 bits) and a data chunk that is not empty and lies wholly
// inside the file.
bool isPlayableWave(const QByteArray& head, qint64 fileSize);

// The same for a file on disk: a regular file that can be read, looked at without blocking.
bool isPlayableWaveFile(const QString& path);
