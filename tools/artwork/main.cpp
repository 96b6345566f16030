// ayat-artwork: draws the catalogue's pictures and writes them in their encodings.
//
//   ayat-artwork generate <dir> [key...]   every catalogue key, or only those named,
//                                          as <dir>/<key>.<ext>, and each drawn at
//                                          twice the size as <dir>/<key>@2x.png
//   ayat-artwork debug <dir>               PNG views for checking the artwork by eye
//   ayat-artwork app-icons <dir>           the desktop's icons at every size and scalable,
//                                          as <dir>/hicolor/<size>/apps/ayat-explorer.*
//   ayat-artwork windows-icon <file>       the same drawing as a Windows icon file at every
//                                          size the Windows desktop shows it
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include "app_icon.h"
#include "art.h"
#include "assets/catalogue.h"
#include "encoders.h"
#include "pictures.h"
#include "platform/widgets.h"

namespace {

using namespace ayat;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString sizeText(QSize s) { return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()); }

void complain(const QString& text) { std::fprintf(stderr, "ayat-artwork: %s\n", qPrintable(text)); }

QString fileName(const Asset& a) { return qs(a.key) + QLatin1Char('.') + qs(extension(a.encoding)); }

QString variantFileName(const Asset& a) { return qs(a.key) + QStringLiteral("@2x.png"); }

// GIF settings: the scenes are dithered gently so that their gradients survive
// 256 colours; the flat title artwork keeps its colours unmixed.
art::QuantizeOptions gifOptions(const Asset& a)
{
    if (art::isScene(a.key))
        return {256, 0.75f};
    return {256, 0.0f};
}

bool writeAsset(const Asset& a, const QDir& dir)
{
    const QString path = dir.filePath(fileName(a));
    QString error;
    if (a.encoding == Encoding::Icon) {
        const std::vector<QImage> images = art::drawIcon(a.key);
        const std::size_t wanted = a.smallSize.isEmpty() ? 1 : 2;
        if (images.size() != wanted) {
            complain(QStringLiteral("%1: drawIcon gave %2 images, the catalogue has %3")
                         .arg(qs(a.key))
                         .arg(images.size())
                         .arg(wanted));
            return false;
        }
        if (images[0].size() != a.size || (wanted == 2 && images[1].size() != a.smallSize)) {
            complain(QStringLiteral("%1: drawIcon gave images of the wrong size").arg(qs(a.key)));
            return false;
        }
        if (!art::writeIcon16(path, images, &error)) {
            complain(error);
            return false;
        }
        return true;
    }

    QImage image;
    try {
        image = art::isScene(a.key) ? art::drawScene(a.key) : art::drawPicture(a.key);
    } catch (const std::exception& e) {
        complain(QStringLiteral("%1: %2").arg(qs(a.key), QString::fromUtf8(e.what())));
        return false;
    }
    if (image.size() != a.size) {
        complain(QStringLiteral("%1: drawn at %2, the catalogue says %3")
                     .arg(qs(a.key), sizeText(image.size()), sizeText(a.size)));
        return false;
    }
    bool ok = false;
    switch (a.encoding) {
    case Encoding::Bitmap24:
        ok = art::writeBmp24(path, image, &error);
        break;
    case Encoding::Gif87a:
        ok = art::writeGif87a(path, image, gifOptions(a), &error);
        break;
    case Encoding::Gif89a:
        ok = art::writeGif89aTransparent(path, image, gifOptions(a), &error);
        break;
    case Encoding::Jpeg:
        ok = art::writeJpeg(path, image, 92, &error);
        break;
    case Encoding::Icon:
        break;
    }
    if (!ok)
        complain(error);
    return ok;
}

// The picture drawn at twice its size by the same code, written as a PNG. An
// icon's variant is its large image only.
bool writeVariant(const Asset& a, const QDir& dir)
{
    QImage image;
    try {
        if (a.encoding == Encoding::Icon) {
            const std::vector<QImage> images = art::drawIcon(a.key, 2);
            image = images.empty() ? QImage() : images.front();
        } else {
            image = art::isScene(a.key) ? art::drawScene(a.key, 2) : art::drawPicture(a.key, 2);
        }
    } catch (const std::exception& e) {
        complain(QStringLiteral("%1@2x: %2").arg(qs(a.key), QString::fromUtf8(e.what())));
        return false;
    }
    if (image.size() != a.size * 2) {
        complain(
            QStringLiteral("%1@2x: drawn at %2, not %3").arg(qs(a.key), sizeText(image.size()), sizeText(a.size * 2)));
        return false;
    }
    image.setDevicePixelRatio(1);
    const QString path = dir.filePath(variantFileName(a));
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // the smallest file
    if (!writer.write(image)) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    return true;
}

