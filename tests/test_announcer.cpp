// The caller's voice: which file each call names, what the control is told, and the
// voice files themselves.
#include "helpers.h"

#include "announcer/playcallsound.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QtTest>

namespace {

quint32 littleEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// Seconds of sound in a PCM wave file, from its header; -1 if it is not one.
double waveSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    quint16 format = 0, bits = 0;
    for (int at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = littleEndian(bytes, at + 4, 4);
        if (id == "fmt ") {
            format = quint16(littleEndian(bytes, at + 8, 2));
            byteRate = littleEndian(bytes, at + 16, 4);
            bits = quint16(littleEndian(bytes, at + 22, 2));
        } else if (id == "data") {
            const quint32 available = quint32(bytes.size() - at - 8);
            return format == 1 && bits == 16 && byteRate ? double(std::min(size, available)) / byteRate : -1;
        }
        at += 8 + int(size) + int(size & 1);
    }
    return -1;
}

}  // namespace

class AnnouncerTest : public QObject {
    Q_OBJECT
private slots:
    void everyCallNamesItsOwnFile()
    {
        static const char letters[] = "bingo";
        for (int n = 1; n <= 75; ++n)
            QCOMPARE(voiceFileText(n), QStringLiteral("/audio/%1%2.wav").arg(QChar(letters[(n - 1) / 15])).arg(n));
        QCOMPARE(voiceFileText(1), QStringLiteral("/audio/b1.wav"));
        QCOMPARE(voiceFileText(7), QStringLiteral("/audio/b7.wav"));
        QCOMPARE(voiceFileText(15), QStringLiteral("/audio/b15.wav"));
        QCOMPARE(voiceFileText(16), QStringLiteral("/audio/i16.wav"));
        QCOMPARE(voiceFileText(30), QStringLiteral("/audio/i30.wav"));
        QCOMPARE(voiceFileText(31), QStringLiteral("/audio/n31.wav"));
        QCOMPARE(voiceFileText(45), QStringLiteral("/audio/n45.wav"));
        QCOMPARE(voiceFileText(46), QStringLiteral("/audio/g46.wav"));
        QCOMPARE(voiceFileText(60), QStringLiteral("/audio/g60.wav"));
        QCOMPARE(voiceFileText(61), QStringLiteral("/audio/o61.wav"));
        QCOMPARE(voiceFileText(75), QStringLiteral("/audio/o75.wav"));
        QCOMPARE(voiceFileText(0), QString());
        QCOMPARE(voiceFileText(76), QString());
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
