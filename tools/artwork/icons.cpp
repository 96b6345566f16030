// The program's icons: 16-colour pixel art, built from pixel-centred shapes with
// checkerboard shading and, for the organic subjects, hand-drawn character grids.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <concepts>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <QPointF>

#include "app_icon.h"
#include "art.h"
#include "icons/palette.h"

namespace ayat::art {
namespace {

// Palette indices, in the order of kIconPalette.
constexpr int T = -1;  // transparent
constexpr int Black = 0, Maroon = 1, Green = 2, Olive = 3, Navy = 4, Purple = 5, Teal = 6, Silver = 7;
constexpr int Grey = 8, Red = 9, Lime = 10, Yellow = 11, Blue = 12, Fuchsia = 13, Aqua = 14, White = 15;

double sq(double v) { return v * v; }

// A square icon being drawn: size x size icon pixels, each scale x scale device
// pixels. Shapes are sampled at every device pixel, so that a disc or a slanted
// edge is drawn as finely as the resolution allows; colours are chosen per icon
// pixel, so that shading, dithering and rows keep their pattern.
struct Grid {
    int size;
    int scale;
    int device() const { return size * scale; }
};

// A set of pixels of a grid. Icon pixel (x, y) is the square from (x, y) to
// (x + 1, y + 1).
class Mask {
public:
    explicit Mask(Grid g) : g_(g), d_(g.device()), on_(size_t(d_ * d_), 0) {}

    // The pixels whose centres satisfy inside(x, y), (x, y) in icon pixels.
    template <class Inside>
    static Mask where(Grid g, Inside inside)
    {
        Mask m(g);
        for (int y = 0; y < m.d_; ++y)
            for (int x = 0; x < m.d_; ++x)
                m.put(x, y, inside((x + 0.5) / g.scale, (y + 0.5) / g.scale));
        return m;
    }

    int size() const { return g_.size; }
    // Device pixels.
    int device() const { return d_; }
    bool on(int x, int y) const { return x >= 0 && y >= 0 && x < d_ && y < d_ && on_[size_t(y * d_ + x)]; }
    void put(int x, int y, bool v = true)
    {
        if (x >= 0 && y >= 0 && x < d_ && y < d_)
            on_[size_t(y * d_ + x)] = v;
    }

    Mask operator|(const Mask& o) const
    {
        return combine(o, [](bool a, bool b) { return a || b; });
    }
    Mask operator&(const Mask& o) const
    {
        return combine(o, [](bool a, bool b) { return a && b; });
    }
    Mask operator-(const Mask& o) const
    {
        return combine(o, [](bool a, bool b) { return a && !b; });
    }

    // Moved by (dx, dy) icon pixels.
    Mask shifted(int dx, int dy) const
    {
        Mask m(g_);
        for (int y = 0; y < d_; ++y)
            for (int x = 0; x < d_; ++x)
                m.put(x, y, on(x - dx * g_.scale, y - dy * g_.scale));
        return m;
    }
    // The pixels of the set that lie within one icon pixel of a pixel outside it
    // (4-neighbourhood).
    Mask edge() const { return *this - shrunk(); }
    // The set grown by one icon pixel (4-neighbourhood).
    Mask grown() const
    {
        Mask m = *this;
        for (int i = 0; i < g_.scale; ++i)
            m = m.step(true);
        return m;
    }

private:
    Mask shrunk() const
    {
        Mask m = *this;
        for (int i = 0; i < g_.scale; ++i)
            m = m.step(false);
        return m;
    }
    // One device pixel grown (or shrunk) in the 4-neighbourhood.
    Mask step(bool grow) const
    {
        Mask m(g_);
        for (int y = 0; y < d_; ++y)
            for (int x = 0; x < d_; ++x) {
                const bool any = on(x - 1, y) || on(x + 1, y) || on(x, y - 1) || on(x, y + 1);
                const bool all = on(x - 1, y) && on(x + 1, y) && on(x, y - 1) && on(x, y + 1);
                m.put(x, y, grow ? on(x, y) || any : on(x, y) && all);
            }
        return m;
    }
    template <class Op>
    Mask combine(const Mask& o, Op op) const
    {
        Mask m(g_);
        for (size_t i = 0; i < on_.size(); ++i)
            m.on_[i] = op(on_[i] != 0, o.on_[i] != 0);
        return m;
    }