int generate(const QString& dirName, const std::vector<std::string>& keys)
{
    QDir dir(dirName);
    if (!dir.mkpath(QStringLiteral("."))) {
        complain(QStringLiteral("cannot create %1").arg(dirName));
        return 1;
    }
    std::vector<Asset> wanted;
    if (keys.empty()) {
        wanted.assign(catalogue().begin(), catalogue().end());
    } else {
        for (const std::string& k : keys) {
            const auto a = findAsset(k);
            if (!a) {
                complain(QStringLiteral("no asset with the key %1").arg(qs(k)));
                return 2;
            }
            wanted.push_back(*a);
        }
    }
    int failures = 0;
    for (const Asset& a : wanted) {
        if (writeAsset(a, dir))
            std::printf("%s\n", qPrintable(dir.filePath(fileName(a))));
        else
            ++failures;
        if (writeVariant(a, dir))
            std::printf("%s\n", qPrintable(dir.filePath(variantFileName(a))));
        else
            ++failures;
    }
    return failures ? 1 : 0;
}

// The picture as the program decodes it: written in its encoding, read back.
QImage roundTrip(const Asset& a, const QDir& tmp)
{
    if (!writeAsset(a, tmp))
        return {};
    QImage img(tmp.filePath(fileName(a)));
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Where the debug views go, and how many of them failed.
struct DebugOutput {
    QDir dir;
    QDir tmp;  // for the round trip through each encoding
    int failures = 0;

    void save(const QImage& img, const QString& name)
    {
        const QString path = dir.filePath(name);
        if (img.isNull() || !img.save(path)) {
            complain(QStringLiteral("cannot write %1").arg(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
};

// Item pictures: stretched to the 201 x 137 inside of their 205 x 141 frame.
const QSize kItemInside(201, 137), kItemFrame(205, 141);

bool isItemPicture(const Asset& a) { return a.encoding == Encoding::Bitmap24 && a.size.width() == 200; }

// One item picture as the program shows it, saved with its card enlarged 4x pixel
// for pixel and drawn at scale 2, for reading its marks. Returns the shown
// picture with its label (key, font size, smallest gap between its lines, worst
// mark's ratio at 1x and 2x) and adds a line of those facts per scale to cardFacts.
std::pair<QString, QImage> debugItem(DebugOutput& out, const Asset& a, QString& cardFacts)
{
    const QImage decoded = roundTrip(a, out.tmp);
    if (decoded.isNull()) {
        ++out.failures;
        return {};
    }
    QImage shown(kItemFrame, QImage::Format_RGB32);
    shown.fill(QColor(0xF0, 0xF0, 0xF0));
    {
        QPainter p(&shown);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(2, 2), kItemInside), decoded);
        drawSingleBorder(p, shown.rect(), classicPalette());
    }
    out.save(shown, QStringLiteral("item-%1.png").arg(qs(a.key)));
    art::CardFacts facts, facts2;
    try {
        out.save(art::drawItemCard(a.key, 1, &facts).scaled(a.size * 4),
                 QStringLiteral("item-%1-4x.png").arg(qs(a.key)));
        out.save(art::drawItemCard(a.key, 2, &facts2), QStringLiteral("item-%1@2x.png").arg(qs(a.key)));
    } catch (const std::exception& e) {
        complain(QStringLiteral("%1: %2").arg(qs(a.key), QString::fromUtf8(e.what())));
        ++out.failures;
    }
    const QString gapText =
        facts.smallestGap < 0 ? QStringLiteral("one line") : QStringLiteral("gap %1").arg(facts.smallestGap);
    // The worst mark at each scale: its distance to its own line over that to
    // the nearest other line.
    for (const art::CardFacts* f : {&facts, &facts2})
        cardFacts += QStringLiteral("%1%2\t%3 px\t%4 lines\tgap %5 px\tworst %6: %7\n")
                         .arg(qs(a.key), f == &facts ? QString() : QStringLiteral("@2x"))
                         .arg(f->pixelSize)
                         .arg(f->lines)
                         .arg(f->smallestGap)
                         .arg(f->worstRatio, 0, 'f', 3)
                         .arg(f->worstMark);
    // The label: size and gap at 1x, and the worst mark's ratio at 1x and 2x.
    return {QStringLiteral("%1 %2px %3 %4|%5")
                .arg(qs(a.key))
                .arg(facts.pixelSize)
                .arg(gapText)
                .arg(facts.worstRatio, 0, 'f', 3)
                .arg(facts2.worstRatio, 0, 'f', 3),
            shown};
}

// Contact sheet of the item pictures, five to a row, each labelled.
QImage contactSheet(const std::vector<std::pair<QString, QImage>>& items)
{
    const QSize frame = kItemFrame;
    const int columns = 5, gap = 12, label = 18;
    const int rows = int(items.size() + columns - 1) / columns;
    QImage sheet(gap + columns * (frame.width() + gap), gap + rows * (frame.height() + label + gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&sheet);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    p.setFont(f);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int x = gap + int(i % columns) * (frame.width() + gap);
        const int y = gap + int(i / columns) * (frame.height() + label + gap);
        p.drawImage(x, y, items[i].second);
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + frame.height(), frame.width(), label), Qt::AlignCenter, items[i].first);
    }
    p.end();
    return sheet;
}

// Any other picture as decoded (the scenes after their quantization to 256
// colours), at its own size; the transparent emblem also over the About panel's
// colour; the home background also stretched.
void debugPicture(DebugOutput& out, const Asset& a)
{
    const QImage decoded = roundTrip(a, out.tmp);
    if (decoded.isNull()) {
        ++out.failures;
        return;
    }
    out.save(decoded, QStringLiteral("%1.png").arg(qs(a.key)));
    if (a.encoding == Encoding::Gif89a) {
        QImage on(decoded.size(), QImage::Format_RGB32);
        on.fill(QColor(0xF0, 0xF0, 0xF0));
        QPainter(&on).drawImage(0, 0, decoded);
        out.save(on, QStringLiteral("%1-on-panel.png").arg(qs(a.key)));
    }
    if (a.key == "main") {
        // The home background's rectangle, 9495 x 6315 twips: 633 x 421 pixels.
        QImage shown(633, 421, QImage::Format_RGB32);
        shown.fill(QColor(0xF0, 0xF0, 0xF0));
        {
            QPainter p(&shown);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(2, 2, 629, 417), decoded);
            drawSingleBorder(p, shown.rect(), classicPalette());
        }
        out.save(shown, QStringLiteral("main-stretched.png"));
    }
}

