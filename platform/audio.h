#pragma once
// Audio output over SDL2, the audio subsystem only, loaded when first used
// (platform/sdl_audio.h): one output device in the program's own sample format, playing at most one buffer of samples
// at a time, and the decoder that turns a RIFF WAVE file held in memory into such a buffer. The sound service (sound/)
// is the only user.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace ayat::platform {

// The format of every buffer the output plays: signed 16-bit, mono, 22050 Hz.
// SDL converts it to whatever the machine's device wants.
inline constexpr int kAudioRate = 22050;
using Samples = std::vector<std::int16_t>;

// Longest buffer the decoder makes: about 25 minutes at kAudioRate.
inline constexpr std::size_t kMaxDecodedSamples = std::size_t{1} << 25;

// Decodes a RIFF WAVE image (any PCM depth, float, the compressed kinds SDL
// reads, any rate, any channel count SDL can mix down) into kAudioRate mono.
// Returns null for anything that is not a complete, well-formed WAVE file, for
// a file without samples, for one that would decode to more than
// kMaxDecodedSamples, and when `cancelled` answers true (asked between chunks).
std::shared_ptr<const Samples> decodeWave(std::span<const std::byte> file, const std::function<bool()>& cancelled = {});

// The output device. open(), play(), release() and close() belong to one thread
// (the sound service's worker); cut() may be called from any thread at any time.
class AudioOutput {
public:
    AudioOutput() = default;
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Opens the default output device if it is not open yet. May take a while
    // (the sound server is asked); false when there is no device to open.
    // A device that was lost (unplugged, server gone) is opened anew.
    bool open();

    // Silences whatever is playing, at once and without locking; returns the
    // ticket that play() needs to be heard. Each cut() voids earlier tickets.
    std::uint64_t cut();

    // True once a cut() has happened since `ticket` was issued.
    bool voided(std::uint64_t ticket) const { return ticket != ticket_.load(std::memory_order_acquire); }

    // Plays `samples` from their first one, replacing the buffer in progress,
    // if no cut() has happened since `ticket` was issued. A null buffer is silence.
    void play(std::shared_ptr<const Samples> samples, std::uint64_t ticket);

    // Closes the device while nothing plays, keeping the audio subsystem; the
    // next open() opens it again.
    void release();

    // Closes the device and the audio subsystem.
    void close();

private:
    static void fill(void* self, std::uint8_t* stream, int length);

    std::uint32_t device_ = 0;
    bool subsystem_ = false;
    std::atomic<std::uint64_t> ticket_{0};
    // Touched by the device's own thread under SDL's device lock:
    std::shared_ptr<const Samples> playing_;
    std::size_t position_ = 0;
    std::uint64_t playingTicket_ = 0;
};

}  // namespace ayat::platform
