// The scenes from the keyboard alone, in the real main window: Tab reaches the
// scene after the three buttons, the arrow keys walk its objects in reading
// order, Space and Return choose them as a click does and ask for no sound,
// and the focus ring shows only once the keyboard has moved the focus. Then
// what Qt's accessibility layer reports of them (the AT-SPI test reads the
// same through the bridge).
#include <algorithm>
#include <set>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/keyboard_focus.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

QWidget* focused() { return QApplication::focusWidget(); }
void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focused(), k, m); }

// The item whose picture a section shows, or -1.
int shownItem(const MainWindow& w, const SectionDescription& d)
{
    QWidget* panel = child<Panel>(w.client(), d.panelName);
    int shown = -1;
    for (std::size_t i = 0; i < d.items.size(); ++i)
        if (!findControl(panel, d.items[i].pictureKey())->isHidden()) {
            if (shown >= 0)
                return -2;
            shown = int(i);
        }
    return shown;
}

// The item a hotspot belongs to, or -1.
int itemOf(const SectionDescription& d, const QWidget* w)
{
    for (std::size_t i = 0; i < d.items.size(); ++i)
        for (const HotspotSpec& h : d.items[i].hotspots)
            if (w && w->objectName() == QLatin1String(h.name))
                return int(i);
    return -1;
}

void saveShot(QWidget* w, const char* name)
{
    // AYAT_SHOTS=folder keeps pictures of the focus ring to look at.
    const QString dir = qEnvironmentVariable("AYAT_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(QLatin1String(name)));
}

}  // namespace

class SceneKeysTest : public QObject {
    Q_OBJECT

    QStringList sounds_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& fresh()
    {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qFatal("the main window did not become active");
        sounds_.clear();
        return *window_;
    }

private slots:
    void initTestCase()
    {
        setUpApplication(*qApp);
        setSoundRequestListener([this](std::string_view name) { sounds_ << QString::fromLatin1(name); });
    }
    void cleanupTestCase() { setSoundRequestListener({}); }
    void cleanup() { window_.reset(); }

