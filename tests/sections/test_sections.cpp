// The four section panels, each built by the section template into a window of
// its own with the real pictures, driven by mouse clicks at points of the panel
// (so that what lies on top decides who gets the click) and by the keyboard.
#include <algorithm>
#include <memory>
#include <optional>

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QWindow>

#include "assets/loader.h"
#include "common/sound_requests.h"
#include "platform/widgets.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

// What a section shows of its selection.
struct Shown {
    QStringList pictures;  // item pictures not hidden
    QString verse;
    QString recitation;
    bool operator==(const Shown&) const = default;
};

char* toString(const Shown& s)
{
    return QTest::toString(QStringLiteral("pictures [%1] verse '%2' recitation '%3'")
                               .arg(s.pictures.join(QLatin1Char(' ')), s.verse.left(40), s.recitation));
}

Shown nothingSelected() { return {{}, QStringLiteral("no verse to translate"), QString()}; }

Shown itemSelected(const SectionItem& item)
{
    return {{QString::fromLatin1(item.pictureKey())},
            QString::fromLatin1(item.verse->english),
            QString::fromLatin1(item.verse->recitation)};
}

QPoint centre(const Twips& r) { return toPixels(r).center(); }

struct Section {
    const SectionDescription* d = nullptr;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<SectionScreen> screen;

    QWidget* control(const char* name) const { return findControl(panel.get(), name); }
    Label* verseBox() const { return child<Label>(panel.get(), d->names.verseBox); }

    Shown shown() const
    {
        Shown s;
        for (const SectionItem& item : d->items)
            if (!control(item.pictureKey())->isHidden())
                s.pictures << QString::fromLatin1(item.pictureKey());
        s.verse = verseBox()->text();
        s.recitation = child<Label>(panel.get(), d->names.recitation)->text();
        return s;
    }
};

}  // namespace

class SectionTest : public QObject {
    Q_OBJECT

private:
    AssetStore assets_{QStringLiteral(AYAT_RUNTIME_DIR "/assets")};
    std::vector<Section> sections_;
    SoundRequests requests_;

    Section& section(int index) { return sections_[std::size_t(index)]; }

    // A section in its start state, its panel shown and exposed.
    Section& fresh(int index)
    {
        Section& s = section(index);
        s.screen->exit();
        s.panel->show();
        if (!QTest::qWaitForWindowExposed(s.panel.get()))
            qFatal("section window not exposed");
        requests_.clear();
        return s;
    }

    // A left click at a point of the panel, delivered by the window system to
    // whatever control lies topmost there.
    static void clickAt(const Section& s, QPoint at)
    {
        QTest::mouseClick(s.panel->windowHandle(), Qt::LeftButton, {}, at);
    }

    static void clickControl(const Section& s, const char* name) { clickAt(s, s.control(name)->geometry().center()); }

    static void sectionRows()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(allSections()[std::size_t(i)]->panelName) << i;
    }

