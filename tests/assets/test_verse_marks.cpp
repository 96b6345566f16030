// The marks of the item pictures' verses: the stored text keeps its edition's
// encoding of the open tanween, and drawing maps each of them to the tanween
// that the grammar of its word asks for.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "tools/artwork/marks.h"

using ayat::art::marksForDrawing;

namespace {

constexpr char16_t kFathatan = 0x064B, kDammatan = 0x064C, kKasratan = 0x064D;
constexpr char16_t kOpenFathatan = 0x08F0, kOpenDammatan = 0x08F1, kOpenKasratan = 0x08F2;
const QString kStoredOpenTanween = QStringLiteral("\u0656\u0657\u065E");

bool isTanween(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= kFathatan && u <= kKasratan) || (u >= kOpenFathatan && u <= kOpenKasratan);
}

// The tanween of a word as drawn (after mapping), or 0 if it has none.
char16_t drawnTanween(const QString& word)
{
    for (QChar c : marksForDrawing(word))
        if (isTanween(c))
            return c.unicode();
    return 0;
}

}  // namespace

class TestVerseMarks : public QObject {
    Q_OBJECT

    QStringList words;  // every word of every verse's Arabic text, as stored

private slots:
    void initTestCase()
    {
        QFile json(QStringLiteral(AYAT_SOURCE_DIR "/content/verses.json"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray verses = QJsonDocument::fromJson(json.readAll())[QStringLiteral("verses")].toArray();
        QCOMPARE(verses.size(), 25);
        for (const QJsonValue& v : verses)
            for (const char* field : {"arabic", "arabic_shown"})
                words += v[QLatin1String(field)].toString().split(QLatin1Char(' '));
    }

    // The stored text writes the open tanween with its edition's three code
    // points and never with the ones that only drawing uses.
    void storedTextKeepsItsEdition()
    {
        const QString all = words.join(QLatin1Char(' '));
        for (QChar c : kStoredOpenTanween)
            QVERIFY2(all.contains(c), qPrintable(QStringLiteral("no U+%1 in the verses").arg(c.unicode(), 4, 16)));
        for (char16_t c : {kOpenFathatan, kOpenDammatan, kOpenKasratan})
            QVERIFY2(!all.contains(QChar(c)), qPrintable(QStringLiteral("U+%1 in the stored verses").arg(c, 4, 16)));
    }

    // Drawing changes the three marks and nothing else.
    void drawingChangesOnlyTheOpenTanween()
    {
        for (const QString& w : words) {
            const QString drawn = marksForDrawing(w);
            QCOMPARE(drawn.size(), w.size());
            for (qsizetype i = 0; i < w.size(); ++i)
                if (!kStoredOpenTanween.contains(w[i]))
                    QCOMPARE(drawn[i], w[i]);
                else
                    QVERIFY(drawn[i].unicode() >= kOpenFathatan && drawn[i].unicode() <= kOpenKasratan);
        }
    }

    // A tanween written before a word's final alif is the accusative fathatan.
    void tanweenBeforeFinalAlifIsFathatan()
    {
        int seen = 0;
        for (const QString& w : words) {
            const qsizetype alif = w.lastIndexOf(QChar(0x0627));
            if (alif > 0 && isTanween(marksForDrawing(w)[alif - 1])) {
                const char16_t t = drawnTanween(w);
                QVERIFY2(t == kFathatan || t == kOpenFathatan, qPrintable(w));
                ++seen;
            }
        }
        QVERIFY(seen >= 20);
    }

    void tanweenFollowsTheCase_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("tanween");
        // Genitive: after a preposition, or the second noun of a construct.
        QTest::newRow("hill after ila") << QStringLiteral("جَبَلٖ") << int(kOpenKasratan);
        QTest::newRow("wind after bi") << QStringLiteral("بِرِيحٖ") << int(kOpenKasratan);
        QTest::newRow("people after li") << QStringLiteral("لِقَوۡمٖ") << int(kOpenKasratan);
        QTest::newRow("orbit after fi") << QStringLiteral("فَلَكٖ") << int(kOpenKasratan);
        // Nominative: subject of a verb, or the topic of a sentence.
        QTest::newRow("ant, subject of qalat") << QStringLiteral("نَمۡلَةٞ") << int(kOpenDammatan);
        QTest::newRow("drink, subject of yakhruju") << QStringLiteral("شَرَابٞ") << int(kOpenDammatan);
        QTest::newRow("each, topic") << QStringLiteral("كُلّٞ") << int(kOpenDammatan);
        // Accusative: object of a verb, or the noun of inna.
        QTest::newRow("sign, noun of inna") << QStringLiteral("لَأٓيَةٗ") << int(kOpenFathatan);
        QTest::newRow("zodiac signs, object of jaalna") << QStringLiteral("بُرُوجٗا") << int(kOpenFathatan);
    }

    void tanweenFollowsTheCase()
    {
        QFETCH(QString, word);
        QFETCH(int, tanween);
        QVERIFY2(words.contains(word), "not a word of the verses");
        QCOMPARE(int(drawnTanween(word)), tanween);
    }
};

QTEST_GUILESS_MAIN(TestVerseMarks)
#include "test_verse_marks.moc"
