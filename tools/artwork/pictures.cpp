// The item pictures: each verse written in Arabic on a parchment card, and the
// dispatch of every picture this generator draws itself.
#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <cmath>
#include <cstdio>
#include <iterator>
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

#include "arabic_layout.h"
#include "art.h"
#include "assets/catalogue.h"
#include "mark_distance.h"
#include "marks.h"
#include "pictures.h"

namespace ayat::art {
namespace {

const QColor kParchment(0xE0, 0xCF, 0x90);
const QColor kInk(0x00, 0x00, 0x00);
const QColor kRed(0xC0, 0x10, 0x10);
// Line setting (see setVerse).
constexpr qreal kSpread = 0.5;
constexpr int kGap = 1;
constexpr qreal kMinPitch = 1.2;
constexpr qreal kWordSpacing = 0.08;  // em, on top of the font's narrow spaces
constexpr qreal kMaxPixelSize = 40;   // where the box leaves room, short verses stop here

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

Verse verseFor(std::string_view pictureKey)
{
    const QString key = QString::fromUtf8(pictureKey.data(), qsizetype(pictureKey.size()));
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
    throw std::runtime_error("no verse for the picture " + std::string(pictureKey));
}

}  // namespace

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

[[noreturn]] void fail(const QString& why) { throw std::runtime_error(why.toStdString()); }

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

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
    QFont f = quranFont(pixelSize);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setWordSpacing(pixelSize * kWordSpacing);
    return f;
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

// What a mark glyph draws, for messages: its combining characters.
QString markName(const PlacedGlyph& g)
{
    return g.marks.isEmpty() ? QStringLiteral("mark glyph %1").arg(g.index) : g.marks.join(QLatin1Char('+'));
}

// The ink of one glyph drawn alone, in the device pixels of a canvas whose
// origin is `origin` card pixels.
std::vector<QPoint> glyphInk(const PlacedGlyph& g, QPointF origin, int scale)
{
    const QRectF box = g.font.boundingRect(g.index).translated(g.position + origin);
    const QRect area = QRectF(box.topLeft() * scale, box.size() * scale).toAlignedRect().adjusted(-2, -2, 2, 2);
    return inkPixels(ArabicLayout::drawGlyphs({g}, area, origin, scale), area.topLeft());
}

// A mark that shaping merged into its letter's glyph: the ink that glyph draws
// beyond the glyph of the letter alone.
std::vector<QPoint> mergedMarkInk(const PlacedGlyph& g, QPointF origin, int scale)
{
    PlacedGlyph bare = g;
    bare.index = g.bare;
    std::vector<QPoint> with = glyphInk(g, origin, scale), without = glyphInk(bare, origin, scale), only;
    auto order = [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); };
    std::sort(with.begin(), with.end(), order);
    std::sort(without.begin(), without.end(), order);
    std::set_difference(with.begin(), with.end(), without.begin(), without.end(), std::back_inserter(only), order);
    return only;
}

// One line as the mark rule measures it; `drawn` is the line as drawn on a
// canvas of `canvas` card pixels with the layout's origin at `origin`. A
// letter's glyph that draws a mark too counts as the letter alone.
LineInk lineInk(const ArabicLayout& layout, int line, const QImage& drawn, QPointF origin, int scale)
{
    LineInk ink;
    ink.all = InkDistance(drawn);
    std::vector<PlacedGlyph> letters;
    for (const PlacedGlyph& g : layout.glyphs(line)) {
        const QString& word = layout.words()[g.word];
        if (g.mark) {
            ink.marks.push_back({glyphInk(g, origin, scale), markName(g), word});
        } else if (!g.marks.isEmpty()) {
            ink.marks.push_back({mergedMarkInk(g, origin, scale), markName(g), word});
            letters.push_back(g);
            letters.back().index = g.bare;
        } else {
            letters.push_back(g);
        }
    }
    ink.letters = InkDistance(ArabicLayout::drawGlyphs(letters, drawn.rect(), origin, scale));
    return ink;
}

