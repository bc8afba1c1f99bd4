// ostrel with its worker's passes run by the test, one at a time, each followed by 10 ms of sound on a
// manual clock: what a real pass and the time between passes do, without the timing.
#pragma once

#include <memory>

#include "ostrel/library.h"
#include "ostrel/ostrel.h"
#include "ostrel/worker.h"
#include "platform/soft_dsound.h"

namespace ostrel_test {

class SteppedLibrary {
public:
    static constexpr DWORD kFramesAPass = 441;

    // The pool is made on pPoolDevice when given (a wrapper of the device), else on the device itself.
    explicit SteppedLibrary(std::unique_ptr<platform::AudioOutput> output = nullptr,
                            LPDIRECTSOUND pPoolDevice = nullptr)
        : m_pDevice(platform::CreateSoftDirectSound(std::move(output), platform::Clock::Manual))
    {
        ostrel::OpenLibrary(pPoolDevice ? pPoolDevice : m_pDevice);
        m_worker = std::make_unique<ostrel::CWorker>(ostrel::TheLibrary());
    }

    ~SteppedLibrary()
    {
        m_worker.reset();
        ostrel::CloseLibrary();
        m_pDevice->Release();
    }

    SteppedLibrary(const SteppedLibrary&) = delete;
    SteppedLibrary& operator=(const SteppedLibrary&) = delete;

    void Pass(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            m_worker->Pass();
            m_pDevice->Advance(kFramesAPass);
        }
    }

    // Passes run until the channel reports finished (the finishing pass counted), or -1 after `limit`.
    int PassesUntilFinished(BYTE bChannel, int limit)
    {
        for (int passes = 1; passes <= limit; ++passes) {
            Pass();
            if (nvStreamFinished(bChannel))
                return passes;
        }
        return -1;
    }

    platform::SoftDirectSound* Device() { return m_pDevice; }

    bool Playing(DWORD dwBuffer)
    {
        DWORD dwStatus = 0;
        Device()->Buffer(dwBuffer)->GetStatus(&dwStatus);
        return (dwStatus & DSBSTATUS_PLAYING) != 0;
    }

    LONG Volume(DWORD dwBuffer)
    {
        LONG lVolume = 1;
        Device()->Buffer(dwBuffer)->GetVolume(&lVolume);
        return lVolume;
    }

private:
    platform::SoftDirectSound* m_pDevice;
    std::unique_ptr<ostrel::CWorker> m_worker;
};

} // namespace ostrel_test
