#pragma once
// The program's own files: reading a content file without ever blocking, and the
// folder the program lies in. Plain POSIX, no toolkit: the picture loader and the
// sound service both read through here.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ayat::platform {

// A descriptor closed when it goes.
struct UniqueFd {
    int fd = -1;
    explicit UniqueFd(int f) : fd(f) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();
};

// Opens `name`, relative to the open folder `folder` (AT_FDCWD: the working
// directory, or an absolute path), for reading, if it is a regular file. Anything
// else in its place (a folder, a FIFO, a device) is passed over without being
// opened for reading, and the open never waits. Returns the descriptor, or -1
// with *reason saying why.
int openRegularFile(int folder, const char* name, std::string* reason = nullptr);

// openRegularFile on the entry of `folder` whose name is `name` regardless of
// ASCII case: the exact spelling first, then the other spellings found in the
// folder, in sorted order, until one is a regular file. `name` must be a bare
// name (no '/'). Returns the descriptor, or -1.
int openRegularFileAnyCase(int folder, std::string_view name);

// Reads the whole of an open regular file of 1 to maxBytes bytes into `out`.
// False, with *reason, for an empty file, a larger one (also one that grows past
// maxBytes while it is read), a read error, or when `cancelled` answers true
// (asked between chunks).
bool readOpenFile(int fd, std::size_t maxBytes, std::vector<std::byte>& out, std::string* reason = nullptr,
                  const std::function<bool()>& cancelled = {});

// openRegularFile and readOpenFile on a path; the file is closed again.
bool readRegularFile(const char* path, std::size_t maxBytes, std::vector<std::byte>& out,
                     std::string* reason = nullptr);

// The folder that holds the running executable, ending in '/'; empty if the
// system does not say. Read from /proc/self/exe, as SDL_GetBasePath does on
// Linux: the pictures are needed for the splash window, before the audio
// library is loaded.
const std::string& programFolder();

}  // namespace ayat::platform
