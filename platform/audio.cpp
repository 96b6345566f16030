#include "platform/audio.h"

#include "platform/sdl_audio.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace ayat::platform {

namespace {

// Reached only once sdlAudio() has loaded: Wave::open() and open() check it first,
// and nothing else runs before a buffer or a device exists.
const SdlAudio& sdl() { return *sdlAudio(); }

// The WAVE loader is told to refuse damaged files instead of playing what it
// can: a truncated file or one whose chunk sizes disagree with its length is
// unplayable, like a file that is no WAVE at all.
void setLoaderHints()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sdl().SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "verystrict", SDL_HINT_OVERRIDE);
        sdl().SDL_SetHintWithPriority(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "force", SDL_HINT_OVERRIDE);
    });
}

#ifdef _WIN32
// Windows' own output, WASAPI; DirectSound and the old waveform calls are its
// fallbacks.
constexpr std::string_view kServers[] = {"wasapi"};
#else
// The desktop's sound servers: PulseAudio, or PipeWire through its PulseAudio
// service, then PipeWire itself.
constexpr std::string_view kServers[] = {"pulseaudio", "pipewire"};
#endif

bool isServer(std::string_view driver)
{
    return std::find(std::begin(kServers), std::end(kServers), driver) != std::end(kServers);
}

// Whether SDL_AUDIODRIVER chose the output: then SDL goes by it alone.
bool driverChosen()
{
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen && *chosen;
}

// The outputs SDL tries when the environment chooses none: the sound servers
// first, then every other output this SDL has, in its own order (raw ALSA
// among them); its disk and dummy outputs only when chosen by name.
std::string driverOrder()
{
    std::string order;
    for (std::string_view server : kServers)
        order.append(server).append(",");
    for (int i = 0, n = sdl().SDL_GetNumAudioDrivers(); i < n; ++i) {
        const std::string_view name = sdl().SDL_GetAudioDriver(i);
        if (name != "disk" && name != "dummy" && !isServer(name))
            order.append(name).append(",");
    }
    order.pop_back();
    return order;
}

#ifdef _WIN32
void quietAlsa() {}  // no ALSA on Windows
#else

// ALSA prints its own complaints on standard error: with no sound card, eight
// lines each time a device is opened. They are routed away, for the life of the
// process: the handler is one global of the library, which SDL's threads may be
// using, so it is set once before the first device is opened and never swapped
// back. SDL reports the failure itself, and no sound is not an error here. ALSA
// is reached through the loader rather than linked, so a system without it is
// not asked for it.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa()
{
    static std::once_flag once;
    std::call_once(once, [] {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (!alsa)
            return;
        auto setHandler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
        if (setHandler)
            setHandler(&ignoreAlsaMessage);
        // The library stays loaded: it holds a pointer to the handler above.
    });
}
#endif

// The formats of a WAVE file's "fmt " chunk that a recitation can come in.
enum : std::uint16_t {
    kPcm = 1,
    kMsAdpcm = 2,
    kFloat = 3,
    kAlaw = 6,
    kMulaw = 7,
    kImaAdpcm = 0x11,
    kExtensible = 0xfffe
};
constexpr std::uint32_t kMinRate = 8000;
constexpr std::uint32_t kMaxRate = 192000;
constexpr std::uint32_t kMaxChannels = 8;
constexpr std::size_t kMaxAdpcmBlock = 8192;

// Chunks looked at before the data chunk, at most: a recitation has a few (its
// format, facts, a list of tags), and each is a read of the file.
constexpr int kMaxChunks = 64;

// An extensible header's sub-format after its first two bytes (the format's
// tag): the same for every WAVE format.
constexpr std::uint8_t kSubFormatRest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};

// Input given to the converter at a time: at 8000 Hz, some 11000 samples out.
constexpr std::size_t kFeedFrames = 4096;

