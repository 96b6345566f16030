#include "assets/loader.h"

#include <algorithm>
#include <cstdio>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include "assets/catalogue.h"
#include "assets/integrity.h"
#include "platform/files.h"

namespace ayat {
namespace {

// No picture of the catalogue comes near this; a larger file is not read.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

void report(std::string_view key, const QString& path, const QString& reason)
{
    std::fprintf(stderr, "ayat-explorer: picture '%.*s' could not be loaded from %s: %s\n",
                 int(key.size()), key.data(), qPrintable(path), qPrintable(reason));
}

// Every picture comes out at its catalogue size (an icon's images at one of its
// two sizes): a file whose headers promise another size is damaged, even where
// a decoder would fill in what is missing.
bool ofCatalogueSize(const Asset& asset, QSize size)
{
    return size == asset.size || (asset.smallSize.isValid() && size == asset.smallSize);
}

QString wrongSize(const Asset& asset, QSize size)
{
    return QStringLiteral("picture of %1 x %2 pixels, not %3 x %4")
        .arg(size.width())
        .arg(size.height())
        .arg(asset.size.width())
        .arg(asset.size.height());
}

std::vector<QImage> decode(const QByteArray& data, const Asset& asset, QString* reason)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // Read as the catalogue's encoding only: a file whose content is something
    // else is undecodable, and no other decoder is loaded to guess at it.
    const std::string_view format = extension(asset.encoding);
    QImageReader reader(&buffer, QByteArray(format.data(), qsizetype(format.size())));
    reader.setAutoDetectImageFormat(false);
    std::vector<QImage> images;
    if (!reader.canRead()) {
        *reason = QStringLiteral("not a picture in a known encoding");
        return images;
    }
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count && i < 16; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        // Checked before decoding, so that a huge promise costs nothing, and
        // again after: a GIF announces its first frame's size, not its screen's.
        if (const QSize size = reader.size(); size.isValid() && !ofCatalogueSize(asset, size)) {
            *reason = wrongSize(asset, size);
            return {};
        }
        QImage image = reader.read();
        if (image.isNull()) {
            if (images.empty())
                *reason = reader.errorString();
            break;
        }
        if (!ofCatalogueSize(asset, image.size())) {
            *reason = wrongSize(asset, image.size());
            return {};
        }
        images.push_back(image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                       : QImage::Format_RGB32));
    }
    if (!images.empty() && images.front().size() != asset.size
        && std::none_of(images.begin(), images.end(), [&](const QImage& im) { return im.size() == asset.size; })) {
        *reason = wrongSize(asset, images.front().size());
        return {};
    }
    return images;
}

} // namespace

QString AssetStore::defaultFolder()
{
    return QFile::decodeName(QByteArray::fromStdString(platform::programFolder())) + QStringLiteral("assets");
}

AssetStore::AssetStore(QString folder) : folder_(std::move(folder)) {}

QString AssetStore::pathOf(std::string_view key) const
{
    const auto asset = findAsset(key);
    const std::string_view ext = asset ? extension(asset->encoding) : std::string_view("png");
    return folder_ + QLatin1Char('/') + QString::fromLatin1(key.data(), qsizetype(key.size())) + QLatin1Char('.') +
           QString::fromLatin1(ext.data(), qsizetype(ext.size()));
}

const std::vector<QImage>& AssetStore::images(std::string_view key) const
{
    if (auto it = cache_.find(key); it != cache_.end())
        return it->second;
    const QString path = pathOf(key);
    std::vector<std::byte> bytes;
    std::string readError;
    QString reason;
    std::vector<QImage> decoded;
    const auto asset = findAsset(key);
    if (!asset) {
        reason = QStringLiteral("no such picture in the catalogue");
    } else if (!platform::readRegularFile(QFile::encodeName(path).constData(), kMaxFileBytes, bytes, &readError)) {
        reason = QString::fromStdString(readError);
    } else {
        const QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        if (looksComplete(asset->encoding, data, &reason))
            decoded = decode(data, *asset, &reason);
    }
    if (decoded.empty()) {
        report(key, path, reason);
        failures_.emplace_back(key);
    }
    return cache_.emplace(std::string(key), std::move(decoded)).first->second;
}

QImage AssetStore::picture(std::string_view key) const
{
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
        const QImage image = picture("magnifier");
        // Without its picture the hotspots still show that they can be clicked.
        pointer_ = image.isNull() ? QCursor(Qt::PointingHandCursor)
                                  : QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2);
        pointerMade_ = true;
    }
    return pointer_;
}

QIcon AssetStore::windowIcon(std::string_view key) const
{
    QIcon icon;
    for (const QImage& image : images(key))
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

std::vector<std::string> AssetStore::failures() const { return failures_; }

} // namespace ayat
