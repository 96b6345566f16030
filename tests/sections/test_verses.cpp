// The verses that the sections show and request come from content/verses.json,
// generated into the build: the built tables hold the file's texts exactly, and
// a broken file stops the generator with a message instead of giving empty text.
#include <cctype>
#include <set>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "sections/tables/section_tables.h"

using namespace ayat;

namespace {

const QString kSourceDir = QStringLiteral(AYAT_SOURCE_DIR);

#ifndef _WIN32
// The generator is a CMake script of the build machine (Debian): its tests run
// there. On Windows only the tables it wrote are judged.
struct Outcome {
    int exitCode = -1;
    QString messages;
    QByteArray header;  // what it wrote, if anything
};

// Runs the generator as the build does, on a verse file with this content.
Outcome generate(const QByteArray& json)
{
    Outcome out;
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (cmake.isEmpty()) {
        out.messages = QStringLiteral("cmake is not on the PATH");
        return out;
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("verses.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        out.messages = QStringLiteral("cannot write the verse file");
        return out;
    }
    file.close();
    const QString header = dir.filePath(QStringLiteral("verses.h"));
    QProcess p;
    p.start(cmake,
            {QStringLiteral("-DJSON=") + file.fileName(),
             QStringLiteral("-DTEMPLATE=") + kSourceDir + QStringLiteral("/sections/verses/verses.h.in"),
             QStringLiteral("-DOUTPUT=") + header, QStringLiteral("-P"),
             kSourceDir + QStringLiteral("/sections/verses/generate_verses.cmake")});
    if (!p.waitForFinished(120000)) {
        out.messages = QStringLiteral("the generator did not finish");
        return out;
    }
    out.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    out.messages = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    QFile written(header);
    if (written.open(QIODevice::ReadOnly))
        out.header = written.readAll();
    return out;
}

// The string literals of C++ source, in order, as the compiler reads them:
// escapes resolved, adjacent literals joined; comments are skipped.
QList<QByteArray> stringLiterals(const QByteArray& source)
{
    QList<QByteArray> out;
    bool joinNext = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '/' && source.mid(i, 2) == "//") {
            i = source.indexOf('\n', i);
            if (i < 0)
                break;
            continue;
        }
        if (c != '"') {
            if (!QChar::isSpace(uchar(c)))
                joinNext = false;
            continue;
        }
        QByteArray text;
        for (++i; i < source.size() && source[i] != '"'; ++i) {
            if (source[i] != '\\' || i + 1 >= source.size()) {
                text += source[i];
                continue;
            }
            const char e = source[++i];
            switch (e) {
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case 'x': {
                qsizetype end = i + 1;
                while (end < source.size() && std::isxdigit(uchar(source[end])))
                    ++end;
                text += char(source.mid(i + 1, end - i - 1).toInt(nullptr, 16));
                i = end - 1;
                break;
            }
            default:
                text += e;  // \" \\ \'
            }
        }
        if (joinNext)
            out.back() += text;
        else
            out << text;
        joinNext = true;
    }
    return out;
}

// JSON written with single quotes, for reading in a C++ string.
QByteArray json(const char* singleQuoted) { return QByteArray(singleQuoted).replace('\'', '"'); }

#endif
}  // namespace

