// Content files broken in every way a file can be broken, through the real
// loader and the real program:
//  - one picture at a time, through the picture loader: each broken file is
//    reported once on standard error, by key and path, and gives no picture;
//  - the whole program folder broken at once: the real program starts, lives
//    past the splash window's four seconds and ends at once on SIGTERM, and a
//    main window made over the broken folder (this test program, copied into
//    it) is used at random with every check of the random use test, its sounds
//    found or not, without ever hanging;
//  - the inputs the fuzz targets found (corpus/), loaded again.
#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/program.h"
#include "assets/catalogue.h"
#include "assets/loader.h"
#include "common/files.h"
#include "common/message_capture.h"
#include "platform/audio.h"
#include "random_use.h"
#include "sound/sound.h"

using namespace ayat;

namespace {

const QString kRuntime = QStringLiteral(AYAT_RUNTIME_DIR);
const QString kCorpus = QStringLiteral(AYAT_SOURCE_DIR "/tests/robustness/corpus");

QString fileNameOf(const QString& key)
{
    const auto asset = findAsset(key.toStdString());
    const std::string_view ext = asset ? extension(asset->encoding) : std::string_view("bin");
    return key + QLatin1Char('.') + QString::fromLatin1(ext.data(), qsizetype(ext.size()));
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

// ---- Header surgery ---------------------------------------------------------

void put16le(QByteArray& b, qsizetype at, quint32 v)
{
    if (at + 2 <= b.size())
        for (int i = 0; i < 2; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
}

void put32le(QByteArray& b, qsizetype at, quint32 v)
{
    if (at + 4 <= b.size())
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
}

void put16be(QByteArray& b, qsizetype at, quint32 v)
{
    if (at + 2 <= b.size()) {
        b[at] = char((v >> 8) & 0xFF);
        b[at + 1] = char(v & 0xFF);
    }
}

quint32 get32le(const QByteArray& b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

// The first image descriptor of a GIF, past the colour table and extensions.
qsizetype gifImageDescriptor(const QByteArray& b)
{
    qsizetype at = 13;
    if (quint8(b.at(10)) & 0x80)
        at += 3 * (qsizetype(1) << ((quint8(b.at(10)) & 7) + 1));
    while (at < b.size()) {
        if (quint8(b.at(at)) == 0x2C)
            return at;
        if (quint8(b.at(at)) != 0x21)
            return -1;
        at += 2;  // extension introducer and label, then sub-blocks up to an empty one
        while (at < b.size() && quint8(b.at(at)) != 0)
            at += 1 + quint8(b.at(at));
        ++at;
    }
    return -1;
}

// The frame header (SOF0 to SOF3 marker) of a JPEG.
qsizetype jpegFrameHeader(const QByteArray& b)
{
    qsizetype at = 2;
    while (at + 4 <= b.size() && quint8(b.at(at)) == 0xFF) {
        const quint8 marker = quint8(b.at(at + 1));
        if (marker >= 0xC0 && marker <= 0xC3)
            return at;
        at += 2 + ((quint8(b.at(at + 2)) << 8) | quint8(b.at(at + 3)));
    }
    return -1;
}

// The first byte of a JPEG's entropy-coded data: just past its first scan header.
qsizetype jpegScanData(const QByteArray& b)
{
    qsizetype at = 2;
    while (at + 4 <= b.size() && quint8(b.at(at)) == 0xFF) {
        const qsizetype length = (quint8(b.at(at + 2)) << 8) | quint8(b.at(at + 3));
        if (quint8(b.at(at + 1)) == 0xDA)
            return at + 2 + length;
        at += 2 + length;
    }
    return b.size();
}

// Where a picture's pixel data begins: the first byte after all its headers
// (for a GIF, its first image's code size byte; for an icon of two images, the
// end of its first image). Cuts around it are the ones decoders get wrong.
qsizetype pixelDataStart(const QByteArray& b, Encoding e)
{
    switch (e) {
    case Encoding::Bitmap24:
        return get32le(b, 10);
    case Encoding::Gif87a:
    case Encoding::Gif89a: {
        const qsizetype d = gifImageDescriptor(b);
        const quint8 flags = quint8(b.at(d + 9));
        return d + 10 + ((flags & 0x80) ? 3 * (qsizetype(1) << ((flags & 7) + 1)) : 0);
    }
    case Encoding::Jpeg:
        return jpegScanData(b);
    case Encoding::Icon:
        return quint8(b.at(4)) >= 2 ? get32le(b, 18) + get32le(b, 14) : get32le(b, 18);
    }
    return b.size();
}

// A header that says the picture is enormous; the data stays as it was.
QByteArray hugeDimensions(QByteArray b, Encoding e)
{
    switch (e) {
    case Encoding::Bitmap24:
        put32le(b, 18, 100000);
        put32le(b, 22, 100000);
        break;
    case Encoding::Gif87a:
    case Encoding::Gif89a:
        put16le(b, 6, 0xFFFF);
        put16le(b, 8, 0xFFFF);
        if (const qsizetype d = gifImageDescriptor(b); d > 0) {
            put16le(b, d + 5, 0xFFFF);
            put16le(b, d + 7, 0xFFFF);
        }
        break;
    case Encoding::Jpeg:
        if (const qsizetype f = jpegFrameHeader(b); f > 0) {
            put16be(b, f + 5, 65500);
            put16be(b, f + 7, 65500);
        }
        break;
    case Encoding::Icon:
        b[6] = 0;  // 256 x 256 in the directory
        b[7] = 0;
        if (const quint32 image = get32le(b, 18); image + 12 <= quint32(b.size())) {
            put32le(b, image + 4, 100000);
            put32le(b, image + 8, 200000);
        }
        break;
    }
    return b;
}

// Header fields that disagree with the data that follows them.
QByteArray lyingSizes(QByteArray b, Encoding e, int variant)
{
    switch (e) {
    case Encoding::Bitmap24:
        if (variant == 0)
            put32le(b, 22, get32le(b, 22) * 8);  // eight times as many rows as the file holds
        else
            put32le(b, 10, quint32(b.size()) + 4096);  // pixels said to start past the end
        break;
    case Encoding::Gif87a:
    case Encoding::Gif89a:
        if (const qsizetype d = gifImageDescriptor(b); d > 0) {
            if (variant == 0) {
                put16le(b, d + 5, 4000);  // a frame far larger than its data and its screen
                put16le(b, d + 7, 4000);
            } else {
                b[d + 10 + ((quint8(b.at(d + 9)) & 0x80) ? 3 * (1 << ((quint8(b.at(d + 9)) & 7) + 1)) : 0)] = 15;
            }
        }
        break;
    case Encoding::Jpeg:
        if (variant == 0) {
            if (const qsizetype f = jpegFrameHeader(b); f > 0)
                put16be(b, f + 5, 4000);  // more lines than the scan holds
        } else {
            put16be(b, 4, 0xFFFF);  // the first segment runs past the end
        }
        break;
    case Encoding::Icon:
        if (variant == 0)
            put16le(b, 4, 0xFFFF);  // more images than the directory holds
        else
            put32le(b, 18, quint32(b.size()) + 4096);  // the image said to lie past the end
        break;
    }
    return b;
}

QByteArray wrongMagic(QByteArray b, Encoding e)
{
    switch (e) {
    case Encoding::Bitmap24:
        b[0] = 'X';
        break;
    case Encoding::Gif87a:
    case Encoding::Gif89a:
        b[2] = 'X';
        break;
    case Encoding::Jpeg:
        b[1] = char(0xD9);
        break;
    case Encoding::Icon:
        b[0] = char(0xFF);
        b[2] = 7;
        break;
    }
    return b;
}

QByteArray randomBytes(qsizetype size, std::uint64_t start)
{
    std::mt19937_64 rng(start);
    QByteArray b(size, Qt::Uninitialized);
    for (char& c : b)
        c = char(rng() & 0xFF);
    return b;
}

// Puts a broken stand-in for a content file at path (removing what was there
// first: the folders are made of hard links to the real content). Kinds that
// need the original take it from `bytes`.
QString breakFile(const QString& path, const QByteArray& bytes, Encoding e, const QString& kind, int param)
{
    const QByteArray native = QFile::encodeName(path);
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        return QStringLiteral("cannot remove %1").arg(path);
    if (kind == QLatin1String("cut"))
        return writeFile(path, bytes.left(param)) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("cut%"))
        return writeFile(path, bytes.left(bytes.size() * param / 100)) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("magic"))
        return writeFile(path, wrongMagic(bytes, e)) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("huge"))
        return writeFile(path, hugeDimensions(bytes, e)) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("lying"))
        return writeFile(path, lyingSizes(bytes, e, param)) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("empty"))
        return writeFile(path, {}) ? QString() : QStringLiteral("write failed");
    if (kind == QLatin1String("random"))
        return writeFile(path, randomBytes(bytes.size(), std::uint64_t(param))) ? QString()
                                                                                : QStringLiteral("write failed");
    if (kind == QLatin1String("directory"))
        return QDir().mkdir(path) ? QString() : QStringLiteral("mkdir failed");
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(native.constData(), 0644) == 0 ? QString() : QStringLiteral("mkfifo failed");
    if (kind == QLatin1String("dangling"))
        return ::symlink("vanished-long-ago", native.constData()) == 0 ? QString() : QStringLiteral("symlink failed");
    if (kind == QLatin1String("loop"))
        return ::symlink(QFileInfo(path).fileName().toLocal8Bit().constData(), native.constData()) == 0
            ? QString()
            : QStringLiteral("symlink failed");
    if (kind == QLatin1String("device"))
        return ::symlink("/dev/zero", native.constData()) == 0 ? QString() : QStringLiteral("symlink failed");
    if (kind == QLatin1String("sparse")) {
        // A gigabyte that takes no room: larger than anything the program reads.
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool ok = fd >= 0 && ::ftruncate(fd, off_t(1) << 30) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok ? QString() : QStringLiteral("ftruncate failed");
    }
    if (kind == QLatin1String("missing"))
        return {};
    if (kind == QLatin1String("bytes"))
        return writeFile(path, bytes) ? QString() : QStringLiteral("write failed");
    return QStringLiteral("unknown damage %1").arg(kind);
}

