// Fuzz target: a WAVE file held in memory, from its bytes to the samples the
// audio device would be given (platform::Wave over a source in memory: the
// header checks and the reading ahead that a file gets as it plays, SDL's
// loader and converter included; read as the output's callback reads it, the
// worker's top-up before each read). The first byte of an input sets
// how many samples each read asks for (times 7, plus 1: as the device's buffer
// size varies); the rest is the file.
//
// Beyond crashes, it checks the decoder's promises: a sound it opens lasts at
// least one sample and at most kMaxDecodedSamples, and gives exactly the
// samples its length says, each read after a top-up all it asks for until the
// end.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/audio.h"

namespace {

// A promise of the decoder broken: said on standard error (fuzz/run sorts its
// findings by this line), then a crash for libFuzzer to keep the input.
[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t step = std::size_t(data[0]) * 7 + 1;
    const auto wave = ayat::platform::Wave::open(std::as_bytes(std::span(data + 1, size - 1)));
    if (!wave)
        return 0;
    const std::size_t length = wave->length();
    if (length == 0 || length > ayat::platform::kMaxDecodedSamples)
        broken("a sound without samples, or with more than kMaxDecodedSamples");
    std::vector<std::int16_t> out(step);
    std::size_t total = 0;
    for (std::size_t got; wave->topUp(), (got = wave->read(out.data(), step)) > 0;) {
        total += got;
        if (got < step && (wave->topUp(), wave->read(out.data(), step)) != 0)
            broken("samples after a read that came short");
    }
    if (total != length)
        broken("a sound that gave other than its length");
    return 0;
}
