// The sound service over SDL's disk output: each case runs this program again
// as a child with a list of steps (requests, pauses), in a folder of its own,
// and reads back what the child's service really sent to the audio device.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
// After windows.h:
#include <psapi.h>
#else
#include <dirent.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "common/files.h"
#include "sound/sound.h"
#include "wave_support.h"

using namespace wavetest;

namespace {

constexpr int kLength = 11025;  // samples of each pattern file: half a second
// Pattern 1 is the sound that the next request cuts short. It lasts three
// seconds, so that however far a busy machine lets the audio thread run ahead
// of the requesting one, the next request still comes while it plays.
constexpr int kCutId = 1;
constexpr int kCutLength = 66150;
constexpr int kBigId = 9;  // the big file's pattern
constexpr int kBigLength = 30'000'000;

int lengthOf(int id) { return id == kBigId ? kBigLength : id == kCutId ? kCutLength : kLength; }

// The child's waits are counted in sound written to the capture, not in time
// passed, so that a busy machine, whose audio thread falls behind the clock,
// hears the same. Whatever a wait waits for, it gives up after this long.
constexpr auto kHangLimit = std::chrono::seconds(10);

long capturedBytes()
{
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    std::error_code error;
    const auto size = file ? std::filesystem::file_size(file, error) : 0;
    return file && !error ? long(size) : -1;
}

// Whether the audio device is open: its capture file is open in this process.
#ifdef _WIN32
// Windows: a file open elsewhere cannot be opened with no sharing at all.
bool captureOpen()
{
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    const HANDLE h =
        file ? ::CreateFileA(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : INVALID_HANDLE_VALUE;
    if (h != INVALID_HANDLE_VALUE) {
        ::CloseHandle(h);
        return false;
    }
    return file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}
#else
bool captureOpen()
{
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    char* const wanted = file ? ::realpath(file, nullptr) : nullptr;
    if (!wanted)
        return false;
    bool open = false;
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        while (const dirent* e = ::readdir(fds)) {
            char target[4096];
            const std::string link = std::string("/proc/self/fd/") + e->d_name;
            const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
            open = open || (n > 0 && std::string(target, std::size_t(n)) == wanted);
        }
        ::closedir(fds);
    }
    std::free(wanted);
    return open;
}
#endif

// Sleeps a little at a time until done() or the hang limit.
template <class Done>
void waitUntil(Done done)
{
    const auto giveUp = std::chrono::steady_clock::now() + kHangLimit;
    while (!done() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

void report(long longestRequestUs)
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS usage{};
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &usage, sizeof usage);
    const long peakKb = long(usage.PeakWorkingSetSize / 1024);
#else
    // The peak of this program's own memory since it started (getrusage's
    // would count the peak of the test that forked it, which exec keeps).
    long peakKb = -1;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &peakKb) == 1)
                break;
        std::fclose(status);
    }
#endif
    std::printf("longest_request_us %ld\npeak_kb %ld\n", longestRequestUs, peakKb);
}

// Child: p:NAME requests NAME; c:N waits until the device has written N ms
// more sound (or closed); q waits until the device has closed; w:N waits N ms;
// i waits until the service has settled; e:TEXT says TEXT on standard output;
// f:PATH waits until the file PATH exists; x ends the program at once. Prints
// the longest request time and the peak resident memory.
int runSteps(int argc, char** argv)
{
    long longest = 0;
    for (int i = 0; i < argc; ++i) {
        const char* step = argv[i];
        if (std::strncmp(step, "p:", 2) == 0) {
            const auto start = std::chrono::steady_clock::now();
            ayat::RequestSound(step + 2);
            const auto took =
                std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
            longest = std::max<long>(longest, took);
        } else if (std::strncmp(step, "c:", 2) == 0) {
            // stdio holds back up to one 4096-byte block of what the driver wrote.
            const long until = capturedBytes() + 4096 + std::atol(step + 2) * 22050 / 1000 * 2;
            waitUntil([&] { return capturedBytes() >= until || !captureOpen(); });
        } else if (std::strcmp(step, "q") == 0) {
            waitUntil([] { return !captureOpen(); });
        } else if (std::strncmp(step, "w:", 2) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(step + 2)));
        } else if (std::strcmp(step, "i") == 0) {
            ayat::sound::waitUntilIdleForTesting();
        } else if (std::strncmp(step, "e:", 2) == 0) {
            std::printf("%s\n", step + 2);
            std::fflush(stdout);
        } else if (std::strncmp(step, "f:", 2) == 0) {
            waitUntil([&] { return std::filesystem::exists(step + 2); });
        } else if (std::strcmp(step, "x") == 0) {
            report(longest);
            return 0;
        }
    }
    ayat::sound::shutdown();
    report(longest);
    return 0;
}

