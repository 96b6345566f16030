#include "assets/loader.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>

#include "assets/catalogue.h"
#include "assets/integrity.h"
#include "platform/diagnostics.h"
#include "platform/files.h"
#include "platform/pointer_size.h"

namespace ayat {
namespace {

// No picture of the catalogue comes near this; a larger file is not read.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// The magnifier pointer's size in the catalogue, in pixels.
constexpr int kPointerSize = 32;

void report(std::string_view key, const QString& path, const std::string& reason)
{
    qCWarning(lcProgram, "picture '%.*s' could not be loaded from %s: %s", int(key.size()), key.data(),
              qUtf8Printable(path), reason.c_str());
}

// What a file must decode to: its encoding's decoder, and the size of its image
// (an icon's images at one of two sizes).
struct Expected {
    QByteArray format;
    QSize size;
    QSize smallSize;
};

Expected expectedOf(const Asset& asset)
{
    const std::string_view format = extension(asset.encoding);
    return {QByteArray(format.data(), qsizetype(format.size())), asset.size, asset.smallSize};
}

// A variant is a PNG of twice the catalogue size; of an icon only the large image.
Expected expectedOfVariant(const Asset& asset) { return {QByteArrayLiteral("png"), asset.size * 2, QSize()}; }

// Every picture comes out at its expected size: a file whose headers promise
// another size is damaged, even where a decoder would fill in what is missing.
bool ofExpectedSize(const Expected& expected, QSize size)
{
    return size == expected.size || (expected.smallSize.isValid() && size == expected.smallSize);
}

std::string wrongSize(const Expected& expected, QSize size)
{
    return "picture of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) + " pixels, not "
        + std::to_string(expected.size.width()) + " x " + std::to_string(expected.size.height());
}

std::vector<QImage> decode(const QByteArray& data, const Expected& expected, std::string* reason)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // Read as the expected encoding only: a file whose content is something
    // else is undecodable, and no other decoder is loaded to guess at it.
    QImageReader reader(&buffer, expected.format);
    reader.setAutoDetectImageFormat(false);
    std::vector<QImage> images;
    if (!reader.canRead()) {
        *reason = "not a picture in a known encoding";
        return images;
    }
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count && i < 16; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        // Checked before decoding, so that a huge promise costs nothing, and
        // again after: a GIF announces its first frame's size, not its screen's.
        if (const QSize size = reader.size(); size.isValid() && !ofExpectedSize(expected, size)) {
            *reason = wrongSize(expected, size);
            return {};
        }
        QImage image = reader.read();
        if (image.isNull()) {
            if (images.empty())
                *reason = reader.errorString().toStdString();
            break;
        }
        if (!ofExpectedSize(expected, image.size())) {
            *reason = wrongSize(expected, image.size());
            return {};
        }
        images.push_back(image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                       : QImage::Format_RGB32));
    }
    if (!images.empty()
        && std::none_of(images.begin(), images.end(), [&](const QImage& im) { return im.size() == expected.size; })) {
        *reason = wrongSize(expected, images.front().size());
        return {};
    }
    return images;
}

// A content file read whole through the program's one non-blocking reader.
bool readFile(const std::filesystem::path& path, QByteArray* data, std::string* reason)
{
    std::vector<std::byte> bytes;
    if (!platform::readRegularFile(path, kMaxFileBytes, bytes, reason))
        return false;
    *data = QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    return true;
}

}  // namespace

std::filesystem::path AssetStore::defaultFolder() { return platform::programFolder() / "assets"; }

std::filesystem::path AssetStore::folderOf(const QString& folder) { return folder.toStdU16String(); }

qreal AssetStore::screenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

AssetStore::AssetStore(std::filesystem::path folder, qreal ratio) : folder_(std::move(folder)), ratio_(ratio) {}

std::filesystem::path AssetStore::fileOf(std::string_view key) const
{
    const auto asset = findAsset(key);
    const std::string_view ext = asset ? extension(asset->encoding) : std::string_view("png");
    return folder_ / (std::string(key) + '.' + std::string(ext));
}

std::filesystem::path AssetStore::variantFileOf(std::string_view key) const
{
    return folder_ / (std::string(key) + "@2x.png");
}

QString AssetStore::pathOf(std::string_view key) const { return QFileInfo(fileOf(key)).filePath(); }

