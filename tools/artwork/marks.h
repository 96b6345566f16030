#pragma once
// The verse text as the Quran font draws it. The stored text writes the open
// (successive) tanween as its edition does: U+0657 for fathatan, U+065E for
// dammatan and U+0656 for kasratan. The Quran font draws those code points as
// other marks (a subscript alef, an inverted damma) or not at all, and draws the
// open tanween at U+08F0, U+08F1 and U+08F2. Only drawing maps them; the stored
// text stays as its edition has it.
#include <utility>

#include <QString>

namespace ayat::art {

inline QString marksForDrawing(QString text)
{
    static constexpr std::pair<char16_t, char16_t> kOpenTanween[] = {
        {u'\u0657', u'\u08F0'}, {u'\u065E', u'\u08F1'}, {u'\u0656', u'\u08F2'}};
    for (QChar& c : text)
        for (auto [stored, drawn] : kOpenTanween)
            if (c.unicode() == stored)
                c = QChar(drawn);
    return text;
}

}  // namespace ayat::art