int debug(const QString& dirName)
{
    QTemporaryDir tmpDir;
    DebugOutput out{QDir(dirName), QDir(tmpDir.path())};
    if (!out.dir.mkpath(QStringLiteral(".")) || !tmpDir.isValid()) {
        complain(QStringLiteral("cannot create %1").arg(dirName));
        return 1;
    }
    for (auto key : art::sceneKeys())
        out.save(art::sceneDebugView(key), QStringLiteral("scene-%1.png").arg(qs(key)));

    std::vector<std::pair<QString, QImage>> items;
    QString cardFacts;  // per card and scale: font size, lines, smallest gap, worst mark
    for (const Asset& a : catalogue())
        if (isItemPicture(a)) {
            auto item = debugItem(out, a, cardFacts);
            if (!item.second.isNull())
                items.push_back(std::move(item));
        }
    std::printf("%s", qPrintable(cardFacts));
    out.save(contactSheet(items), QStringLiteral("items-sheet.png"));

    for (const Asset& a : catalogue())
        if (!isItemPicture(a))
            debugPicture(out, a);
    return out.failures ? 1 : 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: ayat-artwork generate <dir> [key...]\n"
                 "       ayat-artwork debug <dir>\n"
                 "       ayat-artwork app-icons <dir>\n"
                 "       ayat-artwork windows-icon <file>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The fonts the artwork is set in, in case fontconfig does not list them.
    for (const char* f : {"/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf",
                          "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
                          "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"})
        if (QFileInfo::exists(QString::fromUtf8(f)))
            QFontDatabase::addApplicationFont(QString::fromUtf8(f));

    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    if (args[1] == QLatin1String("generate")) {
        std::vector<std::string> keys;
        for (int i = 3; i < args.size(); ++i)
            keys.push_back(args[i].toStdString());
        return generate(args[2], keys);
    }
    if (args[1] == QLatin1String("debug") && args.size() == 3)
        return debug(args[2]);
    if (args[1] == QLatin1String("app-icons") && args.size() == 3) {
        QString error;
        if (art::writeHicolorIcons(args[2], QStringLiteral("ayat-explorer"), &error))
            return 0;
        complain(error);
        return 1;
    }
    if (args[1] == QLatin1String("windows-icon") && args.size() == 3) {
        QString error;
        if (art::writeWindowsIcon(args[2], &error))
            return 0;
        complain(error);
        return 1;
    }
    return usage();
}
