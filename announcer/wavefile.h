// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which voice files are safe to hand to the sound output. A damaged file (empty, cut
// short, a header that is not plain PCM) can make the sound library wait for ever, so only
// whole wave files of plain PCM are played; anything else is skipped in silence.

#include <QByteArray>
#include <QString>

// The first bytes of a file and its size in bytes: a RIFF WAVE header with a PCM format
// chunk (1 or 2 channels, 8 or 16 bits) and a data chunk that is not empty and lies wholly
// inside the file.
bool isPlayableWave(const QByteArray& head, qint64 fileSize);

// The same for a file on disk: a regular file that can be read, looked at without blocking.
bool isPlayableWaveFile(const QString& path);
