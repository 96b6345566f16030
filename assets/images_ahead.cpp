#include "assets/images_ahead.h"

#include <system_error>
#include <utility>

namespace ayat {
namespace {

// The store lives on the decoding thread alone: an AssetStore is not shared
// between threads.
std::map<std::string, QImage, std::less<>> decodeAll(const std::vector<std::string>& keys,
                                                     const std::filesystem::path& folder, qreal ratio)
{
    const AssetStore store(folder, ratio);
    std::map<std::string, QImage, std::less<>> decoded;
    for (const std::string& key : keys)
        decoded.emplace(key, store.image(key));
    return decoded;
}

}  // namespace

ImagesAhead::ImagesAhead(std::vector<std::string> keys, std::filesystem::path folder, qreal ratio)
{
    auto work = [keys = std::move(keys), folder = std::move(folder), ratio] { return decodeAll(keys, folder, ratio); };
    try {
        pending_ = std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        // No thread to be had: decoded when first asked for, on the caller's thread.
        pending_ = std::async(std::launch::deferred, std::move(work));
    }
}

QImage ImagesAhead::image(std::string_view key)
{
    if (pending_.valid())
        decoded_ = pending_.get();
    const auto it = decoded_.find(key);
    return it != decoded_.end() ? it->second : QImage();
}

}  // namespace ayat
