// The program's start exactly as app/main.cpp has it, run by the benchmark as a
// fresh process. It writes on standard output when each step was reached, on the
// monotonic clock, and ends itself once the main window's first frame is drawn:
//   libraries   static initialisation of this executable (shared libraries loaded)
//   main        main() entered
//   splash-frame-start / splash-frame-end   the splash window's first frame
//   tick        the first tick of the splash window's Timer2 is delivered
//   main-shown  the main window receives its show event (it has been made)
//   main-frame-start / main-frame-end       the main window's first frame
// With the argument "splash", it ends after the splash window's first frame
// (for profiling the start alone). "--without NAME" leaves one of the start's
// mechanisms out, for measuring what it buys:
//   resource-check   the check of file handles and threads before anything else
//   fonts-ahead      the font configuration read on a thread of its own
//   worker-held      the sound worker held until the first frame (it starts at
//                    the opening recitation's request instead)
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include <QEvent>
#include <QTimer>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "probe.h"

namespace {

const std::int64_t librariesLoaded = bench::nowNs();
std::vector<std::pair<const char*, std::int64_t>> stamps;

void stamp(const char* name, std::int64_t at = bench::nowNs()) { stamps.emplace_back(name, at); }

[[noreturn]] void reportAndEnd()
{
    std::string out;
    out += "stamp libraries " + std::to_string(librariesLoaded) + "\n";
    for (const auto& [name, at] : stamps)
        out += std::string("stamp ") + name + " " + std::to_string(at) + "\n";
    out += "done\n";
    (void)!::write(STDOUT_FILENO, out.data(), out.size());
    // Nothing of the program's teardown is part of what is measured.
    ::_exit(0);
}

void watch(bench::ObservedApplication& app, bool splashOnly)
{
    app.onFrame([splashOnly](const bench::Frame& f) {
        static bool splashDone = false;
        if (!splashDone && qobject_cast<ayat::SplashWindow*>(f.window)) {
            splashDone = true;
            stamp("splash-frame-start", f.start);
            stamp("splash-frame-end", f.end);
            if (splashOnly)
                reportAndEnd();
        } else if (qobject_cast<ayat::MainWindow*>(f.window)) {
            stamp("main-frame-start", f.start);
            stamp("main-frame-end", f.end);
            reportAndEnd();
        }
    });
    app.beforeEvent([](QObject* receiver, QEvent* event) {
        static bool ticked = false, shown = false;
        if (!ticked && event->type() == QEvent::Timer && qobject_cast<QTimer*>(receiver)
            && receiver->objectName() == QLatin1String("Timer2")) {
            ticked = true;
            stamp("tick");
        } else if (!shown && event->type() == QEvent::Show && qobject_cast<ayat::MainWindow*>(receiver)) {
            shown = true;
            stamp("main-shown");
        }
    });
}

}  // namespace

int main(int argc, char** argv)
{
    stamp("main");
    const bool splashOnly = argc > 1 && std::string(argv[argc - 1]) == "splash";
    std::string without;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--without")
            without += std::string(argv[i + 1]) + " ";
    const auto with = [&](const char* name) { return without.find(std::string(name) + " ") == std::string::npos; };
    // As app/main.cpp has them.
    if (with("resource-check") && !ayat::shortOfResources().empty())
        return 1;
    if (with("fonts-ahead"))
        ayat::prepareStart();
    bench::ObservedApplication app(argc, argv);
    watch(app, splashOnly);
    if (with("worker-held")) {
        ayat::startProgram(app);
    } else {
        ayat::setUpApplication(app);
        (new ayat::SplashWindow)->show();
    }
    return app.exec();
}