#ifndef _WIN32
// Child: gives up every capability of its user (root's included), so that a
// folder's permissions hold for it as they do for any user. Before any thread
// is made: each thread keeps the capabilities it was made with.
bool dropCapabilities()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[2]{};
    return ::syscall(SYS_capset, &header, none) == 0;
}
#endif

struct Child {
    QByteArray capture;
    long longestRequestUs = -1;
    long peakKb = -1;
    qint64 elapsedMs = 0;
    int exitCode = -1;
};

// Makes the files of one case. "name=ID" is a pattern file, "name=@kind" one of
// the damaged or unusual kinds below.
bool makeFile(const QString& dir, const QString& entry)
{
    const QString name = entry.section('=', 0, 0);
    const QString what = entry.section('=', 1);
    const QString path = dir + '/' + name;
    QDir().mkpath(QFileInfo(path).path());
    if (!what.startsWith('@'))
        return writeFile(path, pattern(what.toInt(), lengthOf(what.toInt())));
    QByteArray good = pattern(3, kLength);
    const auto quiet = [](int, int) { return 0.1; };
    auto patch = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            good[at + i] = char(v >> (8 * i));
        return good;
    };
    auto patch16 = [&](int at, quint16 v) {
        good[at] = char(v);
        good[at + 1] = char(v >> 8);
        return good;
    };
#ifndef _WIN32
    if (what == "@fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
    if (what == "@dir")
        return QDir().mkdir(path);
    if (what == "@huge") {  // a WAVE header over 200 MB
        if (!writeFile(path, patch(40, 200u << 20).left(44)))
            return false;
        return QFile(path).resize(qint64(200) << 20);
    }
    if (what == "@big") {  // just under the size limit, and valid; made once
        static const QString big = QFileInfo(dir + "/../../big.wav").absoluteFilePath();
        if (!QFile::exists(big) && !writeFile(big, pattern(kBigId, kBigLength)))
            return false;
#ifdef _WIN32
        return QFile::copy(big, path);  // Windows' links need privileges
#else
        return QFile::link(big, path);
#endif
    }
    const QByteArray bytes = what == "@empty" ? QByteArray()
        : what == "@text"                     ? QByteArray("no sound in here\n").repeated(200)
        : what == "@cut"                      ? good.left(good.size() / 2)
        : what == "@header"                   ? good.left(30)
        : what == "@riffsize"                 ? patch(4, 0x7ffffff0)
        : what == "@datasize"                 ? patch(40, 0xfffffff0)
        : what == "@fmtsize"                  ? patch(16, 0x7ffffff0)
        : what == "@channels"                 ? patch16(22, 0)
        : what == "@rate"                     ? patch(24, 0)
        : what == "@bits"                     ? patch16(34, 0)
        : what == "@3hz"                      ? wave(3, 1, 16, false, 1000, quiet)
        : what == "@7999hz"                   ? wave(7999, 1, 16, false, 4000, quiet)
        : what == "@9channels"                ? wave(22050, 9, 16, false, 2205, quiet)
        : what == "@8channels1hz"             ? wave(1, 8, 16, false, 10, quiet)
                                              : QByteArray("?");
    return writeFile(path, bytes);
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    // Called by run() once the child has started, while it runs.
    std::function<void(QProcess&)> meanwhile;

    Child run(const QStringList& steps, const QString& cwd, const QString& program = {},
              const QString& driver = QStringLiteral("disk"), bool unprivileged = false)
    {
        const QString capture = temp.filePath("capture.raw");
        QFile::remove(capture);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SDL_AUDIODRIVER", driver);
        env.insert("SDL_DISKAUDIOFILE", capture);
        if (unprivileged)
            env.insert("AYAT_TEST_UNPRIVILEGED", "1");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(cwd);
        QElapsedTimer clock;
        clock.start();
        p.start(program.isEmpty() ? QCoreApplication::applicationFilePath() : program, QStringList{"--play"} + steps);
        if (meanwhile)
            meanwhile(p);
        Child c;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
        }
        c.elapsedMs = clock.elapsed();
        c.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        if (c.exitCode != 0)
            qWarning("child: %s", p.readAllStandardError().constData());
        const QByteArray out = p.readAllStandardOutput();
        const int at = out.indexOf("longest_request_us ");
        if (at >= 0)
            c.longestRequestUs = out.mid(at + 19).split('\n').first().trimmed().toLong();
        const int peak = out.indexOf("peak_kb ");
        if (peak >= 0)
            c.peakKb = out.mid(peak + 8).trimmed().toLong();
        QFile f(capture);
        if (f.open(QIODevice::ReadOnly))
            c.capture = f.readAll();
        return c;
    }

    // A fresh folder for one case: cwd/ to run in and, if any files go there,
    // bin/ holding a copy of this program beside its files.
    QString prepare(const QStringList& cwdFiles, const QStringList& binFiles, QString* program)
    {
        static int n = 0;
        const QString root = temp.filePath(QString::number(++n));
        QDir().mkpath(root + "/cwd/sub");
        for (const QString& f : cwdFiles)
            if (!makeFile(root + "/cwd", f))
                return {};
        if (!binFiles.isEmpty()) {
            QDir().mkpath(root + "/bin");
            *program = root + "/bin/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
            if (!QFile::copy(QCoreApplication::applicationFilePath(), *program))
                return {};
            for (const QString& f : binFiles)
                if (!makeFile(root + "/bin", f))
                    return {};
        }
        return root + "/cwd";
    }

