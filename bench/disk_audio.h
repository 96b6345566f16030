#pragma once
// Reads what SDL's disk audio driver writes (SDL_AUDIODRIVER=disk,
// SDL_DISKAUDIOFILE=<file>) while it is being written: the file's size is
// polled, every size it grows to is logged with the time it was seen, and its
// samples are kept, so that a benchmark finds when a given sound began.
//
// The driver writes one device buffer per period, in real time, but through
// stdio: the file grows by whole stdio blocks, each holding several buffers.
// writeTime() undoes that from the log: the block that made buffer j visible
// was flushed while the driver wrote the buffer after it, and the driver's
// period, taken from the log, places buffer j back in time.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bench {

class DiskAudio {
public:
    // bufferSamples: the device's buffer, in 16-bit mono samples.
    DiskAudio(std::string path, std::size_t bufferSamples);
    ~DiskAudio();

    // Reads whatever was added since the last call; false while the file does not exist.
    bool poll();

    std::size_t samplesWritten() const { return samples_.size(); }
    std::span<const std::int16_t> samples() const { return samples_; }

    // Polls until the sound whose decoded samples are `sound` appears at or after
    // sample position `from`, or timeoutNs pass. Returns its first sample's
    // position in the file, or -1.
    std::int64_t waitForSound(std::span<const std::int16_t> sound, std::size_t from, std::int64_t timeoutNs);

    // When the buffer holding sample `position` became visible in the file.
    std::int64_t visibleTime(std::size_t position) const;
    // When the driver wrote that buffer (see above); visibleTime() if the log
    // shows no stdio blocks.
    std::int64_t writeTime(std::size_t position) const;
    // The size of the steps the file grows by, in bytes (the smallest step seen).
    std::size_t growthStep() const;
    // The driver's period per buffer as the log shows it, in nanoseconds.
    double period() const;

private:
    struct Growth {
        std::int64_t at;
        std::size_t bytes;
    };
    std::string path_;
    std::size_t buffer_;
    int fd_ = -1;
    std::vector<std::int16_t> samples_;
    std::vector<Growth> log_;
    std::vector<unsigned char> pending_;  // an odd byte read
};

}  // namespace bench
