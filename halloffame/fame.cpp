// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/fame.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

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

QString fromWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// The text in Windows-1252, when every character has a byte there.
std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
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
    return bytes;
}

// The text, when the bytes are valid UTF-8.
std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    return utf8.hasError() ? std::nullopt : std::optional<QString>(text);
}

bool startsWithMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The fields of one line; false when a quote is left open.
bool splitFields(QStringView line, QStringList& fields)
{
    const bool quoted = line.trimmed().startsWith(u'"');
    const QChar separator = quoted || line.contains(u',') ? u',' : u';';
    const qsizetype n = line.size();
    // Where the separator or the line end stands when only blanks come first, or -1.
    const auto closeAt = [&](qsizetype at) {
        while (at < n && isBlank(line[at]))
            ++at;
        return at == n || line[at] == separator ? at : -1;
    };
    for (qsizetype at = 0;;) {
        while (at < n && isBlank(line[at]))
            ++at;
        QString value;
        if (at < n && line[at] == u'"') {
            qsizetype end = -1;
            for (++at; at < n && (line[at] != u'"' || (end = closeAt(at + 1)) < 0); ++at) {
                value += line[at];
                if (line[at] == u'"' && at + 1 < n && line[at + 1] == u'"' && closeAt(at + 2) < 0)
                    ++at;  // "" is one double quote
            }
            if (end < 0)
                return false;
            at = end;
        } else {
            qsizetype end = line.indexOf(separator, at);
            if (end < 0)
                end = n;
            value = line.mid(at, end - at).trimmed().toString();
            at = end;
        }
        fields << value;
        if (at++ >= n)
            return true;
    }
}

// A count or a flag: a whole number in 16 bits; a missing or empty one is fallback.
bool toInt16(const QStringList& fields, int index, qint16 fallback, qint16& value)
{
    if (index >= fields.size() || fields[index].isEmpty()) {
        value = fallback;
        return true;
    }
    bool number = false;
    const int whole = fields[index].toInt(&number);
    value = static_cast<qint16>(whole);
    return number && whole >= -32768 && whole <= 32767;
}

FameRecord readRecord(QStringView line)
{
    FameRecord record;
    QStringList fields;
    if (splitFields(line, fields) && fields.size() <= 3) {
        record.WinnerName = cleanName(fields[0]);
        // A name with no flag is a winner: a name alone, or a name and its count.
        const qint16 used = !record.WinnerName.isEmpty() || fields.size() > 1 ? 1 : 0;
        if (toInt16(fields, 1, 0, record.Calls) && toInt16(fields, 2, used, record.Used))
            return record;
    }
    return {QString(), 0, 0, line.toString()};
}

bool holds(const FameRecord& record) { return record.Used != 0 || !record.Line.isEmpty(); }

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
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes[0] == '\xFF';
        table.encoding = little ? FameEncoding::Utf16LE : FameEncoding::Utf16BE;
        QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text = utf16(QByteArrayView(bytes).sliced(2));
        if (const qsizetype endMark = text.indexOf(QChar(0x1A)); endMark >= 0)
            text.truncate(endMark);
    } else {
        QByteArrayView view(bytes);
        if (view.startsWith("\xEF\xBB\xBF"))
            view = view.sliced(3);
        if (const qsizetype endMark = view.indexOf('\x1A'); endMark >= 0)
            view.truncate(endMark);
        const std::optional<QString> utf8 = fromUtf8(view);
        if (!utf8)
            table.encoding = FameEncoding::Windows1252;
        text = utf8 ? *utf8 : fromWindows1252(view);
    }
    const qsizetype n = text.size();
    for (qsizetype at = 0, slot = 0; slot < FameSlots && at < n;) {
        qsizetype end = at;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = QStringView(text).mid(at, end - at);
        if (!std::all_of(line.begin(), line.end(), isBlank))
            table[slot++] = readRecord(line);
        at = end + 1;  // the LF of a CR LF ends an empty line, which is passed over
    }
    return table;
}

