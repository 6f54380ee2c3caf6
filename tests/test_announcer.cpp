// The caller's voice: which file each call names, what the control is told, and the
// voice files themselves.
#include "helpers.h"

#include "announcer/playcallsound.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QtTest>

namespace {

// Seconds of sound in a wave file as espeak-ng writes it: a 44-byte header, then 16-bit
// samples at the byte rate the header gives; -1 if it is not such a file.
double waveSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    const auto at = [&](int offset) { return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8 | quint8(bytes[offset + 2]) << 16; };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || (at(20) & 0xffff) != 1
        || (at(34) & 0xffff) != 16)
        return -1;
    return double(bytes.size() - 44) / at(28);
}

}  // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT
private slots:
    void everyCallNamesItsOwnFile()
    {
        const QString expected = QStringLiteral(
            "/audio/b1.wav /audio/b7.wav /audio/b15.wav /audio/i16.wav /audio/i30.wav /audio/n31.wav "
            "/audio/n45.wav /audio/g46.wav /audio/g60.wav /audio/o61.wav /audio/o75.wav  ");
        QStringList names;
        for (int n : {1, 7, 15, 16, 30, 31, 45, 46, 60, 61, 75, 0, 76})
            names << voiceFileText(n);
        QCOMPARE(names.join(' '), expected);
    }

    void theFileIsNamedBeforeSoundIsSentEvenWithoutANumber()
    {
        Bingo bingo;
        bingo.start();
        MediaControl* control = bingo.info()->MMControl1;
        QStringList told;
        connect(control, &MediaControl::fileNameSet, this, [&](const QString& name) { told << "file " + name; });
        connect(control, &MediaControl::commandSent, this, [&](const QString& word) { told << word; });

        bingo.controller().PlayCallSound(52);
        const QString g52 = QCoreApplication::applicationDirPath() + QStringLiteral("/audio/g52.wav");
        QCOMPARE(told, (QStringList{"file " + g52, "sound"}));
        told.clear();
        bingo.controller().PlayCallSound(0);
        bingo.controller().PlayCallSound(76);
        QCOMPARE(told, (QStringList{"sound", "sound"}));
        QCOMPARE(control->fileName(), g52);

        // Start speaks the call it shows, after the board is painted; every tick likewise.
        told.clear();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);
        emit bingo.info()->Timer1_Timer();
        QCOMPARE(told.size(), 4);
        QCOMPARE(told[3], QStringLiteral("sound"));
        QCOMPARE(told[2], "file " + QCoreApplication::applicationDirPath() + voiceFileText(bingo.state().CurrentNumber));
    }

    void aMissingFileOrAClosedInfoWindowStaysSilent()
    {
        Bingo bingo;
        bingo.start();
        MediaControl* control = bingo.info()->MMControl1;
        control->setFileName(QStringLiteral("/nowhere/audio/b1.wav"));
        MessageAnswerer answerer;
        control->setCommand(QStringLiteral("sound"));
        QCOMPARE(control->playing(), QString());
        // A window that was closed and loaded again never received "open"; it plays all the same.
        bingo.info()->close();
        QTest::mouseClick(bingo.mainWindow()->Command3, Qt::LeftButton);  // no control: nothing to say
        QCOMPARE(bingo.state().CallCount, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bingo.mainWindow()->mnurinfo->trigger();
        const QString voice = QStringLiteral(TOLVA_AUDIO_DIR "/b1.wav");
        bingo.info()->MMControl1->setFileName(voice);
        bingo.info()->MMControl1->setCommand(QStringLiteral("sound"));
        if (QFile::exists(voice))
            QCOMPARE(bingo.info()->MMControl1->playing(), voice);
        QVERIFY(answerer.seen.empty());
    }

    void everyVoiceFileLoadsAndSpeaksBriefly()
    {
        const QDir audio(QStringLiteral(TOLVA_AUDIO_DIR));
        if (!audio.exists())
            QSKIP("no voice files were made (espeak-ng is missing)");
        for (int n = 1; n <= 75; ++n) {
            const QString path = audio.filePath(voiceFileText(n).mid(7));
            const double seconds = waveSeconds(path);
            QVERIFY2(seconds >= 0.3 && seconds <= 2.5, qPrintable(QStringLiteral("%1: %2 s").arg(path).arg(seconds)));
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(path));
            QTRY_VERIFY2_WITH_TIMEOUT(effect.status() == QSoundEffect::Ready, qPrintable(path), 5000);
        }
    }
};

QTEST_MAIN(AnnouncerTest)
#include "test_announcer.moc"
