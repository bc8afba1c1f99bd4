// Encodes 16-bit PCM as an Ogg Vorbis file with libvorbisenc: the bundled example tune and the test and
// benchmark fixtures are made with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel_tools {

// Interleaved samples of `channels` channels at `rate` Hz. Quality runs from -0.1 (fastest, smallest)
// to 1.0. False when the file cannot be written or the encoder refuses the settings.
bool WriteOggVorbis(const std::string& path, const std::vector<int16_t>& samples, int channels, long rate,
                    float quality);

// A sine tone, the same on every channel.
std::vector<int16_t> SineTone(double seconds, int channels, long rate, double hertz, double amplitude);

} // namespace ostrel_tools
