#include "assets/integrity.h"

#include <cstdint>

namespace ayat {
namespace {

std::uint32_t le16(const QByteArray& b, qsizetype at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t le32(const QByteArray& b, qsizetype at) { return le16(b, at) | le16(b, at + 2) << 16; }

std::uint32_t be32(const QByteArray& b, qsizetype at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = v << 8 | std::uint8_t(b[at + i]);
    return v;
}

bool fail(std::string* reason, const char* why)
{
    *reason = why;
    return false;
}

bool bitmapComplete(const QByteArray& b, std::string* reason)
{
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return fail(reason, "not a Windows bitmap");
    const std::uint32_t offset = le32(b, 10);
    const std::int32_t width = std::int32_t(le32(b, 18));
    const std::int32_t height = std::int32_t(le32(b, 22));
    const std::uint32_t bits = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    if (le32(b, 14) < 40 || width <= 0 || height == 0 || height == INT32_MIN)
        return fail(reason, "bitmap header out of range");
    if (bits != 24 || compression != 0)
        return fail(reason, "not an uncompressed 24-bit bitmap");
    const std::uint64_t stride = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    const std::uint64_t rows = std::uint64_t(height < 0 ? -std::int64_t(height) : height);
    if (offset < 54 || std::uint64_t(offset) + stride * rows > std::uint64_t(b.size()))
        return fail(reason, "bitmap cut short: it holds fewer pixels than its header promises");
    return true;
}

bool gifComplete(const QByteArray& b, std::string* reason)
{
    if (b.size() < 14 || !(b.startsWith("GIF87a") || b.startsWith("GIF89a")))
        return fail(reason, "not a GIF picture");
    if (le16(b, 6) == 0 || le16(b, 8) == 0)
        return fail(reason, "GIF picture of no size");
    if (b.back() != ';')
        return fail(reason, "GIF picture cut short: no trailer");
    // The first frame must lie within the picture's screen.
    const std::uint32_t screenWidth = le16(b, 6), screenHeight = le16(b, 8);
    const std::uint8_t flags = std::uint8_t(b[10]);
    qsizetype at = 13 + ((flags & 0x80) ? 3 * (qsizetype(2) << (flags & 7)) : 0);
    while (at < b.size() && b[at] == '!') {  // extensions: a label, then sub-blocks up to an empty one
        at += 2;
        while (at < b.size() && b[at] != 0)
            at += 1 + std::uint8_t(b[at]);
        ++at;
    }
    if (at + 10 > b.size() || b[at] != ',')
        return fail(reason, "GIF picture without a frame");
    const std::uint32_t left = le16(b, at + 1), top = le16(b, at + 3), width = le16(b, at + 5),
                        height = le16(b, at + 7);
    if (width == 0 || height == 0 || left + width > screenWidth || top + height > screenHeight)
        return fail(reason, "GIF frame larger than its picture");
    return true;
}

bool jpegComplete(const QByteArray& b, std::string* reason)
{
    if (b.size() < 4 || std::uint8_t(b[0]) != 0xFF || std::uint8_t(b[1]) != 0xD8 || std::uint8_t(b[2]) != 0xFF)
        return fail(reason, "not a JPEG picture");
    // The end-of-image marker, allowing for padding after it.
    const qsizetype end = b.lastIndexOf(QByteArrayView("\xFF\xD9", 2));
    if (end < 2 || b.size() - end > 64)
        return fail(reason, "JPEG picture cut short: no end marker");
    return true;
}

bool iconComplete(const QByteArray& b, std::string* reason)
{
    if (b.size() < 6 || le16(b, 0) != 0 || le16(b, 2) != 1)
        return fail(reason, "not an icon");
    const std::uint32_t count = le16(b, 4);
    if (count == 0 || count > 16 || 6 + 16 * qsizetype(count) > b.size())
        return fail(reason, "icon directory out of range");
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        const std::uint64_t bytes = le32(b, entry + 8);
        const std::uint64_t offset = le32(b, entry + 12);
        if (bytes < 40 || offset < 6 + 16 * std::uint64_t(count) || offset + bytes > std::uint64_t(b.size()))
            return fail(reason, "icon cut short: an image lies outside the file");
    }
    return true;
}

}  // namespace

bool looksComplete(Encoding encoding, const QByteArray& bytes, std::string* reason)
{
    switch (encoding) {
    case Encoding::Bitmap24:
        return bitmapComplete(bytes, reason);
    case Encoding::Gif87a:
    case Encoding::Gif89a:
        return gifComplete(bytes, reason);
    case Encoding::Jpeg:
        return jpegComplete(bytes, reason);
    case Encoding::Icon:
        return iconComplete(bytes, reason);
    }
    return fail(reason, "unknown encoding");
}

// A PNG holds its signature and then whole chunks, the last of them IEND.
bool looksCompletePng(const QByteArray& b, std::string* reason)
{
    static const QByteArray signature = QByteArray::fromHex("89504e470d0a1a0a");
    if (!b.startsWith(signature))
        return fail(reason, "not a PNG picture");
    qsizetype at = signature.size();
    while (at + 12 <= b.size()) {
        const std::uint64_t next = std::uint64_t(at) + 12 + be32(b, at);
        if (next > std::uint64_t(b.size()))
            break;
        if (b.mid(at + 4, 4) == "IEND" && next == std::uint64_t(b.size()))
            return true;
        at = qsizetype(next);
    }
    return fail(reason, "PNG cut short: it does not end with its last chunk");
}

}  // namespace ayat
