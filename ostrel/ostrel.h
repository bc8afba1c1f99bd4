// ostrel's whole outside face: nine functions with C linkage and the C calling convention.
#pragma once

#include "platform/win32.h"

#ifdef _WIN32
#ifdef OSTREL_BUILD
#define OSTREL_API __declspec(dllexport)
#else
#define OSTREL_API __declspec(dllimport)
#endif
#define OSTREL_CALL __cdecl
#else
#define OSTREL_API __attribute__((visibility("default")))
#define OSTREL_CALL
#endif

extern "C" {

// Creates the buffer pool on the host's DirectSound object (which stays the host's) and starts the worker.
OSTREL_API void OSTREL_CALL nvInit(LPDIRECTSOUND pDirectSound);
// Ends the worker once it has destroyed every player, then destroys the pool.
OSTREL_API void OSTREL_CALL nvDone();

// Channels are 0 to 4; requests for other channels are ignored, and reads answer as for an idle channel.
OSTREL_API void OSTREL_CALL nvPlay(const char* szFileName, BYTE bChannel);
OSTREL_API void OSTREL_CALL nvStop(BYTE bChannel);
OSTREL_API void OSTREL_CALL nvSetVolume(BYTE bPercent, BYTE bChannel);
OSTREL_API void OSTREL_CALL nvFadeVolume(BYTE bPercent, BYTE bChannel);
OSTREL_API void OSTREL_CALL nvCyclic(BYTE bLoop, BYTE bChannel);
OSTREL_API WORD OSTREL_CALL nvGetStreamLength(BYTE bChannel);
OSTREL_API BYTE OSTREL_CALL nvStreamFinished(BYTE bChannel);
}