// One verse laid out at one size and line width, in card pixels.
struct Setting {
    std::shared_ptr<ArabicLayout> layout;
    qreal pixelSize = 0;
    int lines = 0;
    std::vector<int> lineTops;  // whole pixels, so that every line is rasterized alike
    QRect bounds;               // of the ink of all lines, with line 0 drawn at `origin`
    QPointF origin;
    std::vector<qreal> lineWidths;
};

// The lines of a setting drawn alone at the top, as the line rules measure them.
struct LineMeasures {
    std::vector<Profile> profiles;
    std::vector<LineInk> inks[2];  // at scales 1 and 2; empty without the mark rule
};

LineMeasures measureLines(const Setting& s, qreal width, bool marks)
{
    const ArabicLayout& layout = *s.layout;
    const QSize canvas(int(std::ceil(width + 2 * s.origin.x())),
                       int(std::ceil(layout.lineHeight(0) + 2 * s.origin.y())));
    LineMeasures m;
    for (int i = 0; i < s.lines; ++i) {
        const QImage drawn = layout.drawLine(i, canvas, s.origin, 1, kInk);
        m.profiles.push_back(profileOf(drawn));
        if (!marks)
            continue;
        m.inks[0].push_back(lineInk(layout, i, drawn, s.origin, 1));
        m.inks[1].push_back(lineInk(layout, i, layout.drawLine(i, canvas, s.origin, 2, kInk), s.origin, 2));
    }
    return m;
}

// Whether line j may lie at `y` below lines 0 to j - 1 at `tops`: kGap clear
// rows between their ink, kSpread em to either side; and, with the mark rule,
// every mark of lines 0 to j nearer its own line, at both scales.
bool lineFits(const LineMeasures& m, std::vector<int> tops, int y, qreal pixelSize, WorstMark* worst)
{
    const int j = int(tops.size());
    const int spread = std::clamp(int(std::lround(kSpread * pixelSize)), 1, 12);
    for (int i = 0; i < j; ++i)
        if (clearRows(m.profiles[i], m.profiles[j], y - tops[i], spread) < kGap)
            return false;
    if (m.inks[0].empty())
        return true;
    tops.push_back(y);
    for (int scale = 1; scale <= 2; ++scale) {
        std::vector<int> shifts;
        for (int t : tops)
            shifts.push_back(t * scale);
        *worst = worstMark(std::span(m.inks[scale - 1]).first(j + 1), shifts, scale);
        if (!worst->passes())
            return false;
    }
    return true;
}

// Lays the verse out at one size and line width; nullopt if a word does not fit
// the line, or if a mark stays nearer to another line however far apart the
// lines are set. Each line comes as close to the lines above it as the line
// rules allow (lineFits), never closer than kMinPitch em to the one before.
std::optional<Setting> setVerse(const VerseText& t, qreal pixelSize, qreal width, bool markRule, WorstMark* worst)
{
    Setting s;
    s.layout = std::make_shared<ArabicLayout>(t.text, verseFont(pixelSize), width, t.red);
    const ArabicLayout& layout = *s.layout;
    s.pixelSize = pixelSize;
    s.lines = layout.lineCount();
    for (int i = 0; i < s.lines; ++i) {
        if (layout.naturalWidth(i) > width + 0.5)
            return std::nullopt;
        s.lineWidths.push_back(layout.naturalWidth(i));
    }
    const qreal margin = pixelSize * 2;
    s.origin = QPointF(margin, margin);
    const LineMeasures m = measureLines(s, width, markRule);
    for (int j = 0; j < s.lines; ++j) {
        const int least = j == 0 ? 0 : s.lineTops.back() + int(std::ceil(kMinPitch * pixelSize));
        int y = least;
        while (!lineFits(m, s.lineTops, y, pixelSize, worst))
            if (++y > least + 4 * pixelSize)
                return std::nullopt;
        s.lineTops.push_back(y);
        s.layout->setLineTop(j, y);
        s.bounds |= m.profiles[j].bounds.translated(0, y);
    }
    return s;
}

