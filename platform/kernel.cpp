// Critical sections, threads, Sleep, file attributes and message boxes over POSIX.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/report.h"
#include "platform/win32_base.h"

namespace {

struct ThreadObject {
    pthread_t thread{};
    LPTHREAD_START_ROUTINE routine = nullptr;
    LPVOID parameter = nullptr;
    bool joined = false;
};

void* RunThread(void* argument)
{
    auto* object = static_cast<ThreadObject*>(argument);
    object->routine(object->parameter);
    return nullptr;
}

// The pseudo-handle of GetCurrentThread: any address that no thread object can have.
char s_currentThread;

std::mutex s_reportMutex;
platform::ReportSink s_reportSink;

} // namespace

void platform::SetReportSink(ReportSink sink)
{
    std::lock_guard<std::mutex> lock(s_reportMutex);
    s_reportSink = std::move(sink);
}

extern "C" {

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&lpCriticalSection->mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    pthread_mutex_lock(&lpCriticalSection->mutex);
}

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    pthread_mutex_unlock(&lpCriticalSection->mutex);
}

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    pthread_mutex_destroy(&lpCriticalSection->mutex);
}

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T dwStackSize, LPTHREAD_START_ROUTINE lpStartAddress,
                           LPVOID lpParameter, DWORD, LPDWORD lpThreadId)
{
    auto* object = new ThreadObject{{}, lpStartAddress, lpParameter, false};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    if (dwStackSize != 0)
        pthread_attr_setstacksize(&attributes, std::max(dwStackSize, static_cast<SIZE_T>(PTHREAD_STACK_MIN)));
    const int error = pthread_create(&object->thread, &attributes, RunThread, object);
    pthread_attr_destroy(&attributes);
    if (error != 0) {
        delete object;
        return nullptr;
    }
    if (lpThreadId)
        *lpThreadId = static_cast<DWORD>(reinterpret_cast<uintptr_t>(object));
    return object;
}

HANDLE WINAPI GetCurrentThread()
{
    return &s_currentThread;
}

// Win32 priorities -15..15 become nice values 15..-15; raising needs the privilege, lowering does not.
BOOL WINAPI SetThreadPriority(HANDLE hThread, int nPriority)
{
    if (hThread != &s_currentThread)
        return FALSE;
    const int nice = std::clamp(-nPriority, -15, 15);
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    return setpriority(PRIO_PROCESS, tid, nice) == 0 ? TRUE : FALSE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    auto* object = static_cast<ThreadObject*>(hHandle);
    if (!object || hHandle == &s_currentThread)
        return WAIT_FAILED;
    if (object->joined)
        return WAIT_OBJECT_0;
    if (dwMilliseconds == INFINITE) {
        pthread_join(object->thread, nullptr);
    } else {
        timespec deadline{};
        clock_gettime(CLOCK_REALTIME, &deadline);
        const long nanoseconds = deadline.tv_nsec + static_cast<long>(dwMilliseconds % 1000) * 1000000L;
        deadline.tv_sec += static_cast<time_t>(dwMilliseconds / 1000) + nanoseconds / 1000000000L;
        deadline.tv_nsec = nanoseconds % 1000000000L;
        if (pthread_timedjoin_np(object->thread, nullptr, &deadline) != 0)
            return WAIT_TIMEOUT;
    }
    object->joined = true;
    return WAIT_OBJECT_0;
}

BOOL WINAPI CloseHandle(HANDLE hObject)
{
    auto* object = static_cast<ThreadObject*>(hObject);
    if (!object || hObject == &s_currentThread)
        return FALSE;
    if (!object->joined)
        pthread_detach(object->thread);
    delete object;
    return TRUE;
}

void WINAPI Sleep(DWORD dwMilliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName)
{
    struct stat status {};
    if (!lpFileName || stat(lpFileName, &status) != 0)
        return INVALID_FILE_ATTRIBUTES;
    if (S_ISDIR(status.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return access(lpFileName, W_OK) == 0 ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    platform::Report report{lpText ? lpText : "", lpCaption ? lpCaption : "Error", uType};
    std::lock_guard<std::mutex> lock(s_reportMutex);
    if (s_reportSink)
        s_reportSink(report);
    else
        std::fprintf(stderr, "[%s] %s\n", report.caption.c_str(), report.text.c_str());
    return IDOK;
}

} // extern "C"
