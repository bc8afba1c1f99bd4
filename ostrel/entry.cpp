// The library's entry point does no work and always reports success.
#include "platform/win32.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