private slots:
    void initTestCase()
    {
        QApplication::setPalette(classicPalette());
        QApplication::setFont(makeFont(defaultFontSpec()));
        for (const SectionDescription* d : allSections()) {
            Section s;
            s.d = d;
            s.panel = std::make_unique<Panel>();
            s.panel->setObjectName(QString::fromLatin1(d->panelName));
            s.panel->setFixedSize(toPixels(9495, 6375));
            s.screen = std::make_unique<SectionScreen>(*d, s.panel.get(), assets_);
            sections_.push_back(std::move(s));
        }
    }

    void everyPictureLoaded()
    {
        const auto failures = assets_.failures();
        QVERIFY2(failures.empty(), failures.empty() ? "" : ("missing: " + failures.front()).c_str());
    }

    // Where two controls that are seen overlap, a click reaches the one listed
    // higher in the section's stacking order (unless a third one higher still
    // covers that point): at a point of every such overlap, in the start state
    // and with each item chosen.
    void overlapsGoToTheUpperControl_data() { sectionRows(); }
    void overlapsGoToTheUpperControl()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        QCOMPARE(s.shown(), nothingSelected());
        QVERIFY(s.control(s.d->names.recitation)->isHidden());
        // The control of the panel that a click at this point reaches.
        auto reached = [&](QPoint at) -> QString {
            QWidget* w = s.panel->childAt(at);
            while (w && w->parentWidget() != s.panel.get())
                w = w->parentWidget();
            return w ? w->objectName() : QString();
        };
        int overlaps = 0;
        for (std::size_t chosen = 0; chosen <= s.d->items.size(); ++chosen) {
            if (chosen > 0)
                clickAt(s, centre(s.d->items[chosen - 1].hotspots.front().rect));
            std::vector<QWidget*> seen;  // topmost first, as listed
            for (const char* name : s.d->stacking)
                if (QWidget* c = s.control(name); c->isVisible())
                    seen.push_back(c);
            for (std::size_t upper = 0; upper < seen.size(); ++upper) {
                for (std::size_t lower = upper + 1; lower < seen.size(); ++lower) {
                    const QRect both = seen[upper]->geometry() & seen[lower]->geometry();
                    if (both.isEmpty())
                        continue;
                    // A point of the overlap that no control above the upper one covers.
                    std::optional<QPoint> free;
                    for (int y = both.top(); y <= both.bottom() && !free; ++y)
                        for (int x = both.left(); x <= both.right() && !free; ++x)
                            if (std::none_of(seen.begin(), seen.begin() + std::ptrdiff_t(upper),
                                             [&](QWidget* c) { return c->geometry().contains(x, y); }))
                                free = QPoint(x, y);
                    if (!free)
                        continue;
                    ++overlaps;
                    QVERIFY2(
                        reached(*free) == seen[upper]->objectName(),
                        qPrintable(QStringLiteral("%1 at (%2, %3): %4 reached, not %5 over %6")
                                       .arg(chosen ? QString::fromLatin1(s.d->items[chosen - 1].pictureKey()) : "start")
                                       .arg(free->x())
                                       .arg(free->y())
                                       .arg(reached(*free), seen[upper]->objectName(), seen[lower]->objectName())));
                }
            }
        }
        QVERIFY(overlaps > 0);
    }

    // Every hotspot, clicked at its centre, selects its item and asks for no
    // sound (the two of sea and of hill give the same state); clicking it again
    // repeats the same state. Play then asks for the
    // item's recitation, Stop for "stop.exp", and neither changes the selection.
    void hotspotsSelectTheirItems_data() { sectionRows(); }
    void hotspotsSelectTheirItems()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        for (const SectionItem& item : s.d->items) {
            for (const HotspotSpec& h : item.hotspots) {
                for (int twice = 0; twice < 2; ++twice) {
                    clickAt(s, centre(h.rect));
                    QCOMPARE(s.shown(), itemSelected(item));
                    QCOMPARE(requests_.names(), QStringList());
                }
                clickControl(s, s.d->names.play);
                clickControl(s, s.d->names.stop);
                QCOMPARE(requests_.names(),
                         QStringList({QString::fromLatin1(item.verse->recitation), QStringLiteral("stop.exp")}));
                QCOMPARE(s.shown(), itemSelected(item));
                requests_.clear();
            }
        }
    }

    // Exit hides the panel, drops the selection and asks for the cue sound;
    // Play with no selection sends the empty name, before any choice and after Exit.
    void exitResetsAndPlayThenSendsNothing_data() { sectionRows(); }
    void exitResetsAndPlayThenSendsNothing()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        clickControl(s, s.d->names.play);
        QCOMPARE(requests_.names(), QStringList({QString()}));

        clickAt(s, centre(s.d->items.back().hotspots.front().rect));
        requests_.clear();
        clickControl(s, s.d->names.exit);
        QVERIFY(s.panel->isHidden());
        QCOMPARE(s.shown(), nothingSelected());
        QCOMPARE(requests_.names(), QStringList({QStringLiteral("clip.exp")}));

        s.panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.panel.get()));
        requests_.clear();
        clickControl(s, s.d->names.play);
        QCOMPARE(requests_.names(), QStringList({QString()}));
        QCOMPARE(s.shown(), nothingSelected());
    }

    // Play and Stop share one pixel column; the one listed higher in the
    // stacking order takes a click there.
    void playAndStopMeet_data() { sectionRows(); }
    void playAndStopMeet()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        const SectionItem& item = s.d->items.front();
        clickAt(s, centre(item.hotspots.front().rect));
        const QRect play = s.control(s.d->names.play)->geometry();
        const QRect stop = s.control(s.d->names.stop)->geometry();
        QCOMPARE(play.right(), stop.left());
        clickAt(s, QPoint(stop.left(), stop.center().y()));
        const auto& order = s.d->stacking;
        const bool stopAbove = std::find(order.begin(), order.end(), std::string_view(s.d->names.stop))
            < std::find(order.begin(), order.end(), std::string_view(s.d->names.play));
        QCOMPARE(requests_.names(),
                 QStringList({stopAbove ? QStringLiteral("stop.exp") : QString::fromLatin1(item.verse->recitation)}));
    }

    // These hotspots reach one pixel row below the scene picture; a click on
    // that row belongs to them too.
    void stripBelowTheScene_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("hotspot");
        QTest::newRow("plant_i") << 0 << "plant_i";
        QTest::newRow("waters_f") << 2 << "waters_f";
        QTest::newRow("elf_a") << 3 << "elf_a";
        QTest::newRow("Image8") << 3 << "Image8";
    }
    void stripBelowTheScene()
    {
        QFETCH(int, index);
        QFETCH(QString, hotspot);
        Section& s = fresh(index);
        const QRect spot = s.control(hotspot.toLatin1().constData())->geometry();
        const QRect scene = s.control(s.d->names.scene)->geometry();
        const QPoint at(spot.center().x(), spot.bottom());
        QVERIFY(!scene.contains(at));
        clickAt(s, at);
        for (const SectionItem& item : s.d->items)
            for (const HotspotSpec& h : item.hotspots)
                if (hotspot == QLatin1String(h.name))
                    QCOMPARE(s.shown(), itemSelected(item));
        QCOMPARE(requests_.names(), QStringList());
    }

    // Clicks on the scene where no hotspot lies, on the item picture, on the
    // placeholder and on the labels change nothing and ask for no sound.
    void otherClicksDoNothing_data() { sectionRows(); }
    void otherClicksDoNothing()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        const SectionControlNames& n = s.d->names;
        const char* labels[] = {n.title, n.sayings, n.english, n.verseBox};
        const QRect frame = s.control(n.placeholder)->geometry();

        clickAt(s, frame.topLeft() + QPoint(6, frame.height() - 6));
        clickControl(s, n.prompt);
        for (const char* label : labels)
            clickControl(s, label);
        QCOMPARE(s.shown(), nothingSelected());

        const SectionItem& item = s.d->items.front();
        clickAt(s, centre(item.hotspots.front().rect));
        clickControl(s, item.pictureKey());
        for (const char* label : labels)
            clickControl(s, label);
        // Points of the scene that lie in no hotspot.
        const QRect scene = s.control(n.scene)->geometry();
        int gaps = 0;
        for (int y = scene.top() + 4; y < scene.bottom(); y += 23) {
            for (int x = scene.left() + 4; x < scene.right(); x += 23) {
                if (qobject_cast<Hotspot*>(s.panel->childAt(x, y)))
                    continue;
                clickAt(s, QPoint(x, y));
                ++gaps;
            }
        }
        QVERIFY(gaps > 10);
        QCOMPARE(s.shown(), itemSelected(item));
        QCOMPARE(requests_.names(), QStringList());
    }

    // The magnifier, with its hot spot at its centre, over every hotspot (also
    // where it reaches past the scene); the arrow everywhere else.
    void pointerShape_data() { sectionRows(); }
    void pointerShape()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        QList<QRect> spots;
        for (const SectionItem& item : s.d->items)
            for (const HotspotSpec& h : item.hotspots)
                spots << toPixels(h.rect);
        auto inSpot = [&](QPoint p) {
            return std::any_of(spots.begin(), spots.end(), [&](const QRect& r) { return r.contains(p); });
        };
        int magnified = 0;
        for (int y = 0; y < s.panel->height(); y += 3) {
            for (int x = 0; x < s.panel->width(); x += 3) {
                const QPoint p(x, y);
                QWidget* w = s.panel->childAt(p);
                const QCursor cursor = (w ? w : s.panel.get())->cursor();
                if (inSpot(p)) {
                    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
                    QCOMPARE(cursor.hotSpot(), QPoint(16, 16));
                    ++magnified;
                } else {
                    QCOMPARE(cursor.shape(), Qt::ArrowCursor);
                }
            }
        }
        QVERIFY(magnified > 0);
    }

    // Every verse wraps inside its box in the window's default font; the title
    // and the captions stay on one line.
    void textsFitTheirLabels_data() { sectionRows(); }
    void textsFitTheirLabels()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        Label* box = s.verseBox();
        const QSize boxSize = box->size();
        for (std::size_t i = 0; i < s.d->items.size(); ++i) {
            s.screen->select(i);
            const int lines = int(box->lines().size());
            QVERIFY2(lines * QFontMetrics(box->font()).height() <= box->textArea().height(),
                     s.d->items[i].pictureKey());
            QCOMPARE(box->size(), boxSize);
            if (std::string_view(s.d->items[i].pictureKey()) == "foils")
                QCOMPARE(lines, 1);
        }
        const SectionControlNames& n = s.d->names;
        for (const char* name : {n.title, n.sayings, n.english, n.prompt}) {
            Label* label = child<Label>(s.panel.get(), name);
            const QFontMetrics fm(label->font());
            QVERIFY2(label->lines().size() == 1, name);
            // The letters themselves, descenders included, lie inside the label.
            const QRect ink = fm.tightBoundingRect(label->text()).translated(0, fm.ascent());
            QVERIFY2(ink.top() >= 0 && ink.bottom() < label->height(), name);
        }
    }

    // Tab moves through the three buttons in the section's order; Space on a
    // focused button presses it.
    void keyboard_data() { sectionRows(); }
    void keyboard()
    {
        QFETCH(int, index);
        Section& s = fresh(index);
        s.panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.panel.get()));
        QWidget* first = s.control(s.d->focusOrder[0]);
        first->setFocus(Qt::TabFocusReason);
        for (const char* name : {s.d->focusOrder[1], s.d->focusOrder[2]}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        // After the three buttons, the scene's objects are one stop.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(qobject_cast<Hotspot*>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(s.d->focusOrder[0]));
        s.control(s.d->names.stop)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(requests_.names(), QStringList({QStringLiteral("stop.exp")}));
    }
};

QTEST_MAIN(SectionTest)
#include "test_sections.moc"
