// On a screen of device pixel ratio 2 every picture is drawn from its variant
// made at twice the size, not from its catalogue picture doubled; a missing,
// broken or wrong variant falls back to the catalogue picture with one line on
// standard error; and at ratio 1 no variant is ever opened.
#include <cmath>
#include <map>

// Linux only: which files are opened, seen through inotify, and FIFOs.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "assets/catalogue.h"
#include "assets/loader.h"
#include "common/message_capture.h"
#include "platform/controls.h"

using namespace ayat;

namespace {

const QString kPictures = QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures/");

QImage committed(const QString& name) { return QImage(kPictures + name).convertToFormat(QImage::Format_ARGB32); }

// The mean difference of two images of one size, over every channel of every pixel.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 1e9;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// The catalogue picture pixel-doubled, as a screen of ratio 2 would show it
// without a variant.
QImage doubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A widget's pixels, device pixels of the grab.
QImage grabbed(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

// What a stretched picture shows inside its border: the grab without the 2-pixel
// border, and the expected picture scaled to that size.
struct Stretched {
    QImage shown;
    QSize device;
};

Stretched insideOf(QWidget* w)
{
    const QImage grab = grabbed(w);
    const qreal ratio = w->devicePixelRatioF();
    const QRect inside(QPoint(2, 2) * ratio, (w->size() - QSize(4, 4)) * ratio);
    return {grab.copy(inside), inside.size()};
}

QImage stretchedTo(const QImage& image, QSize size)
{
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Copies the catalogue pictures of these keys into dir.
void copyCatalogue(const QDir& dir, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const auto a = findAsset(key);
        QVERIFY(a);
        const QString name = QString::fromLatin1(key) + QLatin1Char('.')
            + QString::fromLatin1(extension(a->encoding).data(), qsizetype(extension(a->encoding).size()));
        QVERIFY(QFile::copy(kPictures + name, dir.filePath(name)));
    }
}

#ifndef _WIN32
// The files of a folder that were opened while it lives, by inotify.
class OpenWatch {
public:
    explicit OpenWatch(const QString& folder)
    {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ >= 0)
            ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool valid() const { return fd_ >= 0; }
    QStringList opened()
    {
        QStringList names;
        alignas(inotify_event) char buf[8192];
        for (ssize_t n; (n = ::read(fd_, buf, sizeof buf)) > 0;)
            for (char* p = buf; p < buf + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                if (e->len)
                    names << QString::fromLocal8Bit(e->name);
                p += sizeof(inotify_event) + e->len;
            }
        return names;
    }

private:
    int fd_ = -1;
};
#endif

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setUpApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    // Every variant is committed at twice its catalogue picture's size.
    void everyPictureHasItsVariant()
    {
        for (const Asset& a : catalogue()) {
            const QString name = QString::fromLatin1(a.key.data(), qsizetype(a.key.size())) + QStringLiteral("@2x.png");
            QCOMPARE(QImage(kPictures + name).size(), a.size * 2);
        }
    }

    // The window's pictures on screen: a scene, an item picture and a button's
    // icon each match their variant, and differ from their catalogue picture doubled.
    void theWindowDrawsTheVariants()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), 2.0);
        const Panel* nature = child<Panel>(window.client(), "nature");

        for (const char* key : {"Image1", "sky"}) {
            QWidget* picture = findControl(nature, key);
            picture->show();
            const Stretched s = insideOf(picture);
            const double toVariant =
                meanDifference(s.shown, stretchedTo(committed(QLatin1String(key) + "@2x.png"), s.device));
            const QString original = window.assets().pathOf(key);
            const double toDoubled = meanDifference(s.shown, stretchedTo(doubled(QImage(original)), s.device));
            QVERIFY2(toVariant < 0.5, qPrintable(QStringLiteral("%1: %2 from its variant").arg(key).arg(toVariant)));
            QVERIFY2(toDoubled > 4 * toVariant + 1.0,
                     qPrintable(QStringLiteral("%1: %2 from the doubled picture").arg(key).arg(toDoubled)));
        }

        // The tape icon on the Play button: its variant's opaque pixels, unscaled.
        auto* play = child<PictureButton>(nature, "CommandButton1");
        const QImage grab = grabbed(play);
        const QRect at(play->pictureRect().topLeft() * 2, QSize(64, 64));
        const QImage variant = committed(QStringLiteral("tape@2x.png"));
        const QImage twice = doubled(committed(QStringLiteral("tape.ico")));
        int differ = 0, opaque = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                if (qAlpha(variant.pixel(x, y)) < 255)
                    continue;
                ++opaque;
                QCOMPARE(grab.pixel(at.x() + x, at.y() + y), variant.pixel(x, y));
                differ += variant.pixel(x, y) != twice.pixel(x, y);
            }
        QVERIFY(opaque > 1000);
        QVERIFY2(differ > 20, qPrintable(QStringLiteral("%1 pixels differ from the doubled icon").arg(differ)));
    }

    // The splash window decodes its pictures while it is made and mapped: its
    // first frame already draws each from its variant.
    void theSplashsFirstFrameDrawsTheVariants()
    {
        auto* splash = new SplashWindow;
        struct FirstPaint : QObject {
            std::map<QString, QImage> seen;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Paint && !seen.count(o->objectName()))
                    seen[o->objectName()] = static_cast<Picture*>(o)->image();
                return false;
            }
        } firstPaint;
        const std::map<QString, QString> variantOf{{"Image1", "splashbook@2x.png"}, {"Image2", "splashtitle@2x.png"}};
        for (const auto& [name, variant] : variantOf)
            child<Picture>(splash, name.toStdString())->installEventFilter(&firstPaint);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTRY_COMPARE(firstPaint.seen.size(), variantOf.size());
        for (const auto& [name, variant] : variantOf) {
            const QImage& drawn = firstPaint.seen[name];
            QVERIFY2(!drawn.isNull(), qPrintable(name + " was drawn empty"));
            QCOMPARE(drawn.devicePixelRatio(), 2.0);
            QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32), committed(variant));
        }
        delete splash->mainWindow();
        delete splash;
    }

    // The magnifier pointer is the 64-pixel variant with its click point at the
    // image's centre in the window's coordinates, inside the lens's glass.
    void thePointerIsTheVariantWithItsHotSpotAtTheCentre()
    {
        AssetStore store(kPictures, 2);
        const QCursor pointer = store.hotspotPointer();
        QCOMPARE(pointer.pixmap().size(), QSize(64, 64));
        QCOMPARE(pointer.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(pointer.hotSpot(), QPoint(16, 16));
        const QColor atHotSpot = pointer.pixmap().toImage().pixelColor(32, 32);
        QVERIFY2(atHotSpot == QColor(0x00, 0xFF, 0xFF) || atHotSpot == Qt::white, qPrintable(atHotSpot.name()));
        // At a ratio between, the pointer is made at the ratio from the larger picture.
        AssetStore between(kPictures, 1.5);
        QCOMPARE(between.hotspotPointer().pixmap().size(), QSize(48, 48));
        QCOMPARE(between.hotspotPointer().hotSpot(), QPoint(16, 16));
        // A window icon offers the larger image beside its catalogue ones.
        QCOMPARE(store.windowIcon("splashicon").availableSizes().size(), 3);
    }

    // A missing, broken, cut-short, wrong-sized or unreadable variant gives the
    // catalogue picture and one line naming the variant, its path and why.
    void aBadVariantFallsBackWithOneLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QFile real(kPictures + "sky@2x.png");
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray png = real.readAll();
        QByteArray oneX;
        {
            QBuffer b(&oneX);
            b.open(QIODevice::WriteOnly);
            QImage(kPictures + "sky.bmp").save(&b, "png");
        }
#ifdef _WIN32
        QTest::newRow("missing") << QByteArray() << "";  // the system's own words, in its language
#else
        QTest::newRow("missing") << QByteArray() << "No such file";
#endif
        QTest::newRow("empty") << QByteArray("") << "empty file";
        QTest::newRow("random bytes") << QByteArray::fromHex("8f3a77e10045ffee0102030405060708") << "not a PNG";
        QTest::newRow("cut short") << png.left(png.size() / 2) << "cut short";
        QFile bitmap(kPictures + "sky.bmp");
        QVERIFY(bitmap.open(QIODevice::ReadOnly));
        QTest::newRow("a bitmap named as a PNG") << bitmap.readAll() << "not a PNG";
        QTest::newRow("the catalogue size") << oneX << "200 x 131";
    }

    void aBadVariantFallsBackWithOneLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        copyCatalogue(QDir(dir.path()), {"sky"});
        const QString variant = dir.filePath("sky@2x.png");
        if (QString::fromLatin1(QTest::currentDataTag()) != QLatin1String("missing")) {
            QFile f(variant);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        MessageCapture err;
        AssetStore store(dir.path(), 2);
        const QImage shown = store.image("sky");
        QCOMPARE(store.image("sky").size(), QSize(200, 131));  // asked again: not reported again
        const QString text = err.finish();
        QCOMPARE(shown.size(), QSize(200, 131));
        QCOMPARE(shown.devicePixelRatio(), 1.0);
        QCOMPARE(text.count(QLatin1Char('\n')), 1);
        QVERIFY2(text.contains(QLatin1String("'sky@2x'")) && text.contains(variant) && text.contains(reason),
                 qPrintable(text));
        QVERIFY(store.failures().empty());
    }

