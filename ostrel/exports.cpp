// The nine exports: each posts a request into, or reads a status from, its channel's mailbox.
#include <cstdio>
#include <cstring>
#include <string>

#include "ostrel/library.h"
#include "ostrel/ostrel.h"
#include "ostrel/worker.h"

namespace ostrel {

namespace {

constexpr DWORD kMailboxPoll = 50;
constexpr DWORD kQuitGrace = 100;

Library s_library = {};

bool AcceptsIdle(LONG lCommand)
{
    return lCommand == kCommandNone;
}

bool AcceptsIdleOrPlay(LONG lCommand)
{
    return lCommand == kCommandNone || lCommand == kCommandPlay;
}

// The mailbox wait: acts on the channel's record as soon as its pending command is one that the
// export accepts, polling every 50 ms until then.
template <typename Action>
void WhenMailboxAccepts(BYTE bChannel, bool (*accepts)(LONG lCommand), Action action)
{
    ChannelRecord& record = s_library.table.aChannels[bChannel];
    for (;;) {
        EnterCriticalSection(&s_library.lock);
        const bool bActed = accepts(record.lCommand);
        if (bActed)
            action(record);
        LeaveCriticalSection(&s_library.lock);
        if (bActed)
            return;
        Sleep(kMailboxPoll);
    }
}

bool ValidChannel(BYTE bChannel)
{
    return bChannel < kChannelCount;
}

void Warn(const char* szFormat, const char* szFileName)
{
    std::string text(std::strlen(szFormat) + std::strlen(szFileName), '\0');
    text.resize(static_cast<std::size_t>(std::snprintf(&text[0], text.size() + 1, szFormat, szFileName)));
    MessageBoxA(nullptr, text.c_str(), "Ostrel Warning", MB_OK | MB_ICONERROR);
}

bool QuitPending()
{
    EnterCriticalSection(&s_library.lock);
    const bool bQuit = s_library.table.bQuit != 0;
    LeaveCriticalSection(&s_library.lock);
    return bQuit;
}

} // namespace

Library& TheLibrary()
{
    return s_library;
}

void OpenLibrary(LPDIRECTSOUND pDirectSound)
{
    s_library.table.bQuit = 0;
    s_library.pPool = new CBufferPool(pDirectSound);
    for (ChannelRecord& record : s_library.table.aChannels)
        record = IdleRecord();
    InitializeCriticalSection(&s_library.lock);
}

void CloseLibrary()
{
    DeleteCriticalSection(&s_library.lock);
    delete s_library.pPool;
    s_library.pPool = nullptr;
}

} // namespace ostrel

using namespace ostrel;

extern "C" {

OSTREL_API void OSTREL_CALL nvInit(LPDIRECTSOUND pDirectSound)
{
    OpenLibrary(pDirectSound);
    s_library.hThread = CreateThread(nullptr, 0, WorkerThread, nullptr, 0, nullptr);
}

// Returns once the worker has destroyed every player and its thread has ended.
OSTREL_API void OSTREL_CALL nvDone()
{
    if (!s_library.hThread)
        return;
    EnterCriticalSection(&s_library.lock);
    s_library.table.bQuit = 1;
    LeaveCriticalSection(&s_library.lock);
    Sleep(kQuitGrace);
    while (QuitPending())
        Sleep(kMailboxPoll);
    WaitForSingleObject(s_library.hThread, INFINITE);
    CloseHandle(s_library.hThread);
    s_library.hThread = nullptr;
    CloseLibrary();
}

OSTREL_API void OSTREL_CALL nvPlay(const char* szFileName, BYTE bChannel)
{
    if (!szFileName || !ValidChannel(bChannel))
        return;
    if (std::strlen(szFileName) >= kFileNameSize) {
        Warn("File name \"%s\" is too long: at most 259 characters!", szFileName);
        return;
    }
    if (GetFileAttributesA(szFileName) == INVALID_FILE_ATTRIBUTES) {
        Warn("File \"%s\" not found!", szFileName);
        return;
    }
    WhenMailboxAccepts(bChannel, AcceptsIdle, [szFileName](ChannelRecord& record) {
        record.lCommand = kCommandPlay;
        std::strcpy(record.szFileName, szFileName);
    });
}

OSTREL_API void OSTREL_CALL nvStop(BYTE bChannel)
{
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdle, [](ChannelRecord& record) { record.bStopRequest = 1; });
}

OSTREL_API void OSTREL_CALL nvSetVolume(BYTE bPercent, BYTE bChannel)
{
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdleOrPlay,
                           [bPercent](ChannelRecord& record) { record.lVolume = VolumeLevel(bPercent); });
}

OSTREL_API void OSTREL_CALL nvFadeVolume(BYTE bPercent, BYTE bChannel)
{
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdleOrPlay, [bPercent](ChannelRecord& record) {
            record.lCommand = kCommandFade;
            record.bFadePercent = bPercent < 100 ? bPercent : 100;
        });
}

OSTREL_API void OSTREL_CALL nvCyclic(BYTE bLoop, BYTE bChannel)
{
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdle, [bLoop](ChannelRecord& record) {
            record.lCommand = kCommandLoop;
            record.bLoop = bLoop;
        });
}

OSTREL_API WORD OSTREL_CALL nvGetStreamLength(BYTE bChannel)
{
    WORD wLength = 0;
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdle, [&wLength](ChannelRecord& record) { wLength = record.wStreamLength; });
    return wLength;
}

OSTREL_API BYTE OSTREL_CALL nvStreamFinished(BYTE bChannel)
{
    BYTE bFinished = 1;
    if (ValidChannel(bChannel))
        WhenMailboxAccepts(bChannel, AcceptsIdle, [&bFinished](ChannelRecord& record) { bFinished = record.bFinished; });
    return bFinished;
}

} // extern "C"
