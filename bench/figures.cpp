#include "figures.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <SDL.h>
#include <time.h>
#include <unistd.h>

#include <QAction>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "app/main_window.h"
#include "app/program.h"
#include "assets/catalogue.h"
#include "assets/loader.h"
#include "disk_audio.h"
#include "platform/audio.h"
#include "probe.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"
#include "sound/sound.h"

namespace bench {
namespace {

void print(const char* figure, const std::vector<std::int64_t>& values)
{
    std::string line = figure;
    for (std::int64_t v : values) {
        line += ' ';
        line += std::to_string(v);
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void sleepMs(double ms)
{
    const auto ns = std::int64_t(ms * 1e6);
    const timespec pause{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    ::nanosleep(&pause, nullptr);
}

// ---- pictures ----------------------------------------------------------------

const char* encodingName(ayat::Encoding e)
{
    switch (e) {
    case ayat::Encoding::Bitmap24:
        return "bmp";
    case ayat::Encoding::Gif87a:
    case ayat::Encoding::Gif89a:
        return "gif";
    case ayat::Encoding::Jpeg:
        return "jpeg";
    case ayat::Encoding::Icon:
        return "ico";
    }
    return "?";
}

// ---- windows -----------------------------------------------------------------

std::int64_t threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// Runs action, then the event loop until a frame of window ends that painted
// mustPaint (any frame when null). Nanoseconds from before the action to the
// frame's end, or -1 when no such frame came within three seconds.
// When cpu is given, it receives the user-interface thread's CPU time over the
// same span: a slow frame that took no more CPU than the others was a frame
// during which the thread was kept from running.
std::int64_t timeToFrame(QWidget* window, QWidget* mustPaint, const std::function<void()>& action,
                         std::vector<std::int64_t>* cpu = nullptr)
{
    ObservedApplication* app = observed();
    bool got = false;
    std::int64_t end = 0, cpuEnd = 0;
    app->onFrame([&](const Frame& f) {
        if (!got && f.window == window && (!mustPaint || f.painted.contains(mustPaint))) {
            got = true;
            end = f.end;
            cpuEnd = threadCpuNs();
        }
    });
    const std::int64_t cpuStart = threadCpuNs();
    const std::int64_t start = nowNs();
    action();
    const bool ok = ObservedApplication::processUntil([&] { return got; }, 3000);
    app->onFrame({});
    if (cpu)
        cpu->push_back(ok ? cpuEnd - cpuStart : -1);
    return ok ? end - start : -1;
}

// Runs make, which makes and shows a window, then the event loop until that
// window's first frame ends: nanoseconds from before make, or -1.
std::int64_t timeToFirstFrame(const std::function<QWidget*()>& make)
{
    ObservedApplication* app = observed();
    QWidget* window = nullptr;
    bool got = false;
    std::int64_t end = 0;
    app->onFrame([&](const Frame& f) {
        if (!got && window && f.window == window) {
            got = true;
            end = f.end;
        }
    });
    const std::int64_t start = nowNs();
    window = make();
    const bool ok = ObservedApplication::processUntil([&] { return got; }, 3000);
    app->onFrame({});
    return ok ? end - start : -1;
}

// Lets what the last step left behind (deferred deletes, late paints) run, and
// the machine settle a little, before the next timed step.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        sleepMs(2);
    }
}

// An empty window of the splash window's size that repaints itself when clicked.
class EmptyWindow : public QWidget {
public:
    EmptyWindow()
    {
        setFixedSize(351, 272);
        setGeometry(139, 155, 351, 272);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override { update(); }
};

// A point of the hotspot that a click there reaches: none of the controls above
// it in the panel covers it.
std::optional<QPoint> reachablePoint(QWidget* panel, QWidget* hotspot)
{
    const QRect r = hotspot->geometry();
    const QPoint centre = r.center();
    if (panel->childAt(centre) == hotspot)
        return hotspot->mapFromParent(centre);
    for (int y = r.top() + 1; y < r.bottom(); y += 3)
        for (int x = r.left() + 1; x < r.right(); x += 3)
            if (panel->childAt(QPoint(x, y)) == hotspot)
                return hotspot->mapFromParent(QPoint(x, y));
    return std::nullopt;
}

QAction* menuAction(QWidget* window, const char* name)
{
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        std::fprintf(stderr, "no menu item %s\n", name);
    return action;
}

// ---- sound -------------------------------------------------------------------

std::vector<std::int16_t> decodedSound(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    const auto samples = ayat::platform::decodeWave(
        std::span(reinterpret_cast<const std::byte*>(data.constData()), std::size_t(data.size())));
    return samples ? *samples : std::vector<std::int16_t>{};
}

constexpr std::size_t kDeviceBuffer = 512;  // the sound service's device buffer, in samples

}  // namespace

int decodeFigures(int argc, char** argv)
{
    ObservedApplication app(argc, argv);
    ayat::setUpApplication(app);
    // At the first tick the splash window has decoded its own three pictures.
    ayat::AssetStore splash;
    splash.windowIcon("splashicon");
    splash.image("splashbook");
    splash.image("splashtitle");

    const auto catalogue = ayat::catalogue();
    {
        const std::int64_t start = nowNs();
        ayat::AssetStore all;
        for (const ayat::Asset& a : catalogue)
            all.image(a.key);
        const std::int64_t took = nowNs() - start;
        if (!all.failures().empty()) {
            std::fprintf(stderr, "%zu pictures could not be loaded\n", all.failures().size());
            return 1;
        }
        print("decode-first", {took});
        print("decode-count", {std::int64_t(catalogue.size())});
    }

    std::vector<std::int64_t> runs;
    std::map<std::string, std::vector<std::int64_t>> byEncoding;
    for (int run = 0; run < 15; ++run) {
        std::map<std::string, std::int64_t> sums;
        const std::int64_t start = nowNs();
        ayat::AssetStore all;
        for (const ayat::Asset& a : catalogue) {
            const std::int64_t t = nowNs();
            all.image(a.key);
            sums[encodingName(a.encoding)] += nowNs() - t;
        }
        runs.push_back(nowNs() - start);
        for (const auto& [name, ns] : sums)
            byEncoding[name].push_back(ns);
    }
    print("decode-repeat", runs);
    for (const auto& [name, values] : byEncoding)
        print(("decode-" + name).c_str(), values);
    return 0;
}

int uiFigures(int argc, char** argv)
{
    ObservedApplication app(argc, argv);
    ayat::setUpApplication(app);

    // The empty window: made, shown and first drawn; then repainted by a click.
    std::vector<std::int64_t> emptyShown, emptyClick;
    for (int i = 0; i < 15; ++i) {
        EmptyWindow* w = nullptr;
        emptyShown.push_back(timeToFirstFrame([&w] {
            w = new EmptyWindow;
            w->show();
            return w;
        }));
        settle();
        if (i == 0) {
            for (int c = 0; c < 30; ++c) {
                emptyClick.push_back(
                    timeToFrame(w, w, [w] { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 100)); }));
                settle();
            }
        }
        delete w;
        settle();
    }
    print("empty-window-shown", emptyShown);
    print("empty-window-click", emptyClick);