private slots:
    void initTestCase() { QVERIFY(temp.isValid()); }

    // What is heard, as runs of pattern samples: "1p" the start of file 1 cut
    // short, "2f" all of file 2 from its first sample, "_" a long silence.
    void playsWhatIsRequested_data()
    {
        QTest::addColumn<QStringList>("cwdFiles");
        QTest::addColumn<QStringList>("binFiles");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("heard");
        const QStringList ab{"a.exp=1", "b.exp=2"};
        const QStringList abThen{"p:a.exp", "i", "c:150"};
        const QStringList end{"i", "c:650"};
        auto row = [&](const char* tag, QStringList cwd, QStringList bin, QStringList steps, QString heard) {
            QTest::newRow(tag) << cwd << bin << steps << heard;
        };
        row("A then B", ab, {}, abThen + QStringList{"p:b.exp"} + end, "1p 2f");
        row("twice restarts", ab, {}, abThen + QStringList{"p:a.exp", "i", "q"}, "1p 1f");
        // A second after its sound has ended the device is closed, so a quiet program
        // is not woken; the next request opens it again (the capture file starts
        // afresh) and plays from its first sample.
        row("after a quiet spell", ab, {}, QStringList{"p:a.exp", "i", "q", "p:b.exp"} + end, "2f");
        row("play then stop", {"sky.exp=1", "stop.exp=2"}, {}, {"p:sky.exp", "i", "c:150", "p:stop.exp", "i", "c:650"},
            "1p 2f");
        row("case ignored", {"clip.exp=2"}, {}, QStringList{"p:clip.Exp"} + end, "2f");
        row("case ignored, upper file", {"CLIP.EXP=2"}, {}, QStringList{"p:clip.exp"} + end, "2f");
        row("program folder", {}, {"p.exp=4"}, QStringList{"p:p.exp"} + end, "4f");
        row("program folder, case ignored", {}, {"P.Exp=4"}, QStringList{"p:p.exp"} + end, "4f");
        row("working directory first", {"p.exp=5"}, {"p.exp=4"}, QStringList{"p:p.exp"} + end, "5f");
        row("big file plays", {"big.exp=@big"}, {}, {"p:big.exp", "i", "c:300"}, "9p");
        row("big file overtaken", {"big.exp=@big", "b.exp=2"}, {}, QStringList{"p:big.exp", "w:5", "p:b.exp"} + end,
            "2f");
        QStringList burst{"p:warm-up.exp", "i"};
        for (int i = 0; i < 100; ++i)
            burst << QStringLiteral("p:%1.exp").arg(i % 5 + 1);
        row("burst of 100", {"1.exp=1", "2.exp=2", "3.exp=3", "4.exp=4", "5.exp=5"}, {}, burst + end, "5f");

        // Each of these is silent, ends the sound in progress, and the next request plays.
        const struct {
            const char* tag;
            const char* file;
            const char* name;
        } bad[] = {
            {"missing", nullptr, "nothere.exp"},
            {"empty name", nullptr, ""},
            {"200 MB", "x.exp=@huge", "x.exp"},
#ifndef _WIN32
            {"fifo", "x.exp=@fifo", "x.exp"},
#endif
            {"directory", "x.exp=@dir", "x.exp"},
            {"not WAVE", "x.exp=@text", "x.exp"},
            {"zero length", "x.exp=@empty", "x.exp"},
            {"truncated data", "x.exp=@cut", "x.exp"},
            {"truncated header", "x.exp=@header", "x.exp"},
            {"RIFF size lies", "x.exp=@riffsize", "x.exp"},
            {"data size lies", "x.exp=@datasize", "x.exp"},
            {"fmt size lies", "x.exp=@fmtsize", "x.exp"},
            {"no channels", "x.exp=@channels", "x.exp"},
            {"no rate", "x.exp=@rate", "x.exp"},
            {"no bits", "x.exp=@bits", "x.exp"},
            // Formats no recitation comes in, refused before they are converted.
            {"3 Hz", "x.exp=@3hz", "x.exp"},
            {"7999 Hz", "x.exp=@7999hz", "x.exp"},
            {"9 channels", "x.exp=@9channels", "x.exp"},
            {"8 channels at 1 Hz", "x.exp=@8channels1hz", "x.exp"},
            {"folder in name", "sub/x.exp=3", "sub/x.exp"},
            {"backslash in name", "x\\y.exp=3", "x\\y.exp"},
            {"parent in name", "../x.exp=3", "../x.exp"},
        };
        for (const auto& b : bad) {
            QStringList files = ab;
            if (b.file)
                files << b.file;
            row(b.tag, files, {}, abThen + QStringList{QString("p:") + b.name, "i", "c:250", "p:b.exp"} + end,
                "1p _ 2f");
        }
    }

    void playsWhatIsRequested()
    {
        QFETCH(QStringList, cwdFiles);
        QFETCH(QStringList, binFiles);
        QFETCH(QStringList, steps);
        QFETCH(QString, heard);
        QString program;
        const QString cwd = prepare(cwdFiles, binFiles, &program);
        QVERIFY(!cwd.isEmpty());
        const Child c = run(steps, cwd, program);
        QCOMPARE(c.exitCode, 0);
        // Whatever the request names (a big file, a pipe, 200 MB), it never waits
        // for it: a request that opened a pipe would wait for ever. (How fast a
        // request returns is a figure of `make bench`.)
        QVERIFY2(c.longestRequestUs >= 0 && c.longestRequestUs < 2'000'000,
                 qPrintable(QString::number(c.longestRequestUs)));

        const std::vector<Run> all = runs(c.capture);
        const QString got = describe(all);
        // The sounds heard, each with whether a silence of 0.1 s or more came
        // before it. A shorter or longer gap between two sounds is how long the
        // next one took to start: a figure of `make bench`, not judged here.
        std::vector<Run> sound;
        std::vector<bool> quietBefore;
        bool quiet = false;
        for (const Run& r : all) {
            if (r.id == 0) {
                quiet = quiet || (r.length > 2205 && !sound.empty());
                continue;
            }
            sound.push_back(r);
            quietBefore.push_back(quiet);
            quiet = false;
        }
        QStringList want;  // "_" in `heard` asks for that silence before the next sound
        std::vector<bool> wantQuiet;
        bool silence = false;
        for (const QString& w : heard.split(' ')) {
            if (w == "_") {
                silence = true;
                continue;
            }
            want << w;
            wantQuiet.push_back(silence);
            silence = false;
        }
        QVERIFY2(sound.size() == std::size_t(want.size()), qPrintable(got));
        for (int i = 0; i < want.size(); ++i) {
            const Run& r = sound[std::size_t(i)];
            const int id = want[i].left(want[i].size() - 1).toInt();
            QVERIFY2(r.id == id && r.first == 0, qPrintable(got));
            if (wantQuiet[std::size_t(i)])
                QVERIFY2(quietBefore[std::size_t(i)], qPrintable(got));
            const int whole = lengthOf(id);
            if (want[i].endsWith('f'))
                QVERIFY2(r.length == whole, qPrintable(got));
            else
                QVERIFY2(r.length > 0 && r.length < whole, qPrintable(got));
        }
    }

