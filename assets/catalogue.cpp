#include "assets/catalogue.h"

#include <array>

namespace ayat {
namespace {

using E = Encoding;

constexpr QSize none{};

const std::array kAssets = {
    // Window icons.
    Asset{"mainicon", E::Icon, {32, 32}, none},        // a compact disc with an open yellow book in front of it
    Asset{"splashicon", E::Icon, {32, 32}, {16, 16}},  // a white speech bubble with a blue lower-case letter i
    // Home screen.
    Asset{"main",
          E::Jpeg,
          {577, 421},
          none},  // an open book on a folding wooden stand on a tiled floor, yellow calligraphy along the bottom
    Asset{"CommandButton9", E::Gif87a, {185, 100}, none},  // the title in two lines of gold 3-D lettering on dark green
    Asset{"b1nature", E::Icon, {32, 32}, none},            // the Earth over Africa and Europe
    Asset{"b3space", E::Icon, {32, 32}, none},             // the full Moon, grey and cratered
    Asset{"b2foods", E::Icon, {32, 32}, none},             // a hamburger
    Asset{"b4animals", E::Icon, {32, 32}, none},           // the head of a snarling grey wolf
    Asset{"about", E::Icon, {32, 32}, none},               // a red book with a compact disc above it
    Asset{"CommandButton10", E::Icon, {32, 32}, {16, 16}},  // a white-gloved hand pointing left, blue cuff
    // Splash window.
    Asset{"splashbook", E::Bitmap24, {120, 82}, none},   // the book emblem on grey #BFBFBF corners
    Asset{"splashtitle", E::Bitmap24, {303, 70}, none},  // the title in one line of gold 3-D lettering on grey #C0C0C0
    // About panel.
    Asset{"Image10", E::Gif89a, {120, 82}, none},  // the book emblem with transparent corners
    // Scenes.
    Asset{"Image1", E::Gif87a, {443, 392}, none},   // the nature scene: a coast with hills, a cave, a ship and a shell
    Asset{"Image19", E::Gif87a, {447, 395}, none},  // the space scene: the solar system on a dark sky
    Asset{"Image13", E::Gif87a, {433, 388}, none},  // the foods scene: a laid table by a window
    Asset{"Image22", E::Gif87a, {443, 392}, none},  // the animals scene: animals in a green landscape
    // Section controls.
    Asset{"placeholder", E::Bitmap24, {3, 3}, none},  // plain tan #E0C08F
    Asset{"tape", E::Icon, {32, 32}, none},           // a grey audio cassette
    Asset{"stopsign", E::Icon, {32, 32}, none},       // a red prohibition sign over an insect
    Asset{"exitarrow", E::Icon, {32, 32}, {16, 16}},  // a thick arrow pointing right, in relief
    Asset{"magnifier", E::Icon, {32, 32}, none},      // a magnifying glass, lens at the upper left
    // Item pictures: the verse in Arabic script on a parchment card.
    Asset{"sky", E::Bitmap24, {200, 131}, none},      // the sky verse
    Asset{"river", E::Bitmap24, {200, 129}, none},    // the river verse
    Asset{"plant", E::Bitmap24, {200, 113}, none},    // the plant verse
    Asset{"ship", E::Bitmap24, {200, 126}, none},     // the ship verse
    Asset{"hill", E::Bitmap24, {200, 134}, none},     // the hill verse
    Asset{"gold", E::Bitmap24, {200, 135}, none},     // the pearls and coral verse
    Asset{"cave", E::Bitmap24, {200, 138}, none},     // the cave verse
    Asset{"sea", E::Bitmap24, {200, 134}, none},      // the sea verse
    Asset{"smoon", E::Bitmap24, {200, 126}, none},    // the moon verse
    Asset{"ssun2", E::Bitmap24, {200, 120}, none},    // the second sun verse
    Asset{"sbaw", E::Bitmap24, {200, 130}, none},     // the bowing down verse
    Asset{"sswim", E::Bitmap24, {200, 120}, none},    // the swimming orbits verse
    Asset{"ssun", E::Bitmap24, {200, 116}, none},     // the first sun verse
    Asset{"ffruit", E::Bitmap24, {200, 132}, none},   // the fruits verse
    Asset{"foil2", E::Bitmap24, {200, 127}, none},    // the corn and olives verse
    Asset{"fhony", E::Bitmap24, {200, 132}, none},    // the bee verse
    Asset{"ftree2", E::Bitmap24, {200, 125}, none},   // the date-palm and vine verse
    Asset{"ftree1", E::Bitmap24, {200, 124}, none},   // the palm-tree trunk verse
    Asset{"foils", E::Bitmap24, {200, 124}, none},    // the fig and olive verse
    Asset{"fwaters", E::Bitmap24, {200, 131}, none},  // the water verse
    Asset{"aani", E::Bitmap24, {200, 134}, none},     // the animals from water verse
    Asset{"aant", E::Bitmap24, {200, 120}, none},     // the ants verse
    Asset{"abir", E::Bitmap24, {200, 122}, none},     // the birds verse
    Asset{"aelf", E::Bitmap24, {200, 119}, none},     // the elephant verse
    Asset{"ahor", E::Bitmap24, {200, 119}, none},     // the horses verse
};

static_assert(kAssets.size() == 47);

}  // namespace

std::span<const Asset> catalogue() { return kAssets; }

std::optional<Asset> findAsset(std::string_view key)
{
    for (const Asset& a : kAssets)
        if (a.key == key)
            return a;
    return std::nullopt;
}

std::string_view extension(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Bitmap24:
        return "bmp";
    case Encoding::Gif87a:
    case Encoding::Gif89a:
        return "gif";
    case Encoding::Jpeg:
        return "jpg";
    case Encoding::Icon:
        return "ico";
    }
    return "";
}

}  // namespace ayat
