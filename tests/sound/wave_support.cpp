#include "wave_support.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include <QStringList>

namespace wavetest {

namespace {

void put(QByteArray& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

}  // namespace

QByteArray wave(int rate, int channels, int bits, bool isFloat, int frames,
                const std::function<double(int, int)>& value)
{
    const int bytesPerSample = bits / 8;
    QByteArray data;
    data.reserve(frames * channels * bytesPerSample);
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c) {
            const double v = std::fmax(-1.0, std::fmin(1.0, value(f, c)));
            if (isFloat) {
                float x = float(v);
                std::uint32_t u;
                std::memcpy(&u, &x, 4);
                put(data, u, 4);
            } else if (bits == 8) {
                put(data, std::uint32_t(std::lround(128 + v * 127)), 1);
            } else {
                const double scale = double((1u << (bits - 1)) - 1);
                put(data, std::uint32_t(std::int32_t(std::lround(v * scale))), bytesPerSample);
            }
        }
    }
    QByteArray out("RIFF");
    put(out, 36 + data.size(), 4);
    out.append("WAVEfmt ");
    put(out, 16, 4);
    put(out, isFloat ? 3 : 1, 2);
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * bytesPerSample, 4);
    put(out, channels * bytesPerSample, 2);
    put(out, bits, 2);
    out.append("data");
    put(out, data.size(), 4);
    return out + data;
}

QByteArray pattern(int id, int samples)
{
    return wave(22050, 1, 16, false, samples, [id](int i, int) { return (id * 1000 + 1 + i % 997) / 32767.0; });
}

std::vector<Run> runs(const QByteArray& capture)
{
    std::vector<Run> out;
    const auto* s = reinterpret_cast<const std::int16_t*>(capture.constData());
    const int n = int(capture.size() / 2);
    for (int i = 0; i < n; ++i) {
        const int v = s[i];
        Run r;
        if (v != 0)
            r = v > 0 ? Run{(v - 1) / 1000, (v - 1) % 1000, 1} : Run{-1, 0, 1};
        if (r.id > 0 && r.first >= 997)
            r.id = -1;
        if (!out.empty()) {
            Run& last = out.back();
            const bool follows = r.id == last.id && (r.id <= 0 || (last.first + last.length) % 997 == r.first);
            if (follows) {
                ++last.length;
                continue;
            }
        }
        out.push_back(r);
    }
    // A pattern file's index goes on past 997: `first` is where the run began.
    return out;
}

QString describe(const std::vector<Run>& runs)
{
    QStringList parts;
    for (const Run& r : runs) {
        if (r.id == 0)
            parts << QStringLiteral("_%1").arg(r.length);
        else
            parts << QStringLiteral("%1:%2+%3").arg(r.id).arg(r.first).arg(r.length);
    }
    return parts.join(' ');
}

}  // namespace wavetest