    // The main window: made, shown and first drawn, as the first tick does it.
    std::vector<std::int64_t> mainShown;
    ayat::MainWindow* main = nullptr;
    for (int i = 0; i < 8; ++i) {
        delete main;
        settle();
        mainShown.push_back(timeToFirstFrame([&main] {
            main = new ayat::MainWindow;
            main->show();
            return main;
        }));
        settle();
    }
    // The first one also loads the fonts and image plugins that the empty windows did not need.
    print("main-window-inprocess-first", {mainShown.front()});
    mainShown.erase(mainShown.begin());
    print("main-window-inprocess", mainShown);
    main->setAttribute(Qt::WA_DeleteOnClose, false);

    // Section switches from the Category menu: the first of each section draws
    // its scene for the first time; then again, with everything drawn once.
    std::vector<std::int64_t> switchFirst, switchAgain, switchCpu;
    for (int round = 0; round < 4; ++round) {
        for (const ayat::SectionDescription* d : ayat::allSections()) {
            QAction* action = menuAction(main, d->menuItem);
            QWidget* panel = ayat::child<ayat::Panel>(main->client(), d->panelName);
            const std::int64_t t = timeToFrame(
                main, panel, [action] { action->trigger(); }, &switchCpu);
            (round == 0 ? switchFirst : switchAgain).push_back(t);
            settle();
        }
    }
    print("switch-first", switchFirst);
    print("switch-again", switchAgain);
    print("switch-cpu", switchCpu);

