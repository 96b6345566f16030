// The files of platform/files.h on Windows: Win32 calls on UTF-16 paths.
#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/files.h"
#include "platform/files_system.h"

namespace ayat::platform {

namespace {

void say(std::string* reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
}

// The system's own text for an error, in English whatever the user's language,
// as the Linux side gives strerror's.
std::string describe(DWORD error)
{
    char text[256] = {};
    const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, sizeof text, nullptr);
    std::string s(text, n);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == '.'))
        s.pop_back();
    return s.empty() ? "error " + std::to_string(error) : s;
}

HANDLE handleOf(const OpenedFile& file) { return reinterpret_cast<HANDLE>(file.native()); }

}  // namespace

namespace system {

void close(std::intptr_t native) { ::CloseHandle(reinterpret_cast<HANDLE>(native)); }

std::int64_t sizeOf(const OpenedFile& file, std::string* reason)
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handleOf(file), &size)) {
        say(reason, describe(::GetLastError()));
        return -1;
    }
    return size.QuadPart;
}

std::int64_t readSome(const OpenedFile& file, std::byte* into, std::size_t size, std::string* reason)
{
    DWORD got = 0;
    const DWORD ask = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
    if (!::ReadFile(handleOf(file), into, ask, &got, nullptr)) {
        say(reason, describe(::GetLastError()));  // e.g. a range another program has locked
        return -1;
    }
    return got;
}

std::int64_t readSomeAt(const OpenedFile& file, std::uint64_t offset, std::byte* into, std::size_t size,
                        std::string* reason)
{
    // On a handle opened for plain (not overlapped) reads, ReadFile reads from
    // the offset the OVERLAPPED gives and waits until it is done.
    OVERLAPPED at{};
    at.Offset = DWORD(offset & 0xffffffffu);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD got = 0;
    const DWORD ask = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
    if (!::ReadFile(handleOf(file), into, ask, &got, &at)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_HANDLE_EOF)
            return 0;  // the offset lies at or past the end
        say(reason, describe(error));
        return -1;
    }
    return got;
}

}  // namespace system

OpenedFile openRegularFile(const Path& path, std::string* reason)
{
    // A folder is refused before it is opened (without backup semantics it could
    // not be opened anyway). A reserved name such as NUL, CON or COM1 names a
    // device in every folder: it is opened, but no file of the disk is what it
    // opens, and it is closed again unread. Others may read, write or delete the
    // file meanwhile; a file that another program holds without sharing is not
    // opened ("being used by another process").
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        say(reason, describe(::GetLastError()));
        return {};
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        say(reason, "not a regular file");
        return {};
    }
    OpenedFile file(reinterpret_cast<std::intptr_t>(
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
    if (!file) {
        say(reason, describe(::GetLastError()));
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handleOf(file)) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handleOf(file), &info)
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        say(reason, "not a regular file");
        return {};
    }
    return file;
}

FileVersion versionOfOpenFile(const OpenedFile& file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handleOf(file), &info))
        return {};
    const auto join = [](DWORD high, DWORD low) { return std::int64_t((std::uint64_t(high) << 32) | low); };
    return {join(info.nFileSizeHigh, info.nFileSizeLow),
            join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
}

const Path& programFolder()
{
    // Left alive at exit: the sound worker may still look here meanwhile.
    static const Path* const folder = [] {
        std::wstring exe(MAX_PATH, L'\0');
        for (;;) {
            const DWORD n = ::GetModuleFileNameW(nullptr, exe.data(), DWORD(exe.size()));
            if (n == 0)
                return new Path();
            if (n < exe.size()) {
                exe.resize(n);
                return new Path(Path(exe).parent_path());
            }
            exe.resize(exe.size() * 2);  // a longer path than MAX_PATH: asked again
        }
    }();
    return *folder;
}

}  // namespace ayat::platform
