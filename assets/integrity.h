#pragma once
// Checks of the loader's own on a content file's bytes before they are decoded:
// the signature of its encoding, and that the file holds everything its headers
// promise. Qt's decoders show what they can of a picture that is cut short; a
// damaged file is refused whole instead, so that it is reported.
#include <string>

#include <QByteArray>

#include "assets/catalogue.h"

namespace ayat {

// True when the bytes look like a complete file of the encoding; else false and
// a reason a person can read.
bool looksComplete(Encoding encoding, const QByteArray& bytes, std::string* reason);

// The same for a picture's variant drawn at twice the size, which is a PNG.
bool looksCompletePng(const QByteArray& bytes, std::string* reason);

}  // namespace ayat
