// tools/sounds/import-recitations on a made-up reciter's folder of WAVE files.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "common/files.h"
#include "platform/audio.h"
#include "wave_support.h"

class TestImport : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    QString recordings;
    QStringList names;  // the files the tool writes

    int import(const QString& target, QByteArray* errors)
    {
        QProcess p;
        p.start(AYAT_SOURCE_DIR "/tools/sounds/import-recitations", {recordings, target});
        // A limit that only catches a hang: sox on a busy machine is slow.
        if (!p.waitForFinished(250000)) {
            p.kill();
            p.waitForFinished();
            *errors = "the import did not end within 250 s";
            return -1;
        }
        *errors = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // The target's files and their contents.
    static QMap<QString, QByteArray> contents(const QString& dir)
    {
        QMap<QString, QByteArray> out;
        for (QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); it.hasNext();) {
            QFile f(it.next());
            out[it.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("dir");
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        // `make test` installs these (packages.txt); without them the import cannot run.
        QStringList missing;
        for (const char* tool : {"bash", "sox", "soxi", "jq", "awk"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                missing << tool;
        QVERIFY2(missing.isEmpty(),
                 qPrintable("not installed: " + missing.join(", ")
                            + " (Debian packages sox, jq; `make test` installs them)"));
        QVERIFY(temp.isValid());
        recordings = temp.filePath("reciter");
        QDir().mkpath(recordings);
        QFile json(AYAT_SOURCE_DIR "/content/verses.json");
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonDocument doc = QJsonDocument::fromJson(json.readAll());
        QJsonArray verses = doc["verses"].toArray();
        QJsonObject basmala = doc["basmala"].toObject();
        basmala["recitation"] = "bism.exp";
        verses.append(basmala);
        // Stereo 44.1 kHz, a tone of its own for each verse; names in either case.
        for (const QJsonValue& v : verses) {
            const int surah = v["surah"].toInt(), ayah = v["ayah"].toInt();
            const QString file = QString::asprintf(names.size() % 2 ? "%03d%03d.WAV" : "%03d%03d.wav", surah, ayah);
            const double hz = 200 + 20 * names.size();
            QVERIFY(writeFile(recordings + '/' + file, wavetest::wave(44100, 2, 16, false, 22050, [hz](int f, int) {
                                  return 0.3 * std::sin(2 * M_PI * hz * f / 44100);
                              })));
            names << v["recitation"].toString();
        }
        QCOMPARE(names.size(), 26);
    }

    void writesEveryRecitation()
    {
        const QString target = temp.filePath("complete");
        QByteArray errors;
        QVERIFY2(import(target, &errors) == 0, errors.constData());
        const auto files = contents(target);
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(files.keys(), sorted);
        for (const QByteArray& bytes : files) {
            QCOMPARE(bytes.mid(20, 16), QByteArray::fromHex("010001002256000044ac000002001000"));
            const auto samples = ayat::platform::decodeWave(
                std::span(reinterpret_cast<const std::byte*>(bytes.constData()), std::size_t(bytes.size())));
            QVERIFY(samples && std::abs(int(samples->size()) - 11025) < 50);
        }
    }

    // A missing verse and a file that is no sound: the messages name both,
    // and the files already in the target stay as they were.
    void failsWithoutWriting()
    {
        QVERIFY(QFile::remove(recordings + "/018010.wav"));
        QVERIFY(writeFile(recordings + "/055022.WAV", QByteArray("RIFF\x10\0\0\0WAVEjunk", 16)));
        const QString target = temp.filePath("existing");
        QDir().mkpath(target);
        QVERIFY(writeFile(target + "/cave.exp", "old"));
        const auto before = contents(target);
        QByteArray errors;
        QVERIFY(import(target, &errors) != 0);
        QVERIFY2(errors.contains("018010") && errors.contains("055022.WAV"), errors.constData());
        QCOMPARE(contents(target), before);
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
