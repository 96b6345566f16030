// The one reader of content files and the program's folder: a file is read whole
// or refused with a reason, and nothing in a file's place makes the reader wait.
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "common/files.h"
#include "platform/files.h"

using namespace ayat::platform;

namespace {

Path native(const QString& path) { return path.toStdU16String(); }

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void readsAWholeFileUpToItsLimit()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("big"), QByteArray(5000, 'a')));
        std::vector<std::byte> bytes;
        std::string reason;
        QVERIFY(!readRegularFile(native(dir.filePath("big")), 4999, bytes, &reason));
        QCOMPARE(reason, std::string("file of 5000 bytes is too large"));
        QVERIFY(readRegularFile(native(dir.filePath("big")), 5000, bytes, &reason));
        QCOMPARE(bytes.size(), std::size_t(5000));
        QCOMPARE(bytes.back(), std::byte('a'));
    }

    void refusesWhatIsNoFileWithoutWaiting()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("empty"), {}));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        struct Case {
            const char* name;
            const char* reason;
        };
        std::vector<Case> cases = {
            {"empty", "empty file"},
            {"folder", "not a regular file"},
#ifdef _WIN32
            {"gone", nullptr},  // the system's own words
            // Devices, whatever folder they are named in.
            {"NUL", nullptr},
            {"nul.exp", nullptr},
            {"CON", nullptr},
            {"COM1", nullptr},
#else
            {"gone", "No such file or directory"},
            {"fifo", "not a regular file"},  // no writer: an open that waited would hang here
#endif
        };
#ifndef _WIN32
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
#endif
        for (const Case& c : cases) {
            std::vector<std::byte> bytes;
            std::string reason;
            QVERIFY2(!readRegularFile(native(dir.filePath(c.name)), 1000, bytes, &reason), c.name);
            if (c.reason)
                QCOMPARE(reason, std::string(c.reason));
        }
    }

    void readsAFileOfAFolderAndCanBeCancelled()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("clip.exp"), QByteArray(100, 'x')));
        const OpenedFile file = openRegularFileAnyCase(native(dir.path()), "clip.exp");
        QVERIFY(file);
        std::vector<std::byte> bytes;
        QVERIFY(!readOpenFile(file, 1000, bytes, nullptr, [] { return true; }));
        QVERIFY(readOpenFile(file, 1000, bytes, nullptr, [] { return false; }));
        QCOMPARE(bytes.size(), std::size_t(100));
    }

    // A name is found regardless of ASCII case: its exact spelling first, then
    // the other spellings in sorted order, passing over what is not a regular
    // file. Windows' own folders ignore case themselves: there one file of the
    // names is all a folder can hold.
    void findsANameRegardlessOfCase()
    {
        QTemporaryDir dir;
        const Path folder = native(dir.path());
        auto found = [&](std::string_view name) {
            const OpenedFile file = openRegularFileAnyCase(folder, name);
            std::vector<std::byte> bytes;
            if (!file || !readOpenFile(file, 100, bytes))
                return QByteArray("(none)");
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        };
#ifdef _WIN32
        QVERIFY(writeFile(dir.filePath("Clip.exp"), "title"));
        QCOMPARE(found("Clip.exp"), QByteArray("title"));
        QCOMPARE(found("cLiP.eXp"), QByteArray("title"));
#else
        QVERIFY(writeFile(dir.filePath("clip.exp"), "exact"));
        QVERIFY(writeFile(dir.filePath("CLIP.exp"), "upper"));
        QVERIFY(writeFile(dir.filePath("Clip.exp"), "title"));
        QVERIFY(QDir(dir.path()).mkdir("CLIP.EXP"));  // sorts first
        QCOMPARE(found("clip.exp"), QByteArray("exact"));
        QCOMPARE(found("Clip.exp"), QByteArray("title"));
        QCOMPARE(found("cLiP.eXp"), QByteArray("upper"));
#endif
        QCOMPARE(found("clip.ex"), QByteArray("(none)"));
        QCOMPARE(found("clip.expp"), QByteArray("(none)"));
        // A name that is no bare name of the folder, or no UTF-8, names no file of it.
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(writeFile(dir.filePath("sub/x.exp"), "below"));
        QCOMPARE(found("sub/x.exp"), QByteArray("(none)"));
        QCOMPARE(found("C:x.exp"), QByteArray("(none)"));
        QCOMPARE(found("\xff.exp"), QByteArray("(none)"));
    }

#ifdef _WIN32
    // A file that another program holds without sharing it is not read, and
    // nothing waits for it. (A range locked by another program fails the read
    // on Windows; Wine does not lock ranges against reading, so that case is not
    // here.)
    void refusesAFileHeldWithoutSharing()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("held.exp"), QByteArray(100, 'x')));
        const HANDLE held = ::CreateFileW(native(dir.filePath("held.exp")).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        std::vector<std::byte> bytes;
        std::string reason;
        QVERIFY(!readRegularFile(native(dir.filePath("held.exp")), 1000, bytes, &reason));
        QVERIFY(!reason.empty());
        ::CloseHandle(held);
        QVERIFY(readRegularFile(native(dir.filePath("held.exp")), 1000, bytes, &reason));
    }
#endif

    void programFolderHoldsTheProgram()
    {
        QCOMPARE(
            QFileInfo(programFolder() / QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdU16String())
                .canonicalFilePath(),
            QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"
