#pragma once
// Helpers of the sound tests: WAVE files made on the spot, and the reading of
// what the service really sent to SDL's disk output.
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace wavetest {

// A RIFF WAVE file. `value(frame, channel)` gives each sample in [-1, 1].
// bits: 8, 16, 24 or 32; isFloat with 32 bits gives IEEE float samples.
QByteArray wave(int rate, int channels, int bits, bool isFloat, int frames,
                const std::function<double(int, int)>& value);

// A 16-bit mono 22050 Hz file whose every sample tells which file it is and
// where in it it lies: id * 1000 + 1 + (index % 997). Ids 1 to 31.
QByteArray pattern(int id, int samples);

// A stretch of the disk capture: silence (id 0), or samples `first` to
// `first + length - 1` of pattern file `id`, one after the other. Anything
// else (a mixture of two sounds, a sample out of place) is id -1.
struct Run {
    int id = 0;
    int first = 0;
    int length = 0;
};
std::vector<Run> runs(const QByteArray& capture);

// The runs as text, e.g. "1:0+3307 _4410 2:0+11025" (id:first+length, _ silence).
QString describe(const std::vector<Run>& runs);

}  // namespace wavetest