QByteArray fameFileBytes(const FameTable& table)
{
    QString text;
    for (int slot = 0; slot < WrittenSlots; ++slot) {
        const FameRecord& record = table[slot];
        text += record.Line.isEmpty() ? QLatin1Char('"') + cleanName(record.WinnerName) + QStringLiteral("\",")
                                            + QString::number(record.Calls) + QLatin1Char(',') + QString::number(record.Used)
                                      : record.Line;
        text += QStringLiteral("\r\n");
    }
    if (table.encoding == FameEncoding::Utf16LE || table.encoding == FameEncoding::Utf16BE) {
        QStringEncoder utf16(table.encoding == FameEncoding::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                             QStringEncoder::Flag::WriteBom);
        return utf16(text);
    }
    if (table.encoding == FameEncoding::Windows1252) {
        // Read back as Windows-1252 only when it is not valid UTF-8 too, or is plain ASCII.
        const std::optional<QByteArray> bytes = toWindows1252(text);
        if (bytes && !startsWithMark(*bytes) && (!fromUtf8(*bytes) || std::all_of(bytes->begin(), bytes->end(), [](char c) { return c > 0; })))
            return *bytes;
    }
    const QByteArray bytes = text.toUtf8();
    return startsWithMark(bytes) ? "\xEF\xBB\xBF" + bytes : bytes;
}

QStringList fameListLines(const FameTable& table)
{
    QStringList lines;
    for (int slot = 0; slot < WrittenSlots; ++slot)
        if (table[slot].Used != 0 && table[slot].Line.isEmpty())
            lines << table[slot].WinnerName + QStringLiteral(" , ") + QString::number(table[slot].Calls);
    return lines;
}

int AddFameEntry(FameTable& table, const QString& name, int calls)
{
    int slot = 0;
    while (slot < WrittenSlots && holds(table[slot]))
        ++slot;
    if (slot == WrittenSlots)
        slot = 0;
    table[slot] = {name, static_cast<qint16>(calls), 1, QString()};
    return slot;
}

