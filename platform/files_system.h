#pragma once
// What platform/files.cpp asks of the system, given once for Linux
// (files_posix.cpp) and once for Windows (files_windows.cpp). Not exported:
// the rest of the program reads through platform/files.h.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/files.h"

namespace ayat::platform::system {

void close(std::intptr_t native);

// The size of an open file in bytes; -1, with *reason, if the system does not say.
std::int64_t sizeOf(const OpenedFile& file, std::string* reason);

// Reads up to `size` bytes: how many came, 0 at the end, -1 with *reason on an
// error (an interrupted read is tried again).
std::int64_t readSome(const OpenedFile& file, std::byte* into, std::size_t size, std::string* reason);

// Reads up to `size` bytes from `offset`, as readSome does (0 at or past the end).
std::int64_t readSomeAt(const OpenedFile& file, std::uint64_t offset, std::byte* into, std::size_t size,
                        std::string* reason);

}  // namespace ayat::platform::system
