// The item pictures: each verse written in Arabic on a parchment card, and the
// dispatch of every picture this generator draws itself.
#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <optional>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <QFile>
#include <QFont>
#include <QGlyphRun>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include "art.h"
#include "assets/catalogue.h"
#include "marks.h"
#include "pictures.h"

namespace ayat::art {
namespace {

const QColor kParchment(0xE0, 0xCF, 0x90);
const QColor kInk(0x00, 0x00, 0x00);
const QColor kRed(0xC0, 0x10, 0x10);
// Line setting (see setVerse). A pixel whose alpha is above kInkAlpha is ink.
constexpr int kInkAlpha = 8;
constexpr qreal kSpread = 0.5;
constexpr int kGap = 1;
constexpr qreal kMinPitch = 1.2;
constexpr qreal kWordSpacing = 0.08;  // em, on top of the font's narrow spaces
constexpr qreal kMaxPixelSize = 40;  // where the box leaves room, short verses stop here

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

const QString kQuranFamily = QStringLiteral("Amiri Quran");

QString codePointName(char32_t cp) { return QStringLiteral("U+%1").arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper(); }

[[noreturn]] void fail(const QString& why) { throw std::runtime_error(why.toStdString()); }

// Refuses text of which any character would be drawn by another font than the
// Quran font: every code point needs a glyph of that font itself.
void requireQuranGlyphs(const QString& text, const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != kQuranFamily)
        fail(QStringLiteral("the font %1 is not installed (%2 would draw the verse)").arg(kQuranFamily, raw.familyName()));
    const QList<uint> cps = text.toUcs4();
    for (qsizetype i = 0; i < cps.size(); ++i)
        if (!raw.supportsCharacter(cps[i])) {
            const qsizetype from = text.lastIndexOf(QLatin1Char(' '), i) + 1;
            qsizetype to = text.indexOf(QLatin1Char(' '), i);
            if (to < 0)
                to = text.size();
            fail(QStringLiteral("%1 (in \"%2\") has no glyph in %3; another font would draw it")
                     .arg(codePointName(cps[i]), text.mid(from, to - from), kQuranFamily));
        }
}

// After shaping: every glyph comes from the Quran font and none is its empty box.
void requireQuranGlyphRuns(const QTextLayout& layout)
{
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.rawFont().familyName() != kQuranFamily)
            fail(QStringLiteral("part of the verse is drawn in %1, not %2").arg(run.rawFont().familyName(), kQuranFamily));
        for (quint32 g : run.glyphIndexes())
            if (g == 0)
                fail(QStringLiteral("the verse shapes to a missing glyph of %1").arg(kQuranFamily));
    }
}

struct VerseText {
    QString text;  // as drawn: the open tanween mapped, the medallion appended
    QList<QTextLayout::FormatRange> red;
};

VerseText verseText(const Verse& v)
{
    VerseText t;
    t.text = marksForDrawing(v.arabic);
    if (v.partial)  // an ellipsis of the Quran font's own full stops
        t.text += QStringLiteral("\u00A0...");
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
    QFont f(kQuranFamily);
    f.setPixelSize(1);
    f.setPointSizeF(pixelSize * 0.75);  // 96 dpi: fractional pixel sizes
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setWordSpacing(pixelSize * kWordSpacing);
    return f;
}

// One line of a layout drawn alone, transparent elsewhere, at `scale` device
// pixels per card pixel; `origin` is in card pixels.
QImage drawLine(const QTextLayout& layout, int i, QSize canvas, QPointF origin, int scale)
{
    QImage img(canvas * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    p.setPen(kInk);
    layout.lineAt(i).draw(&p, origin);
    return img;
}

// Where a line's ink lies: per pixel column its highest and lowest inked row.
struct Profile {
    std::vector<int> top, bottom;
    QRect bounds;
};

Profile profileOf(const QImage& img)
{
    Profile pr{std::vector<int>(img.width(), INT_MAX), std::vector<int>(img.width(), INT_MIN), {}};
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(row[x]) > kInkAlpha) {
                pr.top[x] = std::min(pr.top[x], y);
                pr.bottom[x] = std::max(pr.bottom[x], y);
            }
    }
    inkBounds(img, &pr.bounds);
    return pr;
}

