// The installed program: `cmake --install` into a fresh prefix lays out the
// program, its pictures and sounds, a desktop entry, its icons and metadata, and the
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
            const QString name = QString::fromLatin1(a.key.data(), qsizetype(a.key.size())) + '.'
                + QString::fromLatin1(ayat::extension(a.encoding).data());
            QVERIFY2(QFileInfo(program.filePath("assets/" + name)).isFile(), qPrintable(name));
        }
        QCOMPARE(program.entryList({"*.exp"}, QDir::Files).size(), 28);

        QFile desktop(root.filePath("share/applications/ayat-explorer.desktop"));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(desktop.readAll());
        for (const char* line :
             {"[Desktop Entry]", "Type=Application", "Name=Ayat Explorer", "Exec=ayat-explorer", "Icon=ayat-explorer"})
            QVERIFY2(entry.contains(QLatin1String(line)), line);
    }

    // What a desktop needs: the icon at every size of the theme, drawn at that
    // size, the scalable icon, the software centre's metadata and the manual page.
    void desktopFilesAreThereAtEverySize()
    {
        const QDir share(prefix_.filePath("share"));
        for (const int px : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path = share.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/ayat-explorer.png").arg(px));
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(px, px));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);  // a transparent corner
        }
        QFile svg(share.filePath("icons/hicolor/scalable/apps/ayat-explorer.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        QFile metainfo(share.filePath("metainfo/org.example.ayat_explorer.metainfo.xml"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QVERIFY(metainfo.readAll().contains("<launchable type=\"desktop-id\">ayat-explorer.desktop</launchable>"));
        QVERIFY(QFileInfo(share.filePath("man/man1/ayat-explorer.1.gz")).size() > 0);
        QVERIFY(QFileInfo(share.filePath("doc/ayat-explorer/copyright")).size() > 0);
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
        // The opening recitation comes out, however busy the machine (the limit only catches a hang).
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
        QTRY_VERIFY2_WITH_TIMEOUT(loudSamples() > 1000 || program.state() != QProcess::Running,
                                  "the opening recitation was not heard", 30000);
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!errors.contains(QLatin1String("could not be loaded")), qPrintable(errors));
        const qsizetype loud = loudSamples();
        QVERIFY2(loud > 1000, "the opening recitation was not heard");
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "test_install.moc"
