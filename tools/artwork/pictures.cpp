// The item pictures: each verse written in Arabic on a parchment card, and the
// dispatch of every picture this generator draws itself.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include "art.h"
#include "assets/catalogue.h"
#include "pictures.h"

namespace ayat::art {
namespace {

const QColor kParchment(0xE0, 0xCF, 0x90);
const QColor kInk(0x00, 0x00, 0x00);
const QColor kRed(0xC0, 0x10, 0x10);
// Line setting: the ink of neighbouring lines keeps kGap pixels apart, also
// kSpread em to either side, so that the high marks of one line do not slip into
// the word spaces of the line above; lines are never closer than kMinPitch em.
constexpr int kInkAlpha = 64;
constexpr qreal kSpread = 0.15;
constexpr qreal kGap = 0.5;
constexpr qreal kMinPitch = 1.2;
constexpr qreal kWordSpacing = 0.08;  // em, on top of the font's narrow spaces
constexpr qreal kMaxPixelSize = 30;  // short verses: large, but clear of the border

struct Verse {
    QString arabic;  // arabic_shown
    bool partial = false;
    int ayah = 0;
    QStringList highlight;
};

const QJsonObject& versesDocument()
{
    static const QJsonObject doc = [] {
        QFile f(sourcePath(QStringLiteral("content/verses.json")));
        if (!f.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read content/verses.json");
        return QJsonDocument::fromJson(f.readAll()).object();
    }();
    return doc;
}

Verse verseFor(std::string_view picture)
{
    const QString key = QString::fromUtf8(picture.data(), qsizetype(picture.size()));
    for (const QJsonValue& v : versesDocument().value(QStringLiteral("verses")).toArray()) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("picture")).toString() != key)
            continue;
        Verse verse;
        verse.arabic = o.value(QStringLiteral("arabic_shown")).toString();
        verse.partial = o.value(QStringLiteral("partial")).toBool();
        verse.ayah = o.value(QStringLiteral("ayah")).toInt();
        for (const QJsonValue& h : o.value(QStringLiteral("highlight")).toArray())
            verse.highlight << h.toString();
        return verse;
    }
    throw std::runtime_error("no verse for the picture " + std::string(picture));
}

} // namespace

QString arabicIndicNumber(int n)
{
    QString s = QString::number(n);
    for (QChar& c : s)
        c = QChar(0x0660 + (c.unicode() - '0'));
    return s;
}

QString basmala()
{
    return versesDocument().value(QStringLiteral("basmala")).toObject().value(QStringLiteral("arabic")).toString();
}

void inkBounds(const QImage& img, QRect* bounds)
{
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) > 8) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    *bounds = x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

