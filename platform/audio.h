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

// Where a Wave's file is read from: an open file, read a piece at a time while
// it plays, or bytes in memory.
class WaveSource {
public:
    virtual ~WaveSource() = default;
    // The file's size in bytes, as it was when it was opened.
    virtual std::uint64_t size() const = 0;
    // Exactly `count` bytes from `offset`. False when fewer came, on a read
    // error, or when the file is no longer the one that was checked (its size
    // has changed since).
    virtual bool readAt(std::uint64_t offset, std::byte* into, std::size_t count) = 0;
};

// The sound of a RIFF WAVE file, converted to kAudioRate mono as it is read, a
// few thousand samples at a time, so that what it holds follows the file's size
// and not the length its header declares.
//
// Refused before anything of it is converted, besides files that are not
// complete, well-formed WAVE files and files without samples: formats no
// recitation comes in. Accepted are
//  - PCM of 8, 16, 24 or 32 bits, IEEE float of 32 bits, A-law, mu-law, IMA
//    ADPCM and Microsoft ADPCM, also behind an extensible header;
//  - 8000 to 192000 Hz (telephone speech to studio recordings);
//  - 1 to 8 channels (mono to 7.1, what SDL mixes down);
//  - ADPCM blocks of at most 8192 bytes;
//  - of the compressed kinds, which SDL's loader decodes whole before anything
//    plays, at most kMaxCompressedBytes of file: 32 MiB once decoded.
// PCM and float are read from their source as they play, a second ahead at
// most (topUp()), so that neither the file nor its samples are ever held whole;
// their header is checked here, strictly. The compressed kinds are left to
// SDL's loader.
class Wave {
public:
    static constexpr std::size_t kMaxCompressedBytes = std::size_t{8} << 20;

    // Null for a file that is refused. The source is kept while the sound has
    // more to read from it, and let go (the file closed) once all is read.
    static std::unique_ptr<Wave> open(std::unique_ptr<WaveSource> source);
    // The same over bytes in memory, which must outlive the Wave.
    static std::unique_ptr<Wave> open(std::span<const std::byte> file);
    ~Wave();
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    // How many samples it gives in all; fewer if its source fails on the way.
    std::size_t length() const { return length_; }

    // Writes the next samples to `out`, at most `count`; fewer at the end, and
    // fewer for now when what was read ahead has run out (the rest follows
    // once topUp() has read more).
    std::size_t read(std::int16_t* out, std::size_t count);

    // Reads ahead from the source, up to a second of sound; may be called from
    // another thread than read(). True while more is left to read.
    bool topUp();

private:
    struct Format;
    struct Ahead;
    enum class Fed { some, waiting, end };
    Wave();
    bool load(WaveSource& source);
    bool stream(std::unique_ptr<WaveSource> source, const Format& format);
    bool prepare(std::uint16_t format, int channels, int rate, std::size_t frames);
    Fed feed();
    std::size_t take(std::byte* into, std::size_t bytes, bool& waiting);

    std::uint8_t* data_ = nullptr;  // the samples as SDL's loader gives them, for the compressed kinds
    std::size_t bytes_ = 0;
    std::size_t fed_ = 0;             // bytes of data_ taken
    std::unique_ptr<Ahead> ahead_;    // for PCM and float: what is read ahead of the source
    std::vector<std::byte> scratch_;  // the converter's next input
    std::size_t frameBytes_ = 0;      // of the converter's input
    std::size_t tail_ = 0;            // bytes of silence still to give after them
    std::uint8_t silence_ = 0;
    _SDL_AudioStream* convert_ = nullptr;  // null when the samples are in the output's format already
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

    // Reads ahead for the sound in progress (Wave::topUp); true while it has
    // more to read.
    bool topUp();

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