    Grid g_;
    int d_;
    std::vector<char> on_;
};

Mask disc(Grid n, double cx, double cy, double r)
{
    return Mask::where(n, [=](double x, double y) { return sq(x - cx) + sq(y - cy) <= r * r; });
}

Mask ellipse(Grid n, double cx, double cy, double rx, double ry)
{
    return Mask::where(n, [=](double x, double y) { return sq((x - cx) / rx) + sq((y - cy) / ry) <= 1.0; });
}

// Pixels x0..x1, y0..y1 inclusive.
Mask box(Grid n, int x0, int y0, int x1, int y1)
{
    return Mask::where(n, [=](double x, double y) { return x > x0 && x < x1 + 1 && y > y0 && y < y1 + 1; });
}

// Pixels within r of the segment from (x0, y0) to (x1, y1).
Mask stroke(Grid n, double x0, double y0, double x1, double y1, double r)
{
    return Mask::where(n, [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
        return sq(x - (x0 + t * dx)) + sq(y - (y0 + t * dy)) <= r * r;
    });
}

// Pixels inside the polygon (even-odd rule), corners in pixel-edge coordinates.
Mask polygon(Grid n, std::initializer_list<QPointF> corners)
{
    const std::vector<QPointF> p(corners);
    return Mask::where(n, [&p](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].y() > y) != (p[j].y() > y)
                && x < (p[j].x() - p[i].x()) * (y - p[i].y()) / (p[j].y() - p[i].y()) + p[i].x())
                in = !in;
        }
        return in;
    });
}

// Shading by ordered dithering: v from 0 to 1 runs through the tones, with a
// checkerboard of two neighbouring tones between each pair.
int shade(double v, std::initializer_list<int> tones, int x, int y)
{
    const int steps = 2 * (int(tones.size()) - 1);
    const int level = std::clamp(int(std::lround(std::clamp(v, 0.0, 1.0) * steps)), 0, steps);
    const int* t = tones.begin();
    if (level % 2 == 0)
        return t[level / 2];
    return (x + y) % 2 == 0 ? t[level / 2 + 1] : t[level / 2];
}

// Light on a sphere at a pixel: 0 (dark) to 1 (lit), light from the upper left.
double sphereLight(double cx, double cy, double r, int x, int y)
{
    const double nx = (x + 0.5 - cx) / r, ny = (y + 0.5 - cy) / r;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double lx = -0.5, ly = -0.6, lz = 0.62;
    const double len = std::sqrt(lx * lx + ly * ly + lz * lz);
    return std::clamp((nx * lx + ny * ly + nz * lz) / len, 0.0, 1.0);
}

class Canvas {
public:
    explicit Canvas(Grid g) : g_(g), d_(g.device()), px_(size_t(d_ * d_), T) {}

    int size() const { return g_.size; }
    Grid grid() const { return g_; }
    // Sets icon pixel (x, y).
    void set(int x, int y, int c)
    {
        for (int dy = 0; dy < g_.scale; ++dy)
            for (int dx = 0; dx < g_.scale; ++dx)
                put(x * g_.scale + dx, y * g_.scale + dy, c);
    }
    void fill(const Mask& m, int c)
    {
        fill(m, [c](int, int) { return c; });
    }
    // colourAt(x, y) is asked for the icon pixel that a device pixel lies in.
    template <class ColourAt>
    requires std::invocable<ColourAt, int, int>
    void fill(const Mask& m, ColourAt colourAt)
    {
        for (int y = 0; y < d_; ++y)
            for (int x = 0; x < d_; ++x)
                if (m.on(x, y))
                    put(x, y, colourAt(x / g_.scale, y / g_.scale));
    }
    Mask opaque() const
    {
        Mask m(g_);
        for (int y = 0; y < d_; ++y)
            for (int x = 0; x < d_; ++x)
                m.put(x, y, px_[size_t(y * d_ + x)] != T);
        return m;
    }