namespace {

// One verse laid out at one size: the ink drawn on a transparent image.
struct Setting {
    QImage ink;
    QRect bounds;
    int lines = 0;
    qreal pixelSize = 0;
    qreal width = 0;  // the line width it was set in
    std::vector<qreal> lineWidths;
};

struct VerseText {
    QString text;
    QList<QTextLayout::FormatRange> red;
};

VerseText verseText(const Verse& v)
{
    VerseText t;
    t.text = v.arabic;
    if (v.partial)
        t.text += QStringLiteral("\u00A0\u2026");
    // The medallion stays on the line of the last word.
    t.text += QChar(0x00A0);
    t.text += QChar(0x06DD) + arabicIndicNumber(v.ayah);
    // Red words: every whole-word occurrence of each highlighted word.
    QTextCharFormat redFormat;
    redFormat.setForeground(kRed);
    const QStringList words = v.arabic.split(QLatin1Char(' '));
    int pos = 0;
    for (const QString& w : words) {
        if (v.highlight.contains(w))
            t.red.append({pos, int(w.size()), redFormat});
        pos += int(w.size()) + 1;
    }
    for (const QString& h : v.highlight)
        if (!words.contains(h))
            throw std::runtime_error("a highlighted word is not a word of its verse: " + h.toStdString());
    return t;
}

QFont verseFont(qreal pixelSize)
{
    QFont f(QStringLiteral("Amiri Quran"));
    f.setPixelSize(1);
    f.setPointSizeF(pixelSize * 0.75);  // 96 dpi: fractional pixel sizes
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setWordSpacing(pixelSize * kWordSpacing);
    return f;
}

// Lays the verse out at one size and line width. The lines are set first far
// apart to find how close they can come: the pitch is the smallest that keeps
// `gap` pixels between the ink of neighbouring lines everywhere (but no less
// than `minPitch` em), the same for every line. The pitch is measured at the
// picture's own size; the ink is drawn at the scale.
Setting setVerse(const VerseText& t, qreal pixelSize, qreal width, qreal minPitch, qreal gap, int scale = 1)
{
    QTextLayout layout(t.text, verseFont(pixelSize));
    QTextOption opt(Qt::AlignHCenter);
    opt.setTextDirection(Qt::RightToLeft);
    opt.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(opt);
    layout.setFormats(t.red);
    Setting s;
    s.pixelSize = pixelSize;
    s.width = width;
    const qreal margin = pixelSize * 2;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        widest = std::max(widest, line.naturalTextWidth());
        s.lineWidths.push_back(line.naturalTextWidth());
        ++s.lines;
    }
    layout.endLayout();
    const int w = int(std::ceil(width + 2 * margin));
    auto render = [&](qreal pitch, int scale) {
        qreal y = margin;
        for (int i = 0; i < layout.lineCount(); ++i) {
            layout.lineAt(i).setPosition(QPointF(margin, y));
            y += pitch;
        }
        QImage img(QSize(w, int(std::ceil(y + layout.lineAt(0).height() + margin))) * scale,
                   QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(scale);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(kInk);
        layout.draw(&p, QPointF(0, 0));
        return img;
    };
    qreal pitch = minPitch * pixelSize;
    if (s.lines > 1) {
        // Far apart: each line's ink lies within its own band.
        const qreal band = layout.lineAt(0).height() + 2 * pixelSize;
        const QImage apart = render(band, 1);
        const int spread = std::clamp(int(std::lround(kSpread * pixelSize)), 1, 4);
        std::vector<std::vector<int>> top(s.lines, std::vector<int>(w, INT_MAX)),
            bottom(s.lines, std::vector<int>(w, INT_MIN));
        for (int y = 0; y < apart.height(); ++y) {
            const int i = std::clamp(int((y - margin + pixelSize) / band), 0, s.lines - 1);
            const int rel = int(y - i * band);
            const QRgb* row = reinterpret_cast<const QRgb*>(apart.constScanLine(y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(row[x]) > kInkAlpha)
                    for (int dx = -spread; dx <= spread; ++dx) {
                        const int xx = std::clamp(x + dx, 0, w - 1);
                        top[i][xx] = std::min(top[i][xx], rel);
                        bottom[i][xx] = std::max(bottom[i][xx], rel);
                    }
        }
        for (int i = 0; i + 1 < s.lines; ++i)
            for (int x = 0; x < w; ++x)
                if (bottom[i][x] != INT_MIN && top[i + 1][x] != INT_MAX)
                    pitch = std::max(pitch, bottom[i][x] - top[i + 1][x] + 1 + gap);
    }
    s.ink = render(pitch, scale);
    inkBounds(s.ink, &s.bounds);
    if (widest > width + 0.5)  // a word that does not fit a line at all
        s.bounds.setWidth(int(s.ink.width()));
    return s;
}

// The largest size at which the verse fits the box. At each size several line
// widths are tried, since they break the lines differently; of those that fit,
// the one whose lines are the most even in length wins.
Setting fitVerse(const VerseText& t, QSizeF box, qreal minPitch, qreal gap)
{
    for (qreal px = kMaxPixelSize; px >= 8; px -= 0.5) {
        Setting best;
        qreal bestRagged = 1e9;
        for (qreal f = 1.0; f >= 0.5; f -= 0.04) {
            Setting s = setVerse(t, px, box.width() * f, minPitch, gap);
            if (s.bounds.width() > box.width() || s.bounds.height() > box.height())
                continue;
            const auto [lo, hi] = std::minmax_element(s.lineWidths.begin(), s.lineWidths.end());
            // The last line may be shorter; the others should be alike.
            qreal ragged = 0;
            for (std::size_t i = 0; i + 1 < s.lineWidths.size(); ++i)
                ragged = std::max(ragged, *hi - s.lineWidths[i]);
            ragged += 0.3 * (*hi - *lo);
            if (ragged < bestRagged) {
                bestRagged = ragged;
                best = std::move(s);
            }
        }
        if (best.lines)
            return best;
    }
    throw std::runtime_error("a verse does not fit its card");
}

void drawCardBorder(QPainter& p, QSize size)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor brown(0x7A, 0x55, 0x22), gold(0xA8, 0x84, 0x3C);
    p.setPen(brown);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(2, 2), size - QSize(5, 5)));
    p.setPen(gold);
    p.drawRect(QRect(QPoint(4, 4), size - QSize(9, 9)));
    // Small diamonds at the corners.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(brown);
    const QPointF corners[] = {{3.5, 3.5}, {size.width() - 3.5, 3.5}, {3.5, size.height() - 3.5},
                               {size.width() - 3.5, size.height() - 3.5}};
    for (QPointF c : corners) {
        QPolygonF d;
        d << c + QPointF(0, -3) << c + QPointF(3, 0) << c + QPointF(0, 3) << c + QPointF(-3, 0);
        p.drawPolygon(d);
    }
}

