// The Win32 names that ostrel is written against: the system's own on Windows, our stand-ins elsewhere.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#else
#include "platform/win32_base.h"
#include "platform/win32_mm.h"
#include "platform/win32_dsound.h"
#endif
