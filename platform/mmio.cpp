// Multimedia file I/O over C streams: a read buffer that callers may walk themselves (get-info,
// advance, set-info), seeking, and descending into and ascending out of RIFF chunks.
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/win32_mm.h"

struct HMMIO__ {
    FILE* pFile = nullptr;
    std::vector<char> buffer;
    MMIOINFO info{};
};

namespace {

constexpr FOURCC kRiff = mmioFOURCC('R', 'I', 'F', 'F');
constexpr FOURCC kList = mmioFOURCC('L', 'I', 'S', 'T');

int64_t Position(const MMIOINFO& info)
{
    return static_cast<int64_t>(info.lBufOffset) + (info.pchNext - info.pchBuffer);
}

// Drops what the buffer holds; the next read starts at the given file offset.
void Reposition(HMMIO hmmio, int64_t offset)
{
    MMIOINFO& info = hmmio->info;
    info.lBufOffset = static_cast<LONG>(offset);
    info.lDiskOffset = static_cast<LONG>(offset);
    info.pchNext = info.pchBuffer;
    info.pchEndRead = info.pchBuffer;
}

// Fills the buffer from the current position; false when nothing could be read.
bool Fill(HMMIO hmmio)
{
    MMIOINFO& info = hmmio->info;
    const int64_t offset = Position(info);
    Reposition(hmmio, offset);
    if (std::fseek(hmmio->pFile, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    const std::size_t got = std::fread(info.pchBuffer, 1, hmmio->buffer.size(), hmmio->pFile);
    info.pchEndRead = info.pchBuffer + got;
    info.lDiskOffset = static_cast<LONG>(offset + static_cast<int64_t>(got));
    return got > 0;
}

bool ReadExactly(HMMIO hmmio, void* pDest, LONG cch)
{
    return mmioRead(hmmio, static_cast<HPSTR>(pDest), cch) == cch;
}

int64_t FileSize(HMMIO hmmio)
{
    const long here = std::ftell(hmmio->pFile);
    std::fseek(hmmio->pFile, 0, SEEK_END);
    const long size = std::ftell(hmmio->pFile);
    std::fseek(hmmio->pFile, here, SEEK_SET);
    return size;
}

bool Matches(const MMCKINFO& found, const MMCKINFO& wanted, UINT fuDescend)
{
    if (fuDescend & MMIO_FINDCHUNK)
        return found.ckid == wanted.ckid;
    if (fuDescend & MMIO_FINDRIFF)
        return found.ckid == kRiff && found.fccType == wanted.fccType;
    if (fuDescend & MMIO_FINDLIST)
        return found.ckid == kList && found.fccType == wanted.fccType;
    return true;
}

int64_t ChunkEnd(const MMCKINFO& chunk)
{
    return static_cast<int64_t>(chunk.dwDataOffset) + chunk.cksize + (chunk.cksize & 1);
}

} // namespace

extern "C" {

HMMIO WINAPI mmioOpenA(LPSTR pszFileName, LPMMIOINFO, DWORD)
{
    FILE* pFile = pszFileName ? std::fopen(pszFileName, "rb") : nullptr;
    if (!pFile)
        return nullptr;
    auto* hmmio = new HMMIO__;
    hmmio->pFile = pFile;
    hmmio->buffer.resize(MMIO_DEFAULTBUFFER);
    hmmio->info.dwFlags = MMIO_READ | MMIO_ALLOCBUF;
    hmmio->info.cchBuffer = MMIO_DEFAULTBUFFER;
    hmmio->info.pchBuffer = hmmio->buffer.data();
    hmmio->info.hmmio = hmmio;
    Reposition(hmmio, 0);
    return hmmio;
}

MMRESULT WINAPI mmioClose(HMMIO hmmio, UINT)
{
    if (!hmmio)
        return MMSYSERR_INVALHANDLE;
    std::fclose(hmmio->pFile);
    delete hmmio;
    return MMSYSERR_NOERROR;
}

LONG WINAPI mmioRead(HMMIO hmmio, HPSTR pch, LONG cch)
{
    if (!hmmio || cch < 0)
        return -1;
    MMIOINFO& info = hmmio->info;
    LONG done = 0;
    while (done < cch) {
        if (info.pchNext == info.pchEndRead && !Fill(hmmio))
            break;
        const LONG take = std::min<LONG>(cch - done, static_cast<LONG>(info.pchEndRead - info.pchNext));
        std::memcpy(pch + done, info.pchNext, static_cast<std::size_t>(take));
        info.pchNext += take;
        done += take;
    }
    return done;
}

LONG WINAPI mmioSeek(HMMIO hmmio, LONG lOffset, int iOrigin)
{
    if (!hmmio)
        return -1;
    int64_t base = 0;
    if (iOrigin == SEEK_CUR)
        base = Position(hmmio->info);
    else if (iOrigin == SEEK_END)
        base = FileSize(hmmio);
    const int64_t target = base + lOffset;
    if (target < 0 || target > std::numeric_limits<LONG>::max())
        return -1;
    Reposition(hmmio, target);
    return static_cast<LONG>(target);
}

MMRESULT WINAPI mmioDescend(HMMIO hmmio, LPMMCKINFO pmmcki, const MMCKINFO* pmmckiParent, UINT fuDescend)
{
    if (!hmmio || !pmmcki)
        return MMSYSERR_INVALHANDLE;
    const int64_t limit = pmmckiParent ? ChunkEnd(*pmmckiParent) : std::numeric_limits<int64_t>::max();
    for (int64_t start = Position(hmmio->info); start + 8 <= limit;) {
        MMCKINFO found{};
        if (!ReadExactly(hmmio, &found.ckid, 4) || !ReadExactly(hmmio, &found.cksize, 4))
            break;
        found.dwDataOffset = static_cast<DWORD>(start + 8);
        const bool bHasForm = found.ckid == kRiff || found.ckid == kList;
        if (bHasForm && !ReadExactly(hmmio, &found.fccType, 4))
            break;
        if (Matches(found, *pmmcki, fuDescend)) {
            *pmmcki = found;
            return MMSYSERR_NOERROR;
        }
        start = ChunkEnd(found);
        if (start > std::numeric_limits<LONG>::max())
            break;
        Reposition(hmmio, start);
    }
    return MMIOERR_CHUNKNOTFOUND;
}

MMRESULT WINAPI mmioAscend(HMMIO hmmio, LPMMCKINFO pmmcki, UINT)
{
    if (!hmmio || !pmmcki)
        return MMSYSERR_INVALHANDLE;
    const int64_t end = ChunkEnd(*pmmcki);
    if (end > std::numeric_limits<LONG>::max())
        return MMIOERR_CANNOTSEEK;
    Reposition(hmmio, end);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI mmioGetInfo(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT)
{
    if (!hmmio || !pmmioinfo)
        return MMSYSERR_INVALHANDLE;
    *pmmioinfo = hmmio->info;
    return MMSYSERR_NOERROR;
}

// The caller may only have moved the next-byte pointer within what was read.
MMRESULT WINAPI mmioSetInfo(HMMIO hmmio, const MMIOINFO* pmmioinfo, UINT)
{
    if (!hmmio || !pmmioinfo)
        return MMSYSERR_INVALHANDLE;
    MMIOINFO& info = hmmio->info;
    if (pmmioinfo->pchNext >= info.pchBuffer && pmmioinfo->pchNext <= info.pchEndRead)
        info.pchNext = pmmioinfo->pchNext;
    return MMSYSERR_NOERROR;
}

// Refills the buffer from where the caller's next-byte pointer stands; at the end of the file the buffer
// comes back empty (next-byte pointer equal to the end-of-read pointer).
MMRESULT WINAPI mmioAdvance(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT)
{
    if (!hmmio)
        return MMSYSERR_INVALHANDLE;
    if (pmmioinfo)
        mmioSetInfo(hmmio, pmmioinfo, 0);
    const bool bRead = Fill(hmmio);
    if (pmmioinfo)
        *pmmioinfo = hmmio->info;
    return bRead || std::ferror(hmmio->pFile) == 0 ? MMSYSERR_NOERROR : MMIOERR_CANNOTREAD;
}

} // extern "C"
