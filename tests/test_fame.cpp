// SPDX-License-Identifier: GPL-3.0-or-later
// The hall of fame: the bingolst.dat format, its window and the name entry, and the file
// under faults: a full disk, missing permissions, a pipe or a device in its place, two games
// writing at once, a crash in the middle of a write.
#include "halloffame/fame.h"
#include "helpers.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString& path = FameFileName)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QByteArray& bytes, const QString& path = FameFileName)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A file as the name entry writes it: 51 lines, the given names in the first slots.
QByteArray fileWith(const QStringList& names)
{
    FameTable table;
    for (int i = 0; i < names.size(); ++i)
        table[i] = {names[i], qint16(10 + i), 1, {}};
    return fameFileBytes(table);
}

// Runs body in a child process under a watchdog, as an ordinary user if asked (root may
// read and write anything); its exit status, or minus the signal that ended it.
int inChild(const std::function<int()>& body, bool ordinaryUser = false)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(10);
        if (ordinaryUser && geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// An entry as the name entry makes it, which waits a moment for another game's write.
int entered(const QString& name) { return enterFameEntry(name, 5, FameFileName, {}, 3000) == FameEntry::Entered ? 1 : 0; }

// The player types a name into the name entry and clicks Enter Me.
void clickEnterMe(Bingo& bingo, const QString& name = {})
{
    bingo.showNameEntry();
    QTest::keyClicks(bingo.nameEntry()->Text1, name);
    QTest::mouseClick(bingo.nameEntry()->Command1, Qt::LeftButton);
}

}  // namespace

class FameTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QString m_oldFolder;