QImage drawItemPicture(std::string_view key, QSize size, int scale)
{
    const Verse v = verseFor(key);
    const VerseText t = verseText(v);
    QImage card(size * scale, QImage::Format_RGB32);
    card.setDevicePixelRatio(scale);
    card.fill(kParchment);
    QPainter p(&card);
    drawCardBorder(p, size);
    const QRectF box(8, 7, size.width() - 16, size.height() - 14);
    const Setting s = fitVerse(t, box.size(), kMinPitch, kGap);
    if (qEnvironmentVariableIsSet("AYAT_ARTWORK_VERBOSE"))
        std::fprintf(stderr, "%s: %d lines at %.2f px\n", std::string(key).c_str(), s.lines, s.pixelSize);
    const QPointF at = box.center() - QRectF(s.bounds).center();
    // Larger, the same lines are drawn again at the scale, where the 1x ink lies.
    const QImage ink = scale == 1 ? s.ink : setVerse(t, s.pixelSize, s.width, kMinPitch, kGap, scale).ink;
    p.drawImage(QPoint(int(std::lround(at.x())), int(std::lround(at.y()))), ink);
    return card;
}

} // namespace

QImage drawItemCard(std::string_view key, int scale)
{
    const auto a = findAsset(key);
    if (!a)
        throw std::runtime_error("no asset " + std::string(key));
    return drawItemPicture(key, a->size, scale);
}

QImage drawPicture(std::string_view key, int scale)
{
    const auto a = findAsset(key);
    if (!a)
        throw std::runtime_error("no asset " + std::string(key));
    if (key == "placeholder") {
        QImage img(a->size * scale, QImage::Format_RGB32);
        img.setDevicePixelRatio(scale);
        img.fill(QColor(0xE0, 0xC0, 0x8F));
        return img;
    }
    if (key == "CommandButton9" || key == "splashtitle")
        return drawTitle(key, a->size, scale);
    if (key == "splashbook")
        return drawBookEmblem(false, scale);
    if (key == "Image10")
        return drawBookEmblem(true, scale);
    if (key == "main")
        return drawHomeBackground(a->size, scale);
    return drawItemCard(key, scale);
}

} // namespace ayat::art
