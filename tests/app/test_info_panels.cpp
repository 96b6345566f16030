// The Help and About panels in a real main window: what lies over what, what
// their Exit buttons reveal and ask for, that menu commands under About change
// nothing that is seen; and that every credit and help text fits its label, the
// splash window's too.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "assets/loader.h"
#include "common/main_window_probe.h"
#include "common/sound_requests.h"
#include "panels/credits.h"
#include "panels/info_panels.h"
#include "platform/controls.h"
#include "sections/section_screen.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

void choose(MainWindow& w, const char* menuItem)
{
    auto* action = w.findChild<QAction*>(QString::fromLatin1(menuItem));
    QVERIFY2(action, menuItem);
    action->trigger();
}

// Where both Exit buttons lie (the same rectangle on both panels).
const QPoint kExit = toPixels(Twips{8520, 5520, 735, 495}).center();
// A point that every panel covers and no control of the information panels does.
const QPoint kOpen{20, 410};

}  // namespace

class InfoPanelsTest : public QObject {
    Q_OBJECT

    SoundRequests sounds_;

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void init() { sounds_.clear(); }

    void textsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<int>("coveredBelow");  // pixel rows an upper label hides at its bottom
        QTest::addColumn<QString>("says");
        // clang-format off
        QTest::newRow("splash maker") << "splash" << "Label1" << 1 << 1 << "the Ayat Explorer team";
        QTest::newRow("splash programmer") << "splash" << "Label3" << 1 << 0 << "the Ayat Explorer team";
        QTest::newRow("splash notice") << "splash" << "Label2" << 2 << 0 << "free";
        QTest::newRow("help title") << "help" << "Label14" << 1 << 0 << "Help Information";
        QTest::newRow("help text") << "help" << "Label16" << 7 << 1 << "Quran";
        QTest::newRow("help credit") << "help" << "Label21" << 2 << 0 << "the Ayat Explorer team";
        QTest::newRow("product title") << "aboutprog" << "Label20" << 1 << 25 << "Ayat Explorer";
        QTest::newRow("About") << "aboutprog" << "Label23" << 1 << 0 << "About";
        QTest::newRow("title and date") << "aboutprog" << "Label28" << 1 << 0 << "Ayat Explorer";
        QTest::newRow("distribution notice") << "aboutprog" << "Label24" << 5 << 9 << "https://creativecommons.org/licenses/by-sa/4.0/";
        QTest::newRow("programmer credit") << "aboutprog" << "Label25" << 1 << 0 << "the Ayat Explorer team";
        QTest::newRow("maker") << "aboutprog" << "Label26" << 1 << 0 << "the Ayat Explorer team";
        QTest::newRow("web address") << "aboutprog" << "Label27" << 1 << 0 << credits::kWebAddress;
        // clang-format on
    }

    void textsFitTheirLabels()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(int, maxLines);
        QFETCH(int, coveredBelow);
        QFETCH(QString, says);
        std::unique_ptr<QWidget> owner;
        QWidget* container = nullptr;
        if (window == "splash") {
            owner = std::make_unique<SplashWindow>();
            container = owner.get();
        } else {
            auto w = std::make_unique<MainWindow>();
            container = child<Panel>(w->client(), window.toStdString());
            owner = std::move(w);
        }
        auto* l = child<Label>(container, label.toStdString());
        QVERIFY(l->text().contains(says));
        const QStringList lines = l->lines();
        QVERIFY2(lines.size() <= maxLines, qPrintable(lines.join('|')));
        QVERIFY(lines.size() * QFontMetrics(l->font()).height() <= l->height() - coveredBelow);
        for (const QString& line : lines)
            QVERIFY(QFontMetrics(l->font()).horizontalAdvance(line) <= l->width());
    }

    void helpOverASectionKeepsItsSelection()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        choose(w, "naturemnu");
        QWidget* nature = w.panels().panel(PanelId::Nature);
        clickAt(w, findControl(nature, "sky_i")->geometry().center());
        auto* verse = child<Label>(nature, descriptionOf(w, PanelId::Nature).names.verseBox);
        QVERIFY(verse->text() != QLatin1String(SectionScreen::kNoVerse));
        const QImage before = w.client()->grab().toImage();

        choose(w, "proghelpmnu");
        QCOMPARE(seenAt(w, kOpen), QStringLiteral("help"));
        QVERIFY(w.client()->grab().toImage() != before);
        sounds_.clear();
        clickAt(w, kExit);
        QCOMPARE(sounds_.names(), QStringList{"clip.Exp"});
        QCOMPARE(seenAt(w, kOpen), QStringLiteral("nature"));
        QCOMPARE(w.client()->grab().toImage(), before);
        QVERIFY(verse->text() != QLatin1String(SectionScreen::kNoVerse));

        // Play still recites the item chosen before Help was opened.
        sounds_.clear();
        clickAt(w, findControl(nature, "CommandButton1")->geometry().center());
        QCOMPARE(sounds_.names(), QStringList{"sky.exp"});
    }

    // Every panel lies beneath About, Help included, so no menu command changes a
    // pixel while About shows, and none asks for a sound ("A&bout" again neither);
    // their effects are seen as the Exits peel About, then Help, off.
    void menuCommandsUnderAboutChangeNothingSeen()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        choose(w, "aboutmnu");
        const QImage about = w.client()->grab().toImage();
        for (const char* item :
             {"naturemnu", "spacemnu", "mainmnu", "animalsmnu", "proghelpmnu", "aboutmnu", "foodsmnu"}) {
            choose(w, item);
            QVERIFY2(w.client()->grab().toImage() == about, item);
        }
        QVERIFY(sounds_.names().isEmpty());

        clickAt(w, kExit);
        QCOMPARE(seenAt(w, kOpen), QStringLiteral("help"));
        clickAt(w, kExit);
        QCOMPARE(seenAt(w, kOpen), QStringLiteral("foods"));
        QCOMPARE(sounds_.names(), (QStringList{"clip.Exp", "clip.Exp"}));
    }

    void aboutEmblemShowsThePanelColourAtItsCorners()
    {
        Panel panel;
        panel.resize(toPixels(9495, 6375));
        const AssetStore images(QStringLiteral(AYAT_RUNTIME_DIR "/assets"));
        buildAboutPanel(&panel, images);
        auto* emblem = child<Picture>(&panel, "Image10");
        const QRect at = emblem->geometry();
        QCOMPARE(at, QRect(264, 240, 120, 82));
        const QImage shot = panel.grab().toImage();
        const QColor face = panel.palette().color(QPalette::Window);
        for (QPoint corner : {at.topLeft(), at.topRight(), at.bottomLeft(), at.bottomRight()})
            QCOMPARE(QColor(shot.pixel(corner)), face);

        QVERIFY2(!emblem->image().isNull(), "the emblem's picture (Image10.gif) did not load");
        QCOMPARE(emblem->image().size(), QSize(120, 82));
        QCOMPARE(qAlpha(emblem->image().pixel(0, 0)), 0);
        // The book itself is drawn, unscaled, from the rectangle's corner.
        int drawn = 0;
        for (int y = 0; y < at.height(); ++y)
            for (int x = 0; x < at.width(); ++x) {
                const QRgb source = emblem->image().pixel(x, y);
                if (qAlpha(source) == 255) {
                    QCOMPARE(shot.pixel(at.topLeft() + QPoint(x, y)), source | 0xFF000000u);
                    ++drawn;
                }
            }
        QVERIFY(drawn > at.width() * at.height() / 2);
    }
};

QTEST_MAIN(InfoPanelsTest)
#include "test_info_panels.moc"
