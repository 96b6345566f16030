// The one reader of content files and the program's folder: a file is read whole
// or refused with a reason, and nothing in a file's place makes the reader wait.
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "common/files.h"
#include "platform/files.h"

using namespace ayat::platform;

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
        QVERIFY(!readRegularFile(native(dir.filePath("big")).c_str(), 4999, bytes, &reason));
        QCOMPARE(reason, std::string("file of 5000 bytes is too large"));
        QVERIFY(readRegularFile(native(dir.filePath("big")).c_str(), 5000, bytes, &reason));
        QCOMPARE(bytes.size(), std::size_t(5000));
        QCOMPARE(bytes.back(), std::byte('a'));
    }

    void refusesWhatIsNoFileWithoutWaiting()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("empty"), {}));
        QVERIFY(::mkfifo(native(dir.filePath("fifo")).c_str(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const struct {
            const char* name;
            const char* reason;
        } cases[] = {
            {"empty", "empty file"},
            {"fifo", "not a regular file"},  // no writer: an open that waited would hang here
            {"folder", "not a regular file"},
            {"gone", "No such file or directory"},
        };
        for (const auto& c : cases) {
            std::vector<std::byte> bytes;
            std::string reason;
            QVERIFY2(!readRegularFile(native(dir.filePath(c.name)).c_str(), 1000, bytes, &reason), c.name);
            QCOMPARE(reason, std::string(c.reason));
        }
    }

    void readsRelativeToAnOpenFolderAndCanBeCancelled()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("clip.exp"), QByteArray(100, 'x')));
        const UniqueFd folder(::open(native(dir.path()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        const UniqueFd file(openRegularFile(folder.fd, "clip.exp"));
        QVERIFY(file.fd >= 0);
        std::vector<std::byte> bytes;
        QVERIFY(!readOpenFile(file.fd, 1000, bytes, nullptr, [] { return true; }));
        QVERIFY(readOpenFile(file.fd, 1000, bytes, nullptr, [] { return false; }));
        QCOMPARE(bytes.size(), std::size_t(100));
    }

    // A name is found regardless of ASCII case: its exact spelling first, then
    // the other spellings in sorted order, passing over what is not a regular file.
    void findsANameRegardlessOfCase()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("clip.exp"), "exact"));
        QVERIFY(writeFile(dir.filePath("CLIP.exp"), "upper"));
        QVERIFY(writeFile(dir.filePath("Clip.exp"), "title"));
        QVERIFY(QDir(dir.path()).mkdir("CLIP.EXP"));  // sorts first
        const UniqueFd folder(::open(native(dir.path()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        auto found = [&](std::string_view name) {
            const UniqueFd file(openRegularFileAnyCase(folder.fd, name));
            std::vector<std::byte> bytes;
            if (file.fd < 0 || !readOpenFile(file.fd, 100, bytes))
                return QByteArray("(none)");
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        };
        QCOMPARE(found("clip.exp"), QByteArray("exact"));
        QCOMPARE(found("Clip.exp"), QByteArray("title"));
        QCOMPARE(found("cLiP.eXp"), QByteArray("upper"));
        QCOMPARE(found("clip.ex"), QByteArray("(none)"));
        QCOMPARE(found("clip.expp"), QByteArray("(none)"));
    }

    void programFolderHoldsTheProgram()
    {
        const QString folder = QFile::decodeName(QByteArray::fromStdString(programFolder()));
        QVERIFY(folder.endsWith('/'));
        QCOMPARE(folder + QCoreApplication::applicationName(), QCoreApplication::applicationFilePath());
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"