class VersesTest : public QObject {
    Q_OBJECT

private slots:
    // Every item of every section shows and requests exactly what the file holds
    // for its picture key, and no two items share a verse.
    void tablesHoldTheFileExactly()
    {
        QFile file(kSourceDir + QStringLiteral("/content/verses.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray verses =
            QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("verses")).toArray();
        QCOMPARE(verses.size(), 25);
        std::set<QString> seen;
        for (const SectionDescription* d : allSections()) {
            for (const SectionItem& item : d->items) {
                const QString key = QString::fromLatin1(item.pictureKey());
                QVERIFY2(seen.insert(key).second, qPrintable(key));
                QJsonObject stored;
                for (const auto& v : verses)
                    if (v.toObject().value(QStringLiteral("picture")).toString() == key)
                        stored = v.toObject();
                QVERIFY2(!stored.isEmpty(), qPrintable(key));
                QCOMPARE(QString::fromUtf8(item.verse->english), stored.value(QStringLiteral("english")).toString());
                QCOMPARE(QString::fromUtf8(item.verse->recitation),
                         stored.value(QStringLiteral("recitation")).toString());
                QCOMPARE(QString::fromUtf8(item.verse->arabic),
                         stored.value(QStringLiteral("arabic_shown")).toString());
                QCOMPARE(QString::fromUtf8(item.verse->reference),
                         QStringLiteral("%1 %2:%3")
                             .arg(stored.value(QStringLiteral("surah_name")).toString())
                             .arg(stored.value(QStringLiteral("surah")).toInt())
                             .arg(stored.value(QStringLiteral("ayah")).toInt()));
            }
        }
        QCOMPARE(seen.size(), std::size_t(25));
    }

#ifndef _WIN32
    // Quotes, backslashes, semicolons, line breaks and letters beyond ASCII reach
    // the table unchanged, as the compiler reads its string literals.
    void textIsWrittenExactly()
    {
        const Outcome out = generate("{\"verses\": [{\"picture\": \"sky\", \"recitation\": \"sky.exp\", "
                                     "\"english\": \"Say: \\\"ink\\\"; a \\\\ b [c]\\n\\t \\u00e9 \", "
                                     "\"surah_name\": \"Al-Hijr\", \"surah\": 15, \"ayah\": 16, "
                                     "\"arabic_shown\": \"\\u0648\\u064e\"}]}");
        QVERIFY2(out.exitCode == 0, qPrintable(out.messages));
        const QList<QByteArray> expected{"sky", "sky.exp", "Say: \"ink\"; a \\ b [c]\n\t \xc3\xa9 ", "Al-Hijr 15:16",
                                         "\xd9\x88\xd9\x8e"};
        const QList<QByteArray> literals = stringLiterals(out.header);
        const qsizetype row = literals.indexOf(expected.front());
        QVERIFY2(row >= 0, out.header.constData());
        QCOMPARE(literals.mid(row, expected.size()), expected);
    }

    void brokenFilesStopTheBuild_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("not JSON")
            << json("{'verses': [{'picture': 'sky' 'recitation': 'sky.exp'}]}")
            << "failed parsing";
        QTest::newRow("truncated")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'sky.exp'")
            << "failed parsing";
        QTest::newRow("empty file")    << QByteArray()           << "not a verse file";
        QTest::newRow("no verse list") << json("{'verse': []}")  << "not a verse file";
        QTest::newRow("empty list")    << json("{'verses': []}") << "list is empty";
        QTest::newRow("no English")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'sky.exp'}]}")
            << "verses[0] has no \"english\"";
        QTest::newRow("empty English")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'sky.exp', 'english': ''}]}")
            << "\"english\" of verses[0] is empty";
        QTest::newRow("number for a name")
            << json("{'verses': [{'picture': 'sky', 'recitation': 3, 'english': 'x'}]}")
            << "not a string";
        QTest::newRow("path for a recitation")
            << json("{'verses': [{'picture': 'sky', 'recitation': '../sky.exp', 'english': 'x'}]}")
            << "not a bare file name";
        QTest::newRow("key given twice")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'a.exp', 'english': 'x', 'surah_name': 'A',"
                    " 'surah': 1, 'ayah': 1, 'arabic_shown': 'y'},"
                    " {'picture': 'sky', 'recitation': 'b.exp', 'english': 'y'}]}")
            << "given to two verses";
        QTest::newRow("no reference")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'a.exp', 'english': 'x', 'surah': 15, 'ayah': 16,"
                    " 'arabic_shown': 'y'}]}")
            << "verses[0] has no \"surah_name\"";
        QTest::newRow("verse number not a whole number")
            << json("{'verses': [{'picture': 'sky', 'recitation': 'a.exp', 'english': 'x', 'surah_name': 'A',"
                    " 'surah': 15, 'ayah': 1.5, 'arabic_shown': 'y'}]}")
            << "\"ayah\" of verses[0] is not a whole number";
        // clang-format on
    }

    void brokenFilesStopTheBuild()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        const Outcome out = generate(json);
        QVERIFY2(out.exitCode > 0, qPrintable(out.messages));
        QVERIFY2(out.messages.simplified().contains(message), qPrintable(out.messages));
        QVERIFY(out.header.isEmpty());
    }
#endif
};

QTEST_GUILESS_MAIN(VersesTest)
#include "test_verses.moc"
