// The files of platform/files.h on Linux: POSIX calls, so that nothing in a
// content file's place (a FIFO, a device) is ever opened in a way that waits.
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/files_system.h"

namespace ayat::platform {

namespace {

void say(std::string* reason, const char* text)
{
    if (reason)
        *reason = text;
}

}  // namespace

namespace system {

void close(std::intptr_t native) { ::close(int(native)); }

std::int64_t sizeOf(const OpenedFile& file, std::string* reason)
{
    struct stat st {};
    if (::fstat(int(file.native()), &st) != 0 || st.st_size < 0) {
        say(reason, std::strerror(errno));
        return -1;
    }
    return st.st_size;
}

std::int64_t readSome(const OpenedFile& file, std::byte* into, std::size_t size, std::string* reason)
{
    for (;;) {
        const ssize_t got = ::read(int(file.native()), into, size);
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            say(reason, std::strerror(errno));
            return -1;
        }
    }
}

std::int64_t readSomeAt(const OpenedFile& file, std::uint64_t offset, std::byte* into, std::size_t size,
                        std::string* reason)
{
    if (offset > std::uint64_t(INT64_MAX))
        return 0;  // past any end a file can have
    for (;;) {
        const ssize_t got = ::pread(int(file.native()), into, size, off_t(offset));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            say(reason, std::strerror(errno));
            return -1;
        }
    }
}

}  // namespace system

OpenedFile openRegularFile(const Path& path, std::string* reason)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        say(reason, std::strerror(errno));
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        say(reason, "not a regular file");
        return {};
    }
    OpenedFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file) {
        say(reason, std::strerror(errno));
        return {};
    }
    // Checked again on what was opened: the name may have been replaced meanwhile.
    if (::fstat(int(file.native()), &st) != 0 || !S_ISREG(st.st_mode)) {
        say(reason, "not a regular file");
        return {};
    }
    return file;
}

FileVersion versionOfOpenFile(const OpenedFile& file)
{
    struct stat st {};
    if (::fstat(int(file.native()), &st) != 0)
        return {};
    return {st.st_size, std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

const Path& programFolder()
{
    // Left alive at exit: the sound worker may still look here meanwhile.
    static const Path* const folder = [] {
        char path[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
        return new Path(n > 0 ? Path(std::string(path, std::size_t(n))).parent_path() : Path());
    }();
    return *folder;
}

}  // namespace ayat::platform
