#pragma once
// The catalogue of every picture, icon and pointer the windows show: its key,
// encoding and pixel size. Content files are named <key>.<extension of the
// encoding>.
#include <optional>
#include <span>
#include <string_view>

#include <QSize>

namespace ayat {

enum class Encoding { Bitmap24, Gif87a, Gif89a, Jpeg, Icon };

struct Asset {
    std::string_view key;
    Encoding encoding;
    QSize size;       // the (largest) image
    QSize smallSize;  // second image of a two-image icon, else empty
};

std::span<const Asset> catalogue();
std::optional<Asset> findAsset(std::string_view key);
std::string_view extension(Encoding encoding);  // "bmp", "gif", "jpg", "ico"

}  // namespace ayat
