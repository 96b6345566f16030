// Fuzz target: the sound service's request by name: the lookup of a bare name
// in the working directory and the program's folder without regard to case,
// the refusal of anything that is not a regular file, the read and the decode,
// all on the service's worker thread. An input is the name, as a screen would
// pass it.
//
// The working directory holds sounds and stand-ins that must never be read or
// waited on: a FIFO, a folder, a device, links that lead nowhere or in a
// circle, an empty file, a sparse gigabyte. A request that never settles is a
// hang, which libFuzzer's -timeout reports.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sound/sound.h"

namespace {

// A short, valid WAVE file: 16-bit mono at the given rate.
std::vector<char> wave(int rate, int samples)
{
    std::vector<char> out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(char((v >> (8 * i)) & 0xFF));
    };
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put(36 + std::uint32_t(samples) * 2, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(std::uint32_t(rate), 4);
    put(std::uint32_t(rate) * 2, 4);
    put(2, 2);
    put(16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put(std::uint32_t(samples) * 2, 4);
    for (int i = 0; i < samples; ++i)
        put(std::uint32_t((i * 997) & 0xFFFF), 2);
    return out;
}

void write(const char* name, const std::vector<char>& bytes)
{
    const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        std::abort();
    ::close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    static char pattern[] = "/tmp/ayat-fuzz-sound-XXXXXX";
    if (!::mkdtemp(pattern) || ::chdir(pattern) != 0)
        std::abort();
    std::atexit([] { std::filesystem::remove_all(pattern); });
    write("clip.exp", wave(22050, 400));
    write("Stop.EXP", wave(44100, 300));
    write("sky.exp", wave(8000, 100));
    write("SKY.exp", wave(11025, 100));  // the exact spelling is taken first
    write("empty.exp", {});
    std::vector<char> noise(2048);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    write("noise.exp", noise);
    ::mkfifo("fifo.exp", 0644);
    ::mkdir("folder.exp", 0755);
    ::symlink("/dev/zero", "zero.exp");
    ::symlink("vanished.exp", "gone.exp");
    ::symlink("loop.exp", "loop.exp");
    const int big = ::open("big.exp", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (big < 0 || ::ftruncate(big, off_t(1) << 30) != 0)
        std::abort();
    ::close(big);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ayat::RequestSound(std::string_view(reinterpret_cast<const char*>(data), size));
    ayat::sound::waitUntilIdleForTesting();
    return 0;
}
