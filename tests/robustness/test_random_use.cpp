// Randomized use of the real main window: tens of thousands of clicks, menu
// commands and keys, each checked against the navigation model (model.h), and
// the splash window's closings at random moments of the hand-over.
//
// The run is reproducible: it prints its start value, and
//   test_random_use --start N
// replays the run that started from N. A failure prints the start value and
// every action up to the fault.
//
//   test_random_use --soak SECONDS [--csv FILE]
// is the long run (tools/soak/run): randomized use with the sounds playing,
// sampling resident memory and open descriptors.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "common/sound_requests.h"
#include "random_use.h"
#include "soak.h"
#include "sound/sound.h"

using namespace robust;

namespace {

constexpr std::uint64_t kDefaultStart = 20240917;

QList<ayat::MainWindow*> mainWindows()
{
    QList<ayat::MainWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<ayat::MainWindow*>(w))
            found << m;
    return found;
}

void deleteWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<ayat::SplashWindow*>(w) || qobject_cast<ayat::MainWindow*>(w))
            windows << w;
    qDeleteAll(windows);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool activate(QWidget* w)
{
    w->activateWindow();
    return QTest::qWaitForWindowActive(w, 2000);
}

QString failureReport(const RandomUser& user, const QString& error)
{
    return QStringLiteral("start value %1, action %2: %3\nreplay with: --start %1\nactions:\n%4")
        .arg(user.start())
        .arg(user.actions())
        .arg(error, user.log());
}

// Every tick of the splash window's Timer2, with the main window it left.
struct Ticks {
    QList<QPointer<ayat::MainWindow>> mainAfter;
};

void recordTicks(ayat::SplashWindow* splash, Ticks& ticks)
{
    auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer2"));
    if (!timer)
        qFatal("the splash window has no Timer2");
    QObject::connect(timer, &QTimer::timeout, splash, [&ticks, splash] { ticks.mainAfter << splash->mainWindow(); });
}

}  // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

public:
    std::uint64_t start = kDefaultStart;

