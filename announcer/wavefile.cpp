// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer/wavefile.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

quint32 little(const QByteArray& bytes, qint64 at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[at + i]);
    return value;
}

// The header is looked for in the first bytes only; espeak-ng's is 44 bytes long.
constexpr int HeadBytes = 4096;

}  // namespace

std::optional<WaveLayout> playableWaveLayout(const QByteArray& head, qint64 fileSize)
{
    if (!head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveLayout layout;
    bool formatSeen = false;
    for (qint64 at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = little(head, at + 4, 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return std::nullopt;
            const quint32 format = little(head, body, 2), channels = little(head, body + 2, 2);
            const quint32 rate = little(head, body + 4, 4), align = little(head, body + 12, 2);
            const quint32 bits = little(head, body + 14, 2);
            formatSeen = format == 1 && (channels == 1 || channels == 2) && (bits == 8 || bits == 16)
                         && rate >= 4000 && rate <= 192000 && align == channels * bits / 8;
            if (!formatSeen)
                return std::nullopt;
            layout.channels = int(channels);
            layout.rate = int(rate);
            layout.bits = int(bits);
        } else if (id == "data") {
            if (!formatSeen || size == 0 || body + size > fileSize)
                return std::nullopt;
            layout.dataOffset = body;
            layout.dataBytes = size;
            return layout;
        }
        at = body + size + (size & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

bool isPlayableWave(const QByteArray& head, qint64 fileSize)
{
    return playableWaveLayout(head, fileSize).has_value();
}

bool isPlayableWaveFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    QByteArray head;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        head.resize(HeadBytes);
        const ssize_t got = ::read(fd, head.data(), HeadBytes);
        head.truncate(int(got));  // nothing when the read failed
    }
    ::close(fd);
    return isPlayableWave(head, info.st_size);
}