    // Paints a character grid with its top-left at (x0, y0): k black, m maroon,
    // g green, o olive, n navy, p purple, t teal, s silver, d grey, r red,
    // l lime, y yellow, b blue, f fuchsia, a aqua, w white; '_' makes a pixel
    // transparent and '.' leaves it as it is. At twice the resolution each cell
    // becomes four pixels by the Scale2x rule: where two neighbouring cells of
    // one colour meet at a corner, the corner takes their colour, so that the
    // grid's diagonals come out as finer steps, with no colour that the grid
    // does not hold.
    void paint(std::initializer_list<std::string_view> rows, int x0 = 0, int y0 = 0)
    {
        const std::vector<std::string_view> grid(rows);
        auto cell = [&](int col, int row) {
            if (row < 0 || row >= int(grid.size()) || col < 0 || col >= int(grid[size_t(row)].size()))
                return kKeep;
            return colourOf(grid[size_t(row)][size_t(col)]);
        };
        for (int row = 0; row < int(grid.size()); ++row)
            for (int col = 0; col < int(grid[size_t(row)].size()); ++col) {
                const int e = cell(col, row);
                for (int sy = 0; sy < g_.scale; ++sy)
                    for (int sx = 0; sx < g_.scale; ++sx) {
                        int c = e;
                        if (g_.scale == 2) {
                            // The two cells beside this corner of the cell, and the two opposite them.
                            const int h = cell(col + (sx ? 1 : -1), row), v = cell(col, row + (sy ? 1 : -1));
                            const int hOpp = cell(col + (sx ? -1 : 1), row), vOpp = cell(col, row + (sy ? -1 : 1));
                            if (h == v && h != hOpp && v != vOpp)
                                c = h;
                        }
                        if (c != kKeep)
                            put((x0 + col) * g_.scale + sx, (y0 + row) * g_.scale + sy, c);
                    }
            }
    }

    QImage image() const
    {
        QImage img(d_, d_, QImage::Format_ARGB32);
        for (int y = 0; y < d_; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < d_; ++x) {
                const int c = px_[size_t(y * d_ + x)];
                line[x] = c == T ? 0u : kIconPalette[size_t(c)];
            }
        }
        return img;
    }

private:
    static constexpr int kKeep = -2;
    static int colourOf(char ch)
    {
        switch (ch) {
        case '_':
            return T;
        case 'k':
            return Black;
        case 'm':
            return Maroon;
        case 'g':
            return Green;
        case 'o':
            return Olive;
        case 'n':
            return Navy;
        case 'p':
            return Purple;
        case 't':
            return Teal;
        case 's':
            return Silver;
        case 'd':
            return Grey;
        case 'r':
            return Red;
        case 'l':
            return Lime;
        case 'y':
            return Yellow;
        case 'b':
            return Blue;
        case 'f':
            return Fuchsia;
        case 'a':
            return Aqua;
        case 'w':
            return White;
        default:
            return kKeep;
        }
    }
    void put(int x, int y, int c)
    {
        if (x >= 0 && y >= 0 && x < d_ && y < d_)
            px_[size_t(y * d_ + x)] = c;
    }

    Grid g_;
    int d_;
    std::vector<int> px_;
};

// ---------------------------------------------------------------------------
// The pieces that several icons share.

// A compact disc centred at (cx, cy): silver with two rainbow-fringed sheens,
// a clear hub ring and a hole through which the background shows.
void drawDisc(Canvas& c, double cx, double cy, double r)
{
    const Grid n = c.grid();
    const Mask outer = disc(n, cx, cy, r);
    const Mask hub = disc(n, cx, cy, r * 0.38);
    const Mask hole = disc(n, cx, cy, r * 0.13 + 0.4);
    c.fill(outer, [&](int x, int y) {
        const double a = std::atan2(y + 0.5 - cy, x + 0.5 - cx);
        const double sheen = std::cos(2.0 * (a + 0.75));
        if (sheen > 0.93)
            return White;
        if (sheen > 0.80)
            return Aqua;
        if (sheen > 0.68)
            return Fuchsia;
        if (sheen > 0.56)
            return Yellow;
        if (sheen > 0.40)
            return (x + y) % 2 ? Silver : White;
        return Silver;
    });
    c.fill(hub, [&](int x, int y) { return (x + 0.5 - cx) + (y + 0.5 - cy) < 0 ? White : Silver; });
    c.fill(hub.edge(), Grey);
    c.fill(hole.grown() - hole, Grey);
    c.fill(hole, T);
    c.fill(outer.edge(), [&](int x, int y) { return (x + 0.5 - cx) + (y + 0.5 - cy) < -r * 0.6 ? Grey : Black; });
}

// Outlines every opaque pixel that touches a transparent one.
void outline(Canvas& c, int colour) { c.fill(c.opaque().edge(), colour); }

// ---------------------------------------------------------------------------
// The icons.

// The window icon: the program's icon drawing (app_icon.cpp) at 32 px, each pixel
// taken to the nearest of the 16 colours, and left transparent where the drawing
// is less than half opaque.
Canvas mainIcon()
{
    Canvas c({32, 1});
    const QImage drawn = renderAppIcon(32, true);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = drawn.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            int best = 0, bestDistance = INT_MAX;
            for (int i = 0; i < int(kIconPalette.size()); ++i) {
                const QRgb q = kIconPalette[size_t(i)];
                const int d = int(sq(qRed(p) - qRed(q)) + sq(qGreen(p) - qGreen(q)) + sq(qBlue(p) - qBlue(q)));
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            c.set(x, y, best);
        }
    return c;
}

