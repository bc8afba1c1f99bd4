// ostrel-make-example: writes the bundled example, a short stereo tune, as an Ogg Vorbis file.
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/ostrel_vorbis_writer.h"

namespace {

constexpr long kRate = 44100;
constexpr double kNoteSeconds = 0.3;

// A plucked note: a sine and its octave, dying away, placed left or right.
void AddNote(std::vector<int16_t>& samples, double start, double hertz, double pan)
{
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto length = static_cast<std::size_t>(3 * kNoteSeconds * kRate);
    for (std::size_t i = 0; i < length && 2 * (first + i) + 1 < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double value = std::exp(-4.0 * t) * (0.7 * std::sin(2 * M_PI * hertz * t) +
                                                   0.3 * std::sin(4 * M_PI * hertz * t));
        const double gains[2] = {1.0 - pan, pan};
        for (std::size_t channel = 0; channel < 2; ++channel) {
            int16_t& sample = samples[2 * (first + i) + channel];
            sample = static_cast<int16_t>(std::lrint(sample + 9000.0 * gains[channel] * value));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ostrel-make-example OUT.ogg\n");
        return 2;
    }
    const double melody[] = {392.0, 440.0, 523.3, 587.3, 659.3, 587.3, 523.3, 440.0,
                             392.0, 523.3, 659.3, 784.0, 659.3, 523.3, 440.0, 392.0};
    const std::size_t notes = sizeof melody / sizeof melody[0];
    std::vector<int16_t> samples(2 * static_cast<std::size_t>((notes * kNoteSeconds + 1.0) * kRate));
    for (std::size_t note = 0; note < notes; ++note)
        AddNote(samples, static_cast<double>(note) * kNoteSeconds, melody[note], note % 2 ? 0.7 : 0.3);
    if (!ostrel_tools::WriteOggVorbis(argv[1], samples, 2, kRate, 0.4f)) {
        std::fprintf(stderr, "ostrel-make-example: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
