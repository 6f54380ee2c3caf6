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

// Windows-1252: Latin-1 but for 0x80 to 0x9F. The five bytes it leaves undefined read as the
// control characters of the same numbers.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A field's text: UTF-8, or Windows-1252 where it is not valid UTF-8 (then windows is set).
QString decode(const QByteArray& bytes, bool* windows = nullptr)
{
    // The file's own byte-order mark is gone by now; one at the start of a name is part of it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    if (windows)
        *windows = true;
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// The name in Windows-1252, where every character has a byte there and the bytes read back as
// the same name (they might also be valid UTF-8 for something else).
std::optional<QByteArray> toWindows1252(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        const auto* found = std::find(std::begin(Windows1252High), std::end(Windows1252High), u);
        if (found == std::end(Windows1252High))
            return std::nullopt;
        bytes += char(0x80 + (found - Windows1252High));
    }
    if (decode(bytes) != name)
        return std::nullopt;
    return bytes;
}

qint16 toInt16(const QByteArray& field)
{
    const int value = field.toInt();  // 0 when it is not a number
    return value >= -32768 && value <= 32767 ? static_cast<qint16>(value) : 0;
}

// The fields of one line, separated by commas.
class FieldReader {
public:
    FieldReader(const char* begin, const char* end) : m_p(begin), m_end(end) {}

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
            skipToComma();  // anything between the closing quote and the comma is dropped
        } else {
            const char* start = m_p;
            skipToComma();
            value = QByteArray(start, m_p - start).trimmed();
        }
        if (m_p < m_end)
            ++m_p;  // the comma
        return value;
    }

private:
    void skipToComma()
    {
        while (m_p < m_end && *m_p != ',')
            ++m_p;
    }

    const char* m_p;
    const char* m_end;
};

bool isEmbedding(char16_t u) { return u == 0x202A || u == 0x202B || u == 0x202D || u == 0x202E; }
bool isIsolate(char16_t u) { return u >= 0x2066 && u <= 0x2068; }

// Drops the direction overrides, embeddings and isolates that are not closed within the name,
// and the closes that have no opening.
QString balanceDirections(const QString& name)
{
    std::vector<int> open;  // where the openings not closed yet stand
    std::vector<bool> dropped(name.size());
    for (int i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (isEmbedding(u) || isIsolate(u)) {
            open.push_back(i);
        } else if (u == 0x202C) {  // pop directional formatting: closes the last embedding
            if (!open.empty() && isEmbedding(name[open.back()].unicode()))
                open.pop_back();
            else
                dropped[i] = true;
        } else if (u == 0x2069) {  // pop directional isolate: closes the last isolate and all in it
            auto isolate = std::find_if(open.rbegin(), open.rend(), [&](int at) { return isIsolate(name[at].unicode()); });
            if (isolate == open.rend()) {
                dropped[i] = true;
                continue;
            }
            while (open.back() != *isolate) {
                dropped[open.back()] = true;
                open.pop_back();
            }
            open.pop_back();
        }
    }
    for (int at : open)
        dropped[at] = true;
    QString kept;
    kept.reserve(name.size());
    for (int i = 0; i < name.size(); ++i)
        if (!dropped[i])
            kept += name[i];
    return kept;
}

}  // namespace

QString cleanName(const QString& name)
{
    QString kept;
    kept.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const char16_t u = c.unicode();
        if (u == '\r' && i + 1 < name.size() && name[i + 1] == QLatin1Char('\n'))
            continue;  // CR LF is one line break, one blank
        if (u == '\t' || (u >= '\n' && u <= '\r') || u == 0x85 || u == 0x2028 || u == 0x2029)
            kept += QLatin1Char(' ');
        else if (u == '"')
            kept += QLatin1Char('\'');
        else if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            kept += c, kept += name[++i];
        else if (u >= 0x20 && (u < 0x7F || u >= 0xA0) && !c.isSurrogate())
            kept += c;
    }
    return balanceDirections(kept);
}

FameTable readFameTable(const QByteArray& bytes)
{
    FameTable table;
    QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const qsizetype endMark = text.indexOf('\x1A');
    if (endMark >= 0)
        text.truncate(endMark);
    bool windows = false;
    const char* p = text.constData();
    const char* const end = p + text.size();
    for (int slot = 0; slot < FameSlots && p < end;) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        const char* blank = p;
        while (blank < lineEnd && (*blank == ' ' || *blank == '\t'))
            ++blank;
        if (blank < lineEnd) {
            FieldReader fields(p, lineEnd);
            FameRecord& record = table[slot++];
            // Read as it would be written, so that what is read is written back unchanged.
            record.WinnerName = cleanName(decode(fields.next(), &windows));
            record.Calls = toInt16(fields.next());
            record.Used = toInt16(fields.next());
        }
        p = lineEnd < end && *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? lineEnd + 2 : lineEnd + 1;
    }
    table.encoding = windows ? FameEncoding::Windows1252 : FameEncoding::Utf8;
    return table;
}

QByteArray fameFileBytes(const FameTable& table)
{
    std::array<QByteArray, WrittenSlots> names;
    bool windows = table.encoding == FameEncoding::Windows1252;
    for (int slot = 0; slot < WrittenSlots && windows; ++slot) {
        const std::optional<QByteArray> name = toWindows1252(cleanName(table[slot].WinnerName));
        windows = name.has_value();
        names[slot] = name.value_or(QByteArray());
    }
    if (!windows)
        for (int slot = 0; slot < WrittenSlots; ++slot)
            names[slot] = cleanName(table[slot].WinnerName).toUtf8();
    QByteArray bytes;
    for (int slot = 0; slot < WrittenSlots; ++slot) {
        const FameRecord& record = table[slot];
        bytes += '"' + names[slot] + "\"," + QByteArray::number(record.Calls) + ',' + QByteArray::number(record.Used) + "\r\n";
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

FameEntry enterFameEntry(const QString& name, int calls, const QString& path, const std::function<void()>& beforeRename,
                         int waitMs)
{
    // The lock also keeps a leftover being cleared away from under another game's write.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(waitMs))
        return lock.error() == QLockFile::LockFailedError ? FameEntry::Busy : FameEntry::Failed;
    // Read under the lock: another game may have written since the window opened.
    std::optional<FameTable> table = ReadFameFile(path);
    if (!table)
        return FameEntry::Failed;
    AddFameEntry(*table, name, calls);
    return writeFameFile(*table, path, beforeRename) ? FameEntry::Entered : FameEntry::Failed;
}