Canvas splashIcon(int n, int scale)
{
    Canvas c({n, scale});
    const Grid g = c.grid();
    const double s = n / 32.0;
    const Mask bubble =
        ellipse(g, 16 * s, 13 * s, 15 * s, 11.5 * s) | polygon(g, {{6 * s, 18 * s}, {3 * s, 31 * s}, {14 * s, 22 * s}});
    c.fill(bubble, [&](int x, int y) {
        const double d = (x + 0.5 - 16 * s) / (15 * s) + (y + 0.5 - 13 * s) / (11.5 * s);
        return d > 1.05 ? Silver : White;
    });
    c.fill(bubble.edge(), Black);
    // The letter i, shaded on its lower right.
    if (n >= 32) {
        c.paint(
            {
                "..bbbb..",
                ".bbbbbn.",
                ".bbbbnn.",
                "..bnnn..",
                "........",
                ".bbbbb..",
                ".bbbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "..bbbbn.",
                "bbbbbbbb",
                "bnnnnnnn",
            },
            12, 4);
    } else {
        c.paint(
            {
                ".bb.",
                ".bn.",
                "....",
                "bbb.",
                ".bn.",
                ".bn.",
                ".bn.",
                "bbbn",
            },
            6, 2);
    }
    return c;
}

Canvas earthIcon(int scale)
{
    // Land over Africa and Europe: 'L' green land, 'D' desert.
    static constexpr std::string_view land[32] = {
        "................................", "................................", "................................",
        "................................", "................L..LLLLLL.......", "............L..LL.LLLLLLLLL.....",
        "..............LLL.LLLLLLLLLLL...", ".............L.LL.LLLLLLLLLLLL..", ".............LLLLLLLLLLLLLLLLL..",
        "............LLLLLL...L..LLLLLLL.", "...........LLLLLLL..L..LLLLLLLL.", "...........LL..LL.L.LLLLLLLLLLL.",
        "..............LL....DDDDDDLLLLL.", "..........DDDDDDDDDD.DDDD.DL.LL.", ".........DDDDDDDDDDDD.DDDD..LL..",
        "........DDDDDDDDDDDDD.DDD...LL..", "........DDDDDDDDDDDDDD.D.....L..", "........LLDDDDDDDDDDLLL.L.......",
        ".........LLLLLLLLLLLLLLL........", ".........LLLLLLLLLLLLLLL........", "..............LLLLLLLLLL........",
        "..............LLLLLLLLL.........", "...............LLLLLLLL.........", "...............LLLLLLL..........",
        "...............LLLLLLL.L........", "...............LLLLLL..L........", "...............LLLLLL..L........",
        "................LLLL............", ".................L..............", "................................",
        "................................", "................................",
    };
    Canvas c({32, scale});
    const Mask globe = disc(c.grid(), 16, 16, 15);
    c.fill(globe, [&](int x, int y) {
        const double l = sphereLight(16, 16, 15, x, y);
        switch (land[y][size_t(x)]) {
        case 'L':
            return shade((l - 0.55) * 4, {Green, Lime}, x, y);
        case 'D':
            return shade((l - 0.45) * 4, {Olive, Yellow}, x, y);
        default:
            if (l > 0.985)
                return Aqua;
            return shade((l - 0.18) * 4, {Navy, Blue}, x, y);
        }
    });
    c.fill(globe.edge(), Black);
    return c;
}

