#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ayat::platform {

namespace {

constexpr std::size_t kReadChunk = std::size_t{1} << 20;
constexpr std::size_t kEndProbe = 4096;

void say(std::string* reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

UniqueFd::~UniqueFd()
{
    if (fd >= 0)
        ::close(fd);
}

int openRegularFile(int folder, const char* name, std::string* reason)
{
    struct stat st {};
    if (::fstatat(folder, name, &st, 0) != 0) {
        say(reason, std::strerror(errno));
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        say(reason, "not a regular file");
        return -1;
    }
    const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        say(reason, std::strerror(errno));
        return -1;
    }
    // Checked again on what was opened: the name may have been replaced meanwhile.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        say(reason, "not a regular file");
        return -1;
    }
    return fd;
}

int openRegularFileAnyCase(int folder, std::string_view name)
{
    const std::string exact(name);
    if (const int fd = openRegularFile(folder, exact.c_str()); fd >= 0)
        return fd;
    // The folder is listed through a descriptor of its own: closedir() closes it.
    const int listing = ::dup(folder);
    if (listing < 0)
        return -1;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return -1;
    }
    std::vector<std::string> others;
    while (const dirent* entry = ::readdir(dir)) {
        if (equalsIgnoringCase(entry->d_name, name) && exact != entry->d_name)
            others.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(others.begin(), others.end());
    for (const std::string& other : others) {
        if (const int fd = openRegularFile(folder, other.c_str()); fd >= 0)
            return fd;
    }
    return -1;
}

bool readOpenFile(int fd, std::size_t maxBytes, std::vector<std::byte>& out, std::string* reason,
                  const std::function<bool()>& cancelled)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < 0) {
        say(reason, std::strerror(errno));
        return false;
    }
    const auto tooLarge = [&](std::size_t size) {
        say(reason, "file of " + std::to_string(size) + " bytes is too large");
        return false;
    };
    if (std::size_t(st.st_size) > maxBytes)
        return tooLarge(std::size_t(st.st_size));
    out.clear();
    // The whole file in one read where it can be: its size and one byte more,
    // which shows a file that grew meanwhile. A file that did grow (every byte
    // asked for came) is read on in large chunks; otherwise a small read finds
    // the end. The buffer is zeroed as it grows, so it grows no more than that.
    std::size_t ask = std::min(std::size_t(st.st_size), kReadChunk) + 1;
    for (;;) {
        const std::size_t at = out.size();
        if (at > maxBytes)
            return tooLarge(at);  // it grew past the limit while being read
        if (cancelled && cancelled()) {
            say(reason, "cancelled");
            return false;
        }
        out.resize(at + ask);
        const ssize_t got = ::read(fd, out.data() + at, ask);
        ask = got == ssize_t(ask) ? kReadChunk : kEndProbe;
        out.resize(at + std::size_t(got > 0 ? got : 0));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            say(reason, std::strerror(errno));
            return false;
        }
        if (got == 0)
            break;
    }
    if (out.empty()) {
        say(reason, "empty file");
        return false;
    }
    return true;
}

bool readRegularFile(const char* path, std::size_t maxBytes, std::vector<std::byte>& out, std::string* reason)
{
    const UniqueFd file(openRegularFile(AT_FDCWD, path, reason));
    return file.fd >= 0 && readOpenFile(file.fd, maxBytes, out, reason);
}

const std::string& programFolder()
{
    // Left alive at exit: the sound worker may still look here meanwhile.
    static const std::string* const folder = [] {
        char path[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
        const std::string exe(path, std::size_t(n > 0 ? n : 0));
        const auto slash = exe.rfind('/');
        return new std::string(slash == std::string::npos ? std::string() : exe.substr(0, slash + 1));
    }();
    return *folder;
}

}  // namespace ayat::platform
