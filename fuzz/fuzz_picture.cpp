// Fuzz target: the picture loader over one content file, read from a folder
// as the program reads it (readRegularFile, then the decoder). The first byte
// of an input chooses the key, and so the encoding and the file name; the rest
// is the file's content.
//
// Beyond crashes, it checks what the loader promises: a picture comes with no
// report, a null picture with exactly one, and no picture is larger than the
// loader's limit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <QFile>
#include <QGuiApplication>

#include "assets/loader.h"
#include "fuzz_keys.h"

namespace {

QString folder;

// A promise of the loader broken: said on standard error (fuzz/run sorts its
// findings by this line), then a crash for libFuzzer to keep the input.
[[noreturn]] void broken(const char* what, const fuzzkeys::Key& key)
{
    std::fprintf(stderr, "broken promise: %s (%s)\n", what, key.extension);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);  // the window icons are pixmaps
    char pattern[] = "/tmp/ayat-fuzz-picture-XXXXXX";
    if (!::mkdtemp(pattern))
        std::abort();
    folder = QString::fromLocal8Bit(pattern);
    std::atexit([] { std::filesystem::remove_all(folder.toStdString()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const fuzzkeys::Key& key = fuzzkeys::kPictureKeys[data[0] % std::size(fuzzkeys::kPictureKeys)];
    const QString path =
        folder + QLatin1Char('/') + QLatin1String(key.name) + QLatin1Char('.') + QLatin1String(key.extension);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    ayat::AssetStore store(folder);
    const QImage picture = store.image(key.name);
    const QIcon icon = store.windowIcon(key.name);
    const bool reported = store.failures().size() == 1;
    if (picture.isNull() != reported || store.failures().size() > 1)
        broken("a null picture without its report, or a report beside a picture", key);
    if (picture.width() > 4096 || picture.height() > 4096)
        broken("a picture larger than the loader lets through", key);
    if (picture.isNull() != icon.isNull())
        broken("a picture without its window icon, or the other way round", key);
    return 0;
}