std::uint32_t little(const std::byte* at, std::size_t bytes)
{
    std::uint32_t v = 0;
    for (std::size_t i = bytes; i-- > 0;)
        v = v << 8 | std::to_integer<std::uint32_t>(at[i]);
    return v;
}

// The bytes of a file held in memory.
class MemorySource final : public WaveSource {
public:
    explicit MemorySource(std::span<const std::byte> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool readAt(std::uint64_t offset, std::byte* into, std::size_t count) override
    {
        if (offset > bytes_.size() || count > bytes_.size() - offset)
            return false;
        std::memcpy(into, bytes_.data() + offset, count);
        return true;
    }

private:
    std::span<const std::byte> bytes_;
};

// SDL's loader reads the compressed kinds through this, straight from the
// source: the program holds no copy of the file besides the loader's own.
struct LoaderInput {
    WaveSource* source;
    std::uint64_t at = 0;
};

LoaderInput& inputOf(SDL_RWops* rw) { return *static_cast<LoaderInput*>(rw->hidden.unknown.data1); }

Sint64 SDLCALL inputSize(SDL_RWops* rw) { return Sint64(inputOf(rw).source->size()); }

Sint64 SDLCALL inputSeek(SDL_RWops* rw, Sint64 offset, int whence)
{
    LoaderInput& in = inputOf(rw);
    const Sint64 base = whence == RW_SEEK_SET ? 0
        : whence == RW_SEEK_CUR               ? Sint64(in.at)
        : whence == RW_SEEK_END               ? Sint64(in.source->size())
                                              : -1;
    if (base < 0 || offset < -base || offset > INT64_MAX - base)
        return -1;
    in.at = std::uint64_t(base + offset);
    return Sint64(in.at);
}

size_t SDLCALL inputRead(SDL_RWops* rw, void* into, size_t size, size_t count)
{
    LoaderInput& in = inputOf(rw);
    const std::uint64_t total = in.source->size();
    if (size == 0 || in.at >= total)
        return 0;
    const std::size_t whole = std::size_t(std::min<std::uint64_t>(count, (total - in.at) / size));
    if (whole == 0 || !in.source->readAt(in.at, static_cast<std::byte*>(into), whole * size))
        return 0;
    in.at += whole * size;
    return whole;
}

size_t SDLCALL inputWrite(SDL_RWops*, const void*, size_t, size_t) { return 0; }

int SDLCALL inputClose(SDL_RWops* rw)
{
    sdl().SDL_FreeRW(rw);
    return 0;
}

}  // namespace

// A WAVE file's format, from its first "fmt " chunk, and where the "data" chunk
// after it lies.
struct Wave::Format {
    std::uint32_t tag = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::size_t block = 0;
    std::uint32_t bits = 0;
    std::uint64_t dataAt = 0;
    std::uint64_t dataBytes = 0;

    // Null unless the file opens "RIFF" ... "WAVE" and holds its format chunk
    // and a data chunk after it whole, within its first kMaxChunks chunks and
    // within the size its RIFF header gives (which the file must hold: more is
    // a file cut short; what lies beyond it is not looked at).
    static std::optional<Format> read(WaveSource& source)
    {
        std::byte riff[12];
        if (source.size() < 12 || !source.readAt(0, riff, 12) || little(riff, 4) != 0x46464952
            || little(riff + 8, 4) != 0x45564157)
            return std::nullopt;
        const std::uint64_t size = std::uint64_t(8) + little(riff + 4, 4);
        if (size > source.size())
            return std::nullopt;
        std::optional<Format> format;
        std::uint64_t at = 12;
        for (int i = 0; i < kMaxChunks && at <= size && size - at >= 8; ++i) {
            std::byte chunk[8];
            if (!source.readAt(at, chunk, 8))
                return std::nullopt;
            const std::uint32_t id = little(chunk, 4);
            const std::uint64_t bytes = little(chunk + 4, 4);
            const std::uint64_t body = at + 8;
            if (bytes > size - body)  // cut short
                return std::nullopt;
            if (id == 0x20746d66 && !format) {  // "fmt "
                std::byte f[40] = {};
                if (bytes < 16 || !source.readAt(body, f, std::size_t(std::min<std::uint64_t>(bytes, sizeof f))))
                    return std::nullopt;
                Format h;
                h.tag = little(f, 2);
                h.channels = little(f + 2, 2);
                h.rate = little(f + 4, 4);
                h.block = little(f + 12, 2);
                h.bits = little(f + 14, 2);
                if (h.tag == kExtensible) {  // the real format opens the sub-format
                    if (bytes < 40 || little(f + 16, 2) < 22 || std::memcmp(f + 26, kSubFormatRest, 14) != 0)
                        return std::nullopt;
                    h.tag = little(f + 24, 2);
                }
                format = h;
            } else if (id == 0x61746164) {  // "data"
                if (!format)
                    return std::nullopt;
                format->dataAt = body;
                format->dataBytes = bytes;
                return format;
            }
            at = body + bytes + (bytes & 1);  // chunks are padded to an even size
        }
        return std::nullopt;
    }

