#pragma once
// The 16 classic colours that every icon is drawn in, in the order of the icon
// files' palette.
#include <array>
#include <optional>

#include <QRgb>

namespace ayat::art {

inline constexpr std::array<QRgb, 16> kIconPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,  // black, maroon, green, olive
    0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,  // navy, purple, teal, silver
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,  // grey, red, lime, yellow
    0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,  // blue, fuchsia, aqua, white
};

// The palette index of an opaque classic colour; nothing for any other colour.
inline std::optional<int> iconPaletteIndex(QRgb argb)
{
    for (int i = 0; i < int(kIconPalette.size()); ++i)
        if (kIconPalette[i] == argb)
            return i;
    return std::nullopt;
}

}  // namespace ayat::art
