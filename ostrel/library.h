// The library-wide state shared by the exports and the worker.
#pragma once

#include "ostrel/buffer_pool.h"
#include "ostrel/channel_table.h"

namespace ostrel {

struct Library {
    ChannelTable table;
    CRITICAL_SECTION lock; // guards the table
    CBufferPool* pPool;
    HANDLE hThread;
};

Library& TheLibrary();

// nvInit without starting the worker, and the end of nvDone once no worker runs: a test can then drive
// the worker's passes itself.
void OpenLibrary(LPDIRECTSOUND pDirectSound);
void CloseLibrary();

} // namespace ostrel