    // From start, by keys only: each section is opened from its home button,
    // every object of it is chosen, and the section is left by its Exit.
    void keyboardAloneChoosesEveryObject()
    {
        MainWindow& w = fresh();
        const char* homeButtons[] = {"b1nature", "b3space", "b2foods", "b4animals"};
        const auto sections = allSections();
        for (std::size_t s = 0; s < sections.size(); ++s) {
            const SectionDescription& d = *sections[s];
            for (int i = 0; i < 8 && focused()->objectName() != QLatin1String(homeButtons[s]); ++i)
                key(Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), QString::fromLatin1(homeButtons[s]));
            if (s == 1)
                saveShot(w.client(), "home-space-focused.png");
            sounds_.clear();
            key(Qt::Key_Space);
            QCOMPARE(w.seenScreen(), child<Panel>(w.client(), d.panelName));
            QCOMPARE(sounds_, QStringList{"clip.exp"});

            // The scene is the stop after the three buttons.
            QCOMPARE(focused()->objectName(), QString::fromLatin1(d.focusOrder[0]));
            for (int i = 0; i < 3; ++i)
                key(Qt::Key_Tab);
            QVERIFY2(itemOf(d, focused()) >= 0, qPrintable(focused()->objectName()));
            QVERIFY(showsKeyboardFocus(focused()));

            std::set<int> chosen;
            QStringList walk;
            sounds_.clear();
            for (std::size_t n = 0; n < d.items.size(); ++n) {
                const int item = itemOf(d, focused());
                walk << focused()->objectName();
                key(n % 2 ? Qt::Key_Return : Qt::Key_Space);
                QCOMPARE(shownItem(w, d), item);
                const auto* verse = child<Label>(child<Panel>(w.client(), d.panelName), d.names.verseBox);
                QCOMPARE(verse->text(), QString::fromLatin1(d.items[std::size_t(item)].verse->english));
                chosen.insert(item);
                key(n % 2 ? Qt::Key_Down : Qt::Key_Right);
            }
            QCOMPARE(chosen.size(), d.items.size());
            QVERIFY(sounds_.isEmpty());
            // The walk stops at the last object; Home, End and Left go back.
            QCOMPARE(focused()->objectName(), walk.last());
            key(Qt::Key_Home);
            QCOMPARE(focused()->objectName(), walk.first());
            key(Qt::Key_End);
            key(Qt::Key_Left);
            QCOMPARE(focused()->objectName(), walk[walk.size() - 2]);
            if (s == 0)
                QCOMPARE(walk,
                         (QStringList{"sky_i", "Image2", "sea_i", "hill_i", "cave_i", "plant_i", "river_i", "gold_i"}));

            // Tab leaves the scene for the first button; Shift+Tab comes back
            // to the object that was left.
            key(Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), QString::fromLatin1(d.focusOrder[0]));
            key(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused()->objectName(), walk[walk.size() - 2]);
            key(Qt::Key_Tab);
            sounds_.clear();
            key(Qt::Key_Space);  // Exit
            QCOMPARE(w.seenScreen(), w.client());
            QCOMPARE(sounds_, QStringList{"clip.exp"});
            QCOMPARE(shownItem(w, d), -1);
        }
    }

    // A mouse user sees nothing new: no ring while the focus has not been
    // moved from the keyboard, and a click on an object leaves the focus.
    // Once the keyboard moves it, the ring lies on the focused object's
    // hotspot and on a focused button.
    void theFocusRingShowsOnlyAfterTheKeyboard()
    {
        MainWindow& w = fresh();
        w.naturemnu_Click();
        QWidget* panel = child<Panel>(w.client(), "nature");
        auto* sky = findControl(panel, "sky_i");
        auto* ship = findControl(panel, "Image2");
        QTest::mouseClick(ship, Qt::LeftButton, {}, ship->rect().center());
        QCOMPARE(shownItem(w, natureSection()), 5);
        QCOMPARE(focused()->objectName(), QStringLiteral("Command1"));
        const QImage plain = panel->grab().toImage();
        sky->setFocus(Qt::OtherFocusReason);
        QCOMPARE(panel->grab().toImage(), plain);

        key(Qt::Key_Right);  // the keyboard moves the focus: sky to ship
        QCOMPARE(focused(), ship);
        saveShot(panel, "nature-ship-focused.png");
        const QImage ringed = panel->grab().toImage();
        const QRect r = ship->geometry();
        QCOMPARE(ringed.pixelColor(r.topLeft()), QColor(Qt::black));
        QCOMPARE(ringed.pixelColor(r.topLeft() + QPoint(2, 2)), QColor(Qt::white));
        QCOMPARE(ringed.pixelColor(r.bottomRight()), QColor(Qt::black));
        QCOMPARE(ringed.copy(r.adjusted(4, 4, -4, -4)), plain.copy(r.adjusted(4, 4, -4, -4)));

        key(Qt::Key_Tab);
        QWidget* exit = focused();
        QCOMPARE(exit->objectName(), QStringLiteral("Command1"));
        saveShot(panel, "nature-exit-focused.png");
        const QImage button = exit->grab().toImage();
        QCOMPARE(button.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(button.pixelColor(2, 2), QColor(Qt::white));
        QTest::mouseClick(sky, Qt::LeftButton, {}, sky->rect().center());
        QCOMPARE(focused(), exit);
    }

    // What the accessibility layer reports: every object a push button named
    // by what it shows, with a press action that chooses it, lying in the
    // named scene picture (in reading order there, and nowhere else); the
    // second hotspot of an object left out; pictures named; covered controls
    // not showing.
    void screenReadersFindEveryObject()
    {
        MainWindow& w = fresh();
        for (const SectionDescription* d : allSections()) {
            QWidget* panel = child<Panel>(w.client(), d->panelName);
            panel->show();
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(panel);
            QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8(d->title));
            QVERIFY(face);
            QStringList buttons;
            for (int i = 0; i < face->childCount(); ++i)
                if (QAccessibleInterface* c = face->child(i); c && c->role() == QAccessible::Button)
                    buttons << c->text(QAccessible::Name);
            // Play, Stop and Exit: the objects are not the panel's own.
            QCOMPARE(buttons.size(), 3);
            QAccessibleInterface* scene = QAccessible::queryAccessibleInterface(findControl(panel, d->names.scene));
            QCOMPARE(scene->text(QAccessible::Name), QString::fromUtf8(d->sceneName));
            QCOMPARE(scene->parent(), face);
            QStringList objects;
            QList<int> tops;
            for (int i = 0; i < scene->childCount(); ++i) {
                QAccessibleInterface* c = scene->child(i);
                QCOMPARE(c->role(), QAccessible::Button);
                QCOMPARE(c->parent(), scene);
                QCOMPARE(scene->indexOfChild(c), i);
                QCOMPARE(scene->childAt(c->rect().center().x(), c->rect().center().y()), c);
                objects << c->text(QAccessible::Name);
                tops << c->rect().top();
            }
            QVERIFY2(std::is_sorted(tops.begin(), tops.end()), d->panelName);
            for (std::size_t i = 0; i < d->items.size(); ++i) {
                const SectionItem& item = d->items[i];
                QVERIFY2(objects.removeOne(QLatin1String(item.hotspots[0].covers)), item.hotspots[0].covers);
                QAccessibleInterface* object =
                    QAccessible::queryAccessibleInterface(findControl(panel, item.hotspots[0].name));
                QVERIFY(object->state().focusable);
                QVERIFY(object->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
                object->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QCOMPARE(shownItem(w, *d), int(i));
                QAccessibleInterface* picture =
                    QAccessible::queryAccessibleInterface(findControl(panel, item.pictureKey()));
                QCOMPARE(picture->role(), QAccessible::Notification);
                QCOMPARE(picture->text(QAccessible::Name),
                         QString::fromUtf8(item.verse->reference) + QStringLiteral(". ")
                             + QString::fromUtf8(item.verse->english));
                QVERIFY(!picture->state().invisible && !picture->state().offscreen);
                // The prompt's text lies under the verse picture, its label not quite.
                QVERIFY(QAccessible::queryAccessibleInterface(findControl(panel, d->names.prompt))->state().offscreen);
            }
            // Second hotspots are not listed.
            QVERIFY2(objects.isEmpty(), qPrintable(objects.join(u',')));
            panel->hide();
        }
        QCOMPARE(
            QAccessible::queryAccessibleInterface(findControl(child<Panel>(w.client(), "nature"), "sky"))
                ->text(QAccessible::Name),
            QStringLiteral("Al-Hijr 15:16. It is We Who have set out the Zodiacal Signs in the heavens, and made them "
                           "fair-seeming to (all) beholders;"));

        // Covered: the home buttons while a panel lies over them, and a
        // section under Help.
        w.foodsmnu_Click();
        QAccessibleInterface* nature = QAccessible::queryAccessibleInterface(findControl(w.client(), "b1nature"));
        QAccessibleInterface* exit =
            QAccessible::queryAccessibleInterface(findControl(child<Panel>(w.client(), "foods"), "Command3"));
        QVERIFY(nature->state().offscreen);
        QVERIFY(!exit->state().offscreen && !exit->state().invisible);
        w.proghelpmnu_Click();
        QVERIFY(exit->state().offscreen);
        QTest::keyClick(focused(), Qt::Key_Space);  // Help's Exit
        w.mainmnu_Click();
        QVERIFY(!nature->state().offscreen && !nature->state().invisible);
        QCOMPARE(nature->role(), QAccessible::Button);
        QCOMPARE(nature->text(QAccessible::Name), QStringLiteral("Nature"));
    }

    // A scene picture gone before its objects: their accessible parent is the
    // panel again, never the picture that is gone.
    void objectsOutliveTheirScenePicture()
    {
        MainWindow& w = fresh();
        QWidget* panel = child<Panel>(w.client(), "nature");
        QWidget* sky = findControl(panel, "sky_i");
        delete findControl(panel, "Image1");
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(sky);
        QCOMPARE(object->parent(), QAccessible::queryAccessibleInterface(panel));
        QVERIFY(QAccessible::queryAccessibleInterface(panel)->indexOfChild(object) >= 0);
    }
};

QTEST_MAIN(SceneKeysTest)
#include "test_scene_keys.moc"
