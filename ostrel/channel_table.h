// The mailbox between the exports and the worker: one record per channel and the quit flag.
#pragma once

#include "platform/win32.h"

namespace ostrel {

constexpr BYTE kChannelCount = 5;
constexpr DWORD kFileNameSize = 260;

enum : LONG {
    kCommandNone = 0,
    kCommandPlay = 1,
    kCommandRemove = 2,
    kCommandFade = 3,
    kCommandLoop = 4,
};

struct ChannelRecord {
    LONG lCommand;
    char szFileName[kFileNameSize];
    BYTE bFadePercent;
    WORD wStreamLength;
    BYTE bFinished;
    BYTE bLoop;
    BYTE bStopRequest;
    // Hundredths of a decibel; negative while the worker has still to reach the level, then its magnitude.
    LONG lVolume;
};

struct ChannelTable {
    ChannelRecord aChannels[kChannelCount];
    BYTE bQuit;
};

ChannelRecord IdleRecord();

// The level of a volume percent: 2000 ln((min(p, 100) + 0.883) / 101), truncated.
LONG VolumeLevel(BYTE bPercent);

// Writes the worker's results into the live table: a field takes the worker's value only where no export
// wrote it since the worker took its snapshot, so requests, stop requests and the quit flag posted during
// a pass survive it.
void MergeBack(ChannelTable& live, const ChannelTable& taken, const ChannelTable& worked);

} // namespace ostrel