// The fewest clear pixel rows between the ink of `upper` and that of `lower`
// moved down by `shift`, comparing columns up to `spread` apart; INT_MAX where
// the two never share a column.
int clearRows(const Profile& upper, const Profile& lower, int shift, int spread)
{
    int gap = INT_MAX;
    const int w = int(upper.top.size());
    for (int x = 0; x < w; ++x) {
        if (upper.bottom[x] == INT_MIN)
            continue;
        for (int xx = std::max(0, x - spread); xx <= std::min(w - 1, x + spread); ++xx)
            if (lower.top[xx] != INT_MAX)
                gap = std::min(gap, lower.top[xx] + shift - upper.bottom[x] - 1);
    }
    return gap;
}

// One verse laid out at one size and line width, in card pixels.
struct Setting {
    std::shared_ptr<QTextLayout> layout;
    qreal pixelSize = 0;
    int lines = 0;
    std::vector<int> lineTops;  // whole pixels, so that every line is rasterized alike
    QRect bounds;  // of the ink of all lines, with line 0 drawn at `origin`
    QPointF origin;
    std::vector<qreal> lineWidths;
};

// Lays the verse out at one size and line width; nullopt if a word does not fit
// the line. Each line comes as close to the lines above it as keeps kGap clear
// rows between their ink, also kSpread em to either side, so that the high marks
// of one line do not slip into the word spaces of the line above; a line is
// never closer than kMinPitch em to the one before.
std::optional<Setting> setVerse(const VerseText& t, qreal pixelSize, qreal width)
{
    Setting s;
    s.layout = std::make_shared<QTextLayout>(t.text, verseFont(pixelSize));
    QTextLayout& layout = *s.layout;
    QTextOption opt(Qt::AlignHCenter);
    opt.setTextDirection(Qt::RightToLeft);
    opt.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(opt);
    layout.setFormats(t.red);
    s.pixelSize = pixelSize;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
        if (line.naturalTextWidth() > width + 0.5)
            return std::nullopt;
        s.lineWidths.push_back(line.naturalTextWidth());
        ++s.lines;
    }
    layout.endLayout();
    const qreal margin = pixelSize * 2;
    s.origin = QPointF(margin, margin);
    const QSize canvas(int(std::ceil(width + 2 * margin)), int(std::ceil(layout.lineAt(0).height() + 2 * margin)));
    std::vector<Profile> profiles;
    for (int i = 0; i < s.lines; ++i)
        profiles.push_back(profileOf(drawLine(layout, i, canvas, s.origin, 1)));
    const int spread = std::clamp(int(std::lround(kSpread * pixelSize)), 1, 12);
    int y = 0;
    for (int j = 0; j < s.lines; ++j) {
        if (j > 0)
            y = s.lineTops.back() + int(std::ceil(kMinPitch * pixelSize));
        for (int i = 0; i < j; ++i)
            while (clearRows(profiles[i], profiles[j], y - s.lineTops[i], spread) < kGap)
                ++y;
        s.lineTops.push_back(y);
        layout.lineAt(j).setPosition(QPointF(0, y));
        s.bounds |= profiles[j].bounds.translated(0, y);
    }
    return s;
}

// The largest size at which the verse fits the box. At each size several line
// widths are tried, since they break the lines differently; of those that fit,
// the one whose lines are the most even in length wins.
Setting fitVerse(const VerseText& t, QSizeF box)
{
    for (qreal px = kMaxPixelSize; px >= 8; px -= 0.25) {
        std::optional<Setting> best;
        qreal bestRagged = 1e9;
        for (qreal f = 1.0; f >= 0.5; f -= 0.04) {
            std::optional<Setting> s = setVerse(t, px, box.width() * f);
            if (!s || s->bounds.width() > box.width() || s->bounds.height() > box.height())
                continue;
            const auto [lo, hi] = std::minmax_element(s->lineWidths.begin(), s->lineWidths.end());
            // The last line may be shorter; the others should be alike.
            qreal ragged = 0;
            for (std::size_t i = 0; i + 1 < s->lineWidths.size(); ++i)
                ragged = std::max(ragged, *hi - s->lineWidths[i]);
            ragged += 0.3 * (*hi - *lo);
            if (ragged < bestRagged) {
                bestRagged = ragged;
                best = std::move(s);
            }
        }
        if (best)
            return *best;
    }
    throw std::runtime_error("a verse does not fit its card");
}

