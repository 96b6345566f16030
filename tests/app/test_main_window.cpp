// The main window: its size, its menu bar and the navigation between panels,
// judged by what a user sees (what receives a click, the pixels of a grab).
#include <map>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "app/main_window.h"
#include "app/program.h"
#include "common/main_window_probe.h"
#include "sections/tables/section_tables.h"

using namespace ayat;

namespace {

const QStringList kPanels{"aboutprog", "help", "animals", "foods", "space", "nature"};

// The names of the visible panels, topmost first.
QStringList visiblePanels(const MainWindow& w)
{
    QStringList shown;
    for (const QString& name : kPanels)
        if (child<Panel>(w.client(), name.toStdString())->isVisibleTo(w.client()))
            shown << name;
    return shown;
}

QAction* action(const MainWindow& w, const char* name)
{
    auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a)
        qFatal("no menu item %s", name);
    return a;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void windowHasItsFixedSizeAndCaption()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.client()->size(), QSize(634, 425));
        QCOMPARE(w.windowTitle(), QStringLiteral("Ayat Explorer"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.objectName(), QStringLiteral("main"));
        // The client area lies wholly below the menu bar.
        QCOMPARE(w.client()->mapTo(&w, QPoint(0, 0)).y(), w.menuBar()->geometry().bottom() + 1);

        // The strip along the right edge is never covered: it shows the face colour.
        w.naturemnu_Click();
        const QImage shot = w.client()->grab().toImage();
        for (int y = 0; y < shot.height(); y += 20)
            QCOMPARE(QColor(shot.pixel(633, y)), QColor(0xC0, 0xC0, 0xC0));
    }

    // Every item of the menu bar, chosen with the pointer as a user chooses it
    // (a click on the menu's title, then on the item), does its job; no item is
    // without one. What File, Exit does is seen in fileExitEndsTheProgramAtOnce.
    void everyMenuItemDoesItsJob()
    {
        const std::map<QString, QString> seenAfter{
            {"naturemnu", "nature"}, {"spacemnu", "space"},   {"foodsmnu", "foods"},    {"animalsmnu", "animals"},
            {"mainmnu", "home"},     {"proghelpmnu", "help"}, {"aboutmnu", "aboutprog"}};
        MainWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto pointAndClick = [](QWidget* widget, QPoint at) {
            QWindow* window = widget->window()->windowHandle();
            at = widget->mapTo(widget->window(), at);
            QTest::mouseMove(window, at);
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        };
        QStringList chosen;
        for (QAction* top : w.menuBar()->actions()) {
            QVERIFY2(top->menu(), qPrintable(top->text()));
            for (QAction* item : top->menu()->actions()) {
                if (item->isSeparator() || item->objectName() == QLatin1String("exit"))
                    continue;
                const auto job = seenAfter.find(item->objectName());
                QVERIFY2(job != seenAfter.end(), qPrintable("an item with no job: " + item->text()));
                // From a screen the item does not lead to, so that its job shows.
                action(w, item->objectName() == QLatin1String("mainmnu") ? "spacemnu" : "mainmnu")->trigger();
                pointAndClick(w.menuBar(), w.menuBar()->actionGeometry(top).center());
                QTRY_COMPARE(QApplication::activePopupWidget(), top->menu());
                QVERIFY(top->menu()->actionGeometry(item).isValid());
                pointAndClick(top->menu(), top->menu()->actionGeometry(item).center());
                QTRY_VERIFY(!QApplication::activePopupWidget());
                for (QPoint at : {QPoint(300, 200), QPoint(20, 20), QPoint(600, 400)})
                    QCOMPARE(seenAt(w, at), job->second);
                chosen << item->objectName();
            }
        }
        QCOMPARE(chosen.size(), int(seenAfter.size()));
        QVERIFY(action(w, "exit")->isEnabled());
    }

    // Each section table names the Category menu entry that opens it, and the
    // screen built from the table is the one that entry shows; the entries come
    // in the order of allSections().
    void everySectionOpensFromTheMenuEntryItsTableNames()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList entries;
        for (QAction* a : action(w, "cat")->menu()->actions())
            if (!a->isSeparator() && a->objectName() != QLatin1String("mainmnu"))
                entries << a->objectName();
        QStringList fromTables;
        for (const SectionDescription* d : allSections()) {
            fromTables << QString::fromLatin1(d->menuItem);
            action(w, d->menuItem)->trigger();
            QCOMPARE(seenAt(w, QPoint(300, 200)), QString::fromLatin1(d->panelName));
            QCOMPARE(visiblePanels(w), QStringList{QString::fromLatin1(d->panelName)});
            // The screen that answers for the shown panel is the one built from this table.
            const QWidget* seen = w.seenScreen();
            QCOMPARE(seen->objectName(), QString::fromLatin1(d->panelName));
        }
        QCOMPARE(entries, fromTables);
    }

    void panelsLieInTheirStackingOrder()
    {
        MainWindow w;
        QStringList order;  // children lie bottom first
        for (QObject* o : w.client()->children())
            if (kPanels.contains(o->objectName()))
                order.prepend(o->objectName());
        QCOMPARE(order, kPanels);
        QVERIFY(visiblePanels(w).isEmpty());
        for (const QString& name : kPanels)
            QCOMPARE(child<Panel>(w.client(), name.toStdString())->geometry(), QRect(0, 0, 633, 425));
    }

    void menuCommandsFollowTheNavigationTable_data()
    {
        QTest::addColumn<QStringList>("before");  // panels shown first, lowest first
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("after");  // visible panels, topmost first
        QTest::addColumn<QString>("seen");

        // clang-format off
        QTest::newRow("nature")                  << QStringList{}                             << "naturemnu"   << QStringList{"nature"}               << "nature";
        QTest::newRow("space hides nature")      << QStringList{"nature"}                     << "spacemnu"    << QStringList{"space"}                << "space";
        QTest::newRow("foods hides the rest")    << QStringList{"nature", "space", "animals"} << "foodsmnu"    << QStringList{"foods"}                << "foods";
        QTest::newRow("animals")                 << QStringList{"foods"}                      << "animalsmnu"  << QStringList{"animals"}              << "animals";
        QTest::newRow("same section again")      << QStringList{"nature"}                     << "naturemnu"   << QStringList{"nature"}               << "nature";
        QTest::newRow("main hides sections")     << QStringList{"space"}                      << "mainmnu"     << QStringList{}                       << "home";
        QTest::newRow("help")                    << QStringList{}                             << "proghelpmnu" << QStringList{"help"}                 << "help";
        QTest::newRow("about")                   << QStringList{}                             << "aboutmnu"    << QStringList{"aboutprog"}            << "aboutprog";
        QTest::newRow("section under help")      << QStringList{"help"}                       << "spacemnu"    << QStringList{"help", "space"}        << "help";
        QTest::newRow("section under about")     << QStringList{"nature", "aboutprog"}        << "animalsmnu"  << QStringList{"aboutprog", "animals"} << "aboutprog";
        QTest::newRow("main over help")          << QStringList{"nature", "help"}             << "mainmnu"     << QStringList{"help"}                 << "help";
        QTest::newRow("help under about")        << QStringList{"aboutprog"}                  << "proghelpmnu" << QStringList{"aboutprog", "help"}    << "aboutprog";
        QTest::newRow("about over help")         << QStringList{"help"}                       << "aboutmnu"    << QStringList{"aboutprog", "help"}    << "aboutprog";
        QTest::newRow("main leaves info panels") << QStringList{"foods", "help", "aboutprog"} << "mainmnu"     << QStringList{"aboutprog", "help"}    << "aboutprog";
        // clang-format on
    }

    void menuCommandsFollowTheNavigationTable()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        QFETCH(QString, seen);

        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QString& name : before)
            child<Panel>(w.client(), name.toStdString())->show();
        action(w, command.toLatin1().constData())->trigger();
        QCOMPARE(visiblePanels(w), after);
        // What a click reaches, in the middle and near the corners of the client area.
        for (QPoint at : {QPoint(300, 200), QPoint(20, 20), QPoint(600, 400)})
            QCOMPARE(seenAt(w, at), seen);
    }

    void hidingTheTopPanelRevealsWhatLayBeneath()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.naturemnu_Click();
        const QImage natureShot = w.client()->grab().toImage();
        w.proghelpmnu_Click();
        w.aboutmnu_Click();
        QCOMPARE(seenAt(w, {300, 200}), QStringLiteral("aboutprog"));
        w.panels().hide(PanelId::About);
        QCOMPARE(seenAt(w, {300, 200}), QStringLiteral("help"));
        w.panels().hide(PanelId::Help);
        QCOMPARE(w.client()->grab().toImage(), natureShot);
        w.mainmnu_Click();
        QCOMPARE(seenAt(w, {300, 200}), QStringLiteral("home"));
        // No panel is seen: the strip along the bottom shows the window's face.
        const QImage home = w.client()->grab().toImage();
        QCOMPARE(QColor(home.pixel(300, 423)), QColor(0xC0, 0xC0, 0xC0));
    }

    void accessKeysOpenMenusAndChooseEntries()
    {
        MainWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);
        QTRY_COMPARE(visiblePanels(w), QStringList{"nature"});

        QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_B);
        QTRY_COMPARE(visiblePanels(w), (QStringList{"aboutprog", "nature"}));
    }

    void fileExitEndsTheProgramAtOnce()
    {
        QPointer<MainWindow> w = new MainWindow;
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTimer::singleShot(0, [&] {
            QTest::keyClick(w, Qt::Key_F, Qt::AltModifier);
            QTimer::singleShot(50, [] {
                if (QWidget* menu = QApplication::activePopupWidget())
                    QTest::keyClick(menu, Qt::Key_X);
            });
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // not ended: fail, don't hang
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(!w->isVisible());
        delete w;
    }

    void keyboardFocusStaysOnTheScreenThatIsSeen()
    {
        MainWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("b1nature"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(visiblePanels(w), QStringList{"nature"});
        // The focus left the covered home screen for the section's first button.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QStringList cycle;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            cycle << QApplication::focusWidget()->objectName();
        }
        // After the three buttons, the scene's objects are one stop.
        QCOMPARE(cycle, (QStringList{"CommandButton1", "CommandButton2", "sky_i", "Command1"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sky_i"));
        w.proghelpmnu_Click();
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Help's Exit
        QCOMPARE(visiblePanels(w), QStringList{"nature"});
        QVERIFY(w.panels().panel(PanelId::Nature)->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(w.panels().panel(PanelId::Nature)->isAncestorOf(QApplication::focusWidget()));
        w.mainmnu_Click();
        QCOMPARE(QApplication::focusWidget()->parentWidget(), w.client());
    }

    void closingTheWindowDestroysIt()
    {
        QPointer<MainWindow> w = new MainWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->close();
        QTRY_VERIFY(w.isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
