#pragma once
// Audio output over SDL2, the audio subsystem only, loaded when first used
// (platform/sdl_audio.h): one output device in the program's own sample format, playing at most one sound at a time,
// and the decoder that turns a RIFF WAVE file held in memory into such a sound. The sound service (sound/) is the only
// user.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct _SDL_AudioStream;  // SDL's converter, as its header names it

namespace ayat::platform {

// The format of every sound the output plays: signed 16-bit, mono, 22050 Hz.
// SDL converts it to whatever the machine's device wants.
inline constexpr int kAudioRate = 22050;
using Samples = std::vector<std::int16_t>;

// Longest sound played: about 25 minutes at kAudioRate. A file that says it
// lasts longer is refused.
inline constexpr std::size_t kMaxDecodedSamples = std::size_t{1} << 25;

// The sound of a RIFF WAVE file, converted to kAudioRate mono as it is read, a
// few thousand samples at a time, so that what it holds follows the file's size
// and not the length its header declares.
//
// Refused before anything of it is converted, besides files that are not
// complete, well-formed WAVE files (SDL's loader judges that) and files without
// samples: formats no recitation comes in. Accepted are
//  - PCM of 8, 16, 24 or 32 bits, IEEE float of 32 bits, A-law, mu-law, IMA
//    ADPCM and Microsoft ADPCM, also behind an extensible header;
//  - 8000 to 192000 Hz (telephone speech to studio recordings);
//  - 1 to 8 channels (mono to 7.1, what SDL mixes down);
//  - ADPCM blocks of at most 8192 bytes;
//  - of the compressed kinds, which SDL's loader decodes whole before anything
//    plays, at most kMaxCompressedBytes of sound data: 32 MiB once decoded.
class Wave {
public:
    static constexpr std::size_t kMaxCompressedBytes = std::size_t{8} << 20;

    // Null for a file that is refused.
    static std::unique_ptr<Wave> open(std::span<const std::byte> file);
    ~Wave();
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    // How many samples it gives in all.
    std::size_t length() const { return length_; }

    // Writes the next samples to `out`, at most `count`; fewer only at the end.
    std::size_t read(std::int16_t* out, std::size_t count);

private:
    Wave() = default;
    bool feed();

    std::uint8_t* data_ = nullptr;  // the samples as SDL's loader gives them
    std::size_t bytes_ = 0;
    std::size_t fed_ = 0;  // bytes of data_ given to the converter
    std::size_t frameBytes_ = 0;
    std::size_t tail_ = 0;  // bytes of silence still to give after them
    std::uint8_t silence_ = 0;
    _SDL_AudioStream* convert_ = nullptr;  // null when data_ is in the output's format already
    std::size_t length_ = 0;
    std::size_t given_ = 0;
};

// The whole sound of a WAVE file in one buffer (for tools and tests: the
// service plays a Wave as it is read). Null where Wave::open() refuses.
std::shared_ptr<const Samples> decodeWave(std::span<const std::byte> file);

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

    // Plays `sound` from its first sample, replacing the sound in progress, if
    // no cut() has happened since `ticket` was issued. A null sound is silence.
    void play(std::unique_ptr<Wave> sound, std::uint64_t ticket);

    // Closes the device while nothing plays; the next open() opens it again.
    // The audio subsystem is kept, unless it plays through a fallback where the
    // environment chose no output: then the next open() asks the sound servers again.
    void release();

    // Closes the device and the audio subsystem.
    void close();

private:
    static void fill(void* self, std::uint8_t* stream, int length);
    void quitSubsystem();

    std::uint32_t device_ = 0;
    bool subsystem_ = false;
    std::atomic<std::uint64_t> ticket_{0};
    // Touched by the device's own thread under SDL's device lock:
    std::unique_ptr<Wave> playing_;
    std::uint64_t playingTicket_ = 0;
};

}  // namespace ayat::platform
