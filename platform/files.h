#pragma once
// The program's own files: reading a content file without ever blocking, and the
// folder the program lies in. No toolkit: the picture loader and the sound
// service both read through here. Paths are std::filesystem::path, so they hold
// a file name as the system has it: bytes on Linux (a folder whose name is not
// UTF-8 is found all the same), UTF-16 on Windows.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ayat::platform {

using Path = std::filesystem::path;

// A file open for reading, closed when it goes: a descriptor on Linux, a handle
// on Windows. Empty when nothing could be opened.
class OpenedFile {
public:
    OpenedFile() = default;
    explicit OpenedFile(std::intptr_t native) : native_(native) {}
    OpenedFile(OpenedFile&& other) noexcept : native_(other.native_) { other.native_ = kNone; }
    OpenedFile& operator=(OpenedFile&& other) noexcept;
    ~OpenedFile();
    explicit operator bool() const { return native_ != kNone; }
    std::intptr_t native() const { return native_; }

private:
    static constexpr std::intptr_t kNone = -1;  // also Windows' INVALID_HANDLE_VALUE
    std::intptr_t native_ = kNone;
};

// Opens `path` for reading if it is a regular file. Anything else in its place
// (a folder, a FIFO, a device, Windows' reserved names such as NUL and CON) is
// passed over without being read, and the open never waits. Empty, with *reason
// saying why, otherwise.
OpenedFile openRegularFile(const Path& path, std::string* reason = nullptr);

// openRegularFile on the entry of `folder` whose name is `name` (UTF-8, a bare
// name) regardless of ASCII case: the exact spelling first, then the other
// spellings found in the folder, in sorted order, until one is a regular file.
// A folder that can be entered but not listed still gives the exact spelling.
OpenedFile openRegularFileAnyCase(const Path& folder, std::string_view name);

// Reads the whole of an open regular file of 1 to maxBytes bytes into `out`.
// False, with *reason, for an empty file, a larger one (also one that grows past
// maxBytes while it is read), a read error (on Windows, a range that another
// program has locked), or when `cancelled` answers true (asked between chunks).
bool readOpenFile(const OpenedFile& file, std::size_t maxBytes, std::vector<std::byte>& out,
                  std::string* reason = nullptr, const std::function<bool()>& cancelled = {});

// For a file read a piece at a time while it is open (a sound as it plays).
// What tells one version of it from the next: its size and when it was last
// written (-1 each where the system does not say; on Windows the time may
// change only once the writer has closed the file).
struct FileVersion {
    std::int64_t size = -1;
    std::int64_t written = -1;
    bool operator==(const FileVersion&) const = default;
};
FileVersion versionOfOpenFile(const OpenedFile& file);

// Exactly `size` bytes from `offset`: false when fewer came (the file is
// shorter now) or on a read error. Not to be mixed with readOpenFile on the
// same file (on Windows a read at an offset moves the file's position).
bool readOpenFileAt(const OpenedFile& file, std::uint64_t offset, std::byte* into, std::size_t size);

// openRegularFile and readOpenFile on a path; the file is closed again.
bool readRegularFile(const Path& path, std::size_t maxBytes, std::vector<std::byte>& out,
                     std::string* reason = nullptr);

// The folder that holds the running executable; empty if the system does not
// say. Read from /proc/self/exe on Linux (as SDL_GetBasePath does there: the
// pictures are needed for the splash window, before the audio starts), from
// GetModuleFileNameW on Windows.
const Path& programFolder();

}  // namespace ayat::platform
