#include "ostrel/worker.h"

namespace ostrel {

namespace {

constexpr LONG kRampStep = 50;
constexpr LONG kStopStep = 300;
constexpr DWORD kPassInterval = 10;

} // namespace

CWorker::CWorker(Library& library) : m_library(library), SSA(), lcTaken(), lcBuffer() {}

CWorker::~CWorker()
{
    for (BYTE bChannel = 0; bChannel < kChannelCount; ++bChannel)
        DestroyPlayer(bChannel);
}

bool CWorker::Pass()
{
    EnterCriticalSection(&m_library.lock);
    lcTaken = m_library.table;
    LeaveCriticalSection(&m_library.lock);
    lcBuffer = lcTaken;

    if (lcBuffer.bQuit) {
        for (BYTE bChannel = 0; bChannel < kChannelCount; ++bChannel)
            DestroyPlayer(bChannel);
        EnterCriticalSection(&m_library.lock);
        m_library.table.bQuit = 0;
        LeaveCriticalSection(&m_library.lock);
        return false;
    }
    for (BYTE bChannel = 0; bChannel < kChannelCount; ++bChannel) {
        RampVolume(bChannel);
        FadeOutStop(bChannel);
        CarryOutCommand(bChannel);
        Stream(bChannel);
    }
    EnterCriticalSection(&m_library.lock);
    MergeBack(m_library.table, lcTaken, lcBuffer);
    LeaveCriticalSection(&m_library.lock);
    return true;
}

// One step of 50 towards a pending (negative) level; once there, the level is stored as reached.
void CWorker::RampVolume(BYTE bChannel)
{
    ChannelRecord& record = lcBuffer.aChannels[bChannel];
    LONG lVol = 0;
    if (!SSA[bChannel] || record.lVolume >= 0 || SSA[bChannel]->GetVolume(&lVol) != DS_OK)
        return;
    const LONG lTarget = record.lVolume;
    if (lVol > lTarget) {
        lVol -= kRampStep;
        if (lVol <= lTarget)
            lVol = lTarget;
    } else {
        lVol += kRampStep;
        if (lVol >= lTarget)
            lVol = lTarget;
    }
    if (lVol == lTarget)
        record.lVolume = -lTarget;
    SSA[bChannel]->SetVolume(lVol);
}

void CWorker::FadeOutStop(BYTE bChannel)
{
    LONG lVol = 0;
    if (!SSA[bChannel] || !lcBuffer.aChannels[bChannel].bStopRequest || SSA[bChannel]->GetVolume(&lVol) != DS_OK)
        return;
    lVol -= kStopStep;
    if (lVol < DSBVOLUME_MIN)
        Remove(bChannel);
    else
        SSA[bChannel]->SetVolume(lVol);
}

void CWorker::CarryOutCommand(BYTE bChannel)
{
    ChannelRecord& record = lcBuffer.aChannels[bChannel];
    CStreamBuffer* pPlayer = SSA[bChannel];
    switch (record.lCommand) {
    case kCommandPlay:
        Play(bChannel);
        break;
    case kCommandRemove:
        if (pPlayer)
            Remove(bChannel);
        break;
    case kCommandFade:
        if (pPlayer && !record.bStopRequest)
            pPlayer->SetVolume(VolumeLevel(record.bFadePercent));
        break;
    case kCommandLoop:
        if (pPlayer && pPlayer->Source())
            pPlayer->Source()->SetLoop(record.bLoop);
        break;
    default:
        break;
    }
    record.lCommand = kCommandNone;
}

// Replaces whatever the channel plays, at once, and starts the file at the channel's level.
void CWorker::Play(BYTE bChannel)
{
    ChannelRecord& record = lcBuffer.aChannels[bChannel];
    DestroyPlayer(bChannel);
    SSA[bChannel] = new CStreamBuffer;
    if (record.lVolume > 0)
        record.lVolume = -record.lVolume;
    SSA[bChannel]->SetStartVolume(record.lVolume);
    SSA[bChannel]->Start(m_library.pPool, record.szFileName);
    CSoundSource* pSource = SSA[bChannel]->Source();
    record.bLoop = 0;
    record.bFinished = 0;
    record.bStopRequest = 0;
    record.wStreamLength = pSource ? static_cast<WORD>(static_cast<DWORD>(pSource->TotalTime())) : 0;
}

void CWorker::Stream(BYTE bChannel)
{
    if (!SSA[bChannel])
        return;
    SSA[bChannel]->Update();
    lcBuffer.aChannels[bChannel].bFinished = SSA[bChannel]->Finished() ? 1 : 0;
    if (SSA[bChannel]->Finished())
        Remove(bChannel);
}

// The channel becomes idle and finished.
void CWorker::Remove(BYTE bChannel)
{
    ChannelRecord& record = lcBuffer.aChannels[bChannel];
    DestroyPlayer(bChannel);
    record.bFinished = 1;
    record.wStreamLength = 0;
    record.bStopRequest = 0;
}

void CWorker::DestroyPlayer(BYTE bChannel)
{
    delete SSA[bChannel];
    SSA[bChannel] = nullptr;
}

DWORD WINAPI WorkerThread(LPVOID)
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    CWorker worker(TheLibrary());
    while (worker.Pass())
        Sleep(kPassInterval);
    return 0;
}

} // namespace ostrel
