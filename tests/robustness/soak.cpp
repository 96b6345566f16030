#include "soak.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include <dirent.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTextStream>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "random_use.h"

namespace robust {
namespace {

struct Sample {
    double seconds;
    int actions;
    int windows;
    long rssKb;
    long heapKb;
    int fds;
};

// Bytes the program has allocated and not freed, in kB: what a leak grows.
long heapInUseKb()
{
    const struct mallinfo2 m = ::mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int openDescriptors()
{
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir)
        return -1;
    int n = 0;
    while (const dirent* e = ::readdir(dir))
        if (e->d_name[0] != '.')
            ++n;
    ::closedir(dir);
    return n - 1;  // the listing's own descriptor
}

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? T{} : v[v.size() / 2];
}

}  // namespace

std::optional<SoakOptions> soakOptionsFromArguments(int& argc, char** argv)
{
    std::optional<SoakOptions> options;
    for (int i = 1; i < argc;) {
        const bool soak = std::strcmp(argv[i], "--soak") == 0, csv = std::strcmp(argv[i], "--csv") == 0;
        if ((!soak && !csv) || i + 1 >= argc) {
            ++i;
            continue;
        }
        if (!options)
            options.emplace();
        if (soak)
            options->seconds = std::max(10, std::atoi(argv[i + 1]));
        else
            options->csv = QString::fromLocal8Bit(argv[i + 1]);
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
    }
    return options;
}