private slots:
    void init()
    {
        m_oldFolder = QDir::currentPath();
        QDir(m_folder.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder.path()) && QDir::setCurrent(m_folder.path()));
        QFile::setPermissions(".", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    }

    void cleanup() { QDir::setCurrent(m_oldFolder); }

    void whatIsReadIsListedAndWrittenBackAlike()
    {
        const std::pair<QByteArray, QStringList> files[] = {  // the file, and its list
            {"\"A\",1,0\r\n\"B\",9,1\r\n\"C\",3,2\r\n\"D\",4,-1\r\n", {"B , 9", "C , 3", "D , 4"}},  // used 0, 1, 2, -1
            {"\"A\",5,1\r\n" + QByteArray("\"P\",5,1\r\n").repeated(50) + QByteArray("\"Z\",5,1\n").repeated(9),
             QStringList{"A , 5"} + QStringList(50, "P , 5")},  // 52 records and more
            {"\"Smith, Ann\",42,1\n\"\",7,1\n", {"Smith, Ann , 42", " , 7"}},
            {"\"E\",-32768,1\n\"F\",32767,1\n\"G\",-32769,1\n", {"E , -32768", "F , 32767"}},  // 16-bit edges
            {"  Bob  , 12 , 1 \n", {"Bob , 12"}},
            {"\"A\",lots,1\n\"B\",3,yes\n\"C\",99999,1\n\"D\",4,70000\n\"E\"x,1,1\n", {}},  // kept as they stand
            {"Big \"Al\",5,1", {"Big 'Al' , 5"}},
            {"\"A\tB\xc2\x85" "C\xe2\x80\xa8" "D\",1,1\r\"E\",2,1\r", {"A B C D , 1", "E , 2"}},  // breaks in a name; CR line ends
            {"\"\xe2\x80\xae" "Ann\",1,1\n\"\xe2\x80\xae" "Bob\xe2\x80\xac\",2,1\n\"\xe2\x81\xa6" "Cy\xe2\x80\xab\xe2\x81\xa9\xe2\x81\xa9\",3,1\n",
             {"Ann , 1", "\u202e" "Bob\u202c , 2", "\u2066" "Cy\u2069 , 3"}},  // direction overrides left open, closed
            {"\xef\xbb\xbf\"Jos\xc3\xa9\",3,1\r\n", {"Jos\u00e9 , 3"}}, {"\xef\xbb\xbf\xef\xbb\xbfKept,1,1,1", {}}, {"\"Jos\xe9 \x80\",4,1", {"Jos\u00e9 \u20ac , 4"}}};  // UTF-8, 1252
        for (const auto& [bytes, listed] : files) {
            const QByteArray written = fameFileBytes(readFameTable(bytes));
            QCOMPARE(fameListLines(readFameTable(bytes)), listed);
            QVERIFY(written.count("\r\n") == 51 && written.count('\n') == 51);
            QCOMPARE(fameFileBytes(readFameTable(written)), written);
        }
    }

    void oldAndOddFilesKeepEveryWinner_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QByteArray>("after");  // how the file begins after the name is entered
        const QByteArray three = "\"Ann\",42,1\r\n\"Bob\",37,1\r\n\"Cy\",12,1";
        const QStringList listed{"Ann , 42", "Bob , 37", "Cy , 12"};
        const QByteArray kept = three + "\r\n\"Dee\",5,1\r\n\"\",0,0\r\n";
        QTest::newRow("blank lines first, between records, of blanks") << QByteArray("\r\n\r\n\"Ann\",42,1\r\n\r\n\"Bob\",37,1\n \t \n\"Cy\",12,1\n") << "Dee" << listed << kept;
        QTest::newRow("Ctrl-Z for the last line end") << three + "\x1a" << "Dee" << listed << kept;
        QTest::newRow("Ctrl-Z first") << QByteArray("\x1a\"Ann\",42,1\r\n") << "Dee" << QStringList{} << QByteArray("\"Dee\",5,1\r\n\"\",0,0\r\n");
        QTest::newRow("Ctrl-Z after the last line end") << three + "\r\n\x1a\"Old\",1,1\r\n" << "Dee" << listed << kept;
        QTest::newRow("a name and its count, a bare name, a spreadsheet's") << QByteArray("\"Ann\",31\r\nBob\r\nCy;12;1\r\n")
            << "Dee" << QStringList{"Ann , 31", "Bob , 0", "Cy , 12"} << QByteArray("\"Ann\",31,1\r\n\"Bob\",0,1\r\n\"Cy\",12,1\r\n\"Dee\",5,1\r\n");
        const QByteArray odd = "\"O\"\"Brien\",12,1\r\n\"\"Eve\"\",7,1\r\nSmith, John,15,1\r\n\"Ann\",42,1,x\r\n\"Bob,37,1\r\n";
        QTest::newRow("doubled quotes; lines kept as they stand") << odd << "Dee" << QStringList{"O'Brien , 12", "'Eve' , 7"}
            << "\"O'Brien\",12,1\r\n\"'Eve'\",7,1\r\n" + odd.mid(odd.indexOf("Smith")) + "\"Dee\",5,1\r\n";
        for (auto [row, encoding] : {std::pair("UTF-16 LE from Notepad", QStringConverter::Utf16LE), {"UTF-16 BE", QStringConverter::Utf16BE}}) {
            const auto utf16 = [&](const QByteArray& text) { return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom)(QString(text))); };
            QTest::newRow(row) << utf16(three) << "Dee" << listed << utf16(kept);
        }
        const QByteArray windows = "\"Ren\xe9" "e\",42,1\r\n\"Jean\x96Luc\",37,1\r\n\"ANDR\xc9\x92S\",9,1\r\n\x1a";  // É’ is valid UTF-8 too
        const QStringList windowsListed{"Ren\u00e9" "e , 42", "Jean\u2013Luc , 37", "ANDR\u00c9\u2019S , 9"};
        QTest::newRow("Windows-1252 stays so") << windows << "Zo\u00eb" << windowsListed << QByteArray("\"Ren\xe9" "e\",42,1\r\n\"Jean\x96Luc\",37,1\r\n\"ANDR\xc9\x92S\",9,1\r\n\"Zo\xeb\",5,1\r\n");
        QTest::newRow("Windows-1252 outgrown") << windows << "Zo\u00eb \u6771" << windowsListed << QByteArray("\"Ren\xc3\xa9" "e\",42,1\r\n\"Jean\xe2\x80\x93Luc\",37,1\r\n\"ANDR\xc3\x89\xe2\x80\x99S\",9,1\r\n\"Zo\xc3\xab \xe6\x9d\xb1\",5,1\r\n");
        QTest::newRow("UTF-8 stays so") << QByteArray("\"Ren\xc3\xa9" "e\",42,1\r\n") << "Zo\u00eb \U0001F600" << QStringList{"Ren\u00e9" "e , 42"} << QByteArray("\"Ren\xc3\xa9" "e\",42,1\r\n\"Zo\xc3\xab \xf0\x9f\x98\x80\",5,1\r\n");
        QTest::newRow("control bytes in a name") << QByteArray("\"A\x01n\x1bn\x7f\",42,1\r\n") << "Dee" << QStringList{"Ann , 42"} << QByteArray("\"Ann\",42,1\r\n\"Dee\",5,1\r\n");
    }

    void oldAndOddFilesKeepEveryWinner()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QStringList, listed);
        QFETCH(QByteArray, after);
        writeBytes(file);
        QCOMPARE(fameListLines(ReadFameFile().value_or(FameTable{})), listed);
        enterFameEntry(name, 5);
        const QByteArray written = fileBytes();
        QVERIFY2(written.startsWith(after), written.left(after.size() + 20).toHex().constData());
        QCOMPARE(written.count('\n'), 51);
    }

    void anEntryGoesToTheFirstFreeSlot()
    {
        const std::tuple<QByteArray, int, int> cases[] = {  // the file, the slot taken, the entries after
            {fileWith({"A", "B", "C"}), 3, 4}, {"\"\",0,0\r\n\"Old\",9,1\r\n", 0, 2}, {QByteArray("\"N\",9,1\r\n").repeated(51), 0, 51}};
        for (const auto& [bytes, slot, entries] : cases) {
            FameTable table = readFameTable(bytes);
            QCOMPARE(AddFameEntry(table, QStringLiteral(" Cy \"2\" "), 75), slot);
            const QStringList lines = fameListLines(readFameTable(fameFileBytes(table)));
            QVERIFY(lines.value(slot) == " Cy '2'  , 75" && lines.size() == entries);
        }
    }

    void aFileThatCannotBeWrittenKeepsEveryWinner_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<FameEntry>("entry");  // what the entry says
        using E = FameEntry;
        const std::pair<const char*, FameEntry> faults[] = {
            {"disk full", E::Failed}, {"read-only folder", E::Failed}, {"unsearchable folder", E::Failed},
            {"write-only file", E::Unreadable}, {"read-only file", E::ReadOnly}, {"too large to read", E::TooLarge},
            {"crash before rename", E::Entered}, {"folder", E::NotAFile}, {"pipe", E::NotAFile}, {"link to a pipe", E::NotAFile},
            {"device", E::NotAFile}};
        for (const auto& [fault, entry] : faults)
            QTest::newRow(fault) << QString(fault) << entry;
    }

    void aFileThatCannotBeWrittenKeepsEveryWinner()
    {
        QFETCH(QString, fault);
        QFETCH(FameEntry, entry);
        const QByteArray old = fileWith({"Ann", "Bob"}) + QByteArray(fault == "too large to read" ? MaxFameFileBytes : 0, ' ');
        writeBytes("", "bingolst.dat.backup");
        writeBytes("", "bingolst.dat.tolva-12.456");  // not of the program's own pattern
        if (fault == "folder")
            QDir().mkdir(FameFileName);
        else if (fault == "device" && mknod("null", S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("making a device needs root");
        else if (fault.contains("pipe"))
            QCOMPARE(mkfifo(fault == "pipe" ? "bingolst.dat" : "pipe", 0666), 0);
        else if (fault != "device")
            writeBytes(old);
        if (fault.startsWith("link") || fault == "device")
            QVERIFY(QFile::link(fault == "device" ? "null" : "pipe", FameFileName));
        const bool special = fault.contains("pipe") || fault == "device" || fault == "folder";
        struct stat before {}, after {}, link {};
        QVERIFY(stat("bingolst.dat", &before) == 0 && lstat("bingolst.dat", &link) == 0);
        const bool readOnly = fault.endsWith("folder") && fault != "folder", asUser = readOnly || fault.endsWith("-only file");
        if (asUser) {
            QFile::setPermissions(".", fault == "read-only folder" ? QFile::ReadOther | QFile::ExeOther
                                       : QFile::Permissions(fault == "unsearchable folder" ? 0x7700 : 0x7777));
            QFile::setPermissions(FameFileName, fault == "write-only file" ? QFile::WriteOther : QFile::ReadOwner | QFile::ReadOther);
            (void)lchown("bingolst.dat", fault == "read-only file" ? 65534 : 0, 0);  // the player's own, made read-only
        }
        // A reader or writer that opens a pipe waits there until the watchdog ends it.
        const int result = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);  // as the game does: the write fails instead
            const rlimit limit{300, 300};  // room for the lock file, not for the list
            if (fault == "disk full")
                setrlimit(RLIMIT_FSIZE, &limit);
            const FameEntry said = enterFameEntry("Cy", 5, FameFileName, [&] { fault == "crash before rename" ? _exit(0) : void(); });
            return said == FameEntry::Failed || writeFameFile(FameTable{}) == said ? int(said) : 50;  // a plain write says the same
        }, asUser);
        QFile::setPermissions(".", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        chmod("bingolst.dat", before.st_mode & 0777);
        (void)lchown("bingolst.dat", getuid(), getgid());
        QCOMPARE(result, int(entry));  // the entry said why it failed
        QVERIFY(stat("bingolst.dat", &after) == 0 && (after.st_mode & S_IFMT) == (before.st_mode & S_IFMT) && after.st_rdev == before.st_rdev);
        QVERIFY(lstat("bingolst.dat", &after) == 0 && after.st_mode == link.st_mode);
        QVERIFY(special || fileBytes() == old);
        if (fault == "too large to read") {  // a file of exactly the limit is read whole
            writeBytes(old.left(MaxFameFileBytes));
            QCOMPARE(fameListLines(ReadFameFile().value_or(FameTable{})).size(), 2);
            FameTable largest;  // and one of exactly the limit is written
            largest[0].WinnerName = QString(MaxFameFileBytes - fameFileBytes(largest).size(), 'x');
            QCOMPARE(writeFameFile(largest), FameEntry::Entered);
        }
        // The next write goes through, and clears only the leftovers of its own kind.
        QCOMPARE(QDir().entryList({"bingolst.dat.tolva-??????"}).size(), 1 + int(fault == "crash before rename"));
        QCOMPARE(special || fault == "too large to read" || entered("Dee"), true);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::System).filter("bingolst.dat.").size(), 2);
    }

    // The other user is uid 65534, made so by ownership set as root.
    void anotherUsersLinkOrFileIsNeverWrittenThrough_data()
    {
        QTest::addColumn<QString>("made");  // by the other user
        QTest::addColumn<int>("folder");    // the shared folder's mode
        QTest::addColumn<int>("mode");      // of the file the link names, or of theirs
        QTest::addColumn<FameEntry>("entry");
        QTest::newRow("a link to the player's dotfile, group folder") << "link" << 02775 << 0644 << FameEntry::ForeignLink;
        QTest::newRow("a link to the player's private file") << "link" << 02775 << 0600 << FameEntry::ForeignLink;
        QTest::newRow("a link in a sticky folder") << "link" << 01777 << 0644 << FameEntry::ForeignLink;
        QTest::newRow("their file, not the player's to write") << "file" << 02775 << 0644 << FameEntry::ReadOnly;
        QTest::newRow("their file, the group's to write") << "file" << 02775 << 0664 << FameEntry::Entered;
    }

    void anotherUsersLinkOrFileIsNeverWrittenThrough()
    {
        QFETCH(QString, made);
        QFETCH(int, folder);
        QFETCH(int, mode);
        QFETCH(FameEntry, entry);
        const QByteArray dotfile = "export PATH\n";
        writeBytes(dotfile, "bashrc");  // the player's own
        if (made == "link")
            QVERIFY(symlink("bashrc", "bingolst.dat") == 0);
        else
            writeBytes(fileWith({"Ann"}));
        if (lchown("bingolst.dat", 65534, made == "link" ? 65534 : 0) != 0)
            QSKIP("another user's files need root");
        QVERIFY(chmod(made == "link" ? "bashrc" : "bingolst.dat", mode) == 0 && chown(".", 0, 65534) == 0 && chmod(".", folder) == 0);
        const QByteArray before = fileBytes();
        FameEntry read = FameEntry::Busy;
        QCOMPARE(ReadFameFile(FameFileName, &read).has_value(), made != "link");  // the list says so too
        QCOMPARE(read, made == "link" ? entry : FameEntry::Entered);
        QCOMPARE(enterFameEntry("Cy", 5), entry);
        QVERIFY(fileBytes("bashrc") == dotfile && QFileInfo(FameFileName).isSymLink() == (made == "link"));
        QCOMPARE(fileBytes() == before, entry != FameEntry::Entered);
        Bingo bingo;  // what the player is told, by the list and by Enter Me
        bingo.start();
        MessageAnswerer answerer;
        bingo.mainWindow()->mnuHallofFame->trigger();
        bingo.hallOfFame()->close();
        clickEnterMe(bingo);
        const QString said = entry == FameEntry::ForeignLink ? texts::FameForeignLink() : texts::FameReadOnly();
        QCOMPARE(answerer.texts, entry == FameEntry::Entered ? QStringList() : QStringList(made == "link" ? 2 : 1, said));
        bingo.mainWindow()->close();
    }

    void aLockFileNeverHangsOrSwellsTheGame_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<bool>("byNobody");  // the player is uid 65534 and the lock root's; else the other way round
        QTest::addColumn<FameEntry>("entry");
        QTest::newRow("another user's pipe") << "pipe" << false << FameEntry::LockHeld;
        QTest::newRow("a huge sparse file") << "sparse" << false << FameEntry::Entered;
        QTest::newRow("a stale lock the player may not remove") << "stale" << true << FameEntry::Entered;
        QTest::newRow("a lock the player may not open") << "private" << true << FameEntry::LockHeld;
    }

    void aLockFileNeverHangsOrSwellsTheGame()
    {
        QFETCH(QString, lock);
        QFETCH(bool, byNobody);
        QFETCH(FameEntry, entry);
        writeBytes(fileWith({"Ann"}));
        const char* name = "bingolst.dat.lock";
        if (lock == "pipe") {
            QCOMPARE(mkfifo(name, 0644), 0);
        } else {  // as a game left it long ago, on another machine
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("99999\nelsewhere\ntolva-bingo\n") > 0);
            QVERIFY(file.resize(lock == "sparse" ? 2LL << 30 : file.size()));
            QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(0), QFileDevice::FileModificationTime));
        }
        if (chmod(name, lock == "private" ? 0600 : 0644) != 0 || lchown(byNobody ? "bingolst.dat" : name, 65534, 65534) != 0)
            QSKIP("another user's lock needs root");
        QVERIFY(!byNobody || chmod(".", 01777) == 0);
        QCOMPARE(inChild([] { return int(enterFameEntry("Cy", 5)); }, byNobody), int(entry));  // at once, never stuck
        QCOMPARE(fameListLines(*ReadFameFile()).contains("Cy , 5"), entry == FameEntry::Entered);
        if (entry == FameEntry::LockHeld)
            QCOMPARE(fameLockOwner(), QString(byNobody ? "root" : "nobody"));
        if (lock == "pipe") {  // and the player is told so at once, not after two seconds of tries
            Bingo bingo;
            bingo.start();
            MessageAnswerer answerer;
            clickEnterMe(bingo);  // answered within the click
            QCOMPARE(answerer.texts, QStringList{texts::FameLockHeld("nobody")});
            bingo.mainWindow()->close();
        }
    }

    void twoGamesEnteringAtOnceKeepBothEntries()
    {
        for (int round = 0; round < 12; ++round) {
            int gate[2];
            QCOMPARE(pipe(gate), 0);
            pid_t children[2];
            for (int g : {0, 1})
                if (char go; (children[g] = fork()) == 0) {  // waits at the gate, then enters at once
                    close(gate[1]);
                    _exit(read(gate[0], &go, 1) == 0 && entered(QStringLiteral("R%1G%2").arg(round).arg(g)) ? 0 : 1);
                }
            close(gate[0]);
            close(gate[1]);  // both go
            for (pid_t child : children) {
                int status = -1;
                QVERIFY(waitpid(child, &status, 0) == child && status == 0);
            }
        }
        // A game started without standard input has descriptor 0 for its files.
        QCOMPARE(inChild([] { return close(0) == 0 && writeFameFile(*ReadFameFile()) == FameEntry::Entered && ReadFameFile() ? 0 : 1; }), 0);
        QVERIFY(QFile::rename(FameFileName, "kept.dat") && QFile::link(QDir::currentPath() + "/kept.dat", FameFileName));
        QVERIFY(entered("Linked") && QFileInfo(FameFileName).isSymLink());  // the link stays, its file takes the entry
        QStringList names = fameListLines(*ReadFameFile());
        QCOMPARE(names.removeDuplicates() + names.size(), 25);
        QVERIFY(!QFile::exists("bingolst.dat.lock"));
        for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::Files | QDir::System))  // nothing is left open
            QVERIFY2(!fd.symLinkTarget().startsWith(m_folder.path()), qPrintable(fd.symLinkTarget()));
    }

    void aNameIsKeptAsTheBoxShowsItAndAWaitIsExplained()
    {
        Bingo bingo;
        bingo.start();
        const std::pair<QString, QString> names[] = {  // pasted, and shown and kept
            {QStringLiteral("Ann") + QChar(0) + QStringLiteral("Lee"), "AnnLee"},
            {"A\x01n\x1bn\x7f\u0090", "Ann"},
            {"Ann\r\nLee\u2028Jr\u0085X\u2029Y\tZ\rQ", "Ann Lee Jr X Y Z Q"},
            {"\u202eAnn", "Ann"},
            {"Bo\u202cb\u2069", "Bob"},
            {"\u202e\u2067Cy\u2069\u202c", "\u202e\u2067Cy\u2069\u202c"}};
        for (int slot = 0; slot < int(std::size(names)); ++slot) {
            bingo.showNameEntry();
            QLineEdit* box = bingo.nameEntry()->Text1;
            box->insert(names[slot].first);
            QCOMPARE(box->text(), names[slot].second);
            QTest::keyClick(box, Qt::Key_Return);
            settle();
            QVERIFY(!bingo.nameEntry());
            QCOMPARE(ReadFameFile().value()[slot].WinnerName, names[slot].second);
        }
        // Another game holding the lock is waited for without stopping this one, then named.
        const QByteArray before = fileBytes();
        const pid_t holder = fork();
        if (holder == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);  // gone with the test, whatever becomes of it
            alarm(30);
            QLockFile lock(FameFileName + ".lock");
            _exit(lock.lock() ? (pause(), 0) : 1);
        }
        QTRY_VERIFY(QFile::exists(FameFileName + ".lock"));
        MessageAnswerer answerer;
        clickEnterMe(bingo, QStringLiteral("Zed"));
        QVERIFY(answerer.texts.isEmpty());  // the click came back while the game waits
        QTRY_COMPARE_WITH_TIMEOUT(answerer.texts, QStringList{texts::FameBusy()}, 10000);
        QVERIFY(bingo.nameEntry()->isVisible() && bingo.nameEntry()->Text1->text() == "Zed" && fileBytes() == before);
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        QTest::mouseClick(bingo.nameEntry()->Command1, Qt::LeftButton);  // the other game is gone
        settle();
        QVERIFY(!bingo.nameEntry());
        QCOMPARE(fameListLines(*ReadFameFile()).last(), QStringLiteral("Zed , 0"));
        bingo.mainWindow()->close();
    }

    void theHallOfFameAndTheNameEntryAsThePlayerSeesThem()
    {
        Bingo bingo;  // no bingolst.dat yet: an empty hall of fame
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        QCOMPARE(bingo.info()->actions().size(), 1);  // the way in a player can see
        bingo.info()->actions().first()->trigger();
        Form6* entry = bingo.nameEntry();
        QVERIFY(entry && entry->isVisible() && entry->focusWidget() == entry->Text1);
        QCOMPARE(entry->Label1->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        QCOMPARE(entry->Image1->pixmap().size(), QSize(145, 161));
        QCOMPARE(entry->grab().toImage().pixelColor(2, 2), QColor(Qt::white));  // test_languages sees the prompt fit
        entry->Text1->insert(QString(1 << 20, 'x'));  // a pasted megabyte keeps its first 64
        QCOMPARE(entry->Text1->text(), QString(MaxNameLength, 'x'));
        entry->Text1->setText(QString());
        QTest::keyClicks(entry->Text1, QStringLiteral("  Ann, the 2nd "));
        emit bingo.info()->Timer1_Timer();  // the count at the click is the one kept
        QTest::keyClick(entry->Text1, Qt::Key_Return);
        settle();
        QVERIFY(!bingo.nameEntry() && fileBytes().startsWith("\"  Ann, the 2nd \",2,1\r\n\"\",0,0\r\n"));
        const mode_t mask = umask(0);  // a new file may be read and written by all the umask allows
        struct stat info {};
        QVERIFY(umask(mask) == 0 && stat("bingolst.dat", &info) == 0 && (info.st_mode & 0777) == (0666 & ~mask));
        bingo.info()->close();  // closed by the player: the hall of fame loads it again, hidden
        settle();
        for (bool byButton : {true, false}) {  // Return, or the close box; the calls go on meanwhile
            bingo.mainWindow()->mnuHallofFame->trigger();
            Form5* fame = bingo.hallOfFame();
            QVERIFY(fame->isVisible() && !bingo.mainWindow()->isVisible() && !bingo.cardsTable()->isVisible());
            QVERIFY(!bingo.info()->isVisible() && bingo.state().InfoWindowOpen == 1);
            QCOMPARE(fame->List1->item(0)->text(), QStringLiteral("  Ann, the 2nd  , 2"));
            QCOMPARE(fame->Image1->pixmap().size(), QSize(225, 100));
            QCOMPARE(fame->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
            emit bingo.info()->Timer1_Timer();
            byButton ? QTest::mouseClick(fame->Command1, Qt::LeftButton) : (void)fame->close();
            settle();
            QVERIFY(!bingo.hallOfFame() && bingo.mainWindow()->isVisible() && bingo.cardsTable()->isVisible());
            QVERIFY(bingo.info()->isVisible() && bingo.info()->Label3->text() == bingo.state().callText());
            QCOMPARE(bingo.info()->Label5->text(), QString::number(byButton ? 3 : 4));
        }
        // A file that cannot be read is said so, twice, and the name typed stays.
        QVERIFY(QFile::remove(FameFileName) && mkfifo(FameFileName.toLatin1(), 0666) == 0);
        MessageAnswerer answerer;
        bingo.mainWindow()->mnuHallofFame->trigger();
        QCOMPARE(bingo.hallOfFame()->List1->count(), 0);
        bingo.hallOfFame()->close();
        clickEnterMe(bingo, QStringLiteral("Ann"));
        QCOMPARE(answerer.texts, QStringList(2, texts::FameNotAFile()));
        QCOMPARE(answerer.looks, QStringList(2, BoxLook));
        QVERIFY(bingo.nameEntry()->isVisible() && bingo.nameEntry()->Text1->text() == "Ann");
        bingo.mainWindow()->close();
    }
};

QTEST_MAIN(FameTest)
#include "test_fame.moc"
