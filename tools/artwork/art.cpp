#include "art.h"

#include <QDir>

namespace ayat::art {

QString sourcePath(const QString& relative) { return QDir(QStringLiteral(AYAT_SOURCE_DIR)).filePath(relative); }

}  // namespace ayat::art
