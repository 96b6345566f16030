// The artwork generator: the same pixels on every processor, the scenes taken
// from the section tables, and drawings that leave nothing behind for the next.
#include <QtTest>

#include <QImage>

#include "art.h"
#include "app_icon.h"
#include "assets/catalogue.h"
#include "paint.h"
#include "scene.h"
#include "sections/tables/section_tables.h"

using namespace ayat;
using namespace ayat::art;

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void unpremultipliedChannelIsExactRounding();
    void straightAlphaKeepsTheEdgesOfTheRange();
    void everySectionHasItsScene();
    void nothingButSectionScenesIsAScene();
    void iconsDrawnAtTwiceTheSizeLeaveTheNextDrawingAlone();
    void appIconIsDrawnTheSameEachTime();
};

// c * 255 / a to the nearest integer, halves to the even one, by rationals: for
// every premultiplied value a pixel can hold.
void TestArtwork::unpremultipliedChannelIsExactRounding()
{
    int halves = 0;
    for (int a = 1; a < 255; ++a)
        for (int c = 0; c <= a; ++c) {
            const int got = unpremultipliedChannel(c, a);
            // |got - c*255/a| <= 1/2, i.e. |2*got*a - 2*c*255| <= a.
            const int twiceError = 2 * got * a - 2 * c * 255;
            QVERIFY2(std::abs(twiceError) <= a, qPrintable(QStringLiteral("c %1 a %2 gave %3").arg(c).arg(a).arg(got)));
            if (std::abs(twiceError) == a) {
                ++halves;
                QVERIFY2(got % 2 == 0, qPrintable(QStringLiteral("c %1 a %2: half not to even").arg(c).arg(a)));
            }
            QVERIFY(got >= 0 && got <= 255);
        }
    QVERIFY(halves > 0);  // the values that depend on the processor in Qt's conversion
    // The halfway value behind the window icon's @2x pixel (53, 14).
    QCOMPARE(unpremultipliedChannel(42, 252), 42);
    QCOMPARE(unpremultipliedChannel(1, 2), 128);
    QCOMPARE(unpremultipliedChannel(252, 252), 255);
}

void TestArtwork::straightAlphaKeepsTheEdgesOfTheRange()
{
    QImage pm(4, 1, QImage::Format_ARGB32_Premultiplied);
    auto* px = reinterpret_cast<QRgb*>(pm.scanLine(0));
    px[0] = 0x00000000u;             // transparent
    px[1] = 0xFF123456u;             // opaque: unchanged
    px[2] = qRgba(42, 33, 46, 252);  // premultiplied, a halfway blue
    px[3] = qRgba(1, 0, 1, 2);
    pm.setDevicePixelRatio(2);
    const QImage s = straightAlpha(pm);
    QCOMPARE(s.format(), QImage::Format_ARGB32);
    QCOMPARE(s.devicePixelRatio(), 2.0);
    QCOMPARE(s.pixel(0, 0), 0u);
    QCOMPARE(s.pixel(1, 0), 0xFF123456u);
    QCOMPARE(s.pixel(2, 0), qRgba(42, 33, 47, 252));
    QCOMPARE(s.pixel(3, 0), qRgba(128, 0, 128, 2));
    // An image without alpha is only converted.
    QImage rgb(2, 2, QImage::Format_RGB32);
    rgb.fill(QColor(10, 20, 30));
    QCOMPARE(straightAlpha(rgb).pixel(1, 1), qRgb(10, 20, 30));
}

// Each section's scene key is a catalogue GIF and some scene file draws it, at
// the catalogue's size and at twice it.
void TestArtwork::everySectionHasItsScene()
{
    const auto keys = sceneKeys();
    QCOMPARE(keys.size(), allSections().size());
    for (const SectionDescription* s : allSections()) {
        QVERIFY2(scenePainter(*s) != nullptr, s->panelName);
        QVERIFY(isScene(s->names.scene));
        const auto asset = findAsset(s->names.scene);
        QVERIFY(asset.has_value());
        QCOMPARE(asset->encoding, Encoding::Gif87a);
        QCOMPARE(drawScene(s->names.scene).size(), asset->size);
        QCOMPARE(drawScene(s->names.scene, 2).size(), asset->size * 2);
    }
    // Each section its own painter.
    for (const SectionDescription* a : allSections())
        for (const SectionDescription* b : allSections())
            if (a != b)
                QVERIFY(scenePainter(*a) != scenePainter(*b));
}

void TestArtwork::nothingButSectionScenesIsAScene()
{
    for (const Asset& a : catalogue()) {
        bool sectionScene = false;
        for (const SectionDescription* s : allSections())
            sectionScene = sectionScene || a.key == s->names.scene;
        QCOMPARE(isScene(a.key), sectionScene);
    }
    QVERIFY(drawScene("main").isNull());
    QVERIFY(drawScene("no such key").isNull());
}

// The scale belongs to one drawing: an icon drawn before and after a drawing at
// scale 2 comes out the same.
void TestArtwork::iconsDrawnAtTwiceTheSizeLeaveTheNextDrawingAlone()
{
    for (const char* key : {"splashicon", "b1nature", "exitarrow", "magnifier"}) {
        const std::vector<QImage> before = drawIcon(key);
        const std::vector<QImage> large = drawIcon(key, 2);
        QCOMPARE(large.size(), std::size_t(1));
        QCOMPARE(large.front().size(), before.front().size() * 2);
        const std::vector<QImage> after = drawIcon(key);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i)
            QCOMPARE(after[i], before[i]);
    }
}

void TestArtwork::appIconIsDrawnTheSameEachTime()
{
    for (const int px : {32, 64, 256}) {
        const QImage a = renderAppIcon(px, px == 64);
        QCOMPARE(a.format(), QImage::Format_ARGB32);
        QCOMPARE(a, renderAppIcon(px, px == 64));
    }
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
