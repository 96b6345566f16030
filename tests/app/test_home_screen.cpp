// The home screen of a real main window, and the way section selections live
// through navigation: clicks at points of the window, keys, menu commands.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "app/main_window.h"
#include "app/program.h"
#include "common/main_window_probe.h"
#include "common/sound_requests.h"
#include "platform/widgets.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

struct Request {
    QString name;
    QStringList visiblePanels;  // at the moment of the request
    bool windowVisible = false;
};

}  // namespace

class HomeScreenTest : public QObject {
    Q_OBJECT

private:
    MainWindow* window_ = nullptr;
    QList<Request> requests_;
    SoundRequests listener_{[this](const QString& name) {
        requests_ << Request{name, visiblePanels(), window_->isVisible()};
    }};

    QStringList visiblePanels() const
    {
        QStringList shown;
        for (PanelId id : PanelStack::kTopmostFirst)
            if (Panel* p = window_->panels().panel(id); !p->isHidden())
                shown << p->objectName();
        return shown;
    }

    QStringList requestedNames() const
    {
        QStringList names;
        for (const Request& r : requests_)
            names << r.name;
        return names;
    }

    QWidget* control(const char* name) const { return findControl(window_->client(), name); }

    void clickControl(const char* name) const { clickAt(*window_, control(name)->geometry().center()); }

    // Clicks a control of a panel at its centre.
    void clickIn(const char* panel, const char* name) const
    {
        QWidget* w = findControl(child<Panel>(window_->client(), panel), name);
        clickAt(*window_, w->mapTo(window_->client(), w->rect().center()));
    }

    void trigger(const char* action) const { window_->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }

    QString verseOf(PanelId id) const
    {
        return child<Label>(window_->panels().panel(id), descriptionOf(*window_, id).names.verseBox)->text();
    }

private slots:
    void initTestCase() { setUpApplication(*static_cast<QApplication*>(QCoreApplication::instance())); }

    void init()
    {
        window_ = new MainWindow;
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        requests_.clear();
    }

    void cleanup()
    {
        delete window_;
        window_ = nullptr;
    }

    // At start the home screen is seen with the focus on "Nature"; the Space
    // bar there opens the nature section with the cue sound.
    void startsOnHomeWithFocusOnNature()
    {
        QCOMPARE(visiblePanels(), QStringList());
        QCOMPARE(QApplication::focusWidget(), control("b1nature"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(visiblePanels(), QStringList({"nature"}));
        QCOMPARE(requestedNames(), QStringList({"clip.exp"}));
        QCOMPARE(requests_.front().visiblePanels, QStringList({"nature"}));
    }

    // Each button shows its panel, then asks for the cue sound. The section and
    // title buttons leave the keyboard focus where it was; the Help button takes it.
    void buttonsOpenTheirPanels_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("takesFocus");
        // clang-format off
        QTest::newRow("Nature")  << "b1nature"       << "nature"    << false;
        QTest::newRow("Foods")   << "b2foods"        << "foods"     << false;
        QTest::newRow("Space")   << "b3space"        << "space"     << false;
        QTest::newRow("Animals") << "b4animals"      << "animals"   << false;
        QTest::newRow("Help")    << "about"          << "help"      << true;
        QTest::newRow("title")   << "CommandButton9" << "aboutprog" << false;
        // clang-format on
    }
    void buttonsOpenTheirPanels()
    {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        QFETCH(bool, takesFocus);
        // Pressing the mouse on the button moves the focus to it only where it takes it.
        QWidget* pressed = control(button.toLatin1().constData());
        QTest::mousePress(pressed, Qt::LeftButton, {}, pressed->rect().center());
        QCOMPARE(QApplication::focusWidget(), control(takesFocus ? button.toLatin1().constData() : "b1nature"));
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, pressed->rect().center());
        QCOMPARE(visiblePanels(), QStringList({panel}));
        QCOMPARE(seenAt(*window_, QPoint(300, 200)), panel);
        QCOMPARE(requestedNames(), QStringList({"clip.exp"}));
        QCOMPARE(requests_.front().visiblePanels, QStringList({panel}));
        // Then the focus follows onto the screen that is seen.
        QVERIFY(child<Panel>(window_->client(), panel.toStdString())->isAncestorOf(QApplication::focusWidget()));
    }

