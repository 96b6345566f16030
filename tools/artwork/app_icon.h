#pragma once
// The program's icon as a vector drawing: a compact disc with an open yellow book
// in front of it. The window icon (mainicon), the desktop's icons at every size
// and the scalable icon are all drawn from it.
#include <QImage>
#include <QString>

namespace ayat::art {

// The icon drawn at px x px, anti-aliased, on a transparent background. Lines and
// edges are placed on whole device pixels at each size, and the smallest sizes
// leave out detail that would only blur. With classicColours the disc's sheen is
// drawn in the full colours of the 16-colour palette, for the window icon.
QImage renderAppIcon(int px, bool classicColours = false);

// The same drawing as a scalable SVG file. Returns false and sets error on failure.
bool writeAppIconSvg(const QString& path, QString* error);

// The sizes of the desktop icon theme's PNG icons.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes <dir>/hicolor/<n>x<n>/apps/<name>.png for every size and
// <dir>/hicolor/scalable/apps/<name>.svg; prints each path written.
bool writeHicolorIcons(const QString& dir, const QString& name, QString* error);

// The sizes of the Windows icon: the small (16) and large (32) icons at 100, 125,
// 150 and 200 % (20, 24, 40, 48, 64), and the shell's large views (128, 256).
inline constexpr int kWindowsIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};

// Writes the Windows icon file (.ico) with an image at each of those sizes: a
// 32-bit bitmap with its mask below 256 px, a PNG at 256 px (as Windows keeps its
// largest icons). Prints the path written.
bool writeWindowsIcon(const QString& path, QString* error);

}  // namespace ayat::art
