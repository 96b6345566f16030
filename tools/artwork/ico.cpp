// Writes 16-colour icon files.
#include "art.h"

namespace ayat::art {

bool writeIcon16(const QString& path, const std::vector<QImage>& images, QString* error)
{
    (void)path;
    (void)images;
    if (error)
        *error = QStringLiteral("icon writer not implemented yet");
    return false;
}

} // namespace ayat::art
