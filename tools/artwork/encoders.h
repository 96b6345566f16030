#pragma once
// Writers for the catalogue's picture encodings, and the colour quantizer that
// the GIF writer uses. Every writer returns false and sets *error on failure.
#include <cstdint>
#include <vector>

#include <QImage>
#include <QString>

namespace ayat::art {

// 24-bit Windows bitmap: BITMAPFILEHEADER + BITMAPINFOHEADER, BI_RGB, no palette,
// rows bottom-up, each row padded to a multiple of 4 bytes. Alpha is ignored.
bool writeBmp24(const QString& path, const QImage& image, QString* error);

// An image reduced to a palette: one index per pixel, rows top-down.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;     // at most the number of colours asked for
    std::vector<uint8_t> indices;  // width * height
};

struct QuantizeOptions {
    int colours = 256;    // palette size wanted, 1..256
    float dither = 0.0f;  // Floyd-Steinberg strength, 0 (none) to 1 (full)
};

// Median cut over a 6-bit-per-channel histogram, refined by k-means, then mapped
// with optional serpentine Floyd-Steinberg dithering. Pixels with alpha below 128
// are left out of the palette when `skipTransparent` and get index 0 (the caller
// replaces them). An image with no more distinct colours than asked keeps them
// exactly.
IndexedImage quantize(const QImage& image, const QuantizeOptions& options, bool skipTransparent = false);

// GIF87a: one image, a 256-entry global palette, not interlaced, no extensions.
bool writeGif87a(const QString& path, const QImage& image, const QuantizeOptions& options, QString* error);

// GIF89a: one image, a 256-entry global palette, interlaced, with a graphic
// control extension that makes palette index 4 transparent. Pixels with alpha
// below 128 become index 4; no other pixel does.
bool writeGif89aTransparent(const QString& path, const QImage& image, const QuantizeOptions& options, QString* error);

// Baseline JPEG, JFIF 1.01, YCbCr with Y sampled 2x2 and Cb, Cr 1x1.
bool writeJpeg(const QString& path, const QImage& image, int quality, QString* error);

}  // namespace ayat::art