    // Whether a recitation can come in it (audio.h lists the formats).
    bool acceptable(std::uint64_t fileBytes) const
    {
        if (channels < 1 || channels > kMaxChannels || rate < kMinRate || rate > kMaxRate)
            return false;
        switch (tag) {
        case kPcm:
            return (bits == 8 || bits == 16 || bits == 24 || bits == 32) && block == channels * bits / 8;
        case kFloat:
            return bits == 32 && block == channels * 4;
        case kAlaw:
        case kMulaw:
            return bits == 8 && fileBytes <= kMaxCompressedBytes;
        case kMsAdpcm:
        case kImaAdpcm:
            return bits == 4 && block <= kMaxAdpcmBlock && fileBytes <= kMaxCompressedBytes;
        default:
            return false;
        }
    }

    bool readAsItPlays() const { return tag == kPcm || tag == kFloat; }
};

// What is read of a PCM or float file ahead of what plays: pieces of whole
// frames, in the converter's input format.
//
// The reading is done by the sound worker (topUp), not by the device's
// callback: the callback has 23 ms (512 samples) to give its buffer, under the
// device lock that the next sound needs to start, while a file on a disk that
// has spun down or on a network share can take from tens of milliseconds to
// seconds to answer. With a second of sound read ahead and the worker topping
// it up every 200 ms, a read may stall for some 800 ms before a gap is heard,
// and a stall never holds the device. A second is at most 6 MiB (192000 Hz, 8
// channels of float).
struct Wave::Ahead {
    std::unique_ptr<WaveSource> source;  // topUp()'s alone; null once all is read or it failed
    std::uint64_t at = 0;                // the next byte of the data chunk to read
    std::uint64_t end = 0;               // where its last whole frame ends
    std::size_t readBytes = 0;           // read at a time: kFeedFrames frames of the file
    bool widen = false;                  // 24-bit samples, given to the converter as 32-bit
    std::size_t capacity = 0;            // bytes held at most: a second of sound

    std::vector<std::byte> raw;  // 24-bit samples as read, before widening

    std::mutex mutex;  // guards what follows, between topUp() and read()
    std::deque<std::vector<std::byte>> pieces;
    std::vector<std::vector<std::byte>> spare;  // pieces taken, kept to be filled again
    std::size_t used = 0;                       // bytes of the first piece already taken
    std::size_t held = 0;                       // bytes of all pieces not yet taken
    bool ended = false;                         // nothing more will come
};

Wave::Wave() = default;

std::unique_ptr<Wave> Wave::open(std::span<const std::byte> file) { return open(std::make_unique<MemorySource>(file)); }

std::unique_ptr<Wave> Wave::open(std::unique_ptr<WaveSource> source)
{
    if (!source || !sdlAudio())
        return nullptr;
    const std::optional<Format> format = Format::read(*source);
    if (!format || !format->acceptable(source->size()))
        return nullptr;
    std::unique_ptr<Wave> wave(new Wave);
    const bool opened = format->readAsItPlays() ? wave->stream(std::move(source), *format) : wave->load(*source);
    return opened ? std::move(wave) : nullptr;
}

