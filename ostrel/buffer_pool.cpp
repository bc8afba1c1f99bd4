#include "ostrel/buffer_pool.h"

namespace ostrel {

namespace {

WAVEFORMATEX s_wfxStereo = {WAVE_FORMAT_PCM, 2, 44100, 176400, 4, 16, 18};
WAVEFORMATEX s_wfxMono = {WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 18};

const DSBUFFERDESC s_dsbdStereo = {sizeof(DSBUFFERDESC), DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME, 352800, 0,
                                   &s_wfxStereo, GUID_NULL};
const DSBUFFERDESC s_dsbdMono = {sizeof(DSBUFFERDESC), DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME, 176400, 0, &s_wfxMono,
                                 GUID_NULL};

constexpr DWORD kFirstMono = 2;

} // namespace

const DSBUFFERDESC& StereoBufferDesc()
{
    return s_dsbdStereo;
}

const DSBUFFERDESC& MonoBufferDesc()
{
    return s_dsbdMono;
}

bool SameFormat(const WAVEFORMATEX& a, const WAVEFORMATEX& b)
{
    return a.wFormatTag == b.wFormatTag && a.nChannels == b.nChannels && a.nSamplesPerSec == b.nSamplesPerSec &&
           a.nAvgBytesPerSec == b.nAvgBytesPerSec && a.nBlockAlign == b.nBlockAlign &&
           a.wBitsPerSample == b.wBitsPerSample && a.cbSize == b.cbSize;
}

CBufferPool::CBufferPool(LPDIRECTSOUND pDirectSound)
    : m_pDirectSound(pDirectSound), m_apBuffers(), m_pScratch(new BYTE[kScratchBytes]())
{
    for (DWORD i = 0; i < kPoolSize; ++i) {
        const DSBUFFERDESC& desc = i < kFirstMono ? s_dsbdStereo : s_dsbdMono;
        if (m_pDirectSound->CreateSoundBuffer(&desc, &m_apBuffers[i], nullptr) != DS_OK)
            m_apBuffers[i] = nullptr;
    }
}

CBufferPool::~CBufferPool()
{
    for (LPDIRECTSOUNDBUFFER& pBuffer : m_apBuffers) {
        if (!pBuffer)
            continue;
        pBuffer->Stop();
        pBuffer->Release();
        pBuffer = nullptr;
    }
    delete[] m_pScratch;
}

HRESULT CBufferPool::FindFreeBuffer(const DSBUFFERDESC* pDesc, LPDIRECTSOUNDBUFFER* ppBuffer)
{
    *ppBuffer = nullptr;
    DWORD dwFirst = 0;
    DWORD dwEnd = 0;
    if (SameFormat(*pDesc->lpwfxFormat, s_wfxStereo)) {
        dwEnd = kFirstMono;
    } else if (SameFormat(*pDesc->lpwfxFormat, s_wfxMono)) {
        dwFirst = kFirstMono;
        dwEnd = kPoolSize;
    }
    for (DWORD i = dwFirst; i < dwEnd; ++i) {
        DWORD dwStatus = DSBSTATUS_PLAYING;
        if (m_apBuffers[i] && m_apBuffers[i]->GetStatus(&dwStatus) == DS_OK && !(dwStatus & DSBSTATUS_PLAYING)) {
            *ppBuffer = m_apBuffers[i];
            return S_OK;
        }
    }
    return E_FAIL;
}

} // namespace ostrel
