// Fixtures of the ostrel tests: sound files made on the spot (Ogg Vorbis with libvorbisenc, WAV with a
// small RIFF writer), a reference decoder, captured message boxes and captured output.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/report.h"
#include "platform/soft_dsound.h"

namespace ostrel_test {

// A directory of its own under the system's temporary one, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// A 440 Hz tone (with a slow sweep, so that no two seconds are alike) encoded fast at low quality.
std::string MakeOgg(const TempDir& dir, const std::string& name, double seconds, int channels, long rate = 44100);

// The Ogg Vorbis files that the suites of a test program share, made on first use.
struct Sounds {
    TempDir dir;
    std::string music;  // 3 s stereo
    std::string speech; // 3 s mono
    std::string blip;   // 0.5 s mono
    std::string loop;   // 2.5 s stereo
};
const Sounds& SharedSounds();

// Every sample of an Ogg Vorbis file, as a plain vorbisfile loop decodes it (holes skipped).
std::vector<int16_t> DecodeOgg(const std::string& path);

struct WavFile {
    int channels = 1;
    uint32_t rate = 44100;
    uint32_t fmtBytes = 16;         // 16 or 18 (then with an extra-size field of 0)
    std::vector<int16_t> samples;
    uint32_t claimedDataBytes = 0;  // the data chunk's size field when not 0, whatever the file holds
};
void WriteWav(const std::string& path, const WavFile& wav);
std::vector<int16_t> Ramp(std::size_t count);

// The samples of a WAV file written by the WAV output (16-bit stereo).
std::vector<int16_t> ReadWavOutput(const std::string& path);

// Mono samples put on both channels, as the mixer plays them.
std::vector<int16_t> ToStereo(const std::vector<int16_t>& mono);

// Collects every message box while it lives.
class BoxCapture {
public:
    BoxCapture();
    ~BoxCapture();
    std::vector<platform::Report> Reports() const;
    std::vector<std::string> Texts() const;

private:
    mutable std::mutex m_mutex;
    std::vector<platform::Report> m_reports;
};

// An output that keeps every frame in memory, readable while the device lives.
class CaptureOutput final : public platform::AudioOutput {
public:
    explicit CaptureOutput(std::shared_ptr<std::vector<int16_t>> samples) : m_samples(std::move(samples)) {}
    void Write(const int16_t* pFrames, std::size_t frameCount) override
    {
        m_samples->insert(m_samples->end(), pFrames, pFrames + 2 * frameCount);
    }

private:
    std::shared_ptr<std::vector<int16_t>> m_samples;
};

} // namespace ostrel_test