bool Wave::load(WaveSource& source)
{
    setLoaderHints();
    SDL_RWops* rw = sdl().SDL_AllocRW();
    if (!rw)
        return false;
    LoaderInput input{&source};
    rw->size = &inputSize;
    rw->seek = &inputSeek;
    rw->read = &inputRead;
    rw->write = &inputWrite;
    rw->close = &inputClose;
    rw->hidden.unknown.data1 = &input;
    SDL_AudioSpec info{};
    Uint32 length = 0;
    if (!sdl().SDL_LoadWAV_RW(rw, 1, &info, &data_, &length))
        return false;
    // What the loader made of the file is held to the same bounds.
    const std::size_t frame = std::size_t(SDL_AUDIO_BITSIZE(info.format) / 8) * info.channels;
    if (info.channels < 1 || info.channels > kMaxChannels || info.freq < int(kMinRate) || info.freq > int(kMaxRate)
        || frame == 0 || length < frame)
        return false;
    bytes_ = length / frame * frame;  // a part of a frame at the end is no sample
    return prepare(info.format, info.channels, info.freq, length / frame);
}

bool Wave::stream(std::unique_ptr<WaveSource> source, const Format& format)
{
    const std::size_t frames = std::size_t(format.dataBytes / format.block);  // a part of a frame is no sample
    const SDL_AudioFormat sdlFormat = format.tag == kFloat ? AUDIO_F32LSB
        : format.bits == 8                                 ? AUDIO_U8
        : format.bits == 16                                ? AUDIO_S16LSB
                                                           : AUDIO_S32LSB;
    if (frames == 0 || !prepare(sdlFormat, int(format.channels), int(format.rate), frames))
        return false;
    ahead_ = std::make_unique<Ahead>();
    ahead_->source = std::move(source);
    ahead_->at = format.dataAt;
    ahead_->end = format.dataAt + std::uint64_t(frames) * format.block;
    ahead_->readBytes = kFeedFrames * format.block;
    ahead_->widen = format.bits == 24;
    ahead_->capacity = std::max<std::size_t>(format.rate, kFeedFrames) * frameBytes_;
    ahead_->spare.reserve(ahead_->capacity / (kFeedFrames * frameBytes_) + 2);  // as many as are ever held
    return topUp() || ahead_->held > 0;                                         // unless its first read failed
}

// What both kinds share, once their format and length are known.
bool Wave::prepare(SDL_AudioFormat format, int channels, int rate, std::size_t frames)
{
    frameBytes_ = std::size_t(SDL_AUDIO_BITSIZE(format) / 8) * std::size_t(channels);
    length_ = std::size_t(std::llround(double(frames) * kAudioRate / rate));
    if (length_ == 0 || length_ > kMaxDecodedSamples)
        return false;
    if (format == AUDIO_S16SYS && channels == 1 && rate == kAudioRate)
        return true;  // played as it stands
    convert_ = sdl().SDL_NewAudioStream(format, Uint8(channels), rate, AUDIO_S16SYS, 1, kAudioRate);
    if (!convert_)
        return false;
    // The resampler holds back its last few hundred frames even when flushed:
    // they are pushed out with silence, which is cut off again at length_.
    tail_ = std::size_t(4096 + rate / 20) * frameBytes_;
    silence_ = format == AUDIO_U8 ? 0x80 : 0;
    scratch_.resize(kFeedFrames * frameBytes_);
    return true;
}

Wave::~Wave()
{
    if (convert_)
        sdl().SDL_FreeAudioStream(convert_);
    if (data_)
        sdl().SDL_FreeWAV(data_);
}

