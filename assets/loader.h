#pragma once
// Loads the content files of the catalogue. A window makes one AssetStore when it
// is created; every picture it shows is decoded then and held while it lives.
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

class AssetStore : public Artwork {
public:
    // The folder with the content files: assets/ beside the program.
    static QString defaultFolder();

    explicit AssetStore(QString folder = defaultFolder());

    // The decoded picture of a key (for an icon, its 32 x 32 image). A missing or
    // undecodable file is reported once on standard error and gives a null image.
    QImage picture(std::string_view key) const override;
    // The magnifier pointer with its hot spot at the image's centre (16, 16).
    QCursor hotspotPointer() const override;
    // Every image of an icon, for a window icon.
    QIcon windowIcon(std::string_view key) const;

    // The path a key is read from.
    QString pathOf(std::string_view key) const;
    // Keys that could not be loaded so far.
    std::vector<std::string> failures() const;

private:
    const std::vector<QImage>& images(std::string_view key) const;

    QString folder_;
    mutable std::map<std::string, std::vector<QImage>, std::less<>> cache_;
    mutable std::vector<std::string> failures_;
    mutable QCursor pointer_;
    mutable bool pointerMade_ = false;
};

} // namespace ayat