int runSoak(int argc, char** argv, std::uint64_t start, const SoakOptions& options)
{
    // Headless, with the sounds really decoded and played into the disk driver.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "disk", 0);
    ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    // The sounds are looked up in the working directory: the program's folder.
    if (::chdir(AYAT_RUNTIME_DIR) != 0) {
        std::perror("soak: " AYAT_RUNTIME_DIR);
        return 2;
    }
    const QString csvPath = options.csv.isEmpty() ? QStringLiteral("soak.csv") : options.csv;
    QApplication app(argc, argv);
    ayat::setUpApplication(app);
    quietOffscreenWarnings();
    QFile csvFile(csvPath);
    if (!csvFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "soak: cannot write %s\n", qPrintable(csvPath));
        return 2;
    }
    QTextStream csv(&csvFile);
    csv << "seconds,actions,windows,rss_kb,heap_kb,fds\n";
    std::printf("soak: %d s of randomized use, start value %llu, samples to %s\n", options.seconds,
                static_cast<unsigned long long>(start), qPrintable(csvPath));
    std::fflush(stdout);

    std::mt19937_64 rng(start);
    RandomUser user(start);
    user.logLimit = 2000;  // a log of every action would grow the heap it measures
    QPointer<ayat::MainWindow> current;
    int windows = 0;
    auto activate = [](QWidget* w) {
        w->activateWindow();
        return QTest::qWaitForWindowActive(w, 2000);
    };
    user.makeWindow = [&]() -> ayat::MainWindow* {
        delete current;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        current = new ayat::MainWindow;
        ++windows;
        current->show();
        user.menuRoutes = activate(current);
        return current;
    };
    // Now and then the whole start again: a splash window hands over to a new
    // main window, which is used while the splash lives.
    auto startOver = [&]() -> QString {
        delete current;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPointer<ayat::SplashWindow> splash = new ayat::SplashWindow;
        splash->show();
        if (!QTest::qWaitFor([&] { return splash && splash->mainWindow(); }, 3000))
            return QStringLiteral("the splash window brought up no main window");
        current = splash->mainWindow();
        ++windows;
        user.menuRoutes = activate(current);
        user.allowEnd = false;
        QString error = user.attach(current);
        while (error.isEmpty() && splash) {
            error = user.step();
            QTest::qWait(int(rng() % 40));
        }
        user.allowEnd = true;
        return error;
    };

    QString error = user.attach(user.makeWindow());
    std::vector<Sample> samples;
    QElapsedTimer clock;
    clock.start();
    qint64 nextSample = 0, nextStartOver = 60000;
    while (error.isEmpty()) {
        const qint64 now = clock.elapsed();
        if (now >= nextSample) {
            // Memory freed but still held by the allocator is handed back
            // first: the figure is what the program holds, not what the
            // allocator keeps in reserve after the last burst of pictures.
            ::malloc_trim(0);
            const Sample s{now / 1000.0, user.actions(), windows, residentKb(), heapInUseKb(), openDescriptors()};
            samples.push_back(s);
            csv << QString::asprintf("%.1f,%d,%d,%ld,%ld,%d\n", s.seconds, s.actions, s.windows, s.rssKb, s.heapKb,
                                     s.fds);
            csv.flush();
            nextSample += options.sampleEverySeconds * 1000;
            if (now >= qint64(options.seconds) * 1000)
                break;
        }
        if (now >= nextStartOver) {
            error = startOver();
            nextStartOver += 60000;
            continue;
        }
        error = user.step();
        if (error.isEmpty() && !user.window())
            error = QStringLiteral("no main window left");
        // Pauses let the sounds play for a while before the next request cuts them.
        QTest::qWait(int(rng() % 40));
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "soak: start value %llu, action %d: %s\nlast actions:\n%s\n",
                     static_cast<unsigned long long>(start), user.actions(), qPrintable(error), qPrintable(user.log()));
        return 1;
    }

    // Judged after a warm-up (a tenth of the run, at least a minute but no more
    // than a quarter of it, at most five minutes): the last quarter's medians
    // against the first quarter's.
    const double warmUp = std::clamp(options.seconds / 10.0, std::min(60.0, options.seconds / 4.0), 300.0);
    std::vector<Sample> steady;
    for (const Sample& s : samples)
        if (s.seconds >= warmUp)
            steady.push_back(s);
    const std::size_t quarter = steady.size() / 4;
    if (quarter < 2) {
        std::fprintf(stderr, "soak: too few samples after the warm-up to judge (%zu)\n", steady.size());
        return 1;
    }
    std::vector<long> rssFirst, rssLast, heapFirst, heapLast;
    std::vector<int> fdFirst, fdLast;
    for (std::size_t i = 0; i < quarter; ++i) {
        rssFirst.push_back(steady[i].rssKb);
        heapFirst.push_back(steady[i].heapKb);
        fdFirst.push_back(steady[i].fds);
        rssLast.push_back(steady[steady.size() - 1 - i].rssKb);
        heapLast.push_back(steady[steady.size() - 1 - i].heapKb);
        fdLast.push_back(steady[steady.size() - 1 - i].fds);
    }
    const long rssA = median(rssFirst), rssB = median(rssLast);
    const long heapA = median(heapFirst), heapB = median(heapLast);
    const int fdA = median(fdFirst), fdB = median(fdLast);
    long rssMax = 0;
    int fdMax = 0;
    for (const Sample& s : samples) {
        rssMax = std::max(rssMax, s.rssKb);
        fdMax = std::max(fdMax, s.fds);
    }
    const bool flat = rssB - rssA <= options.rssToleranceKb && heapB - heapA <= options.rssToleranceKb
        && fdB - fdA <= options.fdTolerance;
    std::printf("soak: %d actions, %d main windows, %d program ends in %.0f s\n"
                "soak: resident memory %ld kB -> %ld kB (medians of the first and last quarter after %.0f s; "
                "peak %ld kB; start %ld kB)\n"
                "soak: heap in use %ld kB -> %ld kB\n"
                "soak: open descriptors %d -> %d (peak %d; start %d)\n"
                "soak: %s\n",
                user.actions(), windows, user.windowsEnded(), clock.elapsed() / 1000.0, rssA, rssB, warmUp, rssMax,
                samples.front().rssKb, heapA, heapB, fdA, fdB, fdMax, samples.front().fds, flat ? "flat" : "GROWING");
    return flat ? 0 : 1;
}

}  // namespace robust
