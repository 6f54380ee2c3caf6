// SPDX-License-Identifier: GPL-3.0-or-later
// The caller's voice: which file each call names, what the media control is told, which
// files are fit to play, and that damaged voice files never stop the calls.
#include "helpers.h"

#include "announcer/playcallsound.h"
#include "announcer/wavefile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A RIFF WAVE header: a format chunk (after the chunk given) and the header of a data chunk.
QByteArray wave(int format, int channels, int rate, int bits, quint32 dataBytes, const QByteArray& before = {})
{
    QByteArray head = "RIFF" + QByteArray(4, 0) + "WAVE" + before + "fmt ";
    for (auto [value, size] : {std::pair<quint32, int>{16, 4}, {format, 2}, {channels, 2}, {rate, 4},
                               {rate * channels * bits / 8, 4}, {channels * bits / 8, 2}, {bits, 2}})
        for (int i = 0; i < size; ++i)
            head += char(value >> (8 * i) & 0xff);
    return head + "data" + QByteArray::fromRawData(reinterpret_cast<const char*>(&dataBytes), 4);
}

}  // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT
private slots:
    void everyCallNamesItsOwnFileAfterTheBoardIsPainted()
    {
        QStringList names;
        for (int n : {1, 15, 16, 30, 31, 45, 46, 60, 61, 75, 0, 76})
            names << voiceFileText(n);
        QCOMPARE(names.join(' '), QStringLiteral("/audio/b1.wav /audio/b15.wav /audio/i16.wav /audio/i30.wav /audio/n31.wav "
                                                 "/audio/n45.wav /audio/g46.wav /audio/g60.wav /audio/o61.wav /audio/o75.wav  "));
        Bingo bingo;
        bingo.start();
        // The sound library is not loaded while the game starts, but soon after, before any call.
        const auto soundLoaded = [] {
            QFile maps("/proc/self/maps");
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse.so");
        };
        QVERIFY(!soundLoaded());
        QTRY_VERIFY(soundLoaded());
        QStringList told;
        connect(bingo.info()->MMControl1, &MediaControl::fileNameSet, this, [&](const QString& name) { told << name; });
        connect(bingo.info()->MMControl1, &MediaControl::commandSent, this, [&](const QString& word) {
            told << word + bingo.info()->Label5->text() + bingo.info()->Label3->text();  // shown before it is spoken
        });
        bingo.controller().PlayCallSound(1);
        bingo.controller().PlayCallSound(75);
        bingo.controller().PlayCallSound(0);  // outside 1 to 75: the file stays, "sound" is sent
        bingo.controller().PlayCallSound(76);
        const QString folder = QCoreApplication::applicationDirPath();
        QStringList expected{folder + "/audio/b1.wav", "sound0", folder + "/audio/o75.wav", "sound0", "sound0", "sound0"};
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        expected << folder + voiceFileText(bingo.state().CurrentNumber) << "sound1" + bingo.state().callText();
        emit bingo.info()->Timer1_Timer();
        expected << folder + voiceFileText(bingo.state().CurrentNumber) << "sound2" + bingo.state().callText();
        QCOMPARE(told, expected);
        bingo.mainWindow()->close();
    }

    void onlyWholeWaveFilesOfPlainSoundArePlayed()
    {
        const QByteArray good = wave(1, 1, 22050, 16, 100);
        QByteArray badAlign = good;
        badAlign[32] = 4;
        const std::tuple<QByteArray, qint64, bool> cases[] = {
            {good, 144, true},
            {wave(1, 2, 8000, 8, 100, QByteArray("LIST\3\0\0\0abc\0", 12)), 156, true},  // a chunk of odd size first
            {wave(1, 1, 4000, 16, 100), 144, true},
            {wave(1, 1, 8000, 8, 1), 45, true},  // a single sample
            {wave(1, 1, 192000, 16, 100), 144, true},
            {{}, 0, false},
            {good, 143, false},                         // cut in its samples
            {good.left(30), 30, false},                 // cut in its header
            {wave(1, 1, 22050, 16, 0), 44, false},      // no sound
            {"RIFX" + good.mid(4), 144, false},
            {good.left(8) + "AVI " + good.mid(12), 144, false},
            {wave(3, 1, 22050, 16, 100), 144, false},   // floating point
            {wave(1, 3, 22050, 16, 100), 144, false},   // three channels
            {wave(1, 1, 22050, 24, 100), 144, false},
            {wave(1, 1, 1000, 16, 100), 144, false},   {wave(1, 1, 0x1005622, 16, 100), 144, false},  // a rate's top byte
            {badAlign, 144, false},
            {good.left(12) + good.mid(36) + good.mid(12, 24), 144, false}};  // data before its format
        for (const auto& [head, size, playable] : cases)
            QVERIFY2(isPlayableWave(head, size) == playable, head.toHex().constData());
    }

    void damagedVoiceFilesNeverStopTheCalls()
    {
        // An empty or cut-short file used to make the next call wait for ever in the sound
        // library; the watchdog ends a test that hangs.
        alarm(60);
        QTemporaryDir folder;
        const QByteArray good = wave(1, 1, 22050, 16, 8820) + QByteArray(8820, '\0');
        const std::pair<const char*, QByteArray> files[] = {
            {"good.wav", good}, {"empty.wav", {}}, {"short.wav", good.left(30)}, {"cut.wav", good.left(2000)},
            {"float.wav", wave(3, 1, 22050, 32, 8820) + QByteArray(8820, '\0')}};
        for (const auto& [name, bytes] : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        QCOMPARE(mkfifo(qPrintable(folder.filePath("pipe.wav")), 0666), 0);
        for (const char* name : {"good.wav", "cut.wav", "pipe.wav"})  // looking at a file leaves nothing open
            isPlayableWaveFile(folder.filePath(name));
        const int input = dup(0);  // a game started without standard input has descriptor 0 for its files
        QVERIFY(close(0) == 0 && isPlayableWaveFile(folder.filePath("good.wav")) && dup2(input, 0) == 0 && close(input) == 0);
        for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::Files | QDir::System))
            QVERIFY2(!fd.symLinkTarget().startsWith(folder.path()), qPrintable(fd.symLinkTarget()));
        MediaControl control;
        for (int round = 0; round < 3; ++round)
            for (const QString name : {"empty.wav", "good.wav", "short.wav", "good.wav", "cut.wav", "pipe.wav", "float.wav", "missing.wav", "good.wav"}) {
                control.setFileName(folder.filePath(name));
                control.setCommand(QStringLiteral("sound"));
                QCOMPARE(control.playing(), name == "good.wav" ? control.fileName() : QString());
                QTest::qWait(30);
            }
        alarm(0);
    }
};

QTEST_MAIN(AnnouncerTest)
#include "test_announcer.moc"
