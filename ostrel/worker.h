// The worker: about every 10 ms it takes the channel table's requests, moves volumes a step, streams
// every playing file and writes the status back.
#pragma once

#include "ostrel/library.h"
#include "ostrel/stream_buffer.h"

namespace ostrel {

class CWorker {
public:
    explicit CWorker(Library& library);
    ~CWorker();
    CWorker(const CWorker&) = delete;
    CWorker& operator=(const CWorker&) = delete;

    // One pass. False once it has found the quit flag: every player is destroyed and the quit acknowledged.
    bool Pass();

private:
    void RampVolume(BYTE bChannel);
    void FadeOutStop(BYTE bChannel);
    void CarryOutCommand(BYTE bChannel);
    void Play(BYTE bChannel);
    void Stream(BYTE bChannel);
    void Remove(BYTE bChannel);
    void DestroyPlayer(BYTE bChannel);

    Library& m_library;
    CStreamBuffer* SSA[kChannelCount];
    ChannelTable lcTaken;  // the table as the pass found it
    ChannelTable lcBuffer; // the snapshot the pass works on
};

// The worker thread: raises its own priority and runs passes 10 ms apart until told to quit.
DWORD WINAPI WorkerThread(LPVOID lpParameter);

} // namespace ostrel