    // Hotspot clicks, each choosing another item than the one shown: the first
    // round shows every item picture for the first time.
    std::vector<std::int64_t> clickFirst, clickAgain, clickCpu;
    int unreachable = 0;
    for (const ayat::SectionDescription* d : ayat::allSections()) {
        QAction* action = menuAction(main, d->menuItem);
        QWidget* panel = ayat::child<ayat::Panel>(main->client(), d->panelName);
        timeToFrame(main, panel, [action] { action->trigger(); });
        settle();
        for (int round = 0; round < 3; ++round) {
            for (const ayat::SectionItem& item : d->items) {
                auto* hotspot = ayat::child<ayat::Hotspot>(panel, item.hotspots.front().name);
                auto* picture = ayat::child<ayat::Picture>(panel, item.pictureKey());
                const auto at = reachablePoint(panel, hotspot);
                if (!at) {
                    ++unreachable;
                    continue;
                }
                const std::int64_t t = timeToFrame(
                    main, picture, [&] { QTest::mouseClick(hotspot, Qt::LeftButton, {}, *at); }, &clickCpu);
                if (!picture->isVisible()) {
                    std::fprintf(stderr, "click on %s did not show %s\n", item.hotspots.front().name,
                                 item.pictureKey());
                    return 1;
                }
                (round == 0 ? clickFirst : clickAgain).push_back(t);
                settle();
            }
        }
    }
    print("click-first", clickFirst);
    print("click-again", clickAgain);
    print("click-cpu", clickCpu);
    print("click-unreachable", {unreachable});
    return 0;
}

int soundFigures(int, char**)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    if (!file || !driver || std::string(driver) != "disk") {
        std::fprintf(stderr, "run with SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE=<file>\n");
        return 2;
    }
    // The sounds lie beside the program, as they do beside ayat-explorer.
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string folder(exe, std::size_t(std::max<ssize_t>(n, 0)));
    folder.resize(folder.rfind('/') + 1);
    std::map<std::string, std::vector<std::int16_t>> decoded;
    for (const char* name : {"clip.exp", "stop.exp", "sky.exp"}) {
        decoded[name] = decodedSound(QString::fromStdString(folder + name));
        if (decoded[name].empty()) {
            std::fprintf(stderr, "cannot decode %s%s\n", folder.c_str(), name);
            return 1;
        }
    }
    DiskAudio disk(file, kDeviceBuffer);

