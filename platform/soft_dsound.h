// The software DirectSound: secondary buffers whose play cursors move as a mixer renders them into an
// output (the sound card, a WAV file or nothing), paced by the real clock or by a manual one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32_dsound.h"

namespace platform {

// Every output takes 16-bit stereo frames at this rate.
constexpr DWORD kOutputRate = 44100;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    virtual void Write(const int16_t* pFrames, std::size_t frameCount) = 0;
};

std::unique_ptr<AudioOutput> OpenNullOutput();
// Null when the file cannot be created. The header's sizes are written when the output is destroyed.
std::unique_ptr<AudioOutput> OpenWavOutput(const std::string& path);
// Null when there is no such sound card (or no sound card at all).
std::unique_ptr<AudioOutput> OpenCardOutput(const std::string& device = "default");

enum class Clock {
    RealTime, // a mixer thread renders as the real time passes
    Manual,   // nothing moves until Advance
};

class SoftDirectSound : public IDirectSound {
public:
    // Manual clock only: renders the next frames into the output at once, moving every play cursor.
    virtual void Advance(DWORD dwFrames) = 0;
    // The buffers created so far that are still alive, in order of creation; borrowed, not add-referenced.
    virtual DWORD BufferCount() = 0;
    virtual LPDIRECTSOUNDBUFFER Buffer(DWORD dwIndex) = 0;
};

// The caller holds the one reference; Release ends the mixer. The output is closed once the object and
// all its buffers are released.
SoftDirectSound* CreateSoftDirectSound(std::unique_ptr<AudioOutput> output, Clock clock = Clock::RealTime);

} // namespace platform
