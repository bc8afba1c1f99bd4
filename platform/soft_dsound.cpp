// The software DirectSound: buffers, the mixer that moves their play cursors, and the two clocks.
#include "platform/soft_dsound.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using platform::AudioOutput;

class SoftBuffer;

// What the device and its buffers share: the buffer list under one mutex, and the output.
class Mixer {
public:
    explicit Mixer(std::unique_ptr<AudioOutput> output) : m_output(std::move(output)) {}

    std::mutex m_mutex;                  // guards the buffer list and every buffer's state
    std::vector<SoftBuffer*> m_buffers;

    void Render(DWORD dwFrames);

private:
    std::mutex m_renderMutex;            // keeps renders, and so the output, in order
    std::unique_ptr<AudioOutput> m_output;
};

float Gain(LONG lVolume)
{
    return lVolume <= DSBVOLUME_MIN ? 0.0f : static_cast<float>(std::pow(10.0, lVolume / 2000.0));
}

bool SupportedFormat(const WAVEFORMATEX& wfx)
{
    return wfx.wFormatTag == WAVE_FORMAT_PCM && (wfx.nChannels == 1 || wfx.nChannels == 2) &&
           wfx.wBitsPerSample == 16 && wfx.nSamplesPerSec == platform::kOutputRate &&
           wfx.nBlockAlign == wfx.nChannels * 2 && wfx.nAvgBytesPerSec == wfx.nSamplesPerSec * wfx.nBlockAlign;
}

// The reference count of a COM-style object, which deletes itself at the last Release.
template <typename Interface>
class RefCounted : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_ulRefs; }

    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG ulRefs = --m_ulRefs;
        if (ulRefs == 0)
            delete this;
        return ulRefs;
    }

private:
    std::atomic<ULONG> m_ulRefs{1};
};

