#pragma once
// Checks of the loader's own on a content file's bytes before they are decoded:
// the signature of its encoding, and that the file holds everything its headers
// promise. Qt's decoders show what they can of a picture that is cut short; a
// damaged file is refused whole instead, so that it is reported.
#include <QByteArray>
#include <QString>

#include "assets/catalogue.h"

namespace ayat {

// True when the bytes look like a complete file of the encoding; else false and
// a reason a person can read.
bool looksComplete(Encoding encoding, const QByteArray& bytes, QString* reason);

} // namespace ayat
