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
    // A line that does not read as a name, a count and a flag (a count that is not a number, a
    // field too many, a quote left open): kept in its slot as it stood, never listed, and
    // written back as it is.
    QString Line;
};

constexpr int FameSlots = 52;     // slots 0 to 51; 51 only ever receives a 52nd record read
constexpr int WrittenSlots = 51;  // slots 0 to 50 are listed and written

// How the file's text was read, and so how it is written back: copies of the game on Windows
// wrote and read Windows-1252, and Notepad saves "Unicode" as UTF-16 with a byte-order mark.
enum class FameEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };

struct FameTable : std::array<FameRecord, FameSlots> {
    FameEncoding encoding = FameEncoding::Utf8;
};

inline const QString FameFileName = QStringLiteral("bingolst.dat");

// The longest name the name entry takes, and the largest file that is read at all: far above
// anything the program writes (51 lines of names this long), so whatever it writes reads back.
constexpr int MaxNameLength = 64;
constexpr qint64 MaxFameFileBytes = 1024 * 1024;

// Reads one record per line into slots 0, 1, ... until the text ends or slot 51 is filled.
// A byte-order mark says UTF-8, UTF-16 LE or UTF-16 BE; without one the whole file is UTF-8
// when it is valid UTF-8, else Windows-1252 (the table remembers which). Lines end in CR LF, LF
// or CR; a line of blanks is passed over, and a Ctrl-Z (the old end-of-file mark) ends the file
// wherever it stands. Fields are separated by commas, or by semicolons on an unquoted line
// without a comma (as spreadsheets save). A field opening with a double quote runs to the
// double quote that is followed by a separator or the line end, so it may hold commas, and ""
// in it is one double quote; other fields are trimmed. A line of a name alone, or a name and a
// count, is a winner. A line whose count or flag is not a whole number in 16 bits, or that has
// a field too many, or a quote left open, is kept in FameRecord::Line. A name reads as
// fameFileBytes would write it (see below), so it round-trips.
FameTable readFameTable(const QByteArray& bytes);

// A name as it can be kept: one line of text. Control characters go, line and paragraph
// breaks and tabs become blanks, a double quote becomes an apostrophe, and a direction
// override or isolate that is not closed within the name (or a close without its opening)
// goes, so that no name can break its line or run into the rest of a row.
QString cleanName(const QString& name);

// Slots 0 to 50, one line each, names cleaned, kept lines as they stood. In the encoding the
// table was read in; Windows-1252 only when every name can be written in it and the file reads
// back the same, otherwise UTF-8.
QByteArray fameFileBytes(const FameTable& table);

// The listing of the hall of fame: "name , calls" for each used slot 0 to 50, in slot order.
QStringList fameListLines(const FameTable& table);

// Puts an entry into the first free slot of 0 to 50 (slot 0 when none is free) and returns
// the slot. A kept line holds its slot.
int AddFameEntry(FameTable& table, const QString& name, int calls);

// What became of a read, a write or an entry.
enum class FameEntry {
    Entered,
    Busy,         // another game holds the lock: it is writing the hall of fame just now
    Failed,       // the file could not be written: a full disk, a folder that may not be written
    Unreadable,   // no permission to read the file
    ReadOnly,     // the player may not write the file: it is left alone
    TooLarge,     // larger than MaxFameFileBytes: not a hall of fame
    NotAFile,     // a folder, a pipe or a device has the name
    ForeignLink,  // a link that another user made: never followed
    LockHeld,     // the lock file is another user's, and this player may not take it over
};

// The file as a table. A missing file is an empty table. A file that is there but cannot be
// read whole gives nothing, and why in *why: it must not be overwritten as if it were empty.
// A link is followed only when the player made it; a pipe or a device is never read.
std::optional<FameTable> ReadFameFile(const QString& path = FameFileName, FameEntry* why = nullptr);

// Writes the table to a temporary file (O_EXCL, mode 0600) in the folder of the file, flushed
// to the disk, and renames it over the file: a failed write leaves the old file byte for byte.
// Writes only where the player could write a plain file anyway: through the player's own
// link, onto the file it names; never through another user's link, onto a pipe or a device, or
// over a read-only file. The checks and the rename act on the folder held open, so nothing can
// be swapped in between. Temporary files that an interrupted write of the player's left behind
// are removed first. Entered only when every byte reached the disk. beforeRename runs just
// before the rename; tests use it to stand for a crash there.
FameEntry writeFameFile(const FameTable& table, const QString& path = FameFileName,
                        const std::function<void()>& beforeRename = {});

// "Enter Me": reads the file, puts the entry in and writes it back, holding a lock beside it
// throughout (flock on bingolst.dat.lock, which is never read, followed or waited on), so two
// games in one folder keep both entries. A lock file left by a game that has ended is taken
// over. Waits for another game's lock at most waitMs. Unless the entry went in, the file is
// unchanged.
FameEntry enterFameEntry(const QString& name, int calls, const QString& path = FameFileName,
                         const std::function<void()>& beforeRename = {}, int waitMs = 0);

// Who owns the lock file: the user's name, or the number when it has none.
QString fameLockOwner(const QString& path = FameFileName);