// The two frames and the corner diamonds, in card pixels (any scale).
void drawCardBorder(QPainter& p, QSize size)
{
    const QColor brown(0x7A, 0x55, 0x22), gold(0xA8, 0x84, 0x3C);
    auto frame = [&](int inset, const QColor& c) {
        const int w = size.width() - 2 * inset, h = size.height() - 2 * inset;
        p.fillRect(QRect(inset, inset, w, 1), c);
        p.fillRect(QRect(inset, inset + h - 1, w, 1), c);
        p.fillRect(QRect(inset, inset, 1, h), c);
        p.fillRect(QRect(inset + w - 1, inset, 1, h), c);
    };
    frame(2, brown);
    frame(4, gold);
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

// A card's verse set once at 1x: every scale draws this same setting.
struct CardLayout {
    QSize size;
    QRect box;
    Setting setting;
};

const CardLayout& cardLayout(std::string_view key)
{
    static std::map<std::string, CardLayout, std::less<>> cache;
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    const auto a = findAsset(key);
    if (!a)
        throw std::runtime_error("no asset " + std::string(key));
    const VerseText t = verseText(verseFor(key));
    requireQuranGlyphs(t.text, verseFont(20));
    const QRect box(8, 7, a->size.width() - 16, a->size.height() - 14);
    CardLayout c{a->size, box, fitVerse(t, box.size())};
    return cache.emplace(std::string(key), std::move(c)).first->second;
}

} // namespace

QImage drawItemCard(std::string_view key, int scale, CardFacts* facts)
{
    if (scale != 1 && scale != 2)
        throw std::runtime_error("an item picture is drawn at scale 1 or 2");
    const CardLayout& c = cardLayout(key);
    const Setting& s = c.setting;
    requireQuranGlyphRuns(*s.layout);
    // The ink centred in the box, moved by whole card pixels.
    const QPointF centre = QRectF(c.box).center() - QRectF(s.bounds).center();
    const QPointF origin = s.origin + QPointF(std::round(centre.x()), std::round(centre.y()));

    std::vector<QImage> lines;
    std::vector<Profile> profiles;
    // A glyph's edge that stays below ink at 1x may reach into the next pixel at
    // 2x: the ink keeps a pixel's clearance more (the frames lie 3 pixels away).
    const QRect within = c.box.adjusted(-1, -1, 1, 1);
    const QRect box(within.topLeft() * scale, within.size() * scale);
    for (int i = 0; i < s.lines; ++i) {
        lines.push_back(drawLine(*s.layout, i, c.size, origin, scale));
        profiles.push_back(profileOf(lines.back()));
        if (!box.contains(profiles.back().bounds))
            fail(QStringLiteral("%1: line %2 reaches past the card's border").arg(QString::fromUtf8(key.data(), qsizetype(key.size()))).arg(i + 1));
    }
    // Measured on what is drawn: no ink of one line within a pixel (diagonals
    // included) of the ink of another.
    int smallest = INT_MAX;
    for (int i = 0; i < s.lines; ++i)
        for (int j = i + 1; j < s.lines; ++j)
            smallest = std::min(smallest, clearRows(profiles[i], profiles[j], 0, 1));
    if (smallest < 1)
        fail(QStringLiteral("%1: the ink of two lines touches at scale %2")
                 .arg(QString::fromUtf8(key.data(), qsizetype(key.size())))
                 .arg(scale));
    if (facts)
        *facts = {s.pixelSize * scale, s.lines, smallest == INT_MAX ? -1 : smallest};

    QImage card(c.size * scale, QImage::Format_RGB32);
    card.fill(kParchment);
    QPainter p(&card);
    p.scale(scale, scale);
    drawCardBorder(p, c.size);
    p.resetTransform();
    for (const QImage& line : lines)
        p.drawImage(0, 0, line);
    return card;
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