// A WAVE file whose data chunk claims far more than it holds.
QByteArray lyingWave(QByteArray b)
{
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const quint32 size = get32le(b, at + 4);
        if (b.mid(at, 4) == "data") {
            put32le(b, at + 4, 0x7FFFFFF0);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return b;
}

// The loader's reports among the lines: "ayat-explorer: picture 'KEY' ...".
QString reportProblems(const QStringList& lines, const QStringList& brokenKeys, const QString& folder)
{
    QStringList problems;
    QStringList reports;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("ayat-explorer: picture")))
            reports << line;
    for (const QString& key : brokenKeys) {
        const QString quotedKey = QLatin1Char('\'') + key + QLatin1Char('\'');
        const QString path = folder + QLatin1Char('/') + fileNameOf(key);
        QStringList mine;
        for (const QString& r : reports)
            if (r.contains(quotedKey))
                mine << r;
        if (mine.size() != 1)
            problems << QStringLiteral("%1: %2 report lines").arg(key).arg(mine.size());
        else if (!mine[0].contains(path))
            problems << QStringLiteral("%1: the report does not name %2: %3").arg(key, path, mine[0]);
        reports.removeAll(mine.value(0));
    }
    for (const QString& r : reports)
        problems << QStringLiteral("reported though not broken: %1").arg(r);
    return problems.join(QStringLiteral("; "));
}