#ifndef _WIN32
    // A program folder that may be entered but not listed (--x: the folder of
    // a program installed by another user, say) still gives a sound under its
    // exact name; the other spellings need a listing, and stay silent.
    void findsSoundsInAFolderThatCannotBeListed()
    {
        QString program;
        const QString cwd = prepare({}, {"p.exp=4", "Q.exp=5"}, &program);
        QVERIFY(!cwd.isEmpty());
        const QString bin = QFileInfo(program).path();
        const auto enterOnly = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(bin, enterOnly));
        const Child c = run({"p:p.exp", "i", "c:650", "p:q.exp", "i", "c:650"}, cwd, program, "disk", true);
        QVERIFY(QFile::setPermissions(bin, enterOnly | QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(c.exitCode, 0);
        const std::vector<Run> all = runs(c.capture);
        std::vector<Run> heard;
        std::copy_if(all.begin(), all.end(), std::back_inserter(heard), [](const Run& r) { return r.id != 0; });
        QVERIFY2(heard.size() == 1 && heard[0].id == 4 && heard[0].first == 0 && heard[0].length == kLength,
                 qPrintable(describe(all)));
    }
#endif

    // Other rates, depths and channel counts are converted: a 440 Hz tone of
    // 0.4 s at half scale stays one.
    void convertsOtherFormats_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<QString>("encoding");  // if given, sox makes the file in it
        QTest::newRow("8-bit 11025 mono") << 11025 << 1 << 8 << false << "";
        QTest::newRow("16-bit 44100 stereo") << 44100 << 2 << 16 << false << "";
        QTest::newRow("24-bit 48000 stereo") << 48000 << 2 << 24 << false << "";
        QTest::newRow("float 48000 mono") << 48000 << 1 << 32 << true << "";
        QTest::newRow("16-bit 8000 mono") << 8000 << 1 << 16 << false << "";
        QTest::newRow("16-bit 192000, 5.1") << 192000 << 6 << 16 << false << "";
#ifndef _WIN32
        // Made by sox, which a Windows program under Wine cannot start.
        QTest::newRow("A-law 8000 mono") << 8000 << 1 << 8 << false << "a-law";
        QTest::newRow("mu-law 8000 mono") << 8000 << 1 << 8 << false << "u-law";
        QTest::newRow("IMA ADPCM 22050 mono") << 22050 << 1 << 4 << false << "ima-adpcm";
        QTest::newRow("MS ADPCM 44100 stereo") << 44100 << 2 << 4 << false << "ms-adpcm";
        // sox writes these behind an extensible header, with a fact chunk.
        QTest::newRow("32-bit 96000 mono, extensible") << 96000 << 1 << 32 << false << "signed-integer";
        QTest::newRow("32-bit 48000 5.1, extensible") << 48000 << 6 << 32 << false << "signed-integer";
#endif
    }

    void convertsOtherFormats()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(bool, isFloat);
        QFETCH(QString, encoding);
        QString program;
        const QString cwd = prepare({}, {}, &program);
        if (encoding.isEmpty()) {
            QVERIFY(writeFile(cwd + "/tone.exp", wave(rate, channels, bits, isFloat, rate * 4 / 10, [rate](int f, int) {
                                  return 0.5 * std::sin(2 * M_PI * 440 * f / rate);
                              })));
        } else {
            QStringList args = QStringLiteral("-n -r %1 -c %2 -e %3").arg(rate).arg(channels).arg(encoding).split(' ');
            args << cwd + "/tone.wav" << QStringLiteral("synth 0.4 sine 440 vol 0.5").split(' ');
            QVERIFY2(QProcess::execute("sox", args) == 0, "sox could not make the file");
            QVERIFY(QFile::rename(cwd + "/tone.wav", cwd + "/tone.exp"));
        }
        const Child c = run({"p:tone.exp", "i", "c:700"}, cwd);
        QCOMPARE(c.exitCode, 0);
        const auto* s = reinterpret_cast<const qint16*>(c.capture.constData());
        const int n = int(c.capture.size() / 2);
        // Crossings counted between samples beyond the quiet band, so that
        // the noise of the compressed kinds near zero does not count.
        int first = -1, last = -1, crossings = 0, peak = 0, sign = 0;
        for (int i = 0; i < n; ++i) {
            if (std::abs(s[i]) > 300) {
                if (first < 0)
                    first = i;
                last = i;
                peak = std::max(peak, std::abs(int(s[i])));
                const int now = s[i] > 0 ? 1 : -1;
                crossings += sign != 0 && now != sign;
                sign = now;
            }
        }
        QVERIFY(first >= 0);
        const double seconds = (last - first) / 22050.0;
        QVERIFY2(std::abs(seconds - 0.4) < 0.02, qPrintable(QString::number(seconds)));
        const double hz = crossings / 2.0 / seconds;
        QVERIFY2(std::abs(hz - 440) < 15, qPrintable(QString::number(hz)));
        QVERIFY2(peak > 14000 && peak < 19000, qPrintable(QString::number(peak)));
    }

    // What a sound holds follows its file's size, not how long it lasts: 12 MB
    // of 8-bit 8000 Hz samples play for 25 minutes, 66 MB once converted, yet
    // the program grows by less than four times the file (the file, the
    // loader's copy of its samples, what is played).
    void memoryFollowsTheFile()
    {
        QString program;
        const QString cwd = prepare({"b.exp=2"}, {}, &program);
        const QByteArray slow = wave(8000, 1, 8, false, 12'000'000, [](int, int) { return 0.25; });
        QVERIFY(writeFile(cwd + "/slow.exp", slow));
        const Child small = run({"p:b.exp", "i", "c:100"}, cwd);
        const Child large = run({"p:slow.exp", "i", "c:100", "p:b.exp", "i", "c:650"}, cwd);
        QCOMPARE(small.exitCode, 0);
        QCOMPARE(large.exitCode, 0);
        QVERIFY(small.peakKb > 0 && large.peakKb > 0);
        const long grownKb = large.peakKb - small.peakKb;
        QVERIFY2(grownKb < 4 * 12'000, qPrintable(QStringLiteral("grew by %1 kB").arg(grownKb)));
        // Both were heard: the slow file (a steady level, no pattern), then b.exp.
        const std::vector<Run> heard = runs(large.capture);
        const auto b = std::find_if(heard.begin(), heard.end(), [](const Run& r) { return r.id == 2; });
        QVERIFY2(b != heard.end() && b->first == 0 && b->length == kLength, qPrintable(describe(heard)));
        QVERIFY(std::count_if(heard.begin(), b, [](const Run& r) { return r.id != 0; }) > 2205);
    }

#ifndef _WIN32  // not tried under Wine: files near the size limit, files changed as they play; and Linux's sound
                // servers
    // Files near the size limit are read as they play: the program holds
    // neither the file nor its samples whole, and grows by less than a quarter
    // of the file (a second read ahead of 192000 Hz, 8 channels of float is 6 MiB).
    void memoryStaysBoundedNearTheSizeLimit_data()
    {
        QTest::addColumn<bool>("isFloat");
        QTest::newRow("PCM 22050 Hz mono") << false;
        QTest::newRow("float 192000 Hz, 8 channels") << true;
    }

    void memoryStaysBoundedNearTheSizeLimit()
    {
        QFETCH(bool, isFloat);
        constexpr int kLimit = 64 << 20;  // the service's size limit
        QString program;
        const QString cwd = prepare({"b.exp=2"}, {}, &program);
        {
            // Let go before the children start: a child's peak counts what it was forked with.
            const QByteArray big = isFloat
                ? wave(192000, 8, 32, true, (kLimit - 44) / 32, [](int, int) { return 0.25; })
                : pattern(kBigId, (kLimit - 44) / 2);
            QVERIFY(big.size() > kLimit - 64 && big.size() <= kLimit);
            QVERIFY(writeFile(cwd + "/big.exp", big));
        }
        const Child small = run({"p:b.exp", "i", "c:100"}, cwd);
        const Child large = run({"p:big.exp", "i", "c:300", "p:b.exp", "i", "c:650"}, cwd);
        QCOMPARE(small.exitCode, 0);
        QCOMPARE(large.exitCode, 0);
        QVERIFY(small.peakKb > 0 && large.peakKb > 0);
        const long grownKb = large.peakKb - small.peakKb;
        QVERIFY2(grownKb < kLimit / 4 / 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(grownKb)));
        // Both were heard: the big file from its start (its pattern, or a steady level), then b.exp.
        const std::vector<Run> heard = runs(large.capture);
        const auto b = std::find_if(heard.begin(), heard.end(), [](const Run& r) { return r.id == 2; });
        QVERIFY2(b != heard.end() && b->first == 0 && b->length == kLength, qPrintable(describe(heard)));
        const auto first = std::find_if(heard.begin(), b, [](const Run& r) { return r.id != 0; });
        if (isFloat)
            QVERIFY(std::count_if(first, b, [](const Run& r) { return r.id != 0; }) > 2205);
        else
            QVERIFY2(first != b && first->id == kBigId && first->first == 0 && first->length > 2205,
                     qPrintable(describe(heard)));
    }

    // A file that changes while it plays is not the one whose header was
    // checked: its sound ends in silence (within the second read ahead of it),
    // nothing of what is in the file now is heard, and the next request plays.
    void endsWhenItsFileChangesWhilePlaying_data()
    {
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("cut short") << true;
        QTest::newRow("written over, same size") << false;
    }

    void endsWhenItsFileChangesWhilePlaying()
    {
        QFETCH(bool, cutShort);
        QString program;
        const QString cwd = prepare({"b.exp=2"}, {}, &program);
        const QString path = cwd + "/long.exp";
        QVERIFY(writeFile(path, pattern(1, 22050 * 20)));
        const QString go = temp.filePath("changed");
        QFile::remove(go);
        bool changed = false;
        meanwhile = [&](QProcess& p) {
            QByteArray said;
            for (int i = 0; i < 200 && !said.contains("playing"); ++i) {
                p.waitForReadyRead(100);
                said += p.readAllStandardOutput();
            }
            QFile f(path);
            if (said.contains("playing") && f.open(QIODevice::ReadWrite)) {
                const QByteArray other = pattern(3, 22050 * 20);
                changed = cutShort ? f.resize(f.size() / 2) : f.write(other.mid(44)) == other.size() - 44;
                f.close();
            }
            changed = changed && writeFile(go, "go");
        };
        const Child c =
            run({"p:long.exp", "i", "c:300", "e:playing", "f:" + go, "c:2500", "p:b.exp", "i", "c:650"}, cwd);
        meanwhile = {};
        QVERIFY(changed);
        QCOMPARE(c.exitCode, 0);
        const std::vector<Run> all = runs(c.capture);
        std::vector<Run> heard;
        std::copy_if(all.begin(), all.end(), std::back_inserter(heard), [](const Run& r) { return r.id != 0; });
        QVERIFY2(heard.size() == 2 && heard[0].id == 1 && heard[0].first == 0 && heard[1].id == 2 && heard[1].first == 0
                     && heard[1].length == kLength,
                 qPrintable(describe(all)));
        // Between them, the silence of a sound that ended: half a second or more.
        const auto gap = std::find_if(all.begin(), all.end(), [](const Run& r) { return r.id == 1; }) + 1;
        QVERIFY2(gap != all.end() && gap->id == 0 && gap->length > 11025, qPrintable(describe(all)));
    }

    // A sound server that comes up after the first request, as on a desktop
    // whose PulseAudio starts after its autostarted programs: the next request
    // plays through the server, as the program's own stream (not through raw
    // ALSA's bridge to it). The first found no output at all, or only raw ALSA
    // (here its null device), which a desktop's programs do not share.
    void findsASoundServerThatStartsLate_data()
    {
        QTest::addColumn<bool>("rawAlsa");
        QTest::newRow("no output at first") << false;
        QTest::newRow("raw ALSA at first") << true;
    }

    void findsASoundServerThatStartsLate()
    {
        QFETCH(bool, rawAlsa);
        QString program;
        const QString cwd = prepare({"a.exp=2"}, {}, &program);
        QVERIFY(writeFile(cwd + "/long.exp", pattern(1, 22050 * 20)));
        const QString root = temp.filePath(rawAlsa ? "server-after-alsa" : "server");
        QVERIFY(QDir().mkpath(root + "/run") && QDir().mkpath(root + "/home"));
        QVERIFY(writeFile(root + "/client.conf", "autospawn = no\n"));  // the first request must not start it
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Nothing of a desktop the tests may run in: no server named, none found through X.
        for (const char* name : {"SDL_AUDIODRIVER", "PULSE_SERVER", "PULSE_RUNTIME_PATH", "PIPEWIRE_REMOTE", "DISPLAY"})
            env.remove(name);
        env.insert("XDG_RUNTIME_DIR", root + "/run");
        env.insert("HOME", root + "/home");
        env.insert("PULSE_CLIENTCONFIG", root + "/client.conf");
        if (rawAlsa) {
            QVERIFY(writeFile(root + "/asound.conf", "pcm.!default { type null }\n"));
            env.insert("ALSA_CONFIG_PATH", root + "/asound.conf");
        }
        const auto tool = [&](const QString& name, const QStringList& args, int ms = 5000) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(name, args);
            const bool done = p.waitForFinished(ms);
            return done && p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
        };
        const auto within = [](int ms, const std::function<bool()>& done) {
            QElapsedTimer clock;
            clock.start();
            for (;;) {
                if (done())
                    return true;
                if (clock.elapsed() > ms)
                    return false;
                QThread::msleep(100);
            }
        };

        QProcess child;
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(cwd);
        // After a sound through raw ALSA, the device closes a second after its
        // end (half a second of sound): the next request opens it anew.
        child.start(QCoreApplication::applicationFilePath(),
                    {"--play", "p:a.exp", "i", "w:2500", "e:first", "f:" + root + "/go", "p:long.exp", "i", "w:8000"});
        QByteArray said;
        const auto settled = [&] {
            child.waitForReadyRead(100);
            return (said += child.readAllStandardOutput()).contains("first");
        };
        QVERIFY2(within(20000, settled), "the first request did not settle");

        QProcess server;
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disallow-exit",
                      "--load=module-native-protocol-unix auth-anonymous=1", "--load=module-null-sink sink_name=null"});
        QVERIFY2(server.waitForStarted(5000), "pulseaudio could not be started");
        QVERIFY2(within(10000, [&] { return !tool("pactl", {"info"}).isEmpty(); }), "pulseaudio did not answer");
        QVERIFY(tool("pactl", {"list", "sink-inputs"}).trimmed().isEmpty());  // nothing of the first request
        QVERIFY(writeFile(root + "/go", "go"));

        QByteArray inputs;
        const auto ours = [&] { return (inputs = tool("pactl", {"list", "sink-inputs"})).contains("Ayat Explorer"); };
        QVERIFY2(within(10000, ours), inputs.constData());
        QVERIFY2(inputs.contains("media.name = \"Recitation\""), inputs.constData());
        // And what it sends is heard: the null sink's monitor is not silent.
        const QByteArray recorded = [&] {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start("parec", {"--device=null.monitor", "--raw", "--format=s16le", "--channels=1", "--rate=22050"});
            QByteArray got;
            within(3000, [&] {
                p.waitForReadyRead(100);
                return (got += p.readAllStandardOutput()).size() > 22050 * 2;
            });
            p.kill();
            p.waitForFinished();
            return got;
        }();
        const QString zeros = QStringLiteral("%1 of %2 bytes zero").arg(recorded.count('\0')).arg(recorded.size());
        QVERIFY2(recorded.size() > 22050 && recorded.count('\0') < recorded.size() / 2, qPrintable(zeros));
        child.waitForFinished(15000);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardError().right(3000).constData());
        server.terminate();
        server.waitForFinished(5000);
    }