QString AssetStore::variantPathOf(std::string_view key) const { return QFileInfo(variantFileOf(key)).filePath(); }

const std::vector<QImage>& AssetStore::images(std::string_view key) const
{
    if (auto it = cache_.find(key); it != cache_.end())
        return it->second;
    const std::filesystem::path path = fileOf(key);
    QByteArray data;
    std::string reason;
    std::vector<QImage> decoded;
    const auto asset = findAsset(key);
    if (!asset) {
        reason = "no such picture in the catalogue";
    } else if (readFile(path, &data, &reason) && looksComplete(asset->encoding, data, &reason)) {
        decoded = decode(data, expectedOf(*asset), &reason);
    }
    if (decoded.empty()) {
        report(key, pathOf(key), reason);
        failures_.emplace_back(key);
    }
    return cache_.emplace(std::string(key), std::move(decoded)).first->second;
}

const QImage& AssetStore::variant(std::string_view key) const
{
    if (auto it = variants_.find(key); it != variants_.end())
        return it->second;
    const std::filesystem::path path = variantFileOf(key);
    QByteArray data;
    std::string reason;
    QImage image;
    const auto asset = findAsset(key);
    if (!asset) {
        reason = "no such picture in the catalogue";
    } else if (readFile(path, &data, &reason) && looksCompletePng(data, &reason)) {
        if (auto decoded = decode(data, expectedOfVariant(*asset), &reason); !decoded.empty()) {
            image = std::move(decoded.front());  // not shared, so that setting its ratio copies nothing
            image.setDevicePixelRatio(2);
        }
    }
    if (image.isNull()) {
        const std::string name = std::string(key) + "@2x";
        report(name, variantPathOf(key),
               reason + "; the picture is drawn from " + pathOf(key).toStdString() + " instead");
    }
    return variants_.emplace(std::string(key), std::move(image)).first->second;
}

QImage AssetStore::image(std::string_view key) const
{
    if (ratio_ > 1) {
        if (const QImage& large = variant(key); !large.isNull())
            return large;
    }
    const auto& all = images(key);
    if (all.empty())
        return {};
    // A button or pointer takes the 32 x 32 image of an icon that holds two.
    for (const QImage& image : all)
        if (image.size() == QSize(32, 32))
            return image;
    return all.front();
}

QCursor AssetStore::hotspotPointer() const
{
    if (!pointerMade_) {
        // The magnifier is drawn for 32 pixels; where the desktop's own pointer is
        // larger, it is as large as that, so that it is never the smaller one.
        const int logical = std::max(kPointerSize, platform::desktopPointerSize().value_or(kPointerSize));
        const int wanted = int(std::lround(logical * ratio_));
        // Larger than the catalogue's picture: drawn from the picture of twice the size.
        QImage image = wanted > kPointerSize ? variant("magnifier") : QImage();
        if (image.isNull())
            image = this->image("magnifier");
        if (!image.isNull()) {
            // The pointer is shown as many device pixels as it has: it is made at
            // the screen's own ratio.
            if (image.width() != wanted || image.height() != wanted)
                image = image.scaled(wanted, wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            image.setDevicePixelRatio(ratio_);
        }
        // The hot spot is the image's centre. Qt takes it in the window's
        // coordinates, but its X11 platform hands it to the X server unconverted,
        // where it counts the image's own pixels: there the image goes as it is,
        // with the hot spot in its pixels, so that either reading of it is right.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            image.setDevicePixelRatio(1);
        const QSizeF size = image.deviceIndependentSize();
        // Without its picture the hotspots still show that they can be clicked.
        pointer_ = image.isNull() ? QCursor(Qt::PointingHandCursor)
                                  : QCursor(QPixmap::fromImage(image), int(size.width() / 2), int(size.height() / 2));
        pointerMade_ = true;
    }
    return pointer_;
}

QIcon AssetStore::windowIcon(std::string_view key) const
{
    QIcon icon;
    for (const QImage& image : images(key))
        icon.addPixmap(QPixmap::fromImage(image));
    if (ratio_ > 1) {
        if (QImage large = variant(key); !large.isNull()) {
            large.setDevicePixelRatio(1);  // one more size of the icon, for the window system to choose from
            icon.addPixmap(QPixmap::fromImage(large));
        }
    }
    return icon;
}

std::vector<std::string> AssetStore::failures() const { return failures_; }

}  // namespace ayat