// A copy of the program's folder, made of hard links (copies where links
// cannot be made): the program, its pictures in assets/ and its sounds.
bool place(const QString& from, const QString& dest)
{
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(dest).constData()) == 0
        || QFile::copy(from, dest);
}

bool placeProgram(const QString& to, const QString& program)
{
    return place(program, to + QLatin1Char('/') + QFileInfo(program).fileName());
}

bool layRuntime(const QString& to, const QString& program)
{
    if (!QDir().mkpath(to + QStringLiteral("/assets")) || !placeProgram(to, program))
        return false;
    const QDir assets(kRuntime + QStringLiteral("/assets"));
    for (const QString& name : assets.entryList(QDir::Files))
        if (!place(assets.filePath(name), to + QStringLiteral("/assets/") + name))
            return false;
    const QDir runtime(kRuntime);
    for (const QString& name : runtime.entryList({QStringLiteral("*.exp")}, QDir::Files))
        if (!place(runtime.filePath(name), to + QLatin1Char('/') + name))
            return false;
    return true;
}

// Every key of the catalogue, by encoding.
QStringList keysOf(Encoding e)
{
    QStringList keys;
    for (const Asset& a : catalogue())
        if (a.encoding == e)
            keys << QString::fromLatin1(a.key.data(), qsizetype(a.key.size()));
    return keys;
}

