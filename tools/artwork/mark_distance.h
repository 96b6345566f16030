#pragma once
// Which line a mark reads with. A reader gives each mark (a vowel sign, a
// tanween, a shadda, a small alef, a pause mark...) to the letters nearest to
// it, so every mark's own line must lie nearer to it than any other line.
//
// Measured on pixels. A pixel is ink where its alpha is above kInkAlpha, and
// the distance between two ink pixels is the distance between their centres (1
// for neighbours). For one mark:
//   own   = the least distance from the mark's ink to the ink of the base
//           letters of its own line (its own line's other marks do not count);
//   other = the least distance from the mark's ink to any ink, base letters and
//           marks alike, of any other line;
//   ratio = own / other, which must stay below kMarkRatio.
// kMarkRatio keeps a margin below 1: a mark about as far from both lines (the
// faintest edge pixels decide a tie) still floats between them to the eye.
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace ayat::art {

constexpr int kInkAlpha = 8;
constexpr double kMarkRatio = 0.8;  // the other line at least 1.25 times as far

// The pixels of `img` that are ink, offset by `origin`.
std::vector<QPoint> inkPixels(const QImage& img, QPoint origin = {});

// From every pixel of an image, the exact distance to the nearest ink pixel.
class InkDistance {
public:
    InkDistance() = default;
    explicit InkDistance(const QImage& img);
    // Infinite where the image has no ink. Beyond the image's edge the distance
    // to the ink's bounding box stands in for it: never more than the truth.
    double at(QPoint p) const;
    // The least distance from any of `pixels`, each moved by `offset`.
    double nearest(const std::vector<QPoint>& pixels, QPoint offset = {}) const;

private:
    int w_ = 0, h_ = 0;
    std::vector<float> squared_;
    QRect bounds_;
};

// One mark's ink, in the device pixels of its line's drawing.
struct MarkInk {
    std::vector<QPoint> pixels;
    QString mark;  // its code point(s), "U+0670"
    QString word;  // the word it belongs to
};

// One line drawn alone: where its base letters and all its ink lie, and its marks.
struct LineInk {
    InkDistance letters;
    InkDistance all;
    std::vector<MarkInk> marks;
};

// The mark whose ratio is the highest.
struct WorstMark {
    double own = 0, other = std::numeric_limits<double>::infinity();
    int line = -1;  // -1: no mark at all
    int otherLine = -1;
    const MarkInk* mark = nullptr;
    double ratio() const { return other > 0 ? own / other : std::numeric_limits<double>::infinity(); }
    bool passes() const { return line < 0 || ratio() < kMarkRatio; }
};

// Every mark of `lines`, line k drawn moved down by shifts[k] device pixels;
// distances are divided by `scale` (device pixels per card pixel).
WorstMark worstMark(std::span<const LineInk> lines, const std::vector<int>& shifts, int scale);
// "U+06DA of <word> on line 2: 2.0 px from its own line, 1.5 px from line 1 (ratio 1.333)"
QString describeMark(const WorstMark& w);

}  // namespace ayat::art