Canvas moonIcon(int scale)
{
    // The dark plains of the near side ('D', fringed by 'd') and the bright
    // craters ('w').
    static constexpr std::string_view maria[32] = {
        "................................", "................................", "................................",
        "................................", "................................", "..........ddd...................",
        ".........dDDdd.....d............", "........dDDDDd....dDd...........", ".......dDDDDDd...dDDDd..........",
        "......dDDDDDd...dDDDDDd...dd....", "......dDDDDd...ddDDdDDDd.dDDd...", ".....dDDDDd.....dDDDDDDd.dDDd...",
        ".....dDDDd.w.....dDDDDDDd.dd....", ".....dDDd........dDDDDDDDd......", "....dDDDd.........dDDDDDd.......",
        "....dDDd......w....dDDDDd.......", "....dDDDd...........dDd.dd......", ".....dDDDd..........dd.dDd......",
        ".....dDDDDd..........d..dd......", "......dDDDDDDdd..........d......", "......ddDDDDDDDd................",
        ".......ddddd.dddd...............", "........ddd....dd...............", "................................",
        "...............w................", "................................", "................................",
        "................................", "................................", "................................",
        "................................", "................................",
    };
    Canvas c({32, scale});
    const Mask moon = disc(c.grid(), 16, 16, 15);
    c.fill(moon, [&](int x, int y) {
        const double l = sphereLight(16, 16, 15, x, y);
        switch (maria[y][size_t(x)]) {
        case 'w':
            return White;
        case 'D':
            return shade(0.5, {Grey, Silver}, x, y);
        case 'd':
            return (x + 2 * y) % 4 == 0 ? Grey : Silver;
        default:
            break;
        }
        if (l > 0.9)
            return White;
        if (l < 0.28)
            return shade(0.5, {Grey, Silver}, x, y);
        return Silver;
    });
    // Craters: a shadowed upper-left wall and a lit lower-right one.
    struct Crater {
        double x, y, r;
    };
    for (const Crater k :
         {Crater{21, 24, 2.6}, Crater{9, 24, 1.9}, Crater{25.5, 20, 1.7}, Crater{14, 28, 1.6}, Crater{19, 5, 1.6}}) {
        const Mask pit = disc(c.grid(), k.x, k.y, k.r);
        c.fill(pit - disc(c.grid(), k.x + 1, k.y + 1, k.r), Grey);
        c.fill(pit - disc(c.grid(), k.x - 1, k.y - 1, k.r), White);
    }
    c.fill(moon.edge(), [](int x, int y) { return x + y < 26 ? Grey : Black; });
    return c;
}

Canvas burgerIcon(int scale)
{
    Canvas c({32, scale});
    const Grid n = c.grid();
    // Golden-brown bread: yellow where lit, through olive to maroon in shadow.
    auto bread = [](double v, int x, int y) { return shade(v, {Maroon, Olive, Yellow}, x, y); };
    const Mask bottom = box(n, 3, 24, 28, 28) - box(n, 3, 28, 3, 28) - box(n, 28, 28, 28, 28);
    c.fill(bottom, [&](int x, int y) { return bread(y == 24 ? 1.0 : (y == 28 ? 0.25 : 0.55 - x / 100.0), x, y); });
    const Mask patty = box(n, 2, 20, 29, 23) - box(n, 2, 23, 2, 23) - box(n, 29, 23, 29, 23);
    c.fill(patty, [](int x, int y) {
        if ((x * 5 + y * 11) % 13 == 0)
            return Black;
        return y == 20 && x % 3 != 0 ? Red : Maroon;
    });
    c.fill(box(n, 2, 18, 29, 19), Red);
    const Mask cheese =
        box(n, 2, 17, 29, 17) | polygon(n, {{6, 17}, {10, 17}, {8, 20}}) | polygon(n, {{18, 17}, {23, 17}, {20.5, 21}});
    c.fill(cheese, Yellow);
    const Mask lettuce = Mask::where(
        n, [](double x, double y) { return x > 1 && x < 31 && y > 15 && y < 17 + (std::sin(x * 1.1) > 0.2 ? 1 : 0); });
    c.fill(lettuce, [](int x, int y) { return y == 15 || (x + y) % 4 == 0 ? Lime : Green; });
    const Mask top = ellipse(n, 16, 15, 14.5, 10.5) & box(n, 0, 0, 31, 14);
    c.fill(top, [&](int x, int y) { return bread(sphereLight(16, 15, 14.5, x, y) * 1.25 - 0.05, x, y); });
    for (const QPoint s : {QPoint(9, 9), QPoint(14, 7), QPoint(19, 8), QPoint(23, 11), QPoint(12, 12), QPoint(17, 11),
                           QPoint(6, 12), QPoint(25, 7)}) {
        c.set(s.x(), s.y(), White);
        c.set(s.x() + 1, s.y(), Silver);
    }
    outline(c, Black);
    return c;
}

