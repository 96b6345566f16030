// The start of the program: the splash window, its opening recitation and the
// hand-over to the main window, on real timers; and how the program ends.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QtTest>

#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>
#endif

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "assets/loader.h"
#include "common/sound_requests.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

QList<MainWindow*> mainWindows()
{
    QList<MainWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w))
            found << m;
    return found;
}

// Every tick of one of the splash window's timers: when it came (ms since the
// splash window was made) and which main window existed once it had run.
struct Ticks {
    QList<qint64> at;
    QList<QPointer<MainWindow>> mainAfter;
};

void record(SplashWindow* splash, const char* timer, Ticks& ticks, const QElapsedTimer& clock)
{
    auto* t = splash->findChild<QTimer*>(QString::fromLatin1(timer));
    QVERIFY(t);
    // Connected after the window's own handler, so it sees the tick's result.
    QObject::connect(t, &QTimer::timeout, [&ticks, &clock, splash] {
        ticks.at << clock.elapsed();
        ticks.mainAfter << splash->mainWindow();
    });
}

// Runs the event loop until the program ends or maxMs pass; the exit code, or -1.
int runProgram(int maxMs)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(maxMs);
    return QCoreApplication::exec();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    SoundRequests sounds_;

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void init() { sounds_.clear(); }

    // Must run first: no window of this process may have asked for a sound yet.
    // The splash window's first frame comes before what it does not need: the
    // audio library is loaded and the window icon read only once the frame is
    // out, while the opening recitation is still asked for as the window loads.
    // (On Windows the program links the audio library: it comes with the program.)
    void firstFrameComesBeforeTheAudioAndTheIcon()
    {
#ifndef _WIN32
        const auto audioLoaded = [] {
            void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
            if (library)
                ::dlclose(library);
            return library != nullptr;
        };
        QVERIFY2(!audioLoaded(), "the audio library was loaded before the program started");
#endif
        startProgram(*qApp);
        SplashWindow* splash = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            splash = splash ? splash : qobject_cast<SplashWindow*>(w);
        QVERIFY(splash);
        QCOMPARE(sounds_.names(), QStringList{"bism.exp"});
#ifndef _WIN32
        QVERIFY(!audioLoaded());
#endif
        QVERIFY(splash->windowIcon().isNull());

        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTRY_VERIFY_WITH_TIMEOUT(!splash->windowIcon().isNull(), 30000);
        QCOMPARE(splash->windowIcon().availableSizes(), AssetStore().windowIcon("splashicon").availableSizes());
#ifndef _WIN32
        QTRY_VERIFY2_WITH_TIMEOUT(audioLoaded(), "the audio library was not loaded after the first frame", 30000);
#endif
        delete splash;
    }

    void cleanup()
    {
        // No window of one case may live on into the next.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<SplashWindow*>(w) || qobject_cast<MainWindow*>(w))
                windows << w;
        qDeleteAll(windows);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The whole hand-over on real timers: the splash first with its recitation, the
    // main window at the first tick, then the same main window at every tick, and
    // the splash window closing at about four seconds, with no ticks afterwards.
    void handOverRunsOnTime()
    {
        QElapsedTimer clock;
        clock.start();
        QPointer<SplashWindow> splash = new SplashWindow;
        QCOMPARE(sounds_.names(), QStringList{"bism.exp"});
        QVERIFY(mainWindows().isEmpty());
        Ticks show, close;
        record(splash, "Timer2", show, clock);
        record(splash, "Timer1", close, clock);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(mainWindows().isEmpty(), show.at.isEmpty());
        QCOMPARE(splash->windowTitle(), QStringLiteral("Program loading..."));
        QCOMPARE(splash->geometry(), QRect(139, 155, 351, 272));

        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 5000);
        QCOMPARE(close.at.size(), 1);
        // Not before its four seconds (a busy machine may make it later).
        QVERIFY2(close.at[0] >= 3990, qPrintable(QString::number(close.at[0])));

        QVERIFY(show.at.size() >= 20);
        QVERIFY(show.at[0] >= 99);
        QPointer<MainWindow> main = show.mainAfter[0];
        QVERIFY(main);
        for (const auto& m : show.mainAfter)
            QCOMPARE(m.data(), main.data());
        QCOMPARE(mainWindows(), QList<MainWindow*>{main});
        QVERIFY(main->isVisible());
        // At the designed places the main window covers the splash window.
        QVERIFY(main->frameGeometry().contains(QRect(139, 155, 351, 272)));

        const qsizetype ticks = show.at.size();
        QTest::qWait(300);
        QCOMPARE(show.at.size(), ticks);
        QVERIFY(main && main->isVisible());
        // Nothing in the hand-over asked for another sound: the recitation plays on.
        QCOMPARE(sounds_.names(), QStringList{"bism.exp"});
    }

    void closedMainWindowIsReplacedAtTheNextTick()
    {
        QElapsedTimer clock;
        clock.start();
        auto* splash = new SplashWindow;
        Ticks show;
        record(splash, "Timer2", show, clock);
        splash->show();
        QTRY_VERIFY(!show.at.isEmpty());
        QPointer<MainWindow> first = splash->mainWindow();
        first->naturemnu_Click();
        first->aboutmnu_Click();
        QVERIFY(first->panels().panel(PanelId::About)->isVisibleTo(first));

        first->close();
        const qsizetype before = show.at.size();
        QTRY_VERIFY(show.at.size() > before);
        QTRY_VERIFY(first.isNull());
        // The very first tick after the close brought a fresh window, in its initial state.
        MainWindow* fresh = show.mainAfter[before];
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        for (PanelId id : PanelStack::kTopmostFirst)
            QVERIFY2(fresh->panels().panel(id)->isHidden(), qPrintable(fresh->panels().panel(id)->objectName()));
        QCOMPARE(mainWindows(), QList<MainWindow*>{fresh});
    }

    void closingTheSplashAfterTheHandOverLeavesTheMainWindow()
    {
        QElapsedTimer clock;
        clock.start();
        QPointer<SplashWindow> splash = new SplashWindow;
        Ticks show;
        record(splash, "Timer2", show, clock);
        splash->show();
        QTRY_VERIFY(!show.at.isEmpty());
        QPointer<MainWindow> main = splash->mainWindow();
        bool lastWindowClosed = false;
        auto c = connect(qApp, &QGuiApplication::lastWindowClosed, [&] { lastWindowClosed = true; });

        splash->close();
        QTRY_VERIFY(splash.isNull());
        const qsizetype ticks = show.at.size();
        QTest::qWait(250);
        QCOMPARE(show.at.size(), ticks);
        QVERIFY(main && main->isVisible());
        QVERIFY(!lastWindowClosed);
        disconnect(c);

        // From now on closing the main window leaves no window: nothing replaces it.
        main->close();
        QTRY_VERIFY(main.isNull());
        QTest::qWait(250);
        QVERIFY(mainWindows().isEmpty());
    }

    void closingTheSplashBeforeItsFirstTickEndsTheProgram()
    {
        QElapsedTimer clock;
        clock.start();
        QPointer<SplashWindow> splash = new SplashWindow;
        Ticks show;
        record(splash, "Timer2", show, clock);
        splash->show();
        QTimer::singleShot(20, splash, [&] { splash->close(); });
        QCOMPARE(runProgram(3000), 0);  // well before the splash window's four seconds
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
        QTest::qWait(250);
        QVERIFY(show.at.isEmpty());
        QVERIFY(mainWindows().isEmpty());
    }

    // The end command while the splash window still exists: File > Exit, or the
    // quit button of the home screen. Both windows go at once, the event loop
    // returns, and no tick comes any more.
    void endCommandWhileTheSplashExists_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("File > Exit") << "exit" << QStringList{"bism.exp"};
        QTest::newRow("quit button") << "CommandButton10" << QStringList{"bism.exp", "clip.exp"};
    }

    void endCommandWhileTheSplashExists()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, sounds);
        QElapsedTimer clock;
        clock.start();
        QPointer<SplashWindow> splash = new SplashWindow;
        Ticks show, close;
        record(splash, "Timer2", show, clock);
        record(splash, "Timer1", close, clock);
        splash->show();
        QTRY_VERIFY(!show.at.isEmpty());
        QPointer<MainWindow> main = splash->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));

        QTimer::singleShot(0, main, [&] {
            if (how == QLatin1String("exit")) {
                main->findChild<QAction*>(how)->trigger();
            } else {
                auto* quit = child<PictureButton>(main->client(), "CommandButton10");
                QTest::mouseClick(quit, Qt::LeftButton);
            }
        });
        QCOMPARE(runProgram(3000), 0);
        QVERIFY(splash && !splash->isVisible());
        QVERIFY(main && !main->isVisible());
        QCOMPARE(sounds_.names(), sounds);

        const qsizetype ticks = show.at.size();
        QTest::qWait(250);
        QCOMPARE(show.at.size(), ticks);
        QVERIFY(close.at.isEmpty());
        QVERIFY(!splash->isVisible() && !main->isVisible());
    }

    // A first tick that takes longer than four seconds (as a main window slow to
    // make would): the ticks that fell due meanwhile come once each, not piled
    // up, and the splash window closes right after.
    void ticksDueDuringALongHandlerComeOnce()
    {
        QElapsedTimer clock;
        clock.start();
        QPointer<SplashWindow> splash = new SplashWindow;
        Ticks show, close;
        record(splash, "Timer2", show, clock);
        record(splash, "Timer1", close, clock);
        auto* timer2 = splash->findChild<QTimer*>(QStringLiteral("Timer2"));
        qint64 busyUntil = 0;
        connect(timer2, &QTimer::timeout, [&] {
            if (busyUntil == 0) {
                QThread::msleep(4100);
                busyUntil = clock.elapsed();
            }
        });
        splash->show();
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 6000);

        QCOMPARE(close.at.size(), 1);
        // Right after, not four seconds after (the timer was not started again).
        QVERIFY2(close.at[0] - busyUntil < 2000, qPrintable(QString::number(close.at[0] - busyUntil)));
        // The first tick, and at most the one that fell due during it.
        QVERIFY2(show.at.size() <= 2, qPrintable(QString::number(show.at.size())));
        QVERIFY(show.mainAfter[0]);
        QCOMPARE(mainWindows().size(), 1);
    }

    // The real program, started as users start it: it comes up with its windows
    // and keeps running until it is told to end. Under limits too tight for the
    // windowing and audio libraries (which would crash or freeze), it says so
    // and ends; where it may raise its own limit, it does and starts.
    void programStartsOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("limit");
        QTest::addColumn<bool>("starts");
        QTest::newRow("as users start it") << QStringList{} << true;
