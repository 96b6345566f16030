// Fuzz target: the WAVE decoder that every sound goes through
// (platform::decodeWave), over a file held in memory. The first byte of an
// input says after how many of the decoder's questions it is told to give up
// (0: never); the rest is the file.
//
// Beyond crashes, it checks the decoder's promises: a buffer it returns holds
// samples, at most kMaxDecodedSamples of them, and a decoder told to give up
// returns nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

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
    const int giveUpAfter = data[0];
    int asked = 0;
    bool gaveUp = false;
    const auto cancelled = [&] {
        gaveUp = giveUpAfter != 0 && ++asked >= giveUpAfter;
        return gaveUp;
    };
    const auto samples = ayat::platform::decodeWave(std::as_bytes(std::span(data + 1, size - 1)), cancelled);
    if (samples && (samples->empty() || samples->size() > ayat::platform::kMaxDecodedSamples))
        broken("a buffer without samples, or with more than kMaxDecodedSamples");
    if (samples && gaveUp)
        broken("a buffer from a decoder told to give up");
    return 0;
}
