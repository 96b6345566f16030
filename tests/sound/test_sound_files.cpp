// The committed audio files: one per name the program requests, every one a
// WAVE file the service plays, the cues short.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "platform/audio.h"

class TestSoundFiles : public QObject {
    Q_OBJECT

private slots:
    void everyFileIsThereAndPlays()
    {
        QFile json(AYAT_SOURCE_DIR "/content/verses.json");
        QVERIFY(json.open(QIODevice::ReadOnly));
        QStringList names{"bism.exp", "clip.exp", "stop.exp"};
        for (const QJsonValue& v : QJsonDocument::fromJson(json.readAll())["verses"].toArray())
            names << v["recitation"].toString();
        names.sort();
        const QDir dir(AYAT_SOURCE_DIR "/sound/files");
        QCOMPARE(dir.entryList({"*.exp"}, QDir::Files, QDir::Name), names);

        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            // Mono 16-bit PCM at 22050 Hz as it stands, so nothing is converted.
            QVERIFY2(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ", qPrintable(name));
            QCOMPARE(bytes.mid(20, 16), QByteArray::fromHex("010001002256000044ac000002001000"));
            const auto samples = ayat::platform::decodeWave(
                std::span(reinterpret_cast<const std::byte*>(bytes.constData()), std::size_t(bytes.size())));
            QVERIFY2(samples, qPrintable(name));
            const double seconds = samples->size() / double(ayat::platform::kAudioRate);
            if (name == "clip.exp")
                QVERIFY2(seconds > 0.05 && seconds < 0.3, qPrintable(QString::number(seconds)));
            else if (name == "stop.exp")
                QVERIFY2(seconds > 0.1 && seconds < 0.5, qPrintable(QString::number(seconds)));
            else
                QVERIFY2(seconds > 3 && seconds < 60, qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "test_sound_files.moc"
