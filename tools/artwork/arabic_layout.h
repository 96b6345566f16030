#pragma once
// Arabic set right to left in the Quran font: the one layout behind the item
// pictures' verses, the book emblem's calligraphy and the home background's
// basmala.
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <QTextLayout>

namespace ayat::art {

extern const QString kQuranFamily;

// The Quran font at a fractional pixel size (at 96 dpi), from its unhinted
// outlines.
QFont quranFont(qreal pixelSize);

// Refuses text of which any character would be drawn by another font than the
// Quran font: every code point needs a glyph of that font itself. Names the
// code point and its word.
void requireQuranGlyphs(const QString& text);

// One glyph of a laid-out line, positioned in layout coordinates.
struct PlacedGlyph {
    QRawFont font;
    quint32 index = 0;
    QPointF position;
    bool mark = false;  // the font classes it as a combining mark
    int word = 0;       // which word of ArabicLayout::words() it belongs to
    // The combining marks of the text that this glyph draws ("U+064E"): found
    // by shaping its word without each mark in turn and seeing which glyph
    // goes or changes. A letter's glyph may draw one too (an alef and its
    // madda are one glyph); `bare` is then the glyph of the letter alone.
    QStringList marks;
    quint32 bare = 0;
};

// `text` broken into lines at most `lineWidth` wide, each centred in that width,
// read right to left. Words are separated by spaces or no-break spaces.
class ArabicLayout {
public:
    ArabicLayout(const QString& text, const QFont& font, qreal lineWidth,
                 const QList<QTextLayout::FormatRange>& formats = {});

    int lineCount() const { return layout_->lineCount(); }
    qreal naturalWidth(int line) const { return layout_->lineAt(line).naturalTextWidth(); }
    qreal lineHeight(int line) const { return layout_->lineAt(line).height(); }
    // Places a line's top at `y`; every line starts at 0.
    void setLineTop(int line, qreal y) { layout_->lineAt(line).setPosition(QPointF(0, y)); }

    // One line alone on a transparent canvas of `canvas` pixels, drawn at `scale`
    // device pixels per pixel with the layout's origin at `origin` (in pixels).
    QImage drawLine(int line, QSize canvas, QPointF origin, int scale, const QColor& pen = Qt::black) const;
    // Only the given glyphs, likewise, on the part `area` (in device pixels) of
    // such a canvas.
    static QImage drawGlyphs(const std::vector<PlacedGlyph>& glyphs, QRect area, QPointF origin, int scale);
    // Every glyph of one line, in visual order.
    std::vector<PlacedGlyph> glyphs(int line) const;
    const QStringList& words() const { return words_; }
    // The outlines of every glyph, as one path.
    QPainterPath outline() const;
    // Refuses a layout that shaped any character with another font or to the
    // Quran font's empty box.
    void requireQuranGlyphRuns() const;

private:
    std::shared_ptr<QTextLayout> layout_;
    QStringList words_;
    std::vector<int> wordStarts_;
};

}  // namespace ayat::art
