// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/fame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstdlib>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file of a write is the file's own name followed by this and six letters or
// digits; only such files are ever removed as leftovers.
constexpr char TemporaryInfix[] = ".tolva-";

QString decode(const QByteArray& bytes)
{
    // The file's own byte-order mark is gone by now; one at the start of a name is part of it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Windows-1252: Latin-1 but for 0x80 to 0x9F.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
    }
    return text;
}

qint16 toInt16(const QByteArray& field)
{
    const int value = field.toInt();  // 0 when it is not a number
    return value >= -32768 && value <= 32767 ? static_cast<qint16>(value) : 0;
}

class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : m_p(bytes.constData()), m_end(m_p + bytes.size()) {}

    bool atEnd() const { return m_p >= m_end; }

    QByteArray next()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t'))
            ++m_p;
        QByteArray value;
        if (m_p < m_end && *m_p == '"') {
            ++m_p;
            const auto* close = static_cast<const char*>(std::memchr(m_p, '"', m_end - m_p));
            if (!close)
                close = m_end;
            value = QByteArray(m_p, close - m_p);
            m_p = close < m_end ? close + 1 : m_end;
            skipToSeparator();  // anything between the closing quote and the separator is dropped
        } else {
            const char* start = m_p;
            skipToSeparator();
            value = QByteArray(start, m_p - start).trimmed();
        }
        if (m_p < m_end) {
            const char separator = *m_p++;
            if (separator == '\r' && m_p < m_end && *m_p == '\n')
                ++m_p;
        }
        return value;
    }

private:
    void skipToSeparator()
    {
        while (m_p < m_end && *m_p != ',' && *m_p != '\r' && *m_p != '\n')
            ++m_p;
    }

    const char* m_p;
    const char* m_end;
};

QString safeName(QString name)
{
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    name.replace(QLatin1String("\r\n"), QLatin1String(" "));
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

}  // namespace

FameTable readFameTable(const QByteArray& bytes)
{
    FameTable table;
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    FieldReader reader(text);
    for (int slot = 0; slot < FameSlots && !reader.atEnd(); ++slot) {
        FameRecord& record = table[slot];
        // Read as it would be written, so that what is read is written back unchanged.
        record.WinnerName = safeName(decode(reader.next()));
        record.Calls = toInt16(reader.next());
        record.Used = toInt16(reader.next());
    }
    return table;
}

QByteArray fameFileBytes(const FameTable& table)
{
    QByteArray bytes;
    for (int slot = 0; slot < WrittenSlots; ++slot) {
        const FameRecord& record = table[slot];
        bytes += '"' + safeName(record.WinnerName).toUtf8() + "\"," + QByteArray::number(record.Calls) + ','
                 + QByteArray::number(record.Used) + "\r\n";
    }
    return bytes;
}

QStringList fameListLines(const FameTable& table)
{
    QStringList lines;
    for (int slot = 0; slot < WrittenSlots; ++slot)
        if (table[slot].Used != 0)
            lines << table[slot].WinnerName + QStringLiteral(" , ") + QString::number(table[slot].Calls);
    return lines;
}

int AddFameEntry(FameTable& table, const QString& name, int calls)
{
    int slot = 0;
    while (slot < WrittenSlots && table[slot].Used != 0)
        ++slot;
    if (slot == WrittenSlots)
        slot = 0;
    table[slot].WinnerName = name;
    table[slot].Calls = static_cast<qint16>(calls);
    table[slot].Used = 1;
    return slot;
}

namespace {

// The whole file, or nothing when it is there but cannot be read whole; a missing file is empty.
std::optional<QByteArray> readWhole(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    // A pipe or a device is never opened: reading it could block the game or disturb it.
    // The size is held to its limit while reading.
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);  // still the file looked at
    // Reads and writes of a regular file are not cut short by signals.
    char buffer[16384];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        ok = got >= 0 && bytes.size() + got <= MaxFameFileBytes;
        if (got <= 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    return ok ? std::optional<QByteArray>(bytes) : std::nullopt;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, p, left);
        if (put <= 0)
            return false;
        p += put;
        left -= put;
    }
    return true;
}

void removeLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QString prefix = info.fileName() + QLatin1String(TemporaryInfix);
    QDir folder = info.dir();
    for (const QFileInfo& entry : folder.entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        const QString tail = entry.fileName().mid(prefix.size());
        const bool ours = std::all_of(tail.begin(), tail.end(), [](QChar c) {
            return c.unicode() < 128 && std::isalnum(c.unicode());
        });
        if (ours && !entry.isSymLink())
            folder.remove(entry.fileName());
    }
}

}  // namespace

std::optional<FameTable> ReadFameFile(const QString& path)
{
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return std::nullopt;
    return readFameTable(*bytes);
}

bool writeFameFile(const FameTable& table, const QString& path, const std::function<void()>& beforeRename)
{
    const QByteArray bytes = fameFileBytes(table);
    if (bytes.size() > MaxFameFileBytes)
        return false;  // it could not be read back

    // Through a link, the file it names is replaced, and the link stays.
    QByteArray target = QFile::encodeName(path);
    mode_t mode = 0666;
    struct stat info {};
    if (::lstat(target.constData(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            char* real = ::realpath(target.constData(), nullptr);
            if (!real)
                return false;
            target = real;
            std::free(real);
            if (::stat(target.constData(), &info) != 0)
                return false;
        }
        if (!S_ISREG(info.st_mode))
            return false;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    removeLeftovers(QFile::decodeName(target));
    QByteArray temporary = target + TemporaryInfix + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && beforeRename)
        beforeRename();
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

bool enterFameEntry(const QString& name, int calls, const QString& path, const std::function<void()>& beforeRename)
{
    // The lock also keeps a leftover being cleared away from under another game's write.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(3000))
        return false;
    // Read under the lock: another game may have written since the window opened.
    std::optional<FameTable> table = ReadFameFile(path);
    if (!table)
        return false;
    AddFameEntry(*table, name, calls);
    return writeFameFile(*table, path, beforeRename);
}