#ifndef _WIN32  // the limits are Linux's, set with util-linux's prlimit and setpriv
        QTest::newRow("20 file handles") << QStringList{"prlimit", "--nofile=20"} << false;
        QTest::newRow("20 file handles, raisable") << QStringList{"prlimit", "--nofile=20:4096"} << true;
        // The limit on threads binds only users without the right to exceed it.
        const QStringList user = ::geteuid() == 0
            ? QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"}
            : QStringList{};
        QTest::newRow("no new threads") << user + QStringList{"prlimit", "--nproc=1"} << false;
#endif
    }

    void programStartsOrSaysWhyNot()
    {
        QFETCH(QStringList, limit);
        QFETCH(bool, starts);
#ifdef _WIN32
        const QString path = QStringLiteral(AYAT_RUNTIME_DIR "/ayat-explorer.exe");
#else
        const QString path = QStringLiteral(AYAT_RUNTIME_DIR "/ayat-explorer");
#endif
        QVERIFY2(QFileInfo(path).isExecutable(), "the program is not built");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(QStringLiteral(AYAT_RUNTIME_DIR));
        limit << path;
        program.start(limit.first(), limit.mid(1));
        QVERIFY(program.waitForStarted(5000));
        if (starts) {
            QVERIFY2(!program.waitForFinished(1000), program.readAllStandardError().constData());
            QCOMPARE(program.state(), QProcess::Running);
            program.kill();
            QVERIFY(program.waitForFinished(5000));
            return;
        }
        // Ends, however busy the machine: a frozen program would not in a minute.
        QVERIFY2(program.waitForFinished(60000), "it did not end");
        QCOMPARE(program.exitCode(), 1);
        const QByteArray said = program.readAllStandardError();
        QVERIFY2(said.contains("ayat-explorer: cannot start: "), said.constData());
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