Canvas wolfIcon(int scale)
{
    Canvas c({32, scale});
    c.paint({
        "....................kk..........", "...................kddk....kk...", "..................kdmmdk..kddk..",
        "..................kdmmsdkkdmmdk.", ".................kdsmmsdkdmmsdk.", ".................kdsmmssddmmsdk.",
        "................kdssmssdddssddk.", "............kkkkdsssssdddddsdddk", ".........kkkssddssdssdsdddddddk.",
        "......kkksskkkkkkksdsdsdddddddk.", "...kkksdsdkdskyykkssssdsdsddddk.", ".kkkssdsdkdsssskksssssssdsddddk.",
        "kkkssssssssssssssssssssdssdddddk", "kkkksssssssssssssssswsdssddddddk", "kkkkkkkkkkkkssssswwwssdsdsddddk.",
        ".kkrrrrrrrrkksswwwsssdsssdddddk.", "..kwwkwwkwwwkswwssssdssssdsddddk", "...kwkmkmkmmkwwwssssssssdssdddk.",
        "....kkmrrrrmkwwwwssssssssssddddk", ".....kwkmkwkwwwwwssssdsssdssdddk", "......kwwkwwkwwwwsssdsssdssddddk",
        ".......kkkkkkwwwwssdsssdsssssddk", "..........kkwwkwwwsssssssssssddk", "...........kwwwwwwsdssssdssssddk",
        "..........kwwwwkwwdssssdssdddddk", "..........kwwwwwwdssssdsssssdddk", ".........kwwwwwwsssssdssssdsdddk",
        ".........kwwwwwsssssdssssdsddddk", "........kwwwwwssssddssssdsssdddk", "........kwwwwssssdssssssssssdddk",
        "........kwkwwsksdskssskssdskddk.", ".........k.kk.kkk.kkk.kkk.kk.kk.",
    });
    return c;
}

Canvas aboutIcon(int scale)
{
    Canvas c({32, scale});
    const Grid n = c.grid();
    drawDisc(c, 16, 9.5, 9.5);
    // A closed book lying flat, seen from the front right and above: the top
    // cover, the page block's front and fore-edge, the spine's rounded end.
    const Mask top = polygon(n, {{2, 25}, {9, 15}, {31, 15}, {24, 25}});
    const Mask front = box(n, 2, 25, 23, 29);
    const Mask side = polygon(n, {{24, 25}, {31, 15}, {31, 19.5}, {24, 30}});
    c.fill(top, [&](int x, int y) {
        // A gold title on the cover, slanted with its side edges.
        const double u = x + 0.5 - (25 - (y + 0.5)) * 0.7;  // position along the front edge
        if ((y == 18 || y == 20) && u > 8 && u < 20)
            return Yellow;
        if (y == 19 && u > 8 && u < 20)
            return Olive;
        return y >= 23 && (x + y) % 2 ? Maroon : Red;
    });
    c.fill(front, [](int x, int y) {
        if (y == 25 || y == 29)
            return Red;
        if (x <= 3)
            return Maroon;
        return y == 27 ? Silver : White;
    });
    c.fill(side, [](int x, int y) {
        const double v = y + 0.5 + (x + 0.5 - 24) * 10.0 / 7.0;  // down the fore-edge, 25 at its top
        if (v < 26)
            return Red;
        if (v > 29)
            return Maroon;
        return int(v) % 2 ? Silver : White;
    });
    const Mask book = top | front | side;
    c.fill(book.edge(), Black);
    c.fill(Mask::where(n, [](double x, double y) { return y > 24 && y < 25 && x > 2 && x < 24; }), Black);
    c.fill(Mask::where(n, [](double x, double y) { return x > 24 && x < 25 && y > 24 && y < 30; }), Black);
    return c;
}

Canvas handIcon32(int scale)
{
    Canvas c({32, scale});
    c.paint({
        "................................", "................................", "................................",
        "................................", "................................", "................................",
        "................................", "........................kkkkkk..", ".............kkkkkk....kbbbbbnk.",
        "............kwwwwwwkkk.kbbbbbnk.", "...........kwwwwwwwwwwkkbbbbbnk.", "..kkkkkkkkkkkwwwwwwwwwwkbbbbbnk.",
        ".kwwwwwwwwwwwkkkwwwwwwwkbbbbbnk.", "kwwwwwwwwwwwwwwwwwwwwwwkbbbbbnk.", "kwwwwwwwwwwwwwwwwwswswwkbbbbbnk.",
        ".ksssssssssswwwwwwswswwkbbbbbnk.", "..kkkkkkkkkkkwwwwwswswwkbbbbbnk.", "............kwwwwswwwwwkbbbbbnk.",
        "...........kwwwwwwkwwwwkbbbbbnk.", "...........kssssssswwwwkbbbbbnk.", "............kkkkkwwwwwwkbbbbbnk.",
        "...........kwwwwwwswwwskbbbbbnk.", "...........ksssssswwwsskbbbbbnk.", "............kkkkkkkkkkkkbbbbbnk.",
        "........................kkkkkk..", "................................", "................................",
        "................................", "................................", "................................",
        "................................", "................................",
    });
    return c;
}

