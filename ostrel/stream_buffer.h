// The stream player: one sound file on one channel through a looping two-second pool buffer whose
// halves are refilled, one second of sound at a time, while the other half sounds.
#pragma once

#include "ostrel/buffer_pool.h"
#include "ostrel/ostrelclasses.h"

namespace ostrel {

class CSoundBuffer {
public:
    CSoundBuffer();
    virtual ~CSoundBuffer();
    CSoundBuffer(const CSoundBuffer&) = delete;
    CSoundBuffer& operator=(const CSoundBuffer&) = delete;

    virtual void Update() {}

    // Fail without a buffer.
    HRESULT GetVolume(LONG* plVolume);
    HRESULT SetVolume(LONG lVolume);
    // The level that Start gives the buffer.
    void SetStartVolume(LONG lVolume) { m_lVolume = lVolume; }

protected:
    LPDIRECTSOUNDBUFFER m_pBuffer; // borrowed from the pool
    DSBUFFERDESC m_dsbDesc;
    LONG m_lVolume;
    DWORD m_dwPlayFlags;
};

class CStreamBuffer final : public CSoundBuffer {
public:
    CStreamBuffer();
    ~CStreamBuffer() override;

    void Start(CBufferPool* pPool, const char* szFileName);
    void Update() override;
    bool Finished() const { return m_bFinished != 0; }
    CSoundSource* Source() { return m_pSource; }

private:
    void Refill(DWORD dwOffset, const char* szLockLabel, const char* szUnlockLabel);
    void CopyScratch(DWORD dwOffset, const char* szLockLabel, const char* szUnlockLabel);
    void Finish(const char* szStopLabel);
    DWORD Half() const { return m_dsbDesc.dwBufferBytes / 2; }

    CSoundSource* m_pSource;
    DWORD m_bFirstFresh;
    DWORD m_bSecondFresh;
    DWORD m_bFinished;
    DWORD m_bEndOfData;
    CBufferPool* m_pPool;
};

// The last checked DirectSound result of the streaming path (worker thread only).
HRESULT LastDirectSoundResult();

} // namespace ostrel
