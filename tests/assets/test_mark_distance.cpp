// The measure by which the artwork generator refuses a verse card whose marks
// lie nearer to another line than to their own (tools/artwork/mark_distance.h),
// on drawn shapes whose distances are known.
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

#include <QPainter>

#include "tools/artwork/mark_distance.h"

using namespace ayat::art;

namespace {

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A line drawn as one bar of letters across `row`, with marks given as boxes.
LineInk line(int letterRow, const std::vector<QRect>& marks, const std::vector<QRect>& otherInk = {})
{
    QImage letters = canvas(60, 80), all = canvas(60, 80);
    letters.fill(Qt::transparent);
    for (int x = 5; x < 55; ++x) {
        letters.setPixel(x, letterRow, qRgba(0, 0, 0, 255));
        all.setPixel(x, letterRow, qRgba(0, 0, 0, 255));
    }
    LineInk ink;
    for (const QRect& m : marks) {
        MarkInk mark;
        for (int y = m.top(); y <= m.bottom(); ++y)
            for (int x = m.left(); x <= m.right(); ++x) {
                mark.pixels.emplace_back(x, y);
                all.setPixel(x, y, qRgba(0, 0, 0, 255));
            }
        mark.mark = QStringLiteral("U+064E");
        mark.word = QStringLiteral("word%1").arg(ink.marks.size());
        ink.marks.push_back(mark);
    }
    for (const QRect& r : otherInk)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                all.setPixel(x, y, qRgba(0, 0, 0, 255));
    ink.letters = InkDistance(letters);
    ink.all = InkDistance(all);
    return ink;
}

}  // namespace

class TestMarkDistance : public QObject {
    Q_OBJECT

private slots:
    // The distance field agrees with a search over every ink pixel, counts as
    // ink only alpha above kInkAlpha, and beyond the image never says more
    // than the truth.
    void distanceFieldIsExact()
    {
        QImage img = canvas(37, 23);
        std::mt19937 random(7);
        std::vector<QPoint> ink;
        for (int i = 0; i < 12; ++i) {
            const QPoint p(int(random() % 37), int(random() % 23));
            img.setPixel(p, qRgba(0, 0, 0, kInkAlpha + 1));
            ink.push_back(p);
        }
        img.setPixel(0, 0, qRgba(0, 0, 0, kInkAlpha));  // too faint to count
        const InkDistance field(img);
        auto truth = [&](QPoint q) {
            double best = std::numeric_limits<double>::infinity();
            for (QPoint p : ink)
                best = std::min(best, std::hypot(double(p.x() - q.x()), double(p.y() - q.y())));
            return best;
        };
        for (int y = -5; y < 28; ++y)
            for (int x = -5; x < 42; ++x) {
                const QPoint q(x, y);
                if (img.rect().contains(q))
                    QVERIFY2(std::abs(field.at(q) - truth(q)) < 1e-3,
                             qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
                else
                    QVERIFY(field.at(q) <= truth(q) + 1e-9);
            }
        QCOMPARE(field.nearest({QPoint(100, 100), ink[3] + QPoint(0, 2)}), truth(ink[3] + QPoint(0, 2)));
        QVERIFY(std::isinf(InkDistance(canvas(5, 5)).at(QPoint(2, 2))));
    }

    // Own line: its base letters only, not its other marks. Other lines:
    // everything they draw, marks included.
    void marksMeasureToTheRightInk()
    {
        // Line 0: letters on row 10, a mark hanging to row 24. Line 1: letters on
        // row 50; a mark on row 30, 6 under line 0's mark and 20 over its own
        // letters, and just under it another mark of its own.
        const std::vector<LineInk> lines = {line(10, {QRect(30, 24, 3, 1)}),
                                            line(50, {QRect(30, 30, 3, 1), QRect(30, 31, 3, 1)})};
        const WorstMark w = worstMark(lines, {0, 0}, 1);
        QCOMPARE(w.line, 1);
        QCOMPARE(w.otherLine, 0);
        QVERIFY(w.mark == &lines[1].marks[0]);
        QCOMPARE(w.own, 20.0);
        QCOMPARE(w.other, 6.0);
        QVERIFY(!w.passes());
        QVERIFY(describeMark(w).startsWith(
            QStringLiteral("U+064E of word0 on line 2: 20.0 px from its own line, 6.0 px from line 1")));
    }

    void aMarkNearerAnotherLineFails()
    {
        // The mark of line 1 lies 6 under line 0's letters and 12 over its own.
        const std::vector<LineInk> lines = {line(20, {}), line(38, {QRect(30, 26, 2, 1)})};
        const WorstMark w = worstMark(lines, {0, 0}, 1);
        QVERIFY(!w.passes());
        QCOMPARE(w.ratio(), 2.0);
        QCOMPARE(w.mark->word, QStringLiteral("word0"));
        // Drawn 10 pixels lower, line 1 takes its mark with it: now 16 from line
        // 0 and still 12 from its own letters.
        const WorstMark moved = worstMark(lines, {0, 10}, 1);
        QCOMPARE(moved.own, 12.0);
        QCOMPARE(moved.other, 16.0);
        QVERIFY(moved.passes());
        // At twice the size the same pixels are half as far in card pixels.
        QCOMPARE(worstMark(lines, {0, 10}, 2).other, 8.0);
    }

    void aLineAloneHasNoOtherLine()
    {
        const std::vector<LineInk> lines = {line(20, {QRect(30, 5, 2, 2)})};
        const WorstMark w = worstMark(lines, {0}, 1);
        QVERIFY(w.passes());
        QCOMPARE(w.ratio(), 0.0);
        QCOMPARE(describeMark(w), QStringLiteral("no mark has another line"));
        QVERIFY(worstMark(std::vector<LineInk>{line(20, {}), line(40, {})}, {0, 0}, 1).passes());
    }
};

QTEST_GUILESS_MAIN(TestMarkDistance)
#include "test_mark_distance.moc"