    // The first request: it starts the service's worker and opens the device.
    std::int64_t start = nowNs();
    ayat::RequestSound("clip.exp");
    const std::int64_t firstReturn = nowNs() - start;
    std::int64_t at = disk.waitForSound(decoded["clip.exp"], 0, 3'000'000'000);
    if (at < 0) {
        std::fprintf(stderr, "the first sound never reached %s\n", file);
        return 1;
    }
    const std::int64_t openingStart = start, openingAt = at;

    // With the device open: requests at times that fall anywhere in the driver's period.
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> pause(60, 160);
    std::vector<std::pair<std::int64_t, std::int64_t>> found;  // request, position of its sound
    const char* names[] = {"stop.exp", "sky.exp", "clip.exp"};
    for (int i = 0; i < 36; ++i) {
        sleepMs(pause(random));
        disk.poll();
        const std::size_t from = disk.samplesWritten();
        const char* name = names[i % 3];
        start = nowNs();
        ayat::RequestSound(name);
        at = disk.waitForSound(decoded[name], from, 2'000'000'000);
        if (at < 0) {
            std::fprintf(stderr, "%s never reached %s\n", name, file);
            return 1;
        }
        found.emplace_back(start, at);
    }
    // Worked out once the log is long enough to give the driver's period well.
    sleepMs(300);
    disk.poll();
    std::vector<std::int64_t> written, visible, misaligned;
    for (const auto& [request, position] : found) {
        written.push_back(disk.writeTime(std::size_t(position)) - request);
        visible.push_back(disk.visibleTime(std::size_t(position)) - request);
        if (std::size_t(position) % kDeviceBuffer != 0)
            misaligned.push_back(position);
    }
    print("request-return-first", {firstReturn});
    print("first-sample-opening-write", {disk.writeTime(std::size_t(openingAt)) - openingStart});
    print("first-sample-opening-visible", {disk.visibleTime(std::size_t(openingAt)) - openingStart});
    print("first-sample-write", written);
    print("first-sample-visible", visible);
    print("first-sample-misaligned", {std::int64_t(misaligned.size())});
    print("disk-growth-step-bytes", {std::int64_t(disk.growthStep())});
    print("disk-period", {std::int64_t(disk.period())});

    // The call itself, over every sound file in turn, a millisecond apart.
    std::vector<std::string> all;
    for (const char* s : {"ani",  "ant",  "baw", "bir",  "bism", "cave",  "clip",  "elf",   "fruit", "gold",
                          "hill", "hony", "hor", "moon", "oil2", "oils",  "plant", "river", "sea",   "ship",
                          "sky",  "stop", "sun", "sun2", "swim", "tree1", "tree2", "waters"})
        all.push_back(std::string(s) + ".exp");
    std::vector<std::int64_t> returns;
    for (int i = 0; i < 1000; ++i) {
        const std::string& name = all[std::size_t(i) % all.size()];
        const std::int64_t t = nowNs();
        ayat::RequestSound(name);
        returns.push_back(nowNs() - t);
        sleepMs(1);
    }
    print("request-return", returns);
    ayat::sound::shutdown();
    std::fflush(stdout);
    ::_exit(0);
}

namespace {

// The bare device: the program's format and buffer, silent until asked for a
// tone, and the time each buffer was filled.
struct RawDevice {
    static constexpr std::size_t kMaxBuffers = 1 << 16;
    std::atomic<bool> tone{false};
    std::atomic<std::size_t> filled{0};
    std::vector<std::atomic<std::int64_t>> fillTimes = std::vector<std::atomic<std::int64_t>>(kMaxBuffers);
    std::vector<std::int16_t> toneSamples;

    static void fill(void* self, Uint8* stream, int length)
    {
        auto* d = static_cast<RawDevice*>(self);
        const std::size_t index = d->filled.load();
        if (index < kMaxBuffers)
            d->fillTimes[index] = nowNs();
        auto* out = reinterpret_cast<std::int16_t*>(stream);
        const std::size_t count = std::size_t(length) / 2;
        if (d->tone.exchange(false))
            std::copy_n(d->toneSamples.begin(), std::min(count, d->toneSamples.size()), out);
        else
            std::fill_n(out, count, std::int16_t(0));
        d->filled.fetch_add(1);
    }
};

}  // namespace

int rawSoundFigures(int, char**)
{
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    if (!file) {
        std::fprintf(stderr, "run with SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE=<file>\n");
        return 2;
    }
    RawDevice device;
    for (std::size_t i = 0; i < kDeviceBuffer; ++i)
        device.toneSamples.push_back(std::int16_t(1000 + 37 * int(i % 300)));
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 1;
    SDL_AudioSpec want{};
    want.freq = ayat::platform::kAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = Uint16(kDeviceBuffer);
    want.callback = &RawDevice::fill;
    want.userdata = &device;
    SDL_AudioSpec have{};
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (id == 0)
        return 1;
    SDL_PauseAudioDevice(id, 0);
    DiskAudio disk(file, kDeviceBuffer);

    std::mt19937 random(12345);
    std::uniform_real_distribution<double> pause(60, 160);
    std::vector<std::int64_t> filled;
    std::vector<std::pair<std::int64_t, std::int64_t>> found;
    sleepMs(200);
    for (int i = 0; i < 36; ++i) {
        sleepMs(pause(random));
        disk.poll();
        const std::size_t from = disk.samplesWritten();
        const std::int64_t start = nowNs();
        device.tone = true;
        const std::int64_t at = disk.waitForSound(device.toneSamples, from, 2'000'000'000);
        if (at < 0 || std::size_t(at) / kDeviceBuffer >= RawDevice::kMaxBuffers)
            return 1;
        const std::int64_t fill = device.fillTimes[std::size_t(at) / kDeviceBuffer];
        filled.push_back(fill - start);
        found.emplace_back(start, at);
    }
    sleepMs(300);
    disk.poll();
    std::vector<std::int64_t> written, visible, modelError;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const auto [start, at] = found[i];
        written.push_back(disk.writeTime(std::size_t(at)) - start);
        visible.push_back(disk.visibleTime(std::size_t(at)) - start);
        modelError.push_back(written.back() - filled[i]);
    }
    SDL_CloseAudioDevice(id);
    print("raw-first-sample-filled", filled);
    print("raw-first-sample-write", written);
    print("raw-first-sample-visible", visible);
    print("raw-write-model-error", modelError);
    print("disk-growth-step-bytes", {std::int64_t(disk.growthStep())});
    print("disk-period", {std::int64_t(disk.period())});
    return 0;
}

}  // namespace bench