class SoftBuffer final : public RefCounted<IDirectSoundBuffer> {
public:
    SoftBuffer(std::shared_ptr<Mixer> mixer, const DSBUFFERDESC& desc)
        : m_mixer(std::move(mixer)), m_wfx(*desc.lpwfxFormat), m_dwFlags(desc.dwFlags),
          m_data(desc.dwBufferBytes - desc.dwBufferBytes % desc.lpwfxFormat->nBlockAlign)
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        m_mixer->m_buffers.push_back(this);
    }

    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD pdwPlay, LPDWORD pdwWrite) override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        if (pdwPlay)
            *pdwPlay = m_dwCursor;
        if (pdwWrite)
            *pdwWrite = m_bPlaying ? (m_dwCursor + WriteLead()) % Size() : m_dwCursor;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG plVolume) override
    {
        if (!plVolume)
            return DSERR_INVALIDPARAM;
        if (!(m_dwFlags & DSBCAPS_CTRLVOLUME))
            return DSERR_CONTROLUNAVAIL;
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        *plVolume = m_lVolume;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD pdwStatus) override
    {
        if (!pdwStatus)
            return DSERR_INVALIDPARAM;
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        *pdwStatus = (m_bPlaying ? DSBSTATUS_PLAYING : 0) | (m_bPlaying && m_bLooping ? DSBSTATUS_LOOPING : 0);
        return DS_OK;
    }

    // The caller writes into a copy of the region; Unlock puts it into the buffer, so the mixer never
    // reads memory that another thread is writing.
    HRESULT STDMETHODCALLTYPE Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1, LPDWORD pdwAudioBytes1,
                                   LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2, DWORD dwFlags) override
    {
        if (!ppvAudioPtr1 || !pdwAudioBytes1 || dwFlags != 0 || dwOffset >= Size() || dwBytes == 0 ||
            dwBytes > Size())
            return DSERR_INVALIDPARAM;
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        if (m_bLocked)
            return DSERR_INVALIDCALL;
        const DWORD dwFirst = std::min(dwBytes, Size() - dwOffset);
        const DWORD dwSecond = ppvAudioPtr2 && pdwAudioBytes2 ? dwBytes - dwFirst : 0;
        m_lockCopy.assign(m_data.begin() + dwOffset, m_data.begin() + dwOffset + dwFirst);
        m_lockCopy.insert(m_lockCopy.end(), m_data.begin(), m_data.begin() + dwSecond);
        m_dwLockOffset = dwOffset;
        m_bLocked = true;
        *ppvAudioPtr1 = m_lockCopy.data();
        *pdwAudioBytes1 = dwFirst;
        if (ppvAudioPtr2 && pdwAudioBytes2) {
            *ppvAudioPtr2 = dwSecond ? m_lockCopy.data() + dwFirst : nullptr;
            *pdwAudioBytes2 = dwSecond;
        }
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID, DWORD dwAudioBytes2) override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        if (!m_bLocked || pvAudioPtr1 != m_lockCopy.data())
            return DSERR_INVALIDPARAM;
        const DWORD dwFirst = std::min<DWORD>(dwAudioBytes1, Size() - m_dwLockOffset);
        const DWORD dwTotal = std::min<DWORD>(dwFirst + dwAudioBytes2, static_cast<DWORD>(m_lockCopy.size()));
        for (DWORD i = 0; i < dwTotal; ++i)
            m_data[(m_dwLockOffset + i) % Size()] = m_lockCopy[i];
        m_bLocked = false;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE Play(DWORD, DWORD, DWORD dwFlags) override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        m_bPlaying = true;
        m_bLooping = (dwFlags & DSBPLAY_LOOPING) != 0;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD dwNewPosition) override
    {
        if (dwNewPosition >= Size())
            return DSERR_INVALIDPARAM;
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        m_dwCursor = dwNewPosition - dwNewPosition % m_wfx.nBlockAlign;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE SetVolume(LONG lVolume) override
    {
        if (!(m_dwFlags & DSBCAPS_CTRLVOLUME))
            return DSERR_CONTROLUNAVAIL;
        if (lVolume < DSBVOLUME_MIN || lVolume > DSBVOLUME_MAX)
            return DSERR_INVALIDPARAM;
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        m_lVolume = lVolume;
        return DS_OK;
    }

    HRESULT STDMETHODCALLTYPE Stop() override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        m_bPlaying = false;
        return DS_OK;
    }

    // Called by the mixer with its mutex held: adds this buffer's next frames into a stereo mix.
    void MixInto(std::vector<float>& mix)
    {
        if (!m_bPlaying)
            return;
        const float fGain = Gain(m_lVolume);
        const std::size_t frames = mix.size() / 2;
        for (std::size_t frame = 0; frame < frames && m_bPlaying; ++frame) {
            const float fLeft = Sample(0) * fGain;
            const float fRight = m_wfx.nChannels == 2 ? Sample(1) * fGain : fLeft;
            mix[2 * frame] += fLeft;
            mix[2 * frame + 1] += fRight;
            AdvanceCursor();
        }
    }

private:
    ~SoftBuffer() override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        auto& buffers = m_mixer->m_buffers;
        buffers.erase(std::remove(buffers.begin(), buffers.end(), this), buffers.end());
    }

    DWORD Size() const { return static_cast<DWORD>(m_data.size()); }
    DWORD WriteLead() const { return m_wfx.nAvgBytesPerSec / 100; }

    float Sample(DWORD dwChannel) const
    {
        int16_t sample = 0;
        std::memcpy(&sample, &m_data[m_dwCursor + 2 * dwChannel], sizeof sample);
        return sample;
    }

    void AdvanceCursor()
    {
        m_dwCursor += m_wfx.nBlockAlign;
        if (m_dwCursor < Size())
            return;
        m_dwCursor = 0;
        m_bPlaying = m_bLooping;
    }

    std::shared_ptr<Mixer> m_mixer;
    const WAVEFORMATEX m_wfx;
    const DWORD m_dwFlags;
    std::vector<BYTE> m_data;
    std::vector<BYTE> m_lockCopy;
    DWORD m_dwLockOffset = 0;
    bool m_bLocked = false;
    DWORD m_dwCursor = 0;
    bool m_bPlaying = false;
    bool m_bLooping = false;
    LONG m_lVolume = DSBVOLUME_MAX;
};