Canvas handIcon16(int scale)
{
    Canvas c({16, scale});
    c.paint({
        "................",
        "................",
        "................",
        "............kkk.",
        ".......kkkk.kbnk",
        "..kkkkkwwwwkkbnk",
        ".kwwwwwwwwwwkbnk",
        "kwwwwwwwwwswkbnk",
        ".ksssskwwwswkbnk",
        "..kkkkkwwwwwkbnk",
        ".....kwwwswwkbnk",
        ".....ksssswwkbnk",
        ".....kwwwwswkbnk",
        "......kssssskbnk",
        ".......kkkkk.kk.",
        "................",
    });
    return c;
}

Canvas tapeIcon(int scale)
{
    Canvas c({32, scale});
    const Grid n = c.grid();
    const Mask body = box(n, 1, 6, 30, 26) - box(n, 1, 6, 1, 6) - box(n, 30, 6, 30, 6) - box(n, 1, 26, 1, 26)
        - box(n, 30, 26, 30, 26);
    c.fill(body, [](int x, int y) {
        return x <= 2 || y <= 7 ? Silver : (x >= 29 || y >= 25 ? shade(0.5, {Black, Grey}, x, y) : Grey);
    });
    const Mask label = box(n, 4, 8, 27, 19);
    c.fill(label, [](int, int y) { return y == 9 || y == 10 ? Red : White; });
    const Mask window = box(n, 8, 12, 23, 17);
    c.fill(window, Grey);
    c.fill(box(n, 12, 13, 19, 16), Black);
    for (const double rx : {10.0, 22.0}) {
        c.fill(disc(n, rx, 15, 3), Maroon);
        c.fill(disc(n, rx, 15, 1.7), White);
        c.set(int(rx) - 1, 14, Grey);
        c.set(int(rx), 15, Grey);
    }
    const Mask foot = polygon(n, {{8, 27}, {10, 21}, {22, 21}, {24, 27}});
    c.fill(foot, [](int, int y) { return y == 21 ? White : Silver; });
    c.fill(foot.edge(), Black);
    for (const int hx : {12, 19})
        c.fill(box(n, hx, 23, hx + 1, 24), Black);
    for (const QPoint s : {QPoint(3, 22), QPoint(28, 22), QPoint(16, 24)})
        c.set(s.x(), s.y(), Black);
    c.fill(body.edge(), Black);
    return c;
}

Canvas stopIcon(int scale)
{
    Canvas c({32, scale});
    const Grid n = c.grid();
    const Mask outer = disc(n, 16, 16, 15.5);
    const Mask field = disc(n, 16, 16, 11.6);
    // The insect, a wasp seen from above: wings raised to both sides, a striped
    // abdomen below; its feet and feelers reach out over the ring.
    for (const auto& leg : {std::array<double, 4>{14, 14, 8, 17},
                            {18, 14, 24, 17},
                            {14, 16, 10, 23},
                            {18, 16, 22, 23},
                            {14, 12, 9, 11},
                            {18, 12, 23, 11}})
        c.fill(stroke(n, leg[0], leg[1], leg[2], leg[3], 0.55), Black);
    c.fill(stroke(n, 15, 6, 12, 2.5, 0.55) | stroke(n, 17, 6, 20, 2.5, 0.55), Black);
    const Mask wings = polygon(n, {{15, 11}, {7, 8.5}, {4, 10}, {4, 13}, {7, 15}, {15, 13.5}})
        | polygon(n, {{17, 11}, {25, 8.5}, {28, 10}, {28, 13}, {25, 15}, {17, 13.5}});
    c.fill(wings, [](int x, int y) { return (x * 3 + y) % 7 == 0 ? Silver : White; });
    c.fill(wings.edge(), Black);
    const Mask abdomen = ellipse(n, 16, 20.5, 5.1, 6.8) | stroke(n, 16, 26, 16, 29.5, 0.5);
    c.fill(abdomen, [](int x, int y) {
        if (y == 16 || y == 20 || y == 24 || y >= 27)
            return Black;
        return x >= 18 || y == 26 ? Olive : Yellow;
    });
    c.fill(abdomen.edge(), Black);
    c.fill(ellipse(n, 16, 12.5, 3.3, 3.1), [](int x, int y) { return x == 15 && y == 11 ? Grey : Black; });
    c.fill(ellipse(n, 16, 7.5, 2.6, 2.2), Black);
    c.set(14, 7, Yellow);
    c.set(17, 7, Yellow);
    // The sign: a ring and a bar from upper left to lower right.
    const Mask ring = outer - field;
    const Mask bar = stroke(n, 6, 6, 26, 26, 2.3) & outer;
    const Mask sign = ring | bar;
    c.fill(sign, [](int x, int y) {
        const double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
        return d > 12.5 && x + y > 36 ? shade(0.5, {Maroon, Red}, x, y) : Red;
    });
    c.fill(sign.edge(), Black);
    return c;
}

