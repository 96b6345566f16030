#pragma once
// Loads the content files of the catalogue. A window makes one AssetStore when it
// is created; every picture it shows is decoded then and held while it lives.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

#include "platform/controls.h"

namespace ayat {

class AssetStore : public ImageSource {
public:
    // The folder with the content files: assets/ beside the program. A path as
    // the system has it: a folder whose name is no UTF-8 is found all the same.
    static std::filesystem::path defaultFolder();
    // A folder named as Qt names files.
    static std::filesystem::path folderOf(const QString& folder);

    // The device pixel ratio of the screen that windows open on: 1 without a screen.
    static qreal screenRatio();

    // ratio: the device pixel ratio the pictures are wanted for. Above 1, every
    // picture is taken from its variant drawn at twice the size, <key>@2x.png,
    // where that can be had; at 1 no variant is opened, but the magnifier's where
    // the desktop's pointer is larger than it.
    explicit AssetStore(std::filesystem::path folder = defaultFolder(), qreal ratio = screenRatio());
    explicit AssetStore(const QString& folder, qreal ratio = screenRatio()) : AssetStore(folderOf(folder), ratio) {}

    // The decoded picture of a key (for an icon, its 32 x 32 image). A missing or
    // undecodable file is reported once on standard error and gives a null image.
    // Above ratio 1 it is the variant with a device pixel ratio of 2, or, where the
    // variant is missing or broken (reported once too), the catalogue's picture.
    QImage image(std::string_view key) const override;
    // The magnifier pointer with its hot spot at the image's centre (16, 16),
    // in the window's coordinates at every ratio; as large as the desktop's own
    // pointer where that is larger than 32 pixels, with the hot spot at its centre.
    QCursor hotspotPointer() const override;
    // Every image of an icon, for a window icon; above ratio 1 the variant too.
    QIcon windowIcon(std::string_view key) const;

    qreal ratio() const { return ratio_; }
    // The path a key is read from, as Qt names files.
    QString pathOf(std::string_view key) const;
    // The path of a key's variant drawn at twice the size.
    QString variantPathOf(std::string_view key) const;
    // Keys that could not be loaded so far.
    std::vector<std::string> failures() const;

private:
    const std::vector<QImage>& images(std::string_view key) const;
    const QImage& variant(std::string_view key) const;
    std::filesystem::path fileOf(std::string_view key) const;
    std::filesystem::path variantFileOf(std::string_view key) const;

    std::filesystem::path folder_;
    qreal ratio_;
    mutable std::map<std::string, std::vector<QImage>, std::less<>> cache_;
    mutable std::map<std::string, QImage, std::less<>> variants_;
    mutable std::vector<std::string> failures_;
    mutable QCursor pointer_;
    mutable bool pointerMade_ = false;
};

}  // namespace ayat