void Mixer::Render(DWORD dwFrames)
{
    std::lock_guard<std::mutex> renderLock(m_renderMutex);
    std::vector<float> mix(2 * std::size_t{dwFrames});
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (SoftBuffer* pBuffer : m_buffers)
            pBuffer->MixInto(mix);
    }
    std::vector<int16_t> frames(mix.size());
    std::transform(mix.begin(), mix.end(), frames.begin(), [](float fValue) {
        return static_cast<int16_t>(std::clamp(std::lrint(fValue), -32768L, 32767L));
    });
    m_output->Write(frames.data(), dwFrames);
}

// Renders what the real clock says is due, in steps of a few milliseconds.
class RealTimeClock {
public:
    explicit RealTimeClock(std::shared_ptr<Mixer> mixer) : m_thread([this, mixer] { Run(*mixer); }) {}

    ~RealTimeClock()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

private:
    void Run(Mixer& mixer)
    {
        using namespace std::chrono;
        const auto start = steady_clock::now();
        uint64_t rendered = 0;
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_wake.wait_for(lock, milliseconds(5), [this] { return m_bStop; })) {
            lock.unlock();
            const auto elapsed = duration_cast<microseconds>(steady_clock::now() - start).count();
            const uint64_t due = static_cast<uint64_t>(elapsed) * platform::kOutputRate / 1000000 - rendered;
            const DWORD dwFrames = static_cast<DWORD>(std::min<uint64_t>(due, platform::kOutputRate));
            if (dwFrames)
                mixer.Render(dwFrames);
            rendered += dwFrames;
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStop = false;
    std::thread m_thread;
};

class Device final : public RefCounted<platform::SoftDirectSound> {
public:
    Device(std::unique_ptr<AudioOutput> output, platform::Clock clock)
        : m_mixer(std::make_shared<Mixer>(std::move(output))),
          m_clock(clock == platform::Clock::RealTime ? std::make_unique<RealTimeClock>(m_mixer) : nullptr)
    {
    }

    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pDesc, LPDIRECTSOUNDBUFFER* ppBuffer,
                                                LPUNKNOWN pUnkOuter) override
    {
        if (!ppBuffer)
            return DSERR_INVALIDPARAM;
        *ppBuffer = nullptr;
        if (!pDesc || pUnkOuter || pDesc->dwSize != sizeof(DSBUFFERDESC) || !pDesc->lpwfxFormat)
            return DSERR_INVALIDPARAM;
        if (!SupportedFormat(*pDesc->lpwfxFormat))
            return DSERR_BADFORMAT;
        if (pDesc->dwBufferBytes < DSBSIZE_MIN || pDesc->dwBufferBytes > DSBSIZE_MAX)
            return DSERR_INVALIDPARAM;
        *ppBuffer = new SoftBuffer(m_mixer, *pDesc);
        return DS_OK;
    }

    void Advance(DWORD dwFrames) override
    {
        if (!m_clock)
            m_mixer->Render(dwFrames);
    }

    DWORD BufferCount() override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        return static_cast<DWORD>(m_mixer->m_buffers.size());
    }

    LPDIRECTSOUNDBUFFER Buffer(DWORD dwIndex) override
    {
        std::lock_guard<std::mutex> lock(m_mixer->m_mutex);
        return dwIndex < m_mixer->m_buffers.size() ? m_mixer->m_buffers[dwIndex] : nullptr;
    }

private:
    ~Device() override = default;

    std::shared_ptr<Mixer> m_mixer;
    std::unique_ptr<RealTimeClock> m_clock;
};

} // namespace

platform::SoftDirectSound* platform::CreateSoftDirectSound(std::unique_ptr<AudioOutput> output, Clock clock)
{
    return new Device(output ? std::move(output) : OpenNullOutput(), clock);
}