#ifndef _WIN32
    // A FIFO or a folder in a variant's place is refused without waiting.
    void aVariantThatIsNoFileNeverBlocks()
    {
        QTemporaryDir dir;
        copyCatalogue(QDir(dir.path()), {"gold", "sea"});
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("gold@2x.png")).constData(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir("sea@2x.png"));
        MessageCapture err;
        AssetStore store(dir.path(), 2);
        QCOMPARE(store.image("gold").size(), QSize(200, 135));
        QCOMPARE(store.image("sea").size(), QSize(200, 134));
        const QString text = err.finish();
        QCOMPARE(text.count(QLatin1Char('\n')), 2);
        QCOMPARE(text.count(QLatin1String("not a regular file")), 2);
    }

    // At ratio 1 every picture is its catalogue picture and no variant is opened,
    // not even one in the way; at ratio 2 the same watch sees them opened.
    void atRatioOneNoVariantIsOpened()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        for (const Asset& a : catalogue()) {
            const QString key = QString::fromLatin1(a.key.data(), qsizetype(a.key.size()));
            const QString name = key + QLatin1Char('.')
                + QString::fromLatin1(extension(a.encoding).data(), qsizetype(extension(a.encoding).size()));
            QVERIFY(QFile::copy(kPictures + name, d.filePath(name)));
            QVERIFY(QFile::copy(kPictures + key + "@2x.png", d.filePath(key + "@2x.png")));
        }
        auto loadAll = [&](qreal ratio) {
            OpenWatch watch(dir.path());
            MessageCapture err;
            AssetStore store(dir.path(), ratio);
            for (const Asset& a : catalogue())
                if (store.image(a.key).devicePixelRatio() != (ratio > 1 ? 2.0 : 1.0))
                    return QStringList{QStringLiteral("wrong picture")};
            store.windowIcon("mainicon");
            store.hotspotPointer();
            if (!err.finish().isEmpty())
                return QStringList{QStringLiteral("a line on standard error")};
            return watch.opened().filter(QStringLiteral("@2x"));
        };
        QVERIFY(OpenWatch(dir.path()).valid());
        QCOMPARE(loadAll(1), QStringList());
        QCOMPARE(loadAll(2).size(), qsizetype(catalogue().size()));
    }
#endif
};

int main(int argc, char** argv)
{
    // A screen of twice the density, for a user who wants everything larger.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