// The encoding named by a corpus folder ("picture-gif" and so on).
std::optional<Encoding> corpusEncoding(const QString& folder)
{
    if (folder == QLatin1String("picture-bmp"))
        return Encoding::Bitmap24;
    if (folder == QLatin1String("picture-gif"))
        return Encoding::Gif89a;
    if (folder == QLatin1String("picture-jpg"))
        return Encoding::Jpeg;
    if (folder == QLatin1String("picture-ico"))
        return Encoding::Icon;
    return std::nullopt;
}

QStringList corpusFiles(const QString& folder)
{
    QStringList files;
    QDirIterator it(kCorpus + QLatin1Char('/') + folder, QDir::Files);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// The sounds broken in every folder the program runs from.
struct SoundDamage {
    const char* file;
    const char* kind;
};
constexpr SoundDamage kSoundDamages[] = {
    {"bism.exp", "cut%"},     {"clip.exp", "fifo"},      {"stop.exp", "random"},  {"sky.exp", "empty"},
    {"sea.exp", "directory"}, {"sun.exp", "device"},     {"fruit.exp", "sparse"}, {"ant.exp", "dangling"},
    {"cave.exp", "loop"},     {"moon.exp", "lyingwave"},
};

QString breakSounds(const QString& folder)
{
    for (const SoundDamage& d : kSoundDamages) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(d.file);
        const QByteArray original = readAll(kRuntime + QLatin1Char('/') + QLatin1String(d.file));
        const QString kind = QLatin1String(d.kind);
        QString e = kind == QLatin1String("lyingwave")
            ? breakFile(path, lyingWave(original), Encoding::Bitmap24, QStringLiteral("bytes"), 0)
            : breakFile(path, original, Encoding::Bitmap24, kind, 50);
        if (!e.isEmpty())
            return QLatin1String(d.file) + QStringLiteral(": ") + e;
    }
    return {};
}

}  // namespace

class HostileContentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void brokenPictureIsReported_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("param");
        QTest::addColumn<bool>("decodesAnyway");  // a fault of the loader not fixed yet: see below

        // One key of each encoding; the two-image icon and the 3 x 3 bitmap besides.
        const QStringList keys{"sky", "placeholder", "Image1", "Image10", "main", "magnifier", "exitarrow"};
        for (const QString& key : keys) {
            const QByteArray bytes = readAll(kRuntime + QStringLiteral("/assets/") + fileNameOf(key));
            const Encoding e = findAsset(key.toStdString())->encoding;
            auto row = [&](const QString& kind, int param, bool decodesAnyway = false) {
                QTest::addRow("%s %s %d", qPrintable(key), qPrintable(kind), param)
                    << key << kind << param << decodesAnyway;
            };
            // Truncated at many offsets: inside the signature, the headers, the
            // colour table, around the first byte of pixel data, inside the
            // pixels, and one byte short.
            const qsizetype pixels = pixelDataStart(bytes, e);
            QList<int> cuts{1,
                            2,
                            5,
                            10,
                            13,
                            22,
                            40,
                            54,
                            62,
                            200,
                            int(pixels) - 1,
                            int(pixels),
                            int(pixels) + 1,
                            int(bytes.size() / 4),
                            int(bytes.size() / 2),
                            int(bytes.size() * 9 / 10),
                            int(bytes.size() - 1)};
            std::sort(cuts.begin(), cuts.end());
            cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
            for (int cut : cuts)
                if (cut > 0 && cut < bytes.size())
                    row(QStringLiteral("cut"), cut);
            row(QStringLiteral("magic"), 0);
            row(QStringLiteral("huge"), 0);
            // More rows, lines, pixels or images promised than the file holds;
            // the pixels said to start past the end, a GIF's code size out of range.
            row(QStringLiteral("lying"), 0);
            row(QStringLiteral("lying"), 1);
            for (const char* kind : {"empty", "directory", "fifo", "dangling", "loop", "device", "sparse", "missing"})
                row(QLatin1String(kind), 0);
            row(QStringLiteral("random"), 1);
            row(QStringLiteral("random"), 2);
        }
    }

    void brokenPictureIsReported()
    {
        QFETCH(QString, key);
        QFETCH(QString, kind);
        QFETCH(int, param);
        QFETCH(bool, decodesAnyway);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = QFileInfo(dir.path()).canonicalFilePath();
        const QString path = folder + QLatin1Char('/') + fileNameOf(key);
        const QByteArray bytes = readAll(kRuntime + QStringLiteral("/assets/") + fileNameOf(key));
        const QString damage = breakFile(path, bytes, findAsset(key.toStdString())->encoding, kind, param);
        QVERIFY2(damage.isEmpty(), qPrintable(damage));

        QElapsedTimer clock;
        clock.start();
        MessageCapture capture;
        AssetStore store(folder);
        const QImage picture = store.image(key.toStdString());
        const QIcon icon = store.windowIcon(key.toStdString());  // the same file, not read again
        const QStringList lines = capture.lines();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));

        // A GIF frame or a JPEG that promises more lines than it holds would be
        // filled in by Qt's decoders; the loader refuses any picture that is not
        // of its catalogue size.
        if (decodesAnyway)
            QEXPECT_FAIL("", "the loader accepts a picture that promises more than it holds", Abort);
        QVERIFY2(picture.isNull(),
                 qPrintable(QStringLiteral("a %1 x %2 picture").arg(picture.width()).arg(picture.height())));
        QVERIFY(icon.isNull());
        QCOMPARE(store.failures(), std::vector<std::string>{key.toStdString()});
        const QString problems = reportProblems(lines, {key}, folder);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // The whole folder broken at once, the real program started over it.
    void programLivesWithBrokenContent_data()
    {
        QTest::addColumn<QStringList>("kinds");  // rotated over the keys of each encoding
        QTest::addColumn<bool>("reportsAll");    // every broken key reported
        QTest::addColumn<bool>("fromCorpus");
        QTest::newRow("not files") << QStringList{"missing",  "empty",  "directory", "fifo",
                                                  "dangling", "device", "sparse"}
                                   << true << false;
        QTest::newRow("bad headers") << QStringList{"magic", "huge", "random"} << true << false;
        QTest::newRow("cut short") << QStringList{"cut%"} << true << false;
        QTest::newRow("promising more than they hold") << QStringList{"lying"} << true << false;
        QTest::newRow("fuzz findings") << QStringList{} << false << true;
    }

    void programLivesWithBrokenContent()
    {
        QFETCH(QStringList, kinds);
        QFETCH(bool, reportsAll);
        QFETCH(bool, fromCorpus);
        const QString program = kRuntime + QStringLiteral("/ayat-explorer");
        QVERIFY2(QFileInfo(program).isExecutable(), "the program is not built");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = QFileInfo(dir.path()).canonicalFilePath();
        QVERIFY(layRuntime(root, program));
        QVERIFY(placeProgram(root, QCoreApplication::applicationFilePath()));
        const QString assets = root + QStringLiteral("/assets");

        QStringList broken;
        int turn = 0;
        for (Encoding e : {Encoding::Bitmap24, Encoding::Gif87a, Encoding::Gif89a, Encoding::Jpeg, Encoding::Icon}) {
            const QStringList keys = keysOf(e);
            QStringList inputs;
            if (fromCorpus)
                for (const char* folder : {"picture-bmp", "picture-gif", "picture-jpg", "picture-ico"})
                    if (corpusEncoding(QLatin1String(folder)) == (e == Encoding::Gif87a ? Encoding::Gif89a : e))
                        inputs = corpusFiles(QLatin1String(folder));
            for (int i = 0; i < keys.size(); ++i) {
                const QString path = assets + QLatin1Char('/') + fileNameOf(keys[i]);
                QString damage;
                if (fromCorpus) {
                    if (inputs.isEmpty())
                        continue;
                    damage = breakFile(path, readAll(inputs[i % inputs.size()]), e, QStringLiteral("bytes"), 0);
                } else {
                    const QString kind = kinds[turn++ % kinds.size()];
                    const int param = kind == QLatin1String("cut%") ? 10 + 37 * i % 85 : 0;
                    damage = breakFile(path, readAll(path), e, kind, param);
                }
                QVERIFY2(damage.isEmpty(), qPrintable(damage));
                broken << keys[i];
            }
        }
        QVERIFY2(breakSounds(root).isEmpty(), qPrintable(breakSounds(root)));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        QProcess real;
        real.setProcessEnvironment(env);
        real.setWorkingDirectory(root);
        QElapsedTimer clock;
        clock.start();
        real.start(root + QStringLiteral("/ayat-explorer"), {});
        QVERIFY(real.waitForStarted(5000));

        // Meanwhile a main window over the same folder, used at random.
        QProcess driven;
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
        env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), QStringLiteral("/dev/null"));
        driven.setProcessEnvironment(env);
        driven.setWorkingDirectory(root);
        driven.start(root + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                     {QStringLiteral("--drive-window"), QString::number(robust::scaledActions(1500)),
                      QString::number(qHash(QTest::currentDataTag()))});
        QVERIFY(driven.waitForStarted(5000));
        const bool drivenEnded = driven.waitForFinished(120000);
        if (!drivenEnded)
            driven.kill();
        driven.waitForFinished(5000);
        const QString drivenOut = QString::fromLocal8Bit(driven.readAllStandardOutput());
        QVERIFY2(drivenEnded, "the window over the broken folder hung");
        QVERIFY2(driven.exitStatus() == QProcess::NormalExit && driven.exitCode() == 0,
                 qPrintable(drivenOut + QString::fromLocal8Bit(driven.readAllStandardError()).right(3000)));
        QVERIFY2(drivenOut.contains(QLatin1String("actions done")), qPrintable(drivenOut));
        qInfo("over the broken folder: %s", qPrintable(drivenOut.trimmed()));

        // The real program outlives the splash window's four seconds, then ends
        // at once when told to.
        const qint64 wait = 5000 - clock.elapsed();
        if (wait > 0 && real.waitForFinished(int(wait)))
            QFAIL(qPrintable(QStringLiteral("the program ended by itself: ")
                             + QString::fromLocal8Bit(real.readAllStandardError())));
        QCOMPARE(real.state(), QProcess::Running);
        QElapsedTimer ending;
        ending.start();
        real.terminate();
        QVERIFY2(real.waitForFinished(3000), "the program did not end on SIGTERM");
        QVERIFY(ending.elapsed() < 3000);
        const QStringList lines =
            QString::fromLocal8Bit(real.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

        if (!fromCorpus) {
            if (!reportsAll)
                QEXPECT_FAIL("",
                             "GIF frames and JPEGs promising more than they hold are shown, unreported "
                             "(see brokenPictureIsReported)",
                             Continue);
            const QString problems = reportProblems(lines, broken, assets);
            QVERIFY2(problems.isEmpty(), qPrintable(problems));
        }
    }

    // What the fuzz targets kept (corpus/), through the loader and the sound
    // service: nothing crashes or hangs, and the loader keeps its promises.
    void fuzzFindingsStayHarmless_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("input");
        for (const char* folder : {"picture-bmp", "picture-gif", "picture-jpg", "picture-ico", "wave", "sound-name"})
            for (const QString& input : corpusFiles(QLatin1String(folder)))
                QTest::addRow("%s/%s", folder, qPrintable(QFileInfo(input).fileName()))
                    << QString::fromLatin1(folder) << input;
    }

    void fuzzFindingsStayHarmless()
    {
        QFETCH(QString, folder);
        QFETCH(QString, input);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = QFileInfo(dir.path()).canonicalFilePath();
        const QByteArray bytes = readAll(input);
        QElapsedTimer clock;
        clock.start();
        if (const auto encoding = corpusEncoding(folder)) {
            const QString key = keysOf(*encoding).first();
            const QString path = root + QLatin1Char('/') + fileNameOf(key);
            QVERIFY(breakFile(path, bytes, *encoding, QStringLiteral("bytes"), 0).isEmpty());
            MessageCapture capture;
            AssetStore store(root);
            const QImage picture = store.image(key.toStdString());
            const QIcon icon = store.windowIcon(key.toStdString());
            const QStringList lines = capture.lines();
            QVERIFY(clock.elapsed() < 5000);
            QCOMPARE(icon.isNull(), picture.isNull());
            // Either a picture the loader lets through, or none and its report.
            if (picture.isNull()) {
                const QString problems = reportProblems(lines, {key}, root);
                QVERIFY2(problems.isEmpty(), qPrintable(problems));
                return;
            }
            QVERIFY2(picture.width() <= 4096 && picture.height() <= 4096,
                     qPrintable(QStringLiteral("a %1 x %2 picture").arg(picture.width()).arg(picture.height())));
        } else if (folder == QLatin1String("wave")) {
            const auto samples =
                platform::decodeWave(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
            QVERIFY(clock.elapsed() < 5000);
            if (samples)
                QVERIFY(!samples->empty() && samples->size() <= platform::kMaxDecodedSamples);
            // And as a sound file the service finds, reads and plays.
            QVERIFY(writeFile(root + QStringLiteral("/kept.exp"), bytes));
            QVERIFY(QDir::setCurrent(root));
            RequestSound("kept.exp");
            sound::waitUntilIdleForTesting();
            QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
        } else {
            // A name asked for in a folder that holds a sound.
            QVERIFY(writeFile(root + QStringLiteral("/clip.exp"), readAll(kRuntime + QStringLiteral("/clip.exp"))));
            QVERIFY(QDir::setCurrent(root));
            RequestSound(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            sound::waitUntilIdleForTesting();
            QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
        }
    }
};

namespace {

// The child: a main window over the folder this program lies in (its copy in
// the broken folder), used at random; sounds are looked up in the same folder.
int driveWindow(int argc, char** argv, int actions, std::uint64_t start)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    robust::quietOffscreenWarnings();
    if (!QDir::setCurrent(QCoreApplication::applicationDirPath()))
        return 2;
    QPointer<MainWindow> current;
    robust::RandomUser user(start);
    user.settleSounds = true;
    user.makeWindow = [&]() -> MainWindow* {
        delete current;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        current = new MainWindow;
        current->show();
        current->activateWindow();
        user.menuRoutes = QTest::qWaitForWindowActive(current, 2000);
        return current;
    };
    QString error = user.attach(user.makeWindow());
    const auto failures = current->assets().failures();
    while (error.isEmpty() && user.actions() < actions) {
        error = user.step();
        // Paint what is seen now: pictures that are missing or odd are drawn too.
        if (error.isEmpty() && user.actions() % 50 == 0)
            current->grab();
    }
    sound::waitUntilIdleForTesting();
    if (!error.isEmpty()) {
        std::printf("start value %llu, action %d: %s\nactions:\n%s\n", static_cast<unsigned long long>(start),
                    user.actions(), qPrintable(error), qPrintable(user.log()));
        return 1;
    }
    std::printf("%d actions done, %d pictures missing\n", user.actions(), int(failures.size()));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--drive-window") == 0)
        return driveWindow(argc, argv, std::atoi(argv[2]), std::strtoull(argv[3], nullptr, 0));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    HostileContentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hostile_content.moc"