    // The quit button asks for the cue sound while the window is still there,
    // then ends the program without waiting.
    void quitButtonEndsTheProgram()
    {
        clickControl("CommandButton10");
        QCOMPARE(requestedNames(), QStringList({"clip.exp"}));
        QVERIFY(requests_.front().windowVisible);
        QVERIFY(!window_->isVisible());
    }

    void backgroundDoesNothing()
    {
        for (QPoint at : {QPoint(10, 10), QPoint(300, 250), QPoint(620, 20), QPoint(300, 400)}) {
            QCOMPARE(window_->client()->childAt(at)->objectName(), QStringLiteral("main"));
            clickAt(*window_, at);
        }
        QCOMPARE(visiblePanels(), QStringList());
        QCOMPARE(requestedNames(), QStringList());
        QCOMPARE(window_->client()->childAt(QPoint(300, 250))->cursor().shape(), Qt::ArrowCursor);
    }

    void tabOrder()
    {
        const char* order[] = {"b3space",        "b4animals",       "about",   "b2foods",
                               "CommandButton9", "CommandButton10", "b1nature"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    // Resting on the title button shows "About this program"; no other button
    // of the home screen has a tooltip.
    void tooltipOnlyOnTheTitleButton()
    {
        auto rest = [this](const char* name) {
            QWidget* w = control(name);
            const QPoint at = w->rect().center();
            QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
            QApplication::sendEvent(w, &help);
        };
        for (const char* name : {"b1nature", "b2foods", "b3space", "b4animals", "about", "CommandButton10"}) {
            rest(name);
            QVERIFY2(!QToolTip::isVisible(), name);
        }
        rest("CommandButton9");
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("About this program"));
        QToolTip::hideText();
    }

    // A selection lives through every way of leaving a section but its own Exit
    // button, which resets that section alone.
    void selectionsLiveThroughNavigation()
    {
        const QString sky = QString::fromLatin1(natureSection().items.front().verse->english);
        const QString sun = QString::fromLatin1(spaceSection().items[1].verse->english);

        clickControl("b1nature");
        clickIn("nature", "sky_i");
        QCOMPARE(verseOf(PanelId::Nature), sky);

        trigger("spacemnu");
        QCOMPARE(visiblePanels(), QStringList({"space"}));
        clickIn("space", "sun_s");
        QCOMPARE(verseOf(PanelId::Space), sun);

        trigger("naturemnu");
        QCOMPARE(seenAt(*window_, QPoint(300, 200)), QStringLiteral("nature"));
        QVERIFY(!findControl(window_->panels().panel(PanelId::Nature), "sky")->isHidden());

        // Help and About over the section, closed again.
        trigger("proghelpmnu");
        trigger("aboutmnu");
        QCOMPARE(seenAt(*window_, QPoint(300, 200)), QStringLiteral("aboutprog"));
        window_->panels().hide(PanelId::About);
        window_->panels().hide(PanelId::Help);
        QCOMPARE(seenAt(*window_, QPoint(300, 200)), QStringLiteral("nature"));
        QCOMPARE(verseOf(PanelId::Nature), sky);

        // Home by the menu, back by the home button: still selected.
        trigger("mainmnu");
        QCOMPARE(visiblePanels(), QStringList());
        clickControl("b1nature");
        QCOMPARE(verseOf(PanelId::Nature), sky);
        requests_.clear();
        clickIn("nature", "CommandButton1");
        QCOMPARE(requestedNames(), QStringList({"sky.exp"}));

        // Exit resets nature only.
        requests_.clear();
        clickIn("nature", "Command1");
        QCOMPARE(visiblePanels(), QStringList());
        QCOMPARE(requestedNames(), QStringList({"clip.exp"}));
        QCOMPARE(verseOf(PanelId::Nature), QString::fromLatin1(SectionScreen::kNoVerse));
        QCOMPARE(verseOf(PanelId::Space), sun);
        clickControl("b3space");
        QVERIFY(!findControl(window_->panels().panel(PanelId::Space), "ssun")->isHidden());
        requests_.clear();
        clickIn("space", "CommandButton4");
        QCOMPARE(requestedNames(), QStringList({"sun.exp"}));
    }
};

QTEST_MAIN(HomeScreenTest)
#include "test_home_screen.moc"
