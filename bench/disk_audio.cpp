#include "disk_audio.h"

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "probe.h"

namespace bench {

DiskAudio::DiskAudio(std::string path, std::size_t bufferSamples) : path_(std::move(path)), buffer_(bufferSamples) {}

DiskAudio::~DiskAudio()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool DiskAudio::poll()
{
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return false;
    const std::size_t have = samples_.size() * 2 + pending_.size();
    const std::size_t size = std::size_t(st.st_size);
    if (size <= have)
        return true;
    const std::int64_t seen = nowNs();
    std::vector<unsigned char> bytes(pending_);
    bytes.resize(pending_.size() + (size - have));
    std::size_t got = pending_.size();
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd_, bytes.data() + got, bytes.size() - got, off_t(have + got - pending_.size()));
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    bytes.resize(got);
    const std::size_t whole = bytes.size() / 2;
    const std::size_t old = samples_.size();
    samples_.resize(old + whole);
    std::memcpy(samples_.data() + old, bytes.data(), whole * 2);
    pending_.assign(bytes.begin() + std::ptrdiff_t(whole * 2), bytes.end());
    log_.push_back({seen, samples_.size() * 2 + pending_.size()});
    return true;
}

std::int64_t DiskAudio::waitForSound(std::span<const std::int16_t> sound, std::size_t from, std::int64_t timeoutNs)
{
    // The sound is known by its samples from its first non-zero one on.
    const auto first = std::find_if(sound.begin(), sound.end(), [](std::int16_t v) { return v != 0; });
    if (first == sound.end())
        return -1;
    const std::size_t lead = std::size_t(first - sound.begin());
    const std::size_t length = std::min<std::size_t>(256, sound.size() - lead);
    const std::span<const std::int16_t> pattern = sound.subspan(lead, length);
    const std::int64_t deadline = nowNs() + timeoutNs;
    std::size_t searched = from + lead;
    for (;;) {
        poll();
        const std::span<const std::int16_t> all = samples_;
        if (all.size() >= searched + length) {
            const auto begin = all.begin() + std::ptrdiff_t(searched);
            const auto hit = std::search(begin, all.end(), pattern.begin(), pattern.end());
            if (hit != all.end())
                return std::int64_t(hit - all.begin()) - std::int64_t(lead);
            searched = all.size() - length + 1;
        }
        if (nowNs() > deadline)
            return -1;
        const timespec pause{0, 100'000};
        ::nanosleep(&pause, nullptr);
    }
}

std::int64_t DiskAudio::visibleTime(std::size_t position) const
{
    const std::size_t needed = (position / buffer_ + 1) * buffer_ * 2;
    for (const Growth& g : log_)
        if (g.bytes >= needed)
            return g.at;
    return -1;
}

std::size_t DiskAudio::growthStep() const
{
    std::size_t step = 0;
    for (std::size_t i = 1; i < log_.size(); ++i) {
        const std::size_t d = log_[i].bytes - log_[i - 1].bytes;
        if (d > 0 && (step == 0 || d < step))
            step = d;
    }
    return step;
}

double DiskAudio::period() const
{
    if (log_.size() < 3)
        return 0;
    // From the second to the last growth seen: buffers written over time taken.
    // (The first poll finds what was written before polling began: its time is
    // not the time of a write.)
    const Growth& a = log_[1];
    const Growth& b = log_.back();
    const double buffers = double(b.bytes - a.bytes) / double(buffer_ * 2);
    return buffers > 0 ? double(b.at - a.at) / buffers : 0;
}

std::int64_t DiskAudio::writeTime(std::size_t position) const
{
    const std::size_t bufferBytes = buffer_ * 2;
    const std::size_t step = growthStep();
    const std::int64_t visible = visibleTime(position);
    if (visible < 0 || step <= bufferBytes)
        return visible;
    // The growth that showed the buffer: its size tells which write flushed it.
    const std::size_t j = position / buffer_;
    std::size_t shown = 0;
    for (const Growth& g : log_)
        if (g.bytes >= (j + 1) * bufferBytes) {
            shown = g.bytes;
            break;
        }
    const std::size_t flushedBy = shown / bufferBytes;  // index of the buffer whose write flushed the block
    return visible - std::int64_t(double(flushedBy - j) * period());
}

}  // namespace bench
