// Arabic set right to left in the Quran font, for every picture that writes it.
#include "arabic_layout.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include <QGlyphRun>
#include <QPainter>

namespace ayat::art {

const QString kQuranFamily = QStringLiteral("Amiri Quran");

namespace {

[[noreturn]] void fail(const QString& why) { throw std::runtime_error(why.toStdString()); }

QString codePointName(char32_t cp) { return QStringLiteral("U+%1").arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper(); }

bool isWordBreak(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x00A0); }

quint16 be16(const QByteArray& t, qsizetype at)
{
    if (at < 0 || at + 2 > t.size())
        return 0;
    return quint16((uchar(t[at]) << 8) | uchar(t[at + 1]));
}

// The glyph classes of a font's GDEF table (1 base, 2 ligature, 3 mark,
// 4 component), by glyph index; glyphs it does not list have class 0.
std::vector<quint8> glyphClasses(const QRawFont& font)
{
    const QByteArray gdef = font.fontTable("GDEF");
    const qsizetype def = be16(gdef, 4);
    std::vector<quint8> classes;
    auto set = [&](quint32 glyph, quint16 c) {
        if (glyph >= classes.size())
            classes.resize(glyph + 1, 0);
        classes[glyph] = quint8(c);
    };
    if (def == 0)
        return classes;
    if (be16(gdef, def) == 1) {
        const quint16 first = be16(gdef, def + 2), count = be16(gdef, def + 4);
        for (quint16 i = 0; i < count; ++i)
            set(first + i, be16(gdef, def + 6 + 2 * i));
    } else if (be16(gdef, def) == 2) {
        const quint16 ranges = be16(gdef, def + 2);
        for (quint16 r = 0; r < ranges; ++r) {
            const qsizetype rec = def + 4 + 6 * r;
            for (quint32 g = be16(gdef, rec); g <= be16(gdef, rec + 2); ++g)
                set(g, be16(gdef, rec + 4));
        }
    }
    return classes;
}

bool isMarkGlyph(const QRawFont& font, quint32 glyph)
{
    static std::map<QString, std::vector<quint8>> cache;
    const QString key = font.familyName() + QLatin1Char('/') + font.styleName();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, glyphClasses(font)).first;
    return glyph < it->second.size() && it->second[glyph] == 3;
}

// The glyphs of a word shaped alone, in visual order.
QList<quint32> shapeWord(const QString& word, const QFont& font)
{
    QTextLayout layout(word, font);
    QTextOption opt;
    opt.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(opt);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns())
        glyphs += run.glyphIndexes();
    return glyphs;
}

// Per glyph of a word (shaped alone), the combining marks it draws, and the
// glyph it has without them. Shaped without one mark, the word loses the mark
// glyph that drew it, or one mark glyph changes (a shadda and its vowel drawn
// as one), or else one letter's glyph changes (an alef and its madda). Other
// letters may change their shape too, making room for marks: they do not count.
struct WordMarks {
    QList<quint32> glyphs;
    std::vector<QStringList> marks;
    std::vector<quint32> bare;
};

// The positions in `glyphs` of those that are marks (or are not).
std::vector<qsizetype> positionsOf(const QList<quint32>& glyphs, const QRawFont& font, bool marks)
{
    std::vector<qsizetype> out;
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        if (isMarkGlyph(font, glyphs[i]) == marks)
            out.push_back(i);
    return out;
}

// Where `without` (one glyph fewer, or as many) first parts from `with`, both
// read at the given positions; -1 if nowhere, or in more than one place where
// both have as many.
qsizetype parting(const QList<quint32>& with, const std::vector<qsizetype>& at, const QList<quint32>& without,
                  const std::vector<qsizetype>& at2)
{
    std::vector<qsizetype> differ;
    for (std::size_t i = 0; i < at.size(); ++i)
        if (i >= at2.size() || with[at[i]] != without[at2[i]]) {
            if (at2.size() < at.size())
                return at[i];
            differ.push_back(at[i]);
        }
    return differ.size() == 1 ? differ.front() : -1;
}

const WordMarks& wordMarks(const QString& word, const QFont& font)
{
    static std::map<QString, WordMarks> cache;
    if (auto it = cache.find(word); it != cache.end())
        return it->second;
    const QRawFont raw = QRawFont::fromFont(font);
    WordMarks wm{shapeWord(word, font), {}, {}};
    wm.marks.resize(wm.glyphs.size());
    wm.bare.assign(wm.glyphs.begin(), wm.glyphs.end());
    const std::vector<qsizetype> marks = positionsOf(wm.glyphs, raw, true),
                                 letters = positionsOf(wm.glyphs, raw, false);
    for (qsizetype k = 0; k < word.size(); ++k) {
        if (word[k].category() != QChar::Mark_NonSpacing)
            continue;
        const QList<quint32> without = shapeWord(QString(word).remove(k, 1), font);
        qsizetype at = parting(wm.glyphs, marks, without, positionsOf(without, raw, true));
        if (at < 0 && positionsOf(without, raw, true).size() == marks.size()) {
            const std::vector<qsizetype> letters2 = positionsOf(without, raw, false);
            at = letters2.size() == letters.size() ? parting(wm.glyphs, letters, without, letters2) : -1;
            if (at >= 0)
                wm.bare[at] = without[letters2[std::find(letters.begin(), letters.end(), at) - letters.begin()]];
        }
        if (at < 0)
            continue;
        // Among like mark glyphs in a row, which went is unknown: the marks are
        // met in text order, so the first one not yet given its mark.
        for (auto m = std::find(marks.begin(), marks.end(), at);
             m != marks.begin() && wm.glyphs[*(m - 1)] == wm.glyphs[at] && wm.marks[*(m - 1)].isEmpty();)
            at = *--m;
        wm.marks[at] << codePointName(word[k].unicode());
    }
    return cache.emplace(word, std::move(wm)).first->second;
}

