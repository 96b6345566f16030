// The committed audio files: one per name the program requests, every one a
// WAVE file the service plays, at even loudness, the cues short.
#include <cmath>

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

        double quietest = 0, loudest = -100;
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

            // Loudness over the sounding 50 ms blocks only, so that pauses do not count.
            double sum = 0;
            std::size_t counted = 0;
            for (std::size_t at = 0; at + 1102 <= samples->size(); at += 1102) {
                double block = 0;
                for (std::size_t i = at; i < at + 1102; ++i)
                    block += double((*samples)[i]) * (*samples)[i];
                if (block / 1102 > std::pow(32768 * std::pow(10, -45 / 20.0), 2)) {
                    sum += block;
                    counted += 1102;
                }
            }
            QVERIFY2(counted > 0, qPrintable(name));
            const double db = 10 * std::log10(sum / counted / (32768.0 * 32768.0));
            quietest = std::min(quietest, db);
            loudest = std::max(loudest, db);
        }
        qInfo("loudness from %.1f to %.1f dBFS", quietest, loudest);
        QVERIFY(loudest - quietest < 3);
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "test_sound_files.moc"