#endif

    // The program ends at once however it ends: while a long sound plays, while
    // a big file is decoded, through shutdown() or without it, with no device.
    // At once means well before the 20 s sound would have ended.
    void endsWithoutWaiting_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("driver");
        QTest::newRow("playing, no shutdown") << QStringList{"p:long.exp", "i", "w:100", "x"} << "disk";
        QTest::newRow("decoding, shutdown") << QStringList{"p:big.exp", "w:3"} << "disk";
        QTest::newRow("no device") << QStringList{"p:long.exp", "i", "p:", "p:long.exp", "i"} << "no-such-driver";
    }

    void endsWithoutWaiting()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, driver);
        QString program;
        const QString cwd = prepare({"big.exp=@big"}, {}, &program);
        QVERIFY(writeFile(cwd + "/long.exp", pattern(1, 22050 * 20)));
        const Child c = run(steps, cwd, {}, driver);
        QCOMPARE(c.exitCode, 0);
        QVERIFY2(c.elapsedMs < 10000, qPrintable(QString::number(c.elapsedMs)));
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--play") == 0) {
#ifndef _WIN32
        if (std::getenv("AYAT_TEST_UNPRIVILEGED") && !dropCapabilities()) {
            std::perror("capset");
            return 1;
        }
#endif
        return runSteps(argc - 2, argv + 2);
    }
    QCoreApplication app(argc, argv);
    TestSound test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sound.moc"