QImage transparentCanvas(QSize canvas, int scale)
{
    QImage img(canvas * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

}  // namespace

QFont quranFont(qreal pixelSize)
{
    QFont f(kQuranFamily);
    f.setPixelSize(1);
    f.setPointSizeF(pixelSize * 0.75);  // 96 dpi: fractional pixel sizes
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void requireQuranGlyphs(const QString& text)
{
    const QRawFont raw = QRawFont::fromFont(quranFont(20));
    if (!raw.isValid() || raw.familyName() != kQuranFamily)
        fail(QStringLiteral("the font %1 is not installed (%2 would draw the verse)")
                 .arg(kQuranFamily, raw.familyName()));
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

ArabicLayout::ArabicLayout(const QString& text, const QFont& font, qreal lineWidth,
                           const QList<QTextLayout::FormatRange>& formats)
    : layout_(std::make_shared<QTextLayout>(text, font))
{
    QTextOption opt(Qt::AlignHCenter);
    opt.setTextDirection(Qt::RightToLeft);
    opt.setWrapMode(QTextOption::WordWrap);
    layout_->setTextOption(opt);
    layout_->setFormats(formats);
    layout_->beginLayout();
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, 0));
    }
    layout_->endLayout();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!isWordBreak(text[i]) && (i == 0 || isWordBreak(text[i - 1])))
            wordStarts_.push_back(int(i));
    for (std::size_t w = 0; w < wordStarts_.size(); ++w) {
        qsizetype end = wordStarts_[w];
        while (end < text.size() && !isWordBreak(text[end]))
            ++end;
        words_ << text.mid(wordStarts_[w], end - wordStarts_[w]);
    }
}

QImage ArabicLayout::drawLine(int line, QSize canvas, QPointF origin, int scale, const QColor& pen) const
{
    QImage img = transparentCanvas(canvas, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    p.setPen(pen);
    layout_->lineAt(line).draw(&p, origin);
    return img;
}

QImage ArabicLayout::drawGlyphs(const std::vector<PlacedGlyph>& glyphs, QRect area, QPointF origin, int scale)
{
    QImage img(area.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(-area.topLeft());
    p.scale(scale, scale);
    p.setPen(Qt::black);
    for (const PlacedGlyph& g : glyphs) {
        QGlyphRun run;
        run.setRawFont(g.font);
        run.setGlyphIndexes({g.index});
        run.setPositions({g.position});
        p.drawGlyphRun(origin, run);
    }
    return img;
}

std::vector<PlacedGlyph> ArabicLayout::glyphs(int line) const
{
    const QTextLine l = layout_->lineAt(line);
    std::vector<PlacedGlyph> out;
    for (std::size_t w = 0; w < wordStarts_.size(); ++w) {
        if (wordStarts_[w] < l.textStart() || wordStarts_[w] >= l.textStart() + l.textLength())
            continue;
        const std::size_t first = out.size();
        for (const QGlyphRun& run : l.glyphRuns(wordStarts_[w], int(words_[int(w)].size()))) {
            const auto indexes = run.glyphIndexes();
            const auto positions = run.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i)
                out.push_back({run.rawFont(),
                               indexes[i],
                               positions[i],
                               isMarkGlyph(run.rawFont(), indexes[i]),
                               int(w),
                               {},
                               indexes[i]});
        }
        // The word shaped alone gives the same glyphs; which marks they draw.
        const QFont font = layout_->font();
        const WordMarks& wm = wordMarks(words_[int(w)], font);
        if (wm.glyphs.size() != qsizetype(out.size() - first))
            continue;
        for (std::size_t i = first; i < out.size(); ++i)
            if (out[i].index == wm.glyphs[qsizetype(i - first)]) {
                out[i].marks = wm.marks[i - first];
                out[i].bare = wm.bare[i - first];
            }
    }
    return out;
}

QPainterPath ArabicLayout::outline() const
{
    QPainterPath path;
    for (const QGlyphRun& run : layout_->glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const auto glyphs = run.glyphIndexes();
        const auto positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            path.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

void ArabicLayout::requireQuranGlyphRuns() const
{
    for (const QGlyphRun& run : layout_->glyphRuns()) {
        if (run.rawFont().familyName() != kQuranFamily)
            fail(QStringLiteral("part of the text is drawn in %1, not %2")
                     .arg(run.rawFont().familyName(), kQuranFamily));
        for (quint32 g : run.glyphIndexes())
            if (g == 0)
                fail(QStringLiteral("the text shapes to a missing glyph of %1").arg(kQuranFamily));
    }
}

}  // namespace ayat::art