bool Wave::topUp()
{
    Ahead* const a = ahead_.get();
    if (!a || !a->source)
        return false;
    for (;;) {
        {
            const std::lock_guard lock(a->mutex);
            if (a->held >= a->capacity)
                return true;
        }
        const std::size_t asked = std::size_t(std::min<std::uint64_t>(a->readBytes, a->end - a->at));
        bool read = false;
        std::vector<std::byte> piece;
        {
            const std::lock_guard lock(a->mutex);
            if (!a->spare.empty()) {
                piece.swap(a->spare.back());
                a->spare.pop_back();
            }
        }
        try {
            if (a->widen) {  // 24-bit samples into the high bytes of 32-bit ones
                a->raw.resize(asked);
                piece.assign(asked / 3 * 4, std::byte{0});
                read = a->source->readAt(a->at, a->raw.data(), asked);
                for (std::size_t i = 0; read && i < asked / 3; ++i)
                    std::memcpy(&piece[4 * i + 1], &a->raw[3 * i], 3);
            } else {
                piece.resize(asked);
                read = a->source->readAt(a->at, piece.data(), asked);
            }
        } catch (const std::bad_alloc&) {
            read = false;  // no memory for the next piece: the sound ends there
        }
        if (read)
            a->at += asked;
        const bool last = !read || a->at == a->end;
        {
            const std::lock_guard lock(a->mutex);
            if (read) {
                a->held += piece.size();
                a->pieces.push_back(std::move(piece));
            }
            a->ended = last;
        }
        if (last) {
            a->source.reset();  // the file is closed here
            return false;
        }
    }
}

// Takes the next bytes of the samples, at most `bytes`: from what was read
// ahead, or from what SDL's loader made. `waiting` says that fewer came only
// because topUp() has not read the rest yet.
std::size_t Wave::take(std::byte* into, std::size_t bytes, bool& waiting)
{
    waiting = false;
    if (!ahead_) {
        const std::size_t n = std::min(bytes, bytes_ - fed_);
        std::memcpy(into, data_ + fed_, n);
        fed_ += n;
        return n;
    }
    Ahead& a = *ahead_;
    const std::lock_guard lock(a.mutex);
    std::size_t n = 0;
    while (n < bytes && !a.pieces.empty()) {
        const std::vector<std::byte>& first = a.pieces.front();
        const std::size_t k = std::min(bytes - n, first.size() - a.used);
        std::memcpy(into + n, first.data() + a.used, k);
        n += k;
        a.used += k;
        a.held -= k;
        if (a.used == first.size()) {
            // Kept for topUp() to fill again, not freed here on the device's thread.
            if (a.spare.size() < a.spare.capacity())
                a.spare.push_back(std::move(a.pieces.front()));
            a.pieces.pop_front();
            a.used = 0;
        }
    }
    waiting = n < bytes && !a.ended;
    return n;
}

// Gives the converter its next input: sound data, then the silence behind it,
// then the end.
Wave::Fed Wave::feed()
{
    bool waiting = false;
    if (const std::size_t n = take(scratch_.data(), scratch_.size(), waiting); n > 0)
        return sdl().SDL_AudioStreamPut(convert_, scratch_.data(), int(n)) == 0 ? Fed::some : Fed::end;
    if (waiting)
        return Fed::waiting;
    if (tail_ == 0)
        return Fed::end;
    const std::size_t n = std::min(scratch_.size(), tail_);
    std::memset(scratch_.data(), silence_, n);
    tail_ -= n;
    return sdl().SDL_AudioStreamPut(convert_, scratch_.data(), int(n)) == 0
            && (tail_ > 0 || sdl().SDL_AudioStreamFlush(convert_) == 0)
        ? Fed::some
        : Fed::end;
}

