// The five DirectSound buffers that every play borrows from, made once on the host's DirectSound
// object, and the scratch area that all players decode into.
#pragma once

#include "platform/win32.h"

namespace ostrel {

constexpr DWORD kPoolSize = 5;
constexpr DWORD kScratchBytes = 352800;

// The two formats the library plays: 16-bit PCM at 44100 Hz, stereo and mono, two seconds a buffer.
const DSBUFFERDESC& StereoBufferDesc();
const DSBUFFERDESC& MonoBufferDesc();

// Whole-record comparison of two wave formats, extra size included.
bool SameFormat(const WAVEFORMATEX& a, const WAVEFORMATEX& b);

class CBufferPool {
public:
    explicit CBufferPool(LPDIRECTSOUND pDirectSound);
    ~CBufferPool();
    CBufferPool(const CBufferPool&) = delete;
    CBufferPool& operator=(const CBufferPool&) = delete;

    // An idle buffer of the description's format, or E_FAIL (and none) when the format is neither pool
    // format or every buffer of it is playing or missing.
    HRESULT FindFreeBuffer(const DSBUFFERDESC* pDesc, LPDIRECTSOUNDBUFFER* ppBuffer);
    BYTE* Scratch() { return m_pScratch; }

private:
    LPDIRECTSOUND m_pDirectSound;
    LPDIRECTSOUNDBUFFER m_apBuffers[kPoolSize];
    BYTE* m_pScratch;
};

} // namespace ostrel
