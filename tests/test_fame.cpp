// The hall of fame: reading and writing bingolst.dat, its window, and the name entry.
#include "halloffame/fame.h"
#include "helpers.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString& path = FameFileName)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QByteArray& bytes, const QString& path = FameFileName)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A file as the name entry writes it: 51 lines, the given names in the first slots.
QByteArray fileWith(const QStringList& names)
{
    FameTable table;
    for (int i = 0; i < names.size(); ++i)
        table[i] = {names[i], qint16(10 + i), 1};
    return fameFileBytes(table);
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
        QDir().mkpath(m_folder.path());
        QDir::setCurrent(m_folder.path());
    }

    void cleanup() { QDir::setCurrent(m_oldFolder); }

    void readingListsWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("listed");
        const QByteArray empty51 = fileWith({});
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("51 lines, one used") << fileWith({"Ann"}) << QStringList{"Ann , 10"};
        QTest::newRow("used 0, 1, 2 and -1") << QByteArray("\"A\",1,0\r\n\"B\",2,1\r\n\"C\",3,2\r\n\"D\",4,-1\r\n")
                                           << QStringList{"B , 2", "C , 3", "D , 4"};
        QByteArray fiftyTwo;
        for (int i = 0; i < 52; ++i)
            fiftyTwo += "\"P" + QByteArray::number(i) + "\",5,1\r\n";
        QStringList first51;
        for (int i = 0; i < 51; ++i)
            first51 << QStringLiteral("P%1 , 5").arg(i);
        QTest::newRow("52nd record not listed") << fiftyTwo << first51;
        QTest::newRow("more than 52 records") << fiftyTwo + fiftyTwo << first51;
        QTest::newRow("a name with a comma") << QByteArray("\"Smith, Ann\",42,1\r\n") << QStringList{"Smith, Ann , 42"};
        QTest::newRow("an empty name") << QByteArray("\"\",7,1\r\n") << QStringList{" , 7"};
        QTest::newRow("file order, not count order") << QByteArray("\"\",0,0\r\n\"Zed\",60,1\r\n\"\",0,0\r\n\"Amy\",3,1\r\n")
                                                    << QStringList{"Zed , 60", "Amy , 3"};
        QTest::newRow("unquoted fields are trimmed") << QByteArray("  Bob  , 12 , 1 \n") << QStringList{"Bob , 12"};
        QTest::newRow("text where a number belongs") << QByteArray("\"Ann\",lots,1\r\n\"Bob\",3,yes\r\n") << QStringList{"Ann , 0"};
        QTest::newRow("numbers beyond 16 bits") << QByteArray("\"Ann\",99999,1\r\n\"Bob\",4,70000\r\n") << QStringList{"Ann , 0"};
        QTest::newRow("a quote left open") << QByteArray("\"Ann,5,1\r\n\"Bob\",3,1\r\n")
                                         << QStringList{"Ann,5,1\r\n , 3"};  // the quote runs on to Bob's
        QTest::newRow("no line end at the end") << QByteArray("\"Ann\",5,1") << QStringList{"Ann , 5"};
        QTest::newRow("UTF-8") << QByteArray("\"Jos\xc3\xa9\",3,1\r\n") << QStringList{QStringLiteral("Jos\u00e9 , 3")};
        QTest::newRow("Windows-1252") << QByteArray("\"Jos\xe9 \x80\",3,1\r\n") << QStringList{QStringLiteral("Jos\u00e9 \u20ac , 3")};
    }

    void readingListsWhatCanBeRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, listed);
        QCOMPARE(fameListLines(readFameTable(bytes)), listed);
    }

    void fewerThanThreeFieldsRunIntoTheNextLine()
    {
        const FameTable table = readFameTable("\"Ann\",5\r\n\"Bob\",3,1\r\n");
        QCOMPARE(table[0].WinnerName, QStringLiteral("Ann"));
        QCOMPARE(table[0].Calls, qint16(5));
        QCOMPARE(table[0].Used, qint16(0));  // "Bob" is no number
        QCOMPARE(table[1].WinnerName, QStringLiteral("3"));
    }

    void hugeFilesNeitherCrashNorHang()
    {
        // Arbitrary bytes are the fuzzer's; here, files far larger than any hall of fame.
        writeBytes(QByteArray(20 * 1024 * 1024, '"'));
        QVERIFY(fameListLines(ReadFameFile()).isEmpty());
        writeBytes(QByteArray(20 * 1024 * 1024, ','));
        QVERIFY(fameListLines(ReadFameFile()).isEmpty());
    }

    void anEntryGoesToTheFirstFreeSlot()
    {
        FameTable table = readFameTable(fileWith({"A", "B", "C"}));
        QCOMPARE(AddFameEntry(table, "D", 20), 3);

        table = readFameTable("\"\",0,0\r\n\"Old\",9,1\r\n");
        QCOMPARE(AddFameEntry(table, "New", 1), 0);
        QCOMPARE(fameListLines(table), (QStringList{"New , 1", "Old , 9"}));

        QStringList full;
        for (int i = 0; i < 51; ++i)
            full << QStringLiteral("N%1").arg(i);
        table = readFameTable(fileWith(full));
        QCOMPARE(AddFameEntry(table, "Last", 75), 0);
        const QStringList lines = fameListLines(table);
        QCOMPARE(lines.size(), 51);
        QCOMPARE(lines.first(), QStringLiteral("Last , 75"));
        QCOMPARE(lines.last(), QStringLiteral("N50 , 60"));
    }

    void theFileIsWrittenAsFiftyOneExactLines()
    {
        FameTable table = readFameTable("\"Ann, B\",42,1\r\n\"Bob\",7,2");
        AddFameEntry(table, QStringLiteral(" Cy "), 0);
        const QByteArray bytes = fameFileBytes(table);
        QVERIFY(bytes.startsWith("\"Ann, B\",42,1\r\n\"Bob\",7,2\r\n\" Cy \",0,1\r\n\"\",0,0\r\n"));
        QCOMPARE(bytes.count("\r\n"), 51);
        QCOMPARE(bytes.count('\n'), 51);
        QVERIFY(bytes.endsWith("\r\n\"\",0,0\r\n"));
        QCOMPARE(readFameTable(bytes)[2].WinnerName, QStringLiteral(" Cy "));
    }

    void aNameWithQuotesOrLineBreaksBreaksNoLine()
    {
        FameTable table = readFameTable(fileWith({"Ann"}));
        AddFameEntry(table, QStringLiteral("Big \"Al\"\r\nJr"), 12);
        AddFameEntry(table, QStringLiteral("Cy"), 13);
        const FameTable back = readFameTable(fameFileBytes(table));
        QCOMPARE(fameListLines(back), (QStringList{"Ann , 10", "Big 'Al' Jr , 12", "Cy , 13"}));
    }

    void theHallOfFameHidesTheGameAndBringsItBack()
    {
        writeBytes(fileWith({"Ann", "Bob"}));
        Bingo bingo;
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        bingo.info()->close();  // closed by the player: loaded again, hidden
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        bingo.mainWindow()->mnuHallofFame->trigger();
        Form5* fame = bingo.hallOfFame();
        QVERIFY(fame && fame->isVisible());
        QVERIFY(!bingo.mainWindow()->isVisible() && !bingo.cardsTable()->isVisible() && !bingo.info()->isVisible());
        QCOMPARE(bingo.state().InfoWindowOpen, 1);
        QCOMPARE(fame->List1->count(), 2);
        QCOMPARE(fame->List1->item(1)->text(), QStringLiteral("Bob , 11"));
        QVERIFY(!fame->Image1->pixmap().isNull());
        QCOMPARE(fame->Image1->pixmap().size(), QSize(225, 100));

        // Return: the game windows show the game as it stands.
        QTest::mouseClick(fame->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!bingo.hallOfFame());
        QVERIFY(bingo.mainWindow()->isVisible() && bingo.cardsTable()->isVisible() && bingo.info()->isVisible());
        QCOMPARE(bingo.info()->Label3->text(), bingo.state().callText());
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("1"));

        // The close box does the same, and a running game calls on meanwhile.
        QTest::mouseClick(bingo.mainWindow()->Command1, Qt::LeftButton);
        QTest::mouseClick(bingo.mainWindow()->Command2, Qt::LeftButton);
        bingo.mainWindow()->mnuHallofFame->trigger();
        emit bingo.info()->Timer1_Timer();
        emit bingo.info()->Timer1_Timer();
        bingo.hallOfFame()->close();
        QVERIFY(bingo.mainWindow()->isVisible() && bingo.cardsTable()->isVisible() && bingo.info()->isVisible());
        QCOMPARE(bingo.info()->Label5->text(), QStringLiteral("3"));
    }

    void aNameEnteredWithTheGamesCountReachesTheFile()
    {
        Bingo bingo;  // no bingolst.dat yet: an empty hall of fame
        bingo.start();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        emit bingo.info()->Timer1_Timer();
        // The way in that a player can see: the info window's own menu.
        QCOMPARE(bingo.info()->actions().size(), 1);
        bingo.info()->actions().first()->trigger();
        Form6* entry = bingo.nameEntry();
        QVERIFY(entry && entry->isVisible());
        QCOMPARE(entry->Label1->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        QCOMPARE(entry->Image1->pixmap().size(), QSize(145, 161));
        QTest::keyClicks(entry->Text1, QStringLiteral("  Ann, the 2nd "));
        emit bingo.info()->Timer1_Timer();  // the count at the click is the one kept
        QTest::mouseClick(entry->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!bingo.nameEntry());
        QVERIFY(bingo.mainWindow()->isVisible() && bingo.cardsTable()->isVisible() && bingo.info()->isVisible());
        const QByteArray bytes = fileBytes();
        QVERIFY(bytes.startsWith("\"  Ann, the 2nd \",3,1\r\n\"\",0,0\r\n"));
        QCOMPARE(bytes.count("\r\n"), 51);

        // The hall of fame lists it.
        bingo.mainWindow()->mnuHallofFame->trigger();
        QCOMPARE(bingo.hallOfFame()->List1->item(0)->text(), QStringLiteral("  Ann, the 2nd  , 3"));
    }

    void aFailedWriteSaysSoAndKeepsTheOldFile()
    {
        // bingolst.dat is a folder: nothing can be written there.
        QDir().mkdir(FameFileName);
        Bingo bingo;
        bingo.start();
        bingo.showNameEntry();
        QTest::keyClicks(bingo.nameEntry()->Text1, QStringLiteral("Ann"));
        MessageAnswerer answerer;
        QTest::mouseClick(bingo.nameEntry()->Command1, Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{texts::FameWriteFailed});
        QCOMPARE(answerer.seen.front().icon, QMessageBox::NoIcon);
        QVERIFY(bingo.nameEntry() && bingo.nameEntry()->isVisible());
        QCOMPARE(bingo.nameEntry()->Text1->text(), QStringLiteral("Ann"));
        QVERIFY(QFileInfo(FameFileName).isDir());

    }

    void aReadOnlyFolderKeepsTheOldFile()
    {
        const QByteArray old = fileWith({"Bob"});
        writeBytes(old);
        FameTable table = ReadFameFile();
        AddFameEntry(table, "Ann", 4);
        QFile::setPermissions(".", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const pid_t child = fork();
        if (child == 0) {
            // Root writes into read-only folders, so the writer runs as an ordinary user.
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            if (ReadFameFile()[0].WinnerName != QLatin1String("Bob"))
                _exit(3);  // it must be the folder that refuses, not the file that hides
            _exit(writeFameFile(table) ? 1 : 0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        QFile::setPermissions(".", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);  // the write said it failed
        QCOMPARE(fileBytes(), old);
    }

    void aWriteCutShortLeavesTheOldFileWhole()
    {
        const QByteArray old = fileWith({"Ann", "Bob"});
        writeBytes(old);
        FameTable table = ReadFameFile();
        AddFameEntry(table, "Cy", 5);
        const pid_t child = fork();
        if (child == 0) {
            // The program dies after the new content is written, before it replaces the old.
            writeFameFile(table, FameFileName, [] { _exit(0); });
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QCOMPARE(fileBytes(), old);
        QVERIFY(writeFameFile(table));
        QCOMPARE(fameListLines(ReadFameFile()).size(), 3);
    }
};

QTEST_MAIN(FameTest)
#include "test_fame.moc"
