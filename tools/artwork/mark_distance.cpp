// Distances between ink, for telling which line a mark reads with.
#include "mark_distance.h"

#include <algorithm>

#include <QString>

namespace ayat::art {
namespace {

constexpr double kFar = 1e20;

// The squared distance transform of one row or column (Felzenszwalb and
// Huttenlocher): f[q] becomes the least f[p] + (q - p)^2 over every p, the
// lower envelope of the parabolas rooted at each p.
void transform1d(std::vector<double>& f)
{
    const int n = int(f.size());
    std::vector<int> v(n);         // the parabolas of the envelope
    std::vector<double> z(n + 1);  // where each one takes over
    int k = 0;
    v[0] = 0;
    z[0] = -kFar;
    z[1] = kFar;
    auto meet = [&](int q, int p) { return ((f[q] + double(q) * q) - (f[p] + double(p) * p)) / (2.0 * (q - p)); };
    for (int q = 1; q < n; ++q) {
        double s = meet(q, v[k]);
        while (s <= z[k]) {
            --k;
            s = meet(q, v[k]);
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = kFar;
    }
    std::vector<double> d(n);
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + f[v[k]];
    }
    f = std::move(d);
}

}  // namespace

std::vector<QPoint> inkPixels(const QImage& img, QPoint origin)
{
    std::vector<QPoint> out;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(row[x]) > kInkAlpha)
                out.push_back(origin + QPoint(x, y));
    }
    return out;
}

InkDistance::InkDistance(const QImage& img)
    : w_(img.width()), h_(img.height()), squared_(std::size_t(w_) * h_, float(kFar))
{
    for (const QPoint& p : inkPixels(img)) {
        squared_[std::size_t(p.y()) * w_ + p.x()] = 0;
        bounds_ |= QRect(p, QSize(1, 1));
    }
    if (bounds_.isEmpty())
        return;
    // Down every column, then along every row.
    auto pass = [&](int count, int length, std::size_t step, std::size_t stride) {
        std::vector<double> f(length);
        for (int c = 0; c < count; ++c) {
            for (int i = 0; i < length; ++i)
                f[i] = squared_[c * stride + i * step];
            transform1d(f);
            for (int i = 0; i < length; ++i)
                squared_[c * stride + i * step] = float(f[i]);
        }
    };
    pass(w_, h_, std::size_t(w_), 1);
    pass(h_, w_, 1, std::size_t(w_));
}

double InkDistance::at(QPoint p) const
{
    if (bounds_.isEmpty())
        return std::numeric_limits<double>::infinity();
    if (p.x() >= 0 && p.y() >= 0 && p.x() < w_ && p.y() < h_)
        return std::sqrt(double(squared_[std::size_t(p.y()) * w_ + p.x()]));
    const int dx = std::max({bounds_.left() - p.x(), 0, p.x() - bounds_.right()});
    const int dy = std::max({bounds_.top() - p.y(), 0, p.y() - bounds_.bottom()});
    return std::hypot(double(dx), double(dy));
}

double InkDistance::nearest(const std::vector<QPoint>& pixels, QPoint offset) const
{
    double best = std::numeric_limits<double>::infinity();
    for (const QPoint& p : pixels)
        best = std::min(best, at(p + offset));
    return best;
}

WorstMark worstMark(std::span<const LineInk> lines, const std::vector<int>& shifts, int scale)
{
    WorstMark worst;
    for (std::size_t a = 0; a < lines.size(); ++a)
        for (const MarkInk& m : lines[a].marks) {
            WorstMark w;
            w.line = int(a);
            w.mark = &m;
            w.own = lines[a].letters.nearest(m.pixels) / scale;
            for (std::size_t b = 0; b < lines.size(); ++b) {
                const double d =
                    b == a ? w.other : lines[b].all.nearest(m.pixels, QPoint(0, shifts[a] - shifts[b])) / scale;
                if (d < w.other) {
                    w.other = d;
                    w.otherLine = int(b);
                }
            }
            if (worst.line < 0 || w.ratio() > worst.ratio())
                worst = w;
        }
    return worst;
}

QString describeMark(const WorstMark& w)
{
    if (!w.mark || w.otherLine < 0)
        return QStringLiteral("no mark has another line");
    return QStringLiteral("%1 of %2 on line %3: %4 px from its own line, %5 px from line %6 (ratio %7)")
        .arg(w.mark->mark, w.mark->word)
        .arg(w.line + 1)
        .arg(w.own, 0, 'f', 1)
        .arg(w.other, 0, 'f', 1)
        .arg(w.otherLine + 1)
        .arg(w.ratio(), 0, 'f', 3);
}

}  // namespace ayat::art
