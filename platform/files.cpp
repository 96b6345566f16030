#include "platform/files.h"

#include <algorithm>
#include <system_error>

#include "platform/files_system.h"

namespace ayat::platform {

namespace {

constexpr std::size_t kReadChunk = std::size_t{1} << 20;
constexpr std::size_t kEndProbe = 4096;

void say(std::string* reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
}

// ASCII letters only: a Turkish or any other locale changes nothing.
template <class Char>
bool equalsIgnoringCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b)
{
    auto lower = [](Char c) { return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](Char x, Char y) { return lower(x) == lower(y); });
}

}  // namespace

OpenedFile& OpenedFile::operator=(OpenedFile&& other) noexcept
{
    if (this != &other) {
        if (native_ != kNone)
            system::close(native_);
        native_ = other.native_;
        other.native_ = kNone;
    }
    return *this;
}

OpenedFile::~OpenedFile()
{
    if (native_ != kNone)
        system::close(native_);
}

OpenedFile openRegularFileAnyCase(const Path& folder, std::string_view name)
{
    Path exact;
    try {
        exact = Path(std::u8string(name.begin(), name.end()));  // bytes as they are on Linux
    } catch (const std::system_error&) {
        return {};  // not UTF-8: Windows has no file of that name
    }
    if (exact.empty() || exact != exact.filename())
        return {};  // a folder or a drive in the name ("sub/x", "C:x"): not in this folder
    if (OpenedFile file = openRegularFile(folder / exact))
        return file;
    // The other spellings come from a listing of the folder; where the folder
    // may be entered but not listed, the exact spelling was all there is.
    using View = std::basic_string_view<Path::value_type>;
    std::vector<Path> others;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const Path entry = it->path().filename();
        if (equalsIgnoringCase(View(entry.native()), View(exact.native())) && entry != exact)
            others.push_back(entry);
    }
    std::sort(others.begin(), others.end(), [](const Path& a, const Path& b) { return a.native() < b.native(); });
    for (const Path& other : others) {
        if (OpenedFile file = openRegularFile(folder / other))
            return file;
    }
    return {};
}

bool readOpenFile(const OpenedFile& file, std::size_t maxBytes, std::vector<std::byte>& out, std::string* reason,
                  const std::function<bool()>& cancelled)
{
    const std::int64_t size = system::sizeOf(file, reason);
    if (size < 0)
        return false;
    const auto tooLarge = [&](std::size_t bytes) {
        say(reason, "file of " + std::to_string(bytes) + " bytes is too large");
        return false;
    };
    if (std::uint64_t(size) > maxBytes)
        return tooLarge(std::size_t(size));
    out.clear();
    // The whole file in one read where it can be: its size and one byte more,
    // which shows a file that grew meanwhile. A file that did grow (every byte
    // asked for came) is read on in large chunks; otherwise a small read finds
    // the end. The buffer is zeroed as it grows, so it grows no more than that.
    std::size_t ask = std::min(std::size_t(size), kReadChunk) + 1;
    for (;;) {
        const std::size_t at = out.size();
        if (at > maxBytes)
            return tooLarge(at);  // it grew past the limit while being read
        if (cancelled && cancelled()) {
            say(reason, "cancelled");
            return false;
        }
        out.resize(at + ask);
        const std::int64_t got = system::readSome(file, out.data() + at, ask, reason);
        out.resize(at + std::size_t(got > 0 ? got : 0));
        if (got < 0)
            return false;
        if (got == 0)
            break;
        ask = std::uint64_t(got) == ask ? kReadChunk : kEndProbe;
    }
    if (out.empty()) {
        say(reason, "empty file");
        return false;
    }
    return true;
}

bool readOpenFileAt(const OpenedFile& file, std::uint64_t offset, std::byte* into, std::size_t size)
{
    while (size > 0) {
        const std::int64_t got = system::readSomeAt(file, offset, into, size, nullptr);
        if (got <= 0)
            return false;  // the end came first, or an error
        offset += std::uint64_t(got);
        into += got;
        size -= std::size_t(got);
    }
    return true;
}

bool readRegularFile(const Path& path, std::size_t maxBytes, std::vector<std::byte>& out, std::string* reason)
{
    const OpenedFile file = openRegularFile(path, reason);
    return file && readOpenFile(file, maxBytes, out, reason);
}

}  // namespace ayat::platform