private:
    std::optional<SoundRequests> sounds_;
    void listen() { sounds_.emplace(); }

    // Random actions on the splash's current main window for about ms, with
    // short pauses so the splash timers tick in between.
    static QString useFor(RandomUser& user, std::mt19937_64& rng, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (QString e = user.step(); !e.isEmpty())
                return e;
            QTest::qWait(int(rng() % 15));
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        ayat::setUpApplication(*qApp);
        quietOffscreenWarnings();
        qInfo("start value %llu (replay: --start %llu)", qulonglong(start), qulonglong(start));
    }

    void cleanup()
    {
        sounds_.reset();
        deleteWindows();
    }

    void randomUseKeepsEveryRule()
    {
        const int count = scaledActions(60000);
        QPointer<ayat::MainWindow> current;
        auto make = [&]() -> ayat::MainWindow* {
            delete current;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            current = new ayat::MainWindow;
            current->show();
            if (!activate(current))
                qWarning("the main window did not become active");
            return current;
        };
        RandomUser user(start);
        user.makeWindow = make;
        QString error = user.attach(make());
        QElapsedTimer clock;
        clock.start();
        while (error.isEmpty() && user.actions() < count)
            error = user.step();
        if (!error.isEmpty())
            QFAIL(qPrintable(failureReport(user, error)));

        const auto& n = user.commandCounts();
        qInfo("%d actions in %lld ms, %d program ends; menu %d, home %d, hotspot %d, play %d, stop %d, "
              "section exit %d, info exit %d, no effect %d",
              user.actions(), clock.elapsed(), user.windowsEnded(), n[Command::Menu], n[Command::Home],
              n[Command::Hotspot], n[Command::Play], n[Command::Stop], n[Command::SectionExit], n[Command::InfoExit],
              n[Command::Nothing]);
        // A run that never reached some kind of control proves little.
        for (int kind = Command::Menu; kind <= Command::InfoExit; ++kind)
            QVERIFY2(n[std::size_t(kind)] >= count / 400, qPrintable(QString::number(kind)));
        QVERIFY(user.windowsEnded() >= 1);
    }

    // Closing the main window during the hand-over brings a fresh one at the
    // very next tick; once the splash window has closed, nothing does.
    void mainWindowClosedDuringTheHandOver()
    {
        std::mt19937_64 rng(start + 1);
        listen();
        QPointer<ayat::SplashWindow> splash = new ayat::SplashWindow;
        QCOMPARE(sounds_->names(), QStringList{"bism.exp"});
        Ticks ticks;
        recordTicks(splash, ticks);
        splash->show();
        QTRY_VERIFY(splash->mainWindow());

        RandomUser user(rng());
        user.allowEnd = false;
        QPointer<ayat::MainWindow> main = splash->mainWindow();
        user.menuRoutes = activate(main);
        QString error = user.attach(main);
        int closings = 0;
        while (error.isEmpty() && splash) {
            error = useFor(user, rng, int(rng() % 600));
            if (!error.isEmpty() || !splash)
                break;
            main->close();
            const qsizetype before = ticks.mainAfter.size();
            QTRY_VERIFY_WITH_TIMEOUT(ticks.mainAfter.size() > before || !splash, 2000);
            if (ticks.mainAfter.size() == before)
                break;  // the splash window closed first: nothing replaces the main window
            ++closings;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(main.isNull(), "the closed main window still exists");
            // The first tick after the close made a new window, in its initial state.
            main = ticks.mainAfter[before];
            QVERIFY(main);
            QVERIFY(main->isVisible());
            QCOMPARE(mainWindows(), QList<ayat::MainWindow*>{main.data()});
            user.menuRoutes = activate(main);
            error = user.attach(main);  // the model starts afresh: every check is against the initial state
        }
        if (!error.isEmpty())
            QFAIL(qPrintable(failureReport(user, error)));
        qInfo("the main window was closed %d times during the hand-over", closings);
        QVERIFY(closings >= 1);

        // No ticks after the splash window closed.
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 6000);
        const qsizetype tickCount = ticks.mainAfter.size();
        if (main) {
            error = useFor(user, rng, 200);
            if (!error.isEmpty())
                QFAIL(qPrintable(failureReport(user, error)));
            main->close();
        }
        QTRY_VERIFY(main.isNull());
        QTest::qWait(250);
        QCOMPARE(ticks.mainAfter.size(), tickCount);
        QVERIFY(mainWindows().isEmpty());
    }

    // The splash window closed at a random moment: before its first tick no
    // main window is ever made and the program ends; after it the main window
    // stays as it is and no tick comes any more.
    void splashClosedAtARandomMoment_data()
    {
        QTest::addColumn<int>("round");
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%d", i) << i;
    }

    void splashClosedAtARandomMoment()
    {
        QFETCH(int, round);
        std::mt19937_64 rng(start + 10 + std::uint64_t(round));
        const bool early = round == 0;
        QElapsedTimer clock;
        clock.start();
        QPointer<ayat::SplashWindow> splash = new ayat::SplashWindow;
        Ticks ticks;
        recordTicks(splash, ticks);
        splash->show();
        if (early) {
            qsizetype ticksAtClose = -1;
            QTimer::singleShot(int(rng() % 60), splash, [&] {
                ticksAtClose = ticks.mainAfter.size();
                // On a machine too slow for the first tick to wait, its window goes too.
                if (ayat::MainWindow* main = splash->mainWindow())
                    main->close();
                splash->close();
            });
            QTimer guard;
            guard.setSingleShot(true);
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
            guard.start(3000);
            QCOMPARE(QCoreApplication::exec(), 0);  // the last window closed: the program ends
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(splash.isNull());
            QCOMPARE(ticks.mainAfter.size(), ticksAtClose);
            if (ticksAtClose == 0)
                QVERIFY(mainWindows().isEmpty());
            return;
        }
        QTRY_VERIFY(splash->mainWindow());
        RandomUser user(rng());
        user.allowEnd = false;
        QPointer<ayat::MainWindow> main = splash->mainWindow();
        user.menuRoutes = activate(main);
        QString error = user.attach(main);
        if (error.isEmpty())
            error = useFor(user, rng, int(200 + rng() % 3000) - int(clock.elapsed()));
        if (!error.isEmpty())
            QFAIL(qPrintable(failureReport(user, error)));
        // On a busy machine the splash window may have closed on its own first:
        // that moment is as good as any, and the rest holds the same.
        if (splash)
            splash->close();
        QTRY_VERIFY(splash.isNull());
        const qsizetype tickCount = ticks.mainAfter.size();
        error = useFor(user, rng, 250);
        if (error.isEmpty())
            error = user.check();
        if (!error.isEmpty())
            QFAIL(qPrintable(failureReport(user, error)));
        QCOMPARE(ticks.mainAfter.size(), tickCount);
        QCOMPARE(mainWindows(), QList<ayat::MainWindow*>{main.data()});
    }

    // The end command while the splash window still exists: both windows go,
    // the event loop returns, no tick comes any more.
    void endCommandDuringTheHandOver_data()
    {
        QTest::addColumn<bool>("quitButton");
        QTest::newRow("File > Exit") << false;
        QTest::newRow("quit button") << true;
    }

    void endCommandDuringTheHandOver()
    {
        QFETCH(bool, quitButton);
        std::mt19937_64 rng(start + 20 + quitButton);
        QPointer<ayat::SplashWindow> splash = new ayat::SplashWindow;
        Ticks ticks;
        recordTicks(splash, ticks);
        splash->show();
        QTRY_VERIFY(splash->mainWindow());
        QPointer<ayat::MainWindow> main = splash->mainWindow();
        {
            RandomUser user(rng());
            user.allowEnd = false;
            user.menuRoutes = activate(main);
            QString error = user.attach(main);
            if (error.isEmpty())
                error = useFor(user, rng, int(rng() % 1500));
            if (!error.isEmpty())
                QFAIL(qPrintable(failureReport(user, error)));
            QVERIFY2(splash, "the splash window closed on its own before the end command could be given");
            // The quit button is pressed where it is seen: on the home screen.
            if (quitButton && user.model().seen() != kHome)
                quitButton = false;
        }
        listen();
        sounds_->clear();
        QTimer::singleShot(0, main, [&] {
            if (quitButton) {
                auto* quit = main->centralWidget()->findChild<QWidget*>(QStringLiteral("CommandButton10"));
                QTest::mouseClick(quit, Qt::LeftButton);
            } else {
                main->findChild<QAction*>(QStringLiteral("exit"))->trigger();
            }
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(3000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(sounds_->names(), quitButton ? QStringList{"clip.exp"} : QStringList{});
        QVERIFY(splash && !splash->isVisible());
        QVERIFY(main && !main->isVisible());
        const qsizetype tickCount = ticks.mainAfter.size();
        QTest::qWait(250);
        QCOMPARE(ticks.mainAfter.size(), tickCount);
    }
};

int main(int argc, char** argv)
{
    const std::uint64_t start = startValueFromArguments(argc, argv, kDefaultStart);
    if (const auto soak = soakOptionsFromArguments(argc, argv))
        return runSoak(argc, argv, start, *soak);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    RandomUseTest test;
    test.start = start;
    return QTest::qExec(&test, argc, argv);
}

#include "test_random_use.moc"
