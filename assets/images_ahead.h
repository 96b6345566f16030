#pragma once
// Images decoded on a thread of their own, for a window that has other work to do
// before it first draws them: its controls to make, its window to map. The
// decoding starts when the object is made; the first image() waits for it, and so
// does the object's end if nothing asked (the future of std::async waits).
#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QImage>

#include "assets/loader.h"

namespace ayat {

class ImagesAhead {
public:
    // keys: the pictures to decode, as an AssetStore(folder, ratio) gives them.
    explicit ImagesAhead(std::vector<std::string> keys, std::filesystem::path folder = AssetStore::defaultFolder(),
                         qreal ratio = AssetStore::screenRatio());

    // The decoded picture of one of the keys given, as AssetStore::image has it
    // (a missing or broken file reported once, a null image); a key not given is
    // a null image. The first call waits until every key is decoded.
    QImage image(std::string_view key);

private:
    using Decoded = std::map<std::string, QImage, std::less<>>;
    std::future<Decoded> pending_;
    Decoded decoded_;
};

}  // namespace ayat
