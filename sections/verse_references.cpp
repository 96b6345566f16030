#include "sections/verse_references.h"

#include <map>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ayat {
namespace {

// The verse content as it stands in content/verses.json.
constexpr char kVersesJson[] =
#include "verses_json.inc"
    ;

std::map<std::string, VerseReference> readReferences()
{
    std::map<std::string, VerseReference> out;
    const QJsonArray verses = QJsonDocument::fromJson(QByteArray(kVersesJson)).object().value("verses").toArray();
    for (const QJsonValue& v : verses) {
        const QJsonObject o = v.toObject();
        out[o.value("picture").toString().toStdString()] = VerseReference{
            QStringLiteral("%1 %2:%3")
                .arg(o.value("surah_name").toString())
                .arg(o.value("surah").toInt())
                .arg(o.value("ayah").toInt()),
            o.value("arabic_shown").toString(),
        };
    }
    return out;
}

} // namespace

VerseReference verseReference(const char* picture)
{
    static const std::map<std::string, VerseReference> references = readReferences();
    const auto it = references.find(picture ? picture : "");
    return it == references.end() ? VerseReference{} : it->second;
}

} // namespace ayat
