// The caller's voice: which file each call names, what the media control is told, which
// files are fit to play, and that damaged voice files never stop the calls.
#include "helpers.h"

#include "announcer/playcallsound.h"
#include "announcer/wavefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A RIFF WAVE header of PCM sound followed by its data chunk's header.
QByteArray waveHeader(int format, int channels, int rate, int bits, quint32 dataBytes, const QByteArray& before = {})
{
    QByteArray head = "RIFF" + QByteArray(4, 0) + "WAVE" + before + "fmt ";
    const auto put = [&](quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            head += char(value >> (8 * i) & 0xff);
    };
    put(16, 4);
    put(format, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    head += "data";
    put(dataBytes, 4);
    return head;
}

}  // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT
private slots:
    void everyCallNamesItsOwnFileAndSpeaksAfterTheBoard()
    {
        QStringList names;
        for (int n : {1, 15, 16, 30, 31, 45, 46, 60, 61, 75, 0, 76})
            names << voiceFileText(n);
        QCOMPARE(names.join(' '), QStringLiteral("/audio/b1.wav /audio/b15.wav /audio/i16.wav /audio/i30.wav /audio/n31.wav "
                                                 "/audio/n45.wav /audio/g46.wav /audio/g60.wav /audio/o61.wav /audio/o75.wav  "));
        Bingo bingo;
        bingo.start();
        MediaControl* control = bingo.info()->MMControl1;
        QStringList told;
        connect(control, &MediaControl::fileNameSet, this, [&](const QString& name) { told << name; });
        connect(control, &MediaControl::commandSent, this, [&](const QString& word) { told << word; });
        bingo.controller().PlayCallSound(52);
        bingo.controller().PlayCallSound(0);  // outside 1 to 75: the file stays, "sound" is sent
        const QString g52 = QCoreApplication::applicationDirPath() + QStringLiteral("/audio/g52.wav");
        QCOMPARE(told, (QStringList{g52, "sound", "sound"}));
        told.clear();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        emit bingo.info()->Timer1_Timer();
        const QString call = QCoreApplication::applicationDirPath() + voiceFileText(bingo.state().CurrentNumber);
        QCOMPARE(told.mid(2), (QStringList{call, "sound"}));
        bingo.mainWindow()->close();
    }

    void onlyWholeWaveFilesOfPlainSoundArePlayed_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<bool>("playable");
        const QByteArray good = waveHeader(1, 1, 22050, 16, 100);
        QTest::newRow("whole") << good << qint64(144) << true;
        QTest::newRow("8-bit stereo, a chunk of odd size first")
            << waveHeader(1, 2, 8000, 8, 100, QByteArray("LIST\3\0\0\0abc\0", 12)) << qint64(156) << true;
        QTest::newRow("empty") << QByteArray() << qint64(0) << false;
        QTest::newRow("cut in its samples") << good << qint64(143) << false;
        QTest::newRow("cut in its header") << good.left(30) << qint64(30) << false;
        QTest::newRow("no sound") << waveHeader(1, 1, 22050, 16, 0) << qint64(44) << false;
        QTest::newRow("not RIFF") << "RIFX" + good.mid(4) << qint64(144) << false;
        QTest::newRow("not WAVE") << good.left(8) + "AVI " + good.mid(12) << qint64(144) << false;
        QTest::newRow("floating point") << waveHeader(3, 1, 22050, 16, 100) << qint64(144) << false;
        QTest::newRow("three channels") << waveHeader(1, 3, 22050, 16, 100) << qint64(144) << false;
        QTest::newRow("24 bits") << waveHeader(1, 1, 22050, 24, 100) << qint64(144) << false;
        QTest::newRow("a rate of 1000") << waveHeader(1, 1, 1000, 16, 100) << qint64(144) << false;
        QByteArray badAlign = good;
        badAlign[32] = 4;
        QTest::newRow("wrong block size") << badAlign << qint64(144) << false;
        QTest::newRow("data before its format") << good.left(12) + good.mid(36) + good.mid(12, 24) << qint64(144) << false;
    }

    void onlyWholeWaveFilesOfPlainSoundArePlayed()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, fileSize);
        QFETCH(bool, playable);
        QCOMPARE(isPlayableWave(head, fileSize), playable);
    }

    void damagedVoiceFilesNeverStopTheCalls()
    {
        // Before, an empty or cut-short file made the next call wait for ever in the sound
        // library; the watchdog ends a test that hangs.
        alarm(60);
        QTemporaryDir folder;
        const auto make = [&](const QString& name, const QByteArray& bytes) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        const QByteArray good = waveHeader(1, 1, 22050, 16, 8820) + QByteArray(8820, '\0');
        make("good.wav", good);
        make("empty.wav", {});
        make("short.wav", good.left(30));
        make("cut.wav", good.left(2000));
        make("float.wav", waveHeader(3, 1, 22050, 32, 8820) + QByteArray(8820, '\0'));
        QCOMPARE(mkfifo(qPrintable(folder.filePath("pipe.wav")), 0666), 0);
        MediaControl control;
        for (int round = 0; round < 3; ++round)
            for (const char* name : {"empty.wav", "good.wav", "short.wav", "good.wav", "cut.wav", "pipe.wav", "float.wav", "good.wav"}) {
                control.setFileName(folder.filePath(name));
                control.setCommand(QStringLiteral("sound"));
                QCOMPARE(control.playing(), QString(name) == "good.wav" ? control.fileName() : QString());
                QTest::qWait(30);
            }
        alarm(0);
    }

    void everyVoiceFileIsWholeAndBrief()
    {
        const QDir audio(QCoreApplication::applicationDirPath() + QStringLiteral("/audio"));
        if (!audio.exists())
            QSKIP("no voice files were made (espeak-ng is missing)");
        for (int n = 1; n <= 75; ++n) {
            const QString path = QCoreApplication::applicationDirPath() + voiceFileText(n);
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly) && isPlayableWaveFile(path), qPrintable(path));
            const QByteArray head = file.read(44);
            const double seconds = double(file.size() - 44) / qFromLittleEndian<quint32>(head.constData() + 28);
            QVERIFY2(seconds >= 0.3 && seconds <= 2.5, qPrintable(QStringLiteral("%1: %2 s").arg(path).arg(seconds)));
        }
    }
};

QTEST_MAIN(AnnouncerTest)
#include "test_announcer.moc"
