// The installed program: `cmake --install` into a fresh prefix lays out the
// program, its pictures and sounds, a desktop entry and its icon, and the
// installed program, started from elsewhere, finds its pictures and sounds.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "assets/catalogue.h"

class InstallTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

private slots:
    void initTestCase()
    {
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        QVERIFY(!cmake.isEmpty());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(cmake, {"--install", AYAT_RUNTIME_DIR, "--prefix", prefix_.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void treeHoldsEverythingTheProgramReads()
    {
        const QDir root(prefix_.path());
        const QFileInfo link(root.filePath("bin/ayat-explorer"));
        QVERIFY(link.isSymLink());
        QVERIFY(link.isExecutable());
        const QDir program(root.filePath("lib/ayat-explorer"));
        for (const ayat::Asset& a : ayat::catalogue()) {
            const QString name = QString::fromLatin1(a.key.data(), qsizetype(a.key.size())) + '.' +
                                 QString::fromLatin1(ayat::extension(a.encoding).data());
            QVERIFY2(QFileInfo(program.filePath("assets/" + name)).isFile(), qPrintable(name));
        }
        QCOMPARE(program.entryList({"*.exp"}, QDir::Files).size(), 28);

        QFile desktop(root.filePath("share/applications/ayat-explorer.desktop"));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(desktop.readAll());
        for (const char* line : {"[Desktop Entry]", "Type=Application", "Name=Ayat Explorer", "Exec=ayat-explorer",
                                 "Icon=ayat-explorer"})
            QVERIFY2(entry.contains(QLatin1String(line)), line);
        const QImage icon(root.filePath("share/icons/hicolor/32x32/apps/ayat-explorer.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
    }

    void installedProgramFindsItsPicturesAndSoundsFromAnywhere()
    {
        QTemporaryDir elsewhere;  // an empty working directory: nothing to find there
        QProcess program;
        program.setWorkingDirectory(elsewhere.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "disk");
        env.insert("SDL_DISKAUDIOFILE", elsewhere.filePath("played.raw"));
        program.setProcessEnvironment(env);
        program.start(prefix_.path() + "/bin/ayat-explorer", {});
        QVERIFY(program.waitForStarted());
        // Past the first tick, while the opening recitation plays: it is heard
        // once the output holds enough loud samples (on a busy machine that may
        // take a while; the limit only catches a program that never plays).
        auto loudSamples = [&] {
            QFile played(elsewhere.filePath("played.raw"));
            if (!played.open(QIODevice::ReadOnly))
                return qsizetype(0);
            const QByteArray samples = played.readAll();
            qsizetype loud = 0;
            for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
                const qint16 s = qint16(quint8(samples[i]) | (quint8(samples[i + 1]) << 8));
                loud += qAbs(int(s)) > 1000;
            }
            return loud;
        };
        QTest::qWait(1500);
        QTRY_VERIFY2_WITH_TIMEOUT(loudSamples() > 1000, "the opening recitation was not heard", 60000);
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!errors.contains(QLatin1String("could not be loaded")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "test_install.moc"
