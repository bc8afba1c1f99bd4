#include "ostrel/stream_buffer.h"

#include <cstdio>
#include <cstring>

namespace ostrel {

namespace {

HRESULT s_hrLast = DS_OK;

// A checked DirectSound call: its result is kept, and a failure shows the call's label.
bool Check(HRESULT hr, const char* szLabel)
{
    s_hrLast = hr;
    if (hr != DS_OK)
        MessageBoxA(nullptr, szLabel, "dx_stat", MB_OK | MB_ICONERROR);
    return hr == DS_OK;
}

} // namespace

HRESULT LastDirectSoundResult()
{
    return s_hrLast;
}

// ---------------------------------------------------------------------------------------------------------
// CSoundBuffer

CSoundBuffer::CSoundBuffer() : m_pBuffer(nullptr), m_dsbDesc(), m_lVolume(0), m_dwPlayFlags(0) {}

// The buffer goes back to the pool, idle.
CSoundBuffer::~CSoundBuffer()
{
    if (m_pBuffer)
        m_pBuffer->Stop();
}

HRESULT CSoundBuffer::GetVolume(LONG* plVolume)
{
    return m_pBuffer ? m_pBuffer->GetVolume(plVolume) : E_FAIL;
}

HRESULT CSoundBuffer::SetVolume(LONG lVolume)
{
    return m_pBuffer ? m_pBuffer->SetVolume(lVolume) : E_FAIL;
}

// ---------------------------------------------------------------------------------------------------------
// CStreamBuffer

CStreamBuffer::CStreamBuffer()
    : m_pSource(nullptr), m_bFirstFresh(0), m_bSecondFresh(0), m_bFinished(1), m_bEndOfData(0), m_pPool(nullptr)
{
}

CStreamBuffer::~CStreamBuffer()
{
    delete m_pSource;
}

// Leaves the player finished, and without a buffer, when the file has no source, its source failed to
// open or no pool buffer of its format is idle.
void CStreamBuffer::Start(CBufferPool* pPool, const char* szFileName)
{
    m_bFinished = 1;
    m_pPool = pPool;
    m_pSource = CreateSoundSource(szFileName);
    if (!m_pSource || !m_pSource->Open(szFileName))
        return;
    m_dsbDesc = {sizeof(DSBUFFERDESC), DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME, 2 * m_pSource->Format()->nAvgBytesPerSec,
                 0, m_pSource->Format(), GUID_NULL};
    if (!Check(m_pPool->FindFreeBuffer(&m_dsbDesc, &m_pBuffer), "1"))
        return;
    m_pSource->Read(m_pPool->Scratch(), Half());
    CopyScratch(0, "2", "3");
    m_bFirstFresh = 1;
    m_bSecondFresh = 0;
    m_dwPlayFlags = DSBPLAY_LOOPING;
    Check(m_pBuffer->SetVolume(m_lVolume), "4");
    m_pBuffer->SetCurrentPosition(0); // a pool buffer keeps its cursor from the stream it played before
    Check(m_pBuffer->Play(0, 0, m_dwPlayFlags), "5");
    if (s_hrLast != DS_OK) {
        char szError[16];
        std::snprintf(szError, sizeof szError, "%4.4X", static_cast<unsigned int>(s_hrLast));
        MessageBoxA(nullptr, szError, szError, MB_OK);
    }
    m_bFinished = 0;
}

// Refills the half that is not sounding once the play cursor has left it; stops one refill after the
// source has reported the end of its data.
void CStreamBuffer::Update()
{
    if (!m_pBuffer || m_bFinished)
        return;
    DWORD dwPlayCursor = 0;
    Check(m_pBuffer->GetCurrentPosition(&dwPlayCursor, nullptr), "12");
    if (dwPlayCursor < Half() && !m_bSecondFresh) {
        if (m_bEndOfData)
            return Finish("6");
        Refill(Half(), "7", "8");
        m_bFirstFresh = 0;
        m_bSecondFresh = 1;
    } else if (dwPlayCursor > Half() && !m_bFirstFresh) {
        if (m_bEndOfData)
            return Finish("9");
        Refill(0, "10", "11");
        m_bFirstFresh = 1;
        m_bSecondFresh = 0;
    }
}

void CStreamBuffer::Refill(DWORD dwOffset, const char* szLockLabel, const char* szUnlockLabel)
{
    if (m_pSource->EndFlag())
        m_bEndOfData = 1;
    if (!m_pSource->Read(m_pPool->Scratch(), Half())) {
        // The source gave up (and said why): so does the player.
        m_bFinished = 1;
        m_pBuffer->Stop();
        return;
    }
    CopyScratch(dwOffset, szLockLabel, szUnlockLabel);
}

// One second of sound from the scratch area into the half at dwOffset (first region only).
void CStreamBuffer::CopyScratch(DWORD dwOffset, const char* szLockLabel, const char* szUnlockLabel)
{
    LPVOID ppvAudioPtr1 = nullptr;
    DWORD dwAudioBytes1 = 0;
    if (!Check(m_pBuffer->Lock(dwOffset, Half(), &ppvAudioPtr1, &dwAudioBytes1, nullptr, nullptr, 0), szLockLabel))
        return;
    std::memcpy(ppvAudioPtr1, m_pPool->Scratch(), dwAudioBytes1);
    Check(m_pBuffer->Unlock(ppvAudioPtr1, dwAudioBytes1, nullptr, 0), szUnlockLabel);
}

void CStreamBuffer::Finish(const char* szStopLabel)
{
    m_bFinished = 1;
    Check(m_pBuffer->Stop(), szStopLabel);
}

} // namespace ostrel