namespace {

// A descriptor that closes itself.
struct Fd {
    int fd = -1;
    explicit Fd(int opened = -1) : fd(opened) {}
    Fd(Fd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept
    {
        std::swap(fd, other.fd);
        return *this;
    }
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    explicit operator bool() const { return fd >= 0; }
};

// The file as it was found: its folder, held open, its name there, and the file itself opened
// (not when it is missing). Every check is made on these descriptors, never on a path again.
struct FameFile {
    Fd folder;
    QByteArray name;
    Fd file;
    bool writable = true;  // the player could write the file (or create it)
    mode_t mode = 0;       // the mode a new file is given
};

// Finds the file's folder and name. The player's own links are followed to the file they name,
// from the link opened itself; another user's link is not followed.
FameEntry findFile(const QString& path, FameFile& found)
{
    QByteArray target = QFile::encodeName(path);
    found.folder = Fd(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int links = 0; found.folder; ++links) {
        const qsizetype slash = target.lastIndexOf('/');
        if (slash >= 0)
            found.folder = Fd(::openat(found.folder.fd, slash == 0 ? "/" : target.left(slash).constData(),
                                       O_PATH | O_DIRECTORY | O_CLOEXEC));
        found.name = target.mid(slash + 1);
        if (!found.folder)
            break;
        if (found.name.isEmpty() || found.name == "." || found.name == "..")
            return FameEntry::NotAFile;
        const Fd link(::openat(found.folder.fd, found.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (!link || ::fstat(link.fd, &info) != 0 || !S_ISLNK(info.st_mode))
            return FameEntry::Entered;  // what it is, the opening says
        if (info.st_uid != ::geteuid())
            return FameEntry::ForeignLink;
        char named[PATH_MAX];
        const ssize_t size = ::readlinkat(link.fd, "", named, sizeof named);
        if (size <= 0 || size == ssize_t(sizeof named) || links == 8)
            return FameEntry::NotAFile;  // a loop of links, or one too long to follow
        target = QByteArray(named, size);
    }
    return FameEntry::Unreadable;  // a folder on the way may not be searched, or is gone
}

bool mayWrite(const struct stat& info)
{
    if (info.st_uid == ::geteuid())
        return info.st_mode & S_IWUSR;
    std::vector<gid_t> groups(std::max(::getgroups(0, nullptr), 0));
    groups.resize(std::max(::getgroups(int(groups.size()), groups.data()), 0));
    const bool member = info.st_gid == ::getegid() || std::count(groups.begin(), groups.end(), info.st_gid);
    return info.st_mode & (member ? S_IWGRP : S_IWOTH);
}

// Finds and opens the file, and checks the opened file: a plain file of a size a hall of fame
// can have. A pipe or a device is never opened; the player's right to write it is asked of the
// system by opening it for writing too, and of its mode, which even root respects here.
FameEntry openFile(const QString& path, FameFile& found)
{
    FameEntry status = findFile(path, found);
    if (status != FameEntry::Entered)
        return status;
    const char* name = found.name.constData();
    struct stat info {};
    if (::fstatat(found.folder.fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(info.st_mode))
        return S_ISLNK(info.st_mode) ? FameEntry::ForeignLink : FameEntry::NotAFile;  // a link put there just now
    constexpr int Flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    found.file = Fd(::openat(found.folder.fd, name, O_RDWR | Flags));
    if (!found.file && errno != ENOENT && errno != ELOOP) {
        found.writable = false;
        found.file = Fd(::openat(found.folder.fd, name, O_RDONLY | Flags));
    }
    if (!found.file) {
        const int error = errno;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        found.mode = 0666 & ~mask;
        return error == ENOENT ? FameEntry::Entered : error == ELOOP ? FameEntry::ForeignLink : FameEntry::Unreadable;
    }
    if (::fstat(found.file.fd, &info) != 0)
        return FameEntry::Unreadable;
    if (!S_ISREG(info.st_mode))
        return FameEntry::NotAFile;
    found.writable = found.writable && mayWrite(info);
    found.mode = info.st_mode & 0777;
    return info.st_size > MaxFameFileBytes ? FameEntry::TooLarge : FameEntry::Entered;
}

// The opened file read whole; a missing file is empty.
FameEntry readFile(const QString& path, FameFile& found, FameTable& table)
{
    const FameEntry status = openFile(path, found);
    if (status != FameEntry::Entered || !found.file)
        return status;
    QByteArray bytes;
    char buffer[16384];
    for (ssize_t got; (got = ::read(found.file.fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0)
            return FameEntry::Unreadable;
        if (bytes.size() + got > MaxFameFileBytes)
            return FameEntry::TooLarge;  // it grew since it was looked at
        bytes.append(buffer, got);
    }
    table = readFameTable(bytes);
    return FameEntry::Entered;
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

bool isTemporary(const QByteArray& name, const QByteArray& prefix)
{
    return name.size() == prefix.size() + 6 && name.startsWith(prefix)
        && std::all_of(name.begin() + prefix.size(), name.end(), [](char c) { return c > 0 && std::isalnum(c); });
}

// Removes the player's own temporary files that an interrupted write left in the folder.
void removeLeftovers(const FameFile& found, const QByteArray& prefix)
{
    DIR* folder = ::fdopendir(::openat(found.folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return;
    std::vector<QByteArray> leftovers;
    while (const dirent* entry = ::readdir(folder)) {
        struct stat info {};
        if (isTemporary(entry->d_name, prefix) && ::fstatat(found.folder.fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            leftovers.emplace_back(entry->d_name);
    }
    ::closedir(folder);
    for (const QByteArray& name : leftovers)
        ::unlinkat(found.folder.fd, name.constData(), 0);
}

FameEntry writeTable(const FameFile& found, const FameTable& table, const std::function<void()>& beforeRename)
{
    if (!found.writable)
        return FameEntry::ReadOnly;
    const QByteArray bytes = fameFileBytes(table);
    if (bytes.size() > MaxFameFileBytes)
        return FameEntry::TooLarge;  // it could not be read back
    const QByteArray prefix = found.name + TemporaryInfix;
    removeLeftovers(found, prefix);
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray temporary;
    Fd fd;
    for (int tries = 0; !fd && tries < 100 && (tries == 0 || errno == EEXIST); ++tries) {
        temporary = prefix;
        for (int i = 0; i < 6; ++i)
            temporary += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        fd = Fd(::openat(found.folder.fd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    }
    if (!fd)
        return FameEntry::Failed;
    bool ok = ::fchmod(fd.fd, found.mode) == 0 && writeAll(fd.fd, bytes) && ::fsync(fd.fd) == 0;
    ok = ::close(std::exchange(fd.fd, -1)) == 0 && ok;
    if (ok && beforeRename)
        beforeRename();
    // The name is replaced in the folder held open: whatever was put there meanwhile is
    // replaced, never written through.
    ok = ok && ::renameat(found.folder.fd, temporary.constData(), found.folder.fd, found.name.constData()) == 0;
    if (!ok)
        ::unlinkat(found.folder.fd, temporary.constData(), 0);
    return ok ? FameEntry::Entered : FameEntry::Failed;
}

// The lock beside the file: flock on a plain file, never read, followed or waited on. A lock
// file that no game holds any more is taken over; it is removed when the lock is let go.
class FameLock {
public:
    FameEntry take(const QString& path)
    {
        m_name = QFile::encodeName(path + QStringLiteral(".lock"));
        struct stat info {}, now {};
        for (int tries = 0; tries < 3; ++tries) {
            m_fd = Fd(::open(m_name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644));
            if (!m_fd || ::fstat(m_fd.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
                // A link, a pipe, or a file the player may not open: another user's, unless the
                // folder may not be written to.
                m_fd = Fd();
                return ::lstat(m_name.constData(), &info) == 0 && info.st_uid != ::geteuid() ? FameEntry::LockHeld
                                                                                              : FameEntry::Failed;
            }
            if (info.st_uid == ::geteuid())
                ::fchmod(m_fd.fd, 0644);  // whoever comes next may open it, and so take it over
            if (::flock(m_fd.fd, LOCK_EX | LOCK_NB) != 0) {
                const bool held = errno == EWOULDBLOCK;
                m_fd = Fd();
                return held ? FameEntry::Busy : FameEntry::Failed;
            }
            // The holder before may have removed the file just now: only the one standing counts.
            if (::lstat(m_name.constData(), &now) == 0 && now.st_ino == info.st_ino && now.st_dev == info.st_dev)
                return FameEntry::Entered;
        }
        m_fd = Fd();
        return FameEntry::Busy;
    }

    ~FameLock()
    {
        if (m_fd)
            ::unlink(m_name.constData());
    }

private:
    QByteArray m_name;
    Fd m_fd;
};

}  // namespace

std::optional<FameTable> ReadFameFile(const QString& path, FameEntry* why)
{
    FameFile found;
    FameTable table;
    const FameEntry status = readFile(path, found, table);
    if (why)
        *why = status;
    return status == FameEntry::Entered ? std::optional<FameTable>(table) : std::nullopt;
}

FameEntry writeFameFile(const FameTable& table, const QString& path, const std::function<void()>& beforeRename)
{
    FameFile found;
    const FameEntry status = openFile(path, found);
    return status == FameEntry::Entered ? writeTable(found, table, beforeRename) : status;
}

FameEntry enterFameEntry(const QString& name, int calls, const QString& path, const std::function<void()>& beforeRename,
                         int waitMs)
{
    // The lock also keeps a leftover being cleared away from under another game's write.
    FameLock lock;
    QElapsedTimer waited;
    waited.start();
    FameEntry status;
    while ((status = lock.take(path)) == FameEntry::Busy && waited.elapsed() < waitMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (status != FameEntry::Entered)
        return status;
    // Read under the lock: another game may have written since the window opened.
    FameFile found;
    FameTable table;
    status = readFile(path, found, table);
    if (status != FameEntry::Entered)
        return status;
    AddFameEntry(table, name, calls);
    return writeTable(found, table, beforeRename);
}

QString fameLockOwner(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path + QStringLiteral(".lock")).constData(), &info) != 0)
        return QString();
    const passwd* user = ::getpwuid(info.st_uid);
    return user ? QString::fromLocal8Bit(user->pw_name) : QString::number(info.st_uid);
}