std::size_t Wave::read(std::int16_t* out, std::size_t count)
{
    count = std::min(count, length_ - given_);
    std::size_t done = 0;
    bool waiting = false;
    if (!convert_) {
        done = take(reinterpret_cast<std::byte*>(out), count * 2, waiting) / 2;
    } else {
        while (done < count) {
            const int got = sdl().SDL_AudioStreamGet(convert_, out + done, int((count - done) * 2));
            if (got > 0) {
                done += std::size_t(got) / 2;
                continue;
            }
            const Fed fed = got < 0 ? Fed::end : feed();
            if (fed != Fed::some) {
                waiting = fed == Fed::waiting;
                break;
            }
        }
    }
    given_ += done;
    if (done < count && !waiting)
        length_ = given_;  // the source or the converter gave out early: the sound ends here
    return done;
}

std::shared_ptr<const Samples> decodeWave(std::span<const std::byte> file)
{
    const std::unique_ptr<Wave> wave = Wave::open(file);
    if (!wave)
        return nullptr;
    auto out = std::make_shared<Samples>(wave->length());
    std::size_t done = 0;
    for (std::size_t got = 1; got > 0 && done < wave->length(); done += got) {
        wave->topUp();
        got = wave->read(out->data() + done, wave->length() - done);
    }
    out->resize(done);
    return out;
}

bool AudioOutput::open()
{
    if (device_ != 0) {
        if (sdl().SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED)
            return true;
        sdl().SDL_CloseAudioDevice(device_);  // lost: try the default device again
        device_ = 0;
        playing_.reset();
    }
    if (!subsystem_) {
        if (!sdlAudio())
            return false;  // no audio library: every sound is silent
        sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl().SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Ayat Explorer");
        sdl().SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Recitation");
        sdl().SDL_SetHint(SDL_HINT_AUDIODRIVER, driverOrder().c_str());
        quietAlsa();
        if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        subsystem_ = true;
    }
    SDL_AudioSpec want{};
    want.freq = kAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;  // about 23 ms: a new sound starts that soon after it is ready
    want.callback = &AudioOutput::fill;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = sdl().SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        // The next request asks every output again, the sound servers first:
        // one that was not running yet may be by then.
        quitSubsystem();
        return false;
    }
    sdl().SDL_PauseAudioDevice(device_, 0);
    return true;
}

std::uint64_t AudioOutput::cut() { return ticket_.fetch_add(1, std::memory_order_acq_rel) + 1; }

void AudioOutput::play(std::unique_ptr<Wave> sound, std::uint64_t ticket)
{
    if (device_ == 0)
        return;
    sdl().SDL_LockAudioDevice(device_);
    playing_.swap(sound);
    playingTicket_ = ticket;
    sdl().SDL_UnlockAudioDevice(device_);
    // `sound` now holds the sound that was playing; it is let go here, outside the lock.
}

// Only this thread (the worker's) ever replaces playing_, so it may be looked
// at here without the device lock; the Wave guards what it shares with fill().
bool AudioOutput::topUp() { return playing_ && playing_->topUp(); }

void AudioOutput::release()
{
    if (device_ != 0) {
        sdl().SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    playing_.reset();
    // Played through a fallback (raw ALSA) because no sound server answered:
    // the next request asks the servers again, so that one which has come up
    // since is used, as every other program of the desktop uses it.
    if (subsystem_ && !driverChosen()) {
        const char* current = sdl().SDL_GetCurrentAudioDriver();
        if (!current || !isServer(current))
            quitSubsystem();
    }
}

void AudioOutput::close()
{
    release();
    quitSubsystem();
}

void AudioOutput::quitSubsystem()
{
    if (subsystem_) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

// Runs on the device's thread with the device lock held: the next samples of
// the sound in progress, unless a cut() has voided its ticket, then silence.
void AudioOutput::fill(void* self, std::uint8_t* stream, int length)
{
    auto* out = static_cast<AudioOutput*>(self);
    auto* dst = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t wanted = std::size_t(length) / 2;
    std::size_t copied = 0;
    if (out->playing_ && out->playingTicket_ == out->ticket_.load(std::memory_order_acquire))
        copied = out->playing_->read(dst, wanted);
    std::memset(dst + copied, 0, (wanted - copied) * 2);
}

}  // namespace ayat::platform
