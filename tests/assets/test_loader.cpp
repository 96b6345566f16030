// Loading pictures from content files: every committed file decodes at its
// catalogue size, and a missing, broken or hostile file gives one line on
// standard error and an empty picture, never a crash or a hang.
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "assets/catalogue.h"
#include "assets/images_ahead.h"
#include "assets/loader.h"
#include "platform/pointer_size.h"
#include "common/files.h"
#include "common/message_capture.h"

using namespace ayat;

namespace {

QByteArray committed(const char* name)
{
    QFile f(QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 24-bit bitmap header that claims the given size but holds no pixels.
QByteArray lyingBitmap(qint32 width, qint32 height)
{
    QByteArray b(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + 1000);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    b[26] = 1;
    b[28] = 24;
    return b;
}

// Child: loads every picture of the catalogue from assets/ beside this program,
// as the program does; the exit code is how many could not be loaded.
int loadBesideProgram()
{
    const AssetStore store(AssetStore::defaultFolder(), 1);
    for (const Asset& a : catalogue())
        store.image(a.key);
    return int(store.failures().size());
}

}  // namespace

class LoaderTest : public QObject {
    Q_OBJECT

private slots:
    void everyCommittedPictureLoadsAtItsCatalogueSize()
    {
        AssetStore store(QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures"));
        for (const Asset& a : catalogue()) {
            const QImage image = store.image(a.key);
            const QByteArray key(a.key.data(), qsizetype(a.key.size()));
            QVERIFY2(!image.isNull(), key.constData());
            QVERIFY2(image.size() == a.size, key.constData());
        }
        QVERIFY(store.failures().empty());
        QCOMPARE(store.windowIcon("splashicon").availableSizes().size(), 2);
        const QCursor pointer = store.hotspotPointer();
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        QCOMPARE(pointer.hotSpot(), QPoint(16, 16));
        // The About emblem keeps its transparent corners; the splash emblem's are grey.
        QCOMPARE(store.image("Image10").pixelColor(0, 0).alpha(), 0);
        QCOMPARE(store.image("splashbook").pixelColor(0, 0), QColor(0xBF, 0xBF, 0xBF));
    }

    void brokenFilesGiveAnEmptyPictureAndOneLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << QByteArray::fromHex("8f3a77e10045ffee0102030405060708090a");
        QTest::newRow("wrong magic") << QByteArray("GIF00a").append(QByteArray(200, 'x'));
        QTest::newRow("huge dimensions") << lyingBitmap(100000, 100000);
        QTest::newRow("negative width") << lyingBitmap(-5, 10);
        // Cut short anywhere, from the signature to the last byte.
        for (const char* name : {"sky.bmp", "Image1.gif", "main.jpg", "tape.ico"}) {
            const QByteArray real = committed(name);
            for (qsizetype cut : {qsizetype(2), qsizetype(14), qsizetype(30), qsizetype(53), qsizetype(200),
                                  real.size() / 2, real.size() - 1})
                QTest::newRow(qPrintable(QStringLiteral("%1 cut at %2").arg(name).arg(cut))) << real.left(cut);
        }
        QByteArray taller = committed("sky.bmp");
        taller[22] = char(0xFF);  // promises 255 rows more than it holds
        QTest::newRow("bitmap promises more rows") << taller;
        QByteArray gifMagic = committed("Image1.gif");
        gifMagic[2] = 'X';
        QTest::newRow("gif with a wrong signature") << gifMagic;
    }

    void brokenFilesGiveAnEmptyPictureAndOneLine()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        for (const char* name : {"sky.bmp", "Image1.gif", "main.jpg", "tape.ico"})
            QVERIFY(writeFile(dir.filePath(QLatin1String(name)), content));
        MessageCapture err;
        AssetStore store(dir.path());
        for (const char* key : {"sky", "Image1", "main", "tape"})
            QVERIFY2(store.image(key).isNull(), key);  // refused whole, never shown in part
        const QString text = err.finish();
        QCOMPARE(store.failures().size(), std::size_t(4));
        QCOMPARE(text.count(QLatin1Char('\n')), 4);
        QVERIFY(text.contains(dir.path()));
    }

    void missingFileIsReportedWithItsKeyAndPathOnce()
    {
        QTemporaryDir dir;
        MessageCapture err;
        AssetStore store(dir.path());
        QVERIFY(store.image("cave").isNull());
        QVERIFY(store.image("cave").isNull());  // asked again: not reported again
        const QString text = err.finish();
        QCOMPARE(text.count(QLatin1Char('\n')), 1);
        QVERIFY(text.contains(QLatin1String("'cave'")));
        QVERIFY(text.contains(dir.filePath("cave.bmp")));
        QCOMPARE(store.failures(), std::vector<std::string>{"cave"});
        // Without the magnifier the hotspots still get a pointer that shows they can be clicked.
        QCOMPARE(store.hotspotPointer().shape(), Qt::PointingHandCursor);
    }

    // Decoded on a thread of their own, the pictures are those the store gives,
    // a missing one reported once as the store reports it; a store dropped
    // before it was asked for anything waits for its thread and goes.
    void imagesDecodedAheadAreTheStores()
    {
        const QString committedFolder = QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures");
        for (const qreal ratio : {1.0, 2.0}) {
            const AssetStore store(committedFolder, ratio);
            ImagesAhead ahead({"splashbook", "splashtitle", "magnifier"}, AssetStore::folderOf(committedFolder), ratio);
            for (const char* key : {"splashbook", "splashtitle", "magnifier"}) {
                const QImage image = ahead.image(key);
                QVERIFY2(!image.isNull(), key);
                QCOMPARE(image, store.image(key));
                QCOMPARE(image.devicePixelRatio(), ratio);
            }
            QVERIFY(ahead.image("sky").isNull());  // not asked for
        }

        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("splashbook.bmp"), committed("splashbook.bmp")));
        MessageCapture err;
        {
            ImagesAhead ahead({"splashbook", "splashtitle"}, AssetStore::folderOf(dir.path()), 1);
            QVERIFY(!ahead.image("splashbook").isNull());
            QVERIFY(ahead.image("splashtitle").isNull());
            QVERIFY(ahead.image("splashtitle").isNull());
            ImagesAhead dropped({"splashbook"}, AssetStore::folderOf(dir.path()), 1);
        }
        const QStringList lines = err.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.front().contains(QLatin1String("'splashtitle'")));
    }

    void aDirectoryOrFifoInAFilesPlaceNeverBlocks()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sea.bmp"));
        QStringList keys{"sea"};
