// Native stand-ins for the wave format record and the multimedia file I/O calls (buffered RIFF reading
// over a C stream).
#pragma once

#include <cstdio>

#include "platform/win32_base.h"

typedef DWORD FOURCC;
typedef UINT MMRESULT;
typedef char* HPSTR;
typedef struct HMMIO__* HMMIO;

constexpr FOURCC mmioFOURCC(char ch0, char ch1, char ch2, char ch3)
{
    return static_cast<FOURCC>(static_cast<BYTE>(ch0)) | (static_cast<FOURCC>(static_cast<BYTE>(ch1)) << 8) |
           (static_cast<FOURCC>(static_cast<BYTE>(ch2)) << 16) | (static_cast<FOURCC>(static_cast<BYTE>(ch3)) << 24);
}

constexpr WORD WAVE_FORMAT_PCM = 1;

#pragma pack(push, 1)
typedef struct tWAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
} WAVEFORMATEX, *LPWAVEFORMATEX;
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18, "the wave format is an 18-byte record");

typedef struct _MMCKINFO {
    FOURCC ckid;
    DWORD cksize;
    FOURCC fccType;
    DWORD dwDataOffset;
    DWORD dwFlags;
} MMCKINFO, *LPMMCKINFO;

typedef struct _MMIOINFO {
    DWORD dwFlags;
    LONG cchBuffer;
    HPSTR pchBuffer;
    HPSTR pchNext;
    HPSTR pchEndRead;
    HPSTR pchEndWrite;
    LONG lBufOffset;
    LONG lDiskOffset;
    HMMIO hmmio;
} MMIOINFO, *LPMMIOINFO;

constexpr DWORD MMIO_READ = 0x0000;
constexpr DWORD MMIO_ALLOCBUF = 0x10000;
constexpr UINT MMIO_FINDCHUNK = 0x0010;
constexpr UINT MMIO_FINDRIFF = 0x0020;
constexpr UINT MMIO_FINDLIST = 0x0040;
constexpr LONG MMIO_DEFAULTBUFFER = 8192;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMIOERR_CANNOTREAD = 259;
constexpr MMRESULT MMIOERR_CANNOTSEEK = 261;
constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;

extern "C" {
HMMIO WINAPI mmioOpenA(LPSTR pszFileName, LPMMIOINFO pmmioinfo, DWORD fdwOpen);
MMRESULT WINAPI mmioClose(HMMIO hmmio, UINT fuClose);
LONG WINAPI mmioRead(HMMIO hmmio, HPSTR pch, LONG cch);
LONG WINAPI mmioSeek(HMMIO hmmio, LONG lOffset, int iOrigin);
MMRESULT WINAPI mmioDescend(HMMIO hmmio, LPMMCKINFO pmmcki, const MMCKINFO* pmmckiParent, UINT fuDescend);
MMRESULT WINAPI mmioAscend(HMMIO hmmio, LPMMCKINFO pmmcki, UINT fuAscend);
MMRESULT WINAPI mmioGetInfo(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT fuInfo);
MMRESULT WINAPI mmioSetInfo(HMMIO hmmio, const MMIOINFO* pmmioinfo, UINT fuInfo);
MMRESULT WINAPI mmioAdvance(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT fuAdvance);
}
