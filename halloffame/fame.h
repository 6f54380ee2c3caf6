// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hall of fame file, bingolst.dat, in the current working folder: one line per slot,
// "name",calls,used and CR LF. A table is built by each operation that reads or writes the
// file and thrown away when it ends.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

struct FameRecord {
    QString WinnerName;
    qint16 Calls = 0;
    qint16 Used = 0;  // 0 = empty slot; any other value counts as used
};

constexpr int FameSlots = 52;     // slots 0 to 51; 51 only ever receives a 52nd record read
constexpr int WrittenSlots = 51;  // slots 0 to 50 are listed and written

// How the file's text was read, and so how it is written back: copies of the game on Windows
// wrote and read Windows-1252.
enum class FameEncoding { Utf8, Windows1252 };

struct FameTable : std::array<FameRecord, FameSlots> {
    FameEncoding encoding = FameEncoding::Utf8;
};

inline const QString FameFileName = QStringLiteral("bingolst.dat");

// The longest name the name entry takes, and the largest file that is read at all: far above
// anything the program writes (51 lines of names this long), so whatever it writes reads back.
constexpr int MaxNameLength = 64;
constexpr qint64 MaxFameFileBytes = 1024 * 1024;

// Reads one record per line into slots 0, 1, ... until the bytes end or slot 51 is filled.
// Lines end in CR LF, LF or CR; a line of blanks is passed over, and a Ctrl-Z (the old end-of-
// file mark) ends the file wherever it stands. Fields are separated by commas; a field opening
// with a double quote runs to the next double quote on its line (so it may hold commas); other
// fields are trimmed. A missing field is empty; fields after the third are dropped. A count or
// flag that is not a whole number in 16 bits reads as 0. Text is UTF-8, or Windows-1252 where
// it is not valid UTF-8 (the table remembers which); a leading UTF-8 byte-order mark is
// skipped. A name reads as fameFileBytes would write it (see below), so it round-trips.
FameTable readFameTable(const QByteArray& bytes);

// A name as it can be kept: one line of text. Control characters go, line and paragraph
// breaks and tabs become blanks, a double quote becomes an apostrophe, and a direction
// override or isolate that is not closed within the name (or a close without its opening)
// goes, so that no name can break its line or run into the rest of a row.
QString cleanName(const QString& name);

// Slots 0 to 50, one line each, names cleaned. In Windows-1252 when the table was read so and
// every name can be written in it and read back the same; otherwise in UTF-8.
QByteArray fameFileBytes(const FameTable& table);

// The listing of the hall of fame: "name , calls" for each used slot 0 to 50, in slot order.
QStringList fameListLines(const FameTable& table);

// Puts an entry into the first free slot of 0 to 50 (slot 0 when none is free) and returns
// the slot.
int AddFameEntry(FameTable& table, const QString& name, int calls);

// The file as a table. A missing file is an empty table. A file that is there but cannot be
// read whole (no permission, not a regular file, an error, larger than MaxFameFileBytes)
// gives nothing: it must not be overwritten as if it were empty. Never blocks on a pipe
// or a device.
std::optional<FameTable> ReadFameFile(const QString& path = FameFileName);

// Writes the table to a temporary file beside the old one, flushed to the disk, and renames it
// over the old one: a failed write leaves the old file byte for byte. Writes only onto a
// regular file (through a link, onto the file it names), never onto a pipe or a device.
// Temporary files that an interrupted write left behind are removed first. Returns false
// unless every byte reached the disk. beforeRename runs just before the rename; tests use it
// to stand for a crash there.
bool writeFameFile(const FameTable& table, const QString& path = FameFileName,
                   const std::function<void()>& beforeRename = {});

enum class FameEntry {
    Entered,
    Busy,    // another game holds the lock: it is writing the hall of fame just now
    Failed,  // the file cannot be read or written
};

// "Enter Me": reads the file, puts the entry in and writes it back, holding a lock file
// beside it throughout, so two games in one folder keep both entries. Waits for the lock at
// most waitMs. Unless the entry went in, the file is unchanged.
FameEntry enterFameEntry(const QString& name, int calls, const QString& path = FameFileName,
                         const std::function<void()>& beforeRename = {}, int waitMs = 0);