#ifndef _WIN32
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("gold.bmp")).constData(), 0600) == 0);
        QVERIFY(QFile::link(dir.filePath("nowhere.bmp"), dir.filePath("hill.bmp")));  // dangling link
        keys << "gold"
             << "hill";
#endif
        MessageCapture err;
        QElapsedTimer clock;
        clock.start();
        AssetStore store(dir.path());
        for (const QString& key : keys)
            QVERIFY2(store.image(key.toStdString()).isNull(), qPrintable(key));
        QVERIFY(clock.elapsed() < 5000);  // a pipe opened for reading would wait for ever
        QCOMPARE(err.finish().count(QLatin1Char('\n')), keys.size());
    }

#ifndef _WIN32
    // Installed in a folder whose name is not UTF-8 (a name in Latin-1, made
    // before the system was UTF-8), the program finds its pictures all the same:
    // the name's bytes are kept as they are.
    void picturesAreFoundInAFolderWhoseNameIsNotUtf8()
    {
        QTemporaryDir dir;
        namespace fs = std::filesystem;
        const fs::path top = AssetStore::folderOf(dir.path());
        const fs::path installed = top / std::string("caf\xe9");
        // Removed here: QTemporaryDir cannot name what lies in it.
        const struct Removed {
            fs::path path;
            ~Removed() { fs::remove_all(path); }
        } removed{installed};
        fs::create_directories(installed / "assets");
        const fs::path self = AssetStore::folderOf(QCoreApplication::applicationFilePath());
        fs::copy_file(self, installed / self.filename());
        for (const fs::directory_entry& e : fs::directory_iterator(AssetStore::folderOf(AYAT_RUNTIME_DIR "/assets")))
            fs::copy_file(e.path(), installed / "assets" / e.path().filename());
        // Qt names programs in UTF-16: the child is started through a link with a
        // plain name, and finds its folder through the link's target.
        fs::create_symlink(installed / self.filename(), top / "start");
        QProcess child;
        child.start(dir.filePath("start"), {"--load-beside-program"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
    }
#endif

    void aPictureInAnotherEncodingIsRefused()
    {
        // Only the catalogue's decoder reads a file: a GIF named like a bitmap is
        // as unreadable as random bytes.
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("sky.bmp"), committed("Image1.gif")));
        QVERIFY(writeFile(dir.filePath("Image1.gif"), committed("Image1.gif")));
        MessageCapture err;
        AssetStore store(dir.path());
        QVERIFY(store.image("sky").isNull());
        QCOMPARE(store.image("Image1").size(), QSize(443, 392));
        QCOMPARE(err.finish().count(QLatin1Char('\n')), 1);
    }

    // The magnifier is as large as the desktop's pointer where that is larger
    // than its own 32 pixels, never smaller, with its hot spot at the centre,
    // made at the screen's ratio from the picture of twice the size.
    void thePointerIsAsLargeAsTheDesktopsPointer_data()
    {
        QTest::addColumn<QByteArray>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("centre");
        // clang-format off
        QTest::newRow("no size set")            << QByteArray()       << 1.0 << 32 << 16;
        QTest::newRow("no size set, ratio 2")   << QByteArray()       << 2.0 << 64 << 16;
        QTest::newRow("48")                     << QByteArray("48")   << 1.0 << 48 << 24;
        QTest::newRow("48 at ratio 2")          << QByteArray("48")   << 2.0 << 96 << 24;
        QTest::newRow("64 at ratio 1.5")        << QByteArray("64")   << 1.5 << 96 << 32;
        QTest::newRow("24: never smaller")      << QByteArray("24")   << 1.0 << 32 << 16;
        QTest::newRow("not a number")           << QByteArray("big")  << 1.0 << 32 << 16;
        QTest::newRow("beyond any theme")       << QByteArray("9000") << 1.0 << 32 << 16;
        // clang-format on
    }

    void thePointerIsAsLargeAsTheDesktopsPointer()
    {
        QFETCH(QByteArray, size);
        QFETCH(qreal, ratio);
        QFETCH(int, pixels);
        QFETCH(int, centre);
#ifdef _WIN32
        // The accessibility settings' pointer size, a number (an integer is
        // written as a DWORD) or, for "not a number", text.
        QSettings cursors(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\Cursors"), QSettings::NativeFormat);
        const QVariant before = cursors.value("CursorBaseSize");
        bool isNumber = false;
        const int number = size.toInt(&isNumber);
        if (size.isEmpty())
            cursors.remove("CursorBaseSize");
        else
            cursors.setValue("CursorBaseSize", isNumber ? QVariant(number) : QVariant(QString::fromLatin1(size)));
        cursors.sync();
        const AssetStore store(QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures"), ratio);
        const QCursor pointer = store.hotspotPointer();
        if (before.isValid())
            cursors.setValue("CursorBaseSize", before);
        else
            cursors.remove("CursorBaseSize");
#else
        const QByteArray before = qgetenv("XCURSOR_SIZE");
        qputenv("XCURSOR_SIZE", size);
        const AssetStore store(QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures"), ratio);
        const QCursor pointer = store.hotspotPointer();
        qputenv("XCURSOR_SIZE", before);
#endif
        QCOMPARE(pointer.pixmap().size(), QSize(pixels, pixels));
        QCOMPARE(pointer.hotSpot(), QPoint(centre, centre));
        QVERIFY(store.failures().empty());
        // The hot spot lies on the lens's glass (cyan or white) at every size.
        const QColor atHotSpot = pointer.pixmap().toImage().pixelColor(pixels / 2, pixels / 2);
        QVERIFY2(atHotSpot.alpha() == 255 && atHotSpot.green() > 240 && atHotSpot.blue() > 240,
                 qPrintable(atHotSpot.name()));
    }

    // The size as the X resources give it (xrdb's text on the root window).
    void theXResourcesGiveThePointerSize()
    {
        using platform::xcursorSizeIn;
        QCOMPARE(xcursorSizeIn("Xft.dpi:\t96\nXcursor.theme:\tAdwaita\nXcursor.size:\t48\n"), 48);
        QCOMPARE(xcursorSizeIn("Xcursor*size: 64"), 64);
        QCOMPARE(xcursorSizeIn("Xcursor.theme:\tAdwaita\n"), std::nullopt);
        QCOMPARE(xcursorSizeIn("Xcursor.size:\t0\n"), std::nullopt);
        QCOMPARE(xcursorSizeIn("Xcursor.size:\n"), std::nullopt);
        QCOMPARE(xcursorSizeIn(""), std::nullopt);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--load-beside-program") == 0)
        return loadBesideProgram();
    LoaderTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_loader.moc"