// The largest size at which the verse fits the box. At each size several line
// widths are tried, since they break the lines differently; of those that fit,
// the one whose lines are the most even in length wins. The mark rule only
// ever sets lines further apart, so a setting that does not fit without it is
// not tried with it.
Setting fitVerse(const VerseText& t, QSizeF box, const QString& key)
{
    WorstMark worst;
    auto fits = [&](const std::optional<Setting>& s) {
        return s && s->bounds.width() <= box.width() && s->bounds.height() <= box.height();
    };
    for (qreal px = kMaxPixelSize; px >= 8; px -= 0.25) {
        std::optional<Setting> best;
        qreal bestRagged = 1e9;
        for (qreal f = 1.0; f >= 0.5; f -= 0.04) {
            if (!fits(setVerse(t, px, box.width() * f, false, &worst)))
                continue;
            std::optional<Setting> s = setVerse(t, px, box.width() * f, true, &worst);
            if (!fits(s))
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
    if (worst.mark)
        fail(QStringLiteral("%1: the verse does not fit its card with every mark nearest its own line; %2")
                 .arg(key, describeMark(worst)));
    fail(QStringLiteral("%1: the verse does not fit its card").arg(key));
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
    const QPointF corners[] = {
        {3.5, 3.5}, {size.width() - 3.5, 3.5}, {3.5, size.height() - 3.5}, {size.width() - 3.5, size.height() - 3.5}};
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
    requireQuranGlyphs(t.text);
    const QRect box(8, 7, a->size.width() - 16, a->size.height() - 14);
    CardLayout c{a->size, box, fitVerse(t, box.size(), qs(key))};
    return cache.emplace(std::string(key), std::move(c)).first->second;
}

}  // namespace

QImage drawItemCard(std::string_view key, int scale, CardFacts* facts)
{
    if (scale != 1 && scale != 2)
        throw std::runtime_error("an item picture is drawn at scale 1 or 2");
    const CardLayout& c = cardLayout(key);
    const Setting& s = c.setting;
    s.layout->requireQuranGlyphRuns();
    // The ink centred in the box, moved by whole card pixels.
    const QPointF centre = QRectF(c.box).center() - QRectF(s.bounds).center();
    const QPointF origin = s.origin + QPointF(std::round(centre.x()), std::round(centre.y()));

    std::vector<QImage> lines;
    std::vector<Profile> profiles;
    std::vector<LineInk> inks;
    // A glyph's edge that stays below ink at 1x may reach into the next pixel at
    // 2x: the ink keeps a pixel's clearance more (the frames lie 3 pixels away).
    const QRect within = c.box.adjusted(-1, -1, 1, 1);
    const QRect box(within.topLeft() * scale, within.size() * scale);
    for (int i = 0; i < s.lines; ++i) {
        lines.push_back(s.layout->drawLine(i, c.size, origin, scale, kInk));
        profiles.push_back(profileOf(lines.back()));
        inks.push_back(lineInk(*s.layout, i, lines.back(), origin, scale));
        if (!box.contains(profiles.back().bounds))
            fail(QStringLiteral("%1: line %2 reaches past the card's border").arg(qs(key)).arg(i + 1));
    }
    // Measured on what is drawn: no ink of one line within a pixel (diagonals
    // included) of the ink of another, and every mark nearest its own line.
    int smallest = INT_MAX;
    for (int i = 0; i < s.lines; ++i)
        for (int j = i + 1; j < s.lines; ++j)
            smallest = std::min(smallest, clearRows(profiles[i], profiles[j], 0, 1));
    if (smallest < 1)
        fail(QStringLiteral("%1: the ink of two lines touches at scale %2").arg(qs(key)).arg(scale));
    const WorstMark worst = worstMark(inks, std::vector<int>(inks.size(), 0), scale);
    if (!worst.passes())
        fail(QStringLiteral("%1 at scale %2: a mark lies nearer to another line than to its own: %3")
                 .arg(qs(key))
                 .arg(scale)
                 .arg(describeMark(worst)));
    if (facts) {
        *facts = {s.pixelSize * scale, s.lines, smallest == INT_MAX ? -1 : smallest, worst.ratio(),
                  describeMark(worst)};
        if (!worst.mark)
            facts->worstRatio = 0;
    }

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

}  // namespace ayat::art
