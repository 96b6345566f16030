// The control widgets as a user sees them: label wrapping and clipping, the
// drawing rules of pictures and picture buttons, hotspots that draw nothing.
#include <QApplication>
#include <QtTest>

#include "platform/controls.h"
#include "platform/widgets.h"

using namespace ayat;

namespace {

const QColor kFace(0xC0, 0xC0, 0xC0);

class FixedImages : public ImageSource {
public:
    std::map<std::string, QImage, std::less<>> byKey;
    QImage image(std::string_view key) const override
    {
        auto it = byKey.find(key);
        return it == byKey.end() ? QImage() : it->second;
    }
    QCursor hotspotPointer() const override { return QCursor(Qt::CrossCursor); }
};

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A container in the face colour, shown offscreen, with one table built into it.
struct Screen {
    QWidget container;
    explicit Screen(std::initializer_list<ControlRow> table, const ImageSource& images, QSize size = {640, 480})
    {
        container.setPalette(classicPalette());
        container.setAutoFillBackground(true);
        container.resize(size);
        buildControls(&container, std::span<const ControlRow>(table.begin(), table.size()), images);
        container.show();
    }
    QImage shot() { return container.grab().toImage(); }
};

bool uniform(const QImage& image, QRect area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(image.pixel(x, y)) != colour)
                return false;
    return true;
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(classicPalette()); }

    // A control covers on screen the pixels of its rectangle in twips, each of
    // its edge and size rounded to the nearest pixel (15 twips): a click on its
    // first and last pixel reaches it, one pixel beyond does not. The values
    // lie either side of half a pixel.
    void controlsCoverTheirDesignedPixels_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        for (auto [kind, label] : {std::pair{ControlKind::Label, "label"}, std::pair{ControlKind::Hotspot, "hotspot"},
                                   std::pair{ControlKind::Button, "button"}}) {
            QTest::addRow("%s, whole pixels", label)
                << int(kind) << QRect(6240, 960, 3075, 2115) << QRect(416, 64, 205, 141);
            QTest::addRow("%s, below half a pixel", label)
                << int(kind) << QRect(607, 307, 3022, 1972) << QRect(40, 20, 201, 131);
            QTest::addRow("%s, above half a pixel", label)
                << int(kind) << QRect(608, 308, 3023, 1973) << QRect(41, 21, 202, 132);
        }
    }
    void controlsCoverTheirDesignedPixels()
    {
        QFETCH(int, kind);
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        FixedImages images;
        Screen screen({{.name = "it",
                        .kind = ControlKind(kind),
                        .rect = {twips.x(), twips.y(), twips.width(), twips.height()},
                        .text = "x"}},
                      images);
        QVERIFY(QTest::qWaitForWindowExposed(&screen.container));
        QWidget* it = findControl(&screen.container, "it");
        auto reached = [&](QPoint p) { return screen.container.childAt(p) == it; };
        QCOMPARE(it->mapTo(&screen.container, QPoint(0, 0)), pixels.topLeft());
        QCOMPARE(it->size(), pixels.size());
        QVERIFY(reached(pixels.topLeft()));
        QVERIFY(reached(pixels.bottomRight()));
        QVERIFY(!reached(pixels.topLeft() - QPoint(1, 0)));
        QVERIFY(!reached(pixels.topLeft() - QPoint(0, 1)));
        QVERIFY(!reached(pixels.bottomRight() + QPoint(1, 0)));
        QVERIFY(!reached(pixels.bottomRight() + QPoint(0, 1)));
    }

    void wrappingBreaksAtSpacesOnly()
    {
        const QFont font = makeFont(defaultFontSpec());
        const QFontMetrics fm(font);
        const int width = fm.horizontalAdvance(QStringLiteral("date-palm and the vine"));
        const QStringList lines =
            Label::wrapAtSpaces(QStringList(8, QStringLiteral("date-palm and the vine")).join(' '), fm, width);
        QCOMPARE(lines.size(), 8);
        for (const QString& line : lines)
            QCOMPARE(line, QStringLiteral("date-palm and the vine"));

        // Spaces at the start of a text are kept; those at a break are dropped.
        QCOMPARE(Label::wrapAtSpaces(QStringLiteral(" It is"), fm, 1000), QStringList{" It is"});
        const QStringList two = Label::wrapAtSpaces(QStringLiteral("aaaa bbbb"), fm, fm.horizontalAdvance("aaaa b"));
        QCOMPARE(two, (QStringList{"aaaa", "bbbb"}));
        // A word wider than the line is broken between characters, never lost.
        const QStringList broken =
            Label::wrapAtSpaces(QStringLiteral("abcdefghijklmnop"), fm, fm.horizontalAdvance("abcde"));
        QVERIFY(broken.size() > 1);
        QCOMPARE(broken.join(QString()), QStringLiteral("abcdefghijklmnop"));
        for (const QString& line : broken)
            QVERIFY(fm.horizontalAdvance(line) <= fm.horizontalAdvance("abcde"));
        QCOMPARE(Label::wrapAtSpaces(QString(), fm, 100), QStringList{QString()});
    }

    void labelNeverGrowsAndClips()
    {
        FixedImages images;
        const QString longText = QStringList(60, QStringLiteral("word")).join(' ');
        const QByteArray text = longText.toLatin1();
        Screen s({ControlRow{.name = "box",
                             .kind = ControlKind::Label,
                             .rect = {150, 150, 1500, 450},
                             .text = text.constData(),
                             .foreground = 0xFFFFFF,
                             .background = 0x00C0C0,
                             .bordered = true}},
                 images);
        auto* box = child<Label>(&s.container, "box");
        QCOMPARE(box->geometry(), QRect(10, 10, 100, 30));
        QVERIFY(box->lines().size() > 3);  // more text than fits
        box->setText(longText + longText);
        QCOMPARE(box->geometry(), QRect(10, 10, 100, 30));
        const QImage shot = s.shot();
        // Nothing is drawn outside the label's rectangle.
        QVERIFY(uniform(shot, QRect(0, 41, 200, 40), kFace));
        // The single border: dark grey and white outside, black and light grey inside.
        QCOMPARE(QColor(shot.pixel(10, 20)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(QColor(shot.pixel(109, 20)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(11, 20)), QColor(Qt::black));
    }

    void stretchedPictureFillsTheInsideOfItsBorderEvenly()
    {
        FixedImages images;
        images.byKey["tan"] = filled({3, 3}, QColor(0xE0, 0xC0, 0x8F));
        images.byKey["red"] = filled({200, 131}, Qt::red);
        const Twips frame{6240, 960, 3075, 2115};
        Screen s({ControlRow{.name = "item", .kind = ControlKind::Picture, .rect = frame, .pictureKey = "red"},
                  ControlRow{.name = "def", .kind = ControlKind::Picture, .rect = frame, .pictureKey = "tan"}},
                 images);
        auto* item = child<Picture>(&s.container, "item");
        item->hide();
        const QRect outer = toPixels(frame);
        QCOMPARE(outer.size(), QSize(205, 141));
        const QImage empty = s.shot();
        const QRect inside = outer.adjusted(2, 2, -2, -2);
        QVERIFY(uniform(empty, inside, QColor(0xE0, 0xC0, 0x8F)));  // no shading or blur at its edges
        item->show();
        const QImage shown = s.shot();
        QVERIFY(uniform(shown, inside, Qt::red));
        // Border and all, the item picture covers exactly the placeholder's rectangle.
        QCOMPARE(shown.copy(outer.adjusted(0, 0, 0, 0)).copy(0, 0, 205, 2), empty.copy(outer).copy(0, 0, 205, 2));
        QVERIFY(uniform(shown, QRect(outer.right() + 1, outer.top(), 10, outer.height()), kFace));
    }

    void naturalSizePictureShowsItsContainerThroughTransparentPixels()
    {
        FixedImages images;
        QImage emblem = filled({120, 82}, QColor(0, 0x60, 0));
        for (int x = 0; x < 10; ++x)
            emblem.setPixelColor(x, 0, Qt::transparent);
        images.byKey["emblem"] = emblem;
        Screen s({ControlRow{.name = "Image10",
                             .kind = ControlKind::Picture,
                             .rect = {3960, 3600, 1800, 1230},
                             .pictureKey = "emblem",
                             .use = Picture::Use::NaturalSize}},
                 images);
        const QImage shot = s.shot();
        QCOMPARE(QColor(shot.pixel(264, 240)), kFace);               // a transparent corner pixel
        QCOMPARE(QColor(shot.pixel(274, 240)), QColor(0, 0x60, 0));  // no border, unscaled
        QCOMPARE(QColor(shot.pixel(264 + 119, 240 + 81)), QColor(0, 0x60, 0));
        QCOMPARE(QColor(shot.pixel(264 + 120, 240 + 81)), kFace);
    }

    void buttonPictureIsCentredAndNeverScaled()
    {
        FixedImages images;
        QImage icon = filled({32, 32}, Qt::blue);
        icon.setPixelColor(0, 0, Qt::transparent);  // masked: the face shows there
        images.byKey["icon"] = icon;
        Screen s({ControlRow{.name = "stop",
                             .kind = ControlKind::Button,
                             .rect = {7440, 5640, 495, 495},
                             .pictureKey = "icon",
                             .tooltip = "Stop Quran recitation"}},
                 images);
        auto* button = child<PictureButton>(&s.container, "stop");
        QCOMPARE(button->size(), QSize(33, 33));
        QCOMPARE(button->pictureRect(), QRect(0, 0, 32, 32));
        QCOMPARE(button->toolTip(), QStringLiteral("Stop Quran recitation"));
        QCOMPARE(button->accessibleName(), QStringLiteral("Stop Quran recitation"));
        const QImage face = button->grab().toImage();
        int blue = 0;
        for (int y = 0; y < 33; ++y)
            for (int x = 0; x < 33; ++x)
                blue += QColor(face.pixel(x, y)) == QColor(Qt::blue);
        QCOMPARE(blue, 32 * 32 - 1);
        QVERIFY(QColor(face.pixel(0, 0)) != QColor(Qt::blue));
    }

    void sectionButtonShowsItsIconAboveItsCaption()
    {
        FixedImages images;
        images.byKey["earth"] = filled({32, 32}, Qt::blue);
        Screen s({ControlRow{.name = "b1nature",
                             .kind = ControlKind::Button,
                             .rect = {720, 1200, 1695, 1095},
                             .text = "Nature",
                             .font = {"Arial", 14.25, true},
                             .foreground = 0x008000,
                             .transparent = true,
                             .pictureKey = "earth",
                             .focusOnClick = false}},
                 images);
        auto* button = child<PictureButton>(&s.container, "b1nature");
        const QRect pic = button->pictureRect();
        QCOMPARE(pic.size(), QSize(32, 32));
        QVERIFY(qAbs(pic.left() - (button->width() - 1 - pic.right())) <= 1);  // centred across
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        const QImage face = button->grab().toImage();
        // Green caption pixels below the icon, none above it.
        int greenBelow = 0, greenAbove = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QColor c(face.pixel(x, y));
                if (c.green() > 0x50 && c.red() < 0x40 && c.blue() < 0x40)
                    (y > pic.bottom() ? greenBelow : greenAbove) += 1;
            }
        QVERIFY(greenBelow > 20);
        QCOMPARE(greenAbove, 0);
        // A transparent face lets the container show around the picture.
        QCOMPARE(QColor(face.pixel(2, 2)), kFace);
    }

    void hotspotDrawsNothingAndReportsLeftClicks()
    {
        FixedImages images;
        images.byKey["scene"] = filled({10, 10}, Qt::darkCyan);
        Screen s({ControlRow{.name = "sky_i", .kind = ControlKind::Hotspot, .rect = {360, 720, 5655, 495}},
                  ControlRow{.name = "Image1",
                             .kind = ControlKind::Picture,
                             .rect = {120, 600, 6015, 5520},
                             .pictureKey = "scene"}},
                 images);
        auto* hotspot = child<Hotspot>(&s.container, "sky_i");
        const QImage with = s.shot();
        hotspot->hide();
        QCOMPARE(s.shot(), with);
        hotspot->show();
        QCOMPARE(hotspot->cursor().shape(), Qt::CrossCursor);

        QSignalSpy clicks(hotspot, &Hotspot::clicked);
        QCOMPARE(s.container.childAt(hotspot->geometry().center()), hotspot);  // above the scene
        QTest::mouseClick(hotspot, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(hotspot, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        // Pressed inside, released outside: no click.
        QTest::mousePress(hotspot, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(hotspot, Qt::LeftButton, {}, QPoint(-50, -50));
        QCOMPARE(clicks.count(), 1);
    }

    void keyboardPressesAFocusedButton()
    {
        FixedImages images;
        Screen s({ControlRow{.name = "b", .kind = ControlKind::Button, .rect = {0, 0, 735, 495}}}, images);
        auto* button = child<PictureButton>(&s.container, "b");
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QCOMPARE(clicks.count(), 3);
        QTest::keyClick(button, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 3);
    }

    void tableOrderIsStackingOrder()
    {
        FixedImages images;
        Screen s(
            {ControlRow{.name = "top", .kind = ControlKind::Hotspot, .rect = {0, 0, 1500, 1500}},
             ControlRow{.name = "middle", .kind = ControlKind::Label, .rect = {0, 0, 1500, 1500}},
             ControlRow{.name = "bottom", .kind = ControlKind::Picture, .rect = {0, 0, 1500, 1500}, .hidden = true}},
            images);
        QStringList names;
        for (QObject* o : s.container.children())
            names.prepend(o->objectName());
        QCOMPARE(names, (QStringList{"top", "middle", "bottom"}));
        QCOMPARE(s.container.childAt(50, 50)->objectName(), QStringLiteral("top"));
        QVERIFY(!child<Picture>(&s.container, "bottom")->isVisibleTo(&s.container));
    }

    // A table's texts are UTF-8: captions, tooltips and accessible names come
    // out as written, whatever lies beyond ASCII in them.
    void tableTextsAreUtf8()
    {
        FixedImages images;
        const char* caption = "Sayings in the Qur\u2019an \u2014 \u0622\u064a\u0627\u062a";
        const char* tip = "Exit to main \u2192";
        Screen s({ControlRow{.name = "label", .kind = ControlKind::Label, .rect = {0, 0, 6000, 600}, .text = caption},
                  ControlRow{.name = "button",
                             .kind = ControlKind::Button,
                             .rect = {0, 900, 1500, 600},
                             .text = caption,
                             .tooltip = tip}},
                 images);
        QCOMPARE(child<Label>(&s.container, "label")->text(), QString::fromUtf8(caption));
        auto* button = child<PictureButton>(&s.container, "button");
        QCOMPARE(button->text(), QString::fromUtf8(caption));
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
        QCOMPARE(button->accessibleName(), QString::fromUtf8(tip));
    }
};

QTEST_MAIN(WidgetsTest)
#include "test_widgets.moc"