Canvas arrowIcon(int n, int scale)
{
    Canvas c({n, scale});
    const Grid g = c.grid();
    const double s = n / 32.0;
    const int depth = n >= 32 ? 3 : 2;
    const Mask face = polygon(g,
                              {{2 * s, 10 * s},
                               {15 * s, 10 * s},
                               {15 * s, 3 * s},
                               {28 * s, 15.5 * s},
                               {15 * s, 28 * s},
                               {15 * s, 21 * s},
                               {2 * s, 21 * s}});
    Mask body = face;
    for (int k = 1; k <= depth; ++k)
        body = body | face.shifted(k, k);
    c.fill(body - face, Navy);
    c.fill(face, [](int x, int y) { return (x + y) % 2 ? White : Silver; });
    // A lit bevel along the face's upper and left edges.
    const Mask inner = face - face.edge();
    c.fill(inner - inner.shifted(1, 1), White);
    c.fill(face.edge(), Black);
    c.fill(body.edge(), Black);
    return c;
}

Canvas magnifierIcon(int scale)
{
    // The lens centre lies near the pointer's hot spot at (16, 16).
    Canvas c({32, scale});
    const Grid n = c.grid();
    const double cx = 13.5, cy = 13.5;
    const Mask handle = stroke(n, 22, 22, 28.6, 28.6, 2.7);
    c.fill(handle, [](int x, int y) {
        return x - y > 0 ? Red : (x - y < -1 ? Maroon : shade(0.5, {Maroon, Red}, x, y));
    });
    c.fill(handle.edge(), Black);
    const Mask ferrule = stroke(n, 20, 20, 21.6, 21.6, 2.4);
    c.fill(ferrule, [](int x, int y) { return x - y > 0 ? White : (x - y < -1 ? Grey : Silver); });
    c.fill(ferrule.edge(), Black);
    const Mask rim = disc(n, cx, cy, 10.5);
    const Mask lens = disc(n, cx, cy, 7.6);
    c.fill(rim - lens, [&](int x, int y) {
        const double l = sphereLight(cx, cy, 10.5, x, y);
        return l > 0.7 ? White : (l > 0.35 ? Silver : Grey);
    });
    c.fill(lens, [&](int x, int y) {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        const double r = std::hypot(dx, dy);
        // A glint along the upper left of the glass, a faint shadow opposite.
        if (r > 3.6 && r < 6.2 && dx + dy < -4.5)
            return White;
        if (dx + dy > 5.5)
            return Aqua;
        return shade(0.5, {Aqua, White}, x, y);
    });
    c.fill(rim.edge() | (lens.grown() - lens), Black);
    return c;
}

}  // namespace

namespace {

std::vector<QImage> drawIconImages(std::string_view key, int scale)
{
    if (key == "mainicon")
        return {mainIcon().image()};
    if (key == "splashicon")
        return {splashIcon(32, scale).image(), splashIcon(16, scale).image()};
    if (key == "b1nature")
        return {earthIcon(scale).image()};
    if (key == "b3space")
        return {moonIcon(scale).image()};
    if (key == "b2foods")
        return {burgerIcon(scale).image()};
    if (key == "b4animals")
        return {wolfIcon(scale).image()};
    if (key == "about")
        return {aboutIcon(scale).image()};
    if (key == "CommandButton10")
        return {handIcon32(scale).image(), handIcon16(scale).image()};
    if (key == "tape")
        return {tapeIcon(scale).image()};
    if (key == "stopsign")
        return {stopIcon(scale).image()};
    if (key == "exitarrow")
        return {arrowIcon(32, scale).image(), arrowIcon(16, scale).image()};
    if (key == "magnifier")
        return {magnifierIcon(scale).image()};
    return {};
}

}  // namespace

// An unknown key has no images.
std::vector<QImage> drawIcon(std::string_view key, int scale)
{
    // The window icon's larger variant is the program's icon drawing itself at
    // that size, in the colours the 32-pixel icon is quantised from.
    if (key == "mainicon" && scale != 1)
        return {renderAppIcon(32 * scale, true)};
    std::vector<QImage> images = drawIconImages(key, scale);
    if (scale != 1 && images.size() > 1)
        images.resize(1);  // the large image only
    return images;
}

}  // namespace ayat::art
