// The sound file sources: Ogg Vorbis through vorbisfile, RIFF WAV through the multimedia file I/O.
#include "ostrel/ostrelclasses.h"

#include <stdio.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace ostrel {

namespace {

constexpr DWORD kDecodeBufferSize = 8192;
constexpr int kDecodeStep = 4096;

// A failed check is reported with its expression and this file, and the caller gives the source up.
bool CheckAssertion(bool bHolds, const char* szExpression, int iLine)
{
    if (!bHolds) {
        const std::string text = std::string("Assertion failed: ") + szExpression +
                                 ", file ostrelclasses.cpp, line " + std::to_string(iLine);
        MessageBoxA(nullptr, text.c_str(), "Assertion failed", MB_OK | MB_ICONERROR);
    }
    return bHolds;
}

#define OSTREL_CHECK(expression) CheckAssertion((expression), #expression, __LINE__)

void FillPcmFormat(WAVEFORMATEX& wfx, int iChannels, long lRate)
{
    wfx.wFormatTag = WAVE_FORMAT_PCM;
    wfx.nChannels = static_cast<WORD>(iChannels);
    wfx.nSamplesPerSec = static_cast<DWORD>(lRate);
    wfx.wBitsPerSample = 16;
    wfx.nBlockAlign = static_cast<WORD>(iChannels * 2);
    wfx.nAvgBytesPerSec = wfx.nBlockAlign * wfx.nSamplesPerSec;
    wfx.cbSize = 18;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// CSoundSource

CSoundSource::CSoundSource() : m_wfx(), m_pFile(nullptr), m_szFileName(), m_dTotalTime(0), m_bEnd(1), m_bLoop(0) {}

CSoundSource::~CSoundSource()
{
    if (m_pFile)
        Close();
}

bool CSoundSource::Open(const char* szFileName)
{
    std::strncpy(m_szFileName, szFileName, sizeof m_szFileName - 1);
    m_szFileName[sizeof m_szFileName - 1] = '\0';
    if (!OSTREL_CHECK((m_pFile=fopen(m_szFileName,"rb"))!=NULL))
        return false;
    m_bEnd = 0;
    m_bLoop = 0;
    return true;
}

bool CSoundSource::Rewind()
{
    if (!m_pFile)
        return false;
    std::fseek(m_pFile, 0, SEEK_SET);
    m_bEnd = 0;
    return true;
}

void CSoundSource::Close()
{
    CloseDecoder();
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
    m_dTotalTime = 0;
    m_bEnd = 1;
    m_bLoop = 0;
}

// ---------------------------------------------------------------------------------------------------------
// COggSource

COggSource::COggSource()
    : m_pDecoded(new char[kDecodeBufferSize]), m_dwPending(0), m_ovFile(), m_bDecoderOpen(false), m_pInfo(nullptr)
{
}

COggSource::~COggSource()
{
    Close();
    delete[] m_pDecoded;
}

bool COggSource::Open(const char* szFileName)
{
    if (!CSoundSource::Open(szFileName))
        return false;
    if (!OSTREL_CHECK((ov_open(m_pFile,&m_ovFile,NULL,0))==0)) {
        Close();
        return false;
    }
    m_bDecoderOpen = true; // the decoder now owns m_pFile and closes it
    m_pInfo = ov_info(&m_ovFile, -1);
    FillPcmFormat(m_wfx, m_pInfo->channels, m_pInfo->rate);
    m_dTotalTime = ov_time_total(&m_ovFile, -1);
    return true;
}

bool COggSource::Rewind()
{
    if (!m_bDecoderOpen || !CSoundSource::Rewind())
        return false;
    ov_pcm_seek(&m_ovFile, 0);
    m_dwPending = 0;
    return true;
}

void COggSource::CloseDecoder()
{
    if (m_bDecoderOpen) {
        ov_clear(&m_ovFile);
        m_pFile = nullptr;
    }
    m_ovFile = OggVorbis_File();
    m_bDecoderOpen = false;
    m_dwPending = 0;
    m_pInfo = nullptr;
}

// Decodes up to one step behind what is pending. Holes in the data are skipped; 0 is the end of the
// stream, a negative result a stream that cannot go on.
long COggSource::Decode()
{
    int current_section = 0;
    long bytes_read = OV_HOLE;
    while (bytes_read == OV_HOLE)
        bytes_read = ov_read(&m_ovFile, m_pDecoded + m_dwPending, kDecodeStep, 0, 2, 1, &current_section);
    return bytes_read;
}

bool COggSource::GiveUp(BYTE* pDest, DWORD dwRemaining)
{
    std::memset(pDest, 0, dwRemaining);
    Close();
    return false;
}

bool COggSource::Read(BYTE* pDest, DWORD dwWant, DWORD* pdwReal)
{
    DWORD dwRemaining = dwWant;
    if (pdwReal)
        *pdwReal = dwWant;
    auto giveUp = [&] {
        if (pdwReal)
            *pdwReal = dwWant - dwRemaining;
        return GiveUp(pDest, dwRemaining);
    };
    if (!m_bDecoderOpen)
        return giveUp();
    for (;;) {
        if (m_dwPending) {
            const DWORD dwTake = std::min(dwRemaining, m_dwPending);
            std::memcpy(pDest, m_pDecoded, dwTake);
            pDest += dwTake;
            dwRemaining -= dwTake;
            m_dwPending -= dwTake;
            std::memmove(m_pDecoded, m_pDecoded + dwTake, m_dwPending);
        }
        if (!dwRemaining)
            return true;
        long bytes_read = Decode();
        if (bytes_read == 0 && m_bLoop) {
            if (!OSTREL_CHECK(ov_pcm_seek(&m_ovFile,0)==0))
                return giveUp();
            bytes_read = Decode();
            if (!OSTREL_CHECK(bytes_read!=0))
                return giveUp();
        }
        if (bytes_read <= 0) {
            // The end of the stream: the rest of the request is silence, and no silence stays pending
            // to be taken for sound by a later read.
            std::memset(pDest, 0, dwRemaining);
            m_bEnd = 1;
            if (pdwReal)
                *pdwReal = dwWant - dwRemaining;
            return true;
        }
        m_dwPending += static_cast<DWORD>(bytes_read);
    }
}

// ---------------------------------------------------------------------------------------------------------
// CWavSource: ends, loops and reports its length as the Ogg Vorbis source does.

CWavSource::CWavSource() : m_hmmio(nullptr), m_ckData(), m_ckRiff(), m_dwDataBytes(0), m_lFileEnd(0) {}

CWavSource::~CWavSource()
{
    Close();
}

bool CWavSource::Open(const char* szFileName)
{
    if (!CSoundSource::Open(szFileName))
        return false;
    m_hmmio = mmioOpenA(m_szFileName, nullptr, MMIO_ALLOCBUF);
    if (!m_hmmio) {
        Close();
        return false;
    }
    m_lFileEnd = mmioSeek(m_hmmio, 0, SEEK_END);
    mmioSeek(m_hmmio, 0, SEEK_SET);
    ReadFormat();
    Rewind();
    m_dwDataBytes = m_ckData.cksize;
    if (m_wfx.nAvgBytesPerSec)
        m_dTotalTime = static_cast<double>(m_dwDataBytes) / m_wfx.nAvgBytesPerSec;
    return true;
}

// A "fmt " chunk shorter than the record fills only its front; the extra size is always 18.
void CWavSource::ReadFormat()
{
    m_ckRiff = MMCKINFO();
    mmioDescend(m_hmmio, &m_ckRiff, nullptr, 0);
    MMCKINFO ckIn{};
    ckIn.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(m_hmmio, &ckIn, &m_ckRiff, MMIO_FINDCHUNK) == MMSYSERR_NOERROR) {
        const LONG lBytes = static_cast<LONG>(std::min<DWORD>(ckIn.cksize, sizeof m_wfx));
        mmioRead(m_hmmio, reinterpret_cast<HPSTR>(&m_wfx), lBytes);
        mmioAscend(m_hmmio, &ckIn, 0);
    }
    m_wfx.cbSize = 18;
}

bool CWavSource::Rewind()
{
    if (!m_hmmio || !CSoundSource::Rewind())
        return false;
    SeekToData();
    return true;
}

// Puts the read position at the first sample byte; the data chunk's size then counts what is left,
// never more than the file holds.
void CWavSource::SeekToData()
{
    mmioSeek(m_hmmio, static_cast<LONG>(m_ckRiff.dwDataOffset + 4), SEEK_SET);
    m_ckData = MMCKINFO();
    m_ckData.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(m_hmmio, &m_ckData, &m_ckRiff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        m_ckData.cksize = 0;
    const LONG lAvailable = std::max<LONG>(m_lFileEnd - static_cast<LONG>(m_ckData.dwDataOffset), 0);
    m_ckData.cksize = std::min(m_ckData.cksize, static_cast<DWORD>(lAvailable));
}

void CWavSource::CloseDecoder()
{
    if (m_hmmio)
        mmioClose(m_hmmio, 0);
    m_hmmio = nullptr;
    m_ckData = MMCKINFO();
    m_dwDataBytes = 0;
}

DWORD CWavSource::CopyFromBuffer(MMIOINFO& mmioinfoIn, BYTE* pDest, DWORD dwCount)
{
    DWORD dwDone = 0;
    while (dwDone < dwCount) {
        if (mmioinfoIn.pchNext == mmioinfoIn.pchEndRead) {
            mmioAdvance(m_hmmio, &mmioinfoIn, MMIO_READ);
            if (mmioinfoIn.pchNext == mmioinfoIn.pchEndRead)
                break; // the file ended early
        }
        const DWORD dwRun =
            std::min(dwCount - dwDone, static_cast<DWORD>(mmioinfoIn.pchEndRead - mmioinfoIn.pchNext));
        std::memcpy(pDest + dwDone, mmioinfoIn.pchNext, dwRun);
        mmioinfoIn.pchNext += dwRun;
        dwDone += dwRun;
    }
    return dwDone;
}

// Sample bytes up to dwWant; with the loop flag the data starts again after its last byte.
DWORD CWavSource::ReadData(BYTE* pDest, DWORD dwWant)
{
    MMIOINFO mmioinfoIn;
    mmioGetInfo(m_hmmio, &mmioinfoIn, 0);
    DWORD dwDone = 0;
    bool bProgress = true;
    while (dwDone < dwWant) {
        if (m_ckData.cksize == 0) {
            if (!m_bLoop || !bProgress)
                break;
            mmioSetInfo(m_hmmio, &mmioinfoIn, 0);
            SeekToData();
            mmioGetInfo(m_hmmio, &mmioinfoIn, 0);
            bProgress = false;
            continue;
        }
        const DWORD dwCopied = CopyFromBuffer(mmioinfoIn, pDest + dwDone, std::min(dwWant - dwDone, m_ckData.cksize));
        m_ckData.cksize = dwCopied ? m_ckData.cksize - dwCopied : 0;
        bProgress = bProgress || dwCopied > 0;
        dwDone += dwCopied;
    }
    mmioSetInfo(m_hmmio, &mmioinfoIn, 0);
    return dwDone;
}

bool CWavSource::Read(BYTE* pDest, DWORD dwWant, DWORD* pdwReal)
{
    const DWORD dwDone = m_hmmio ? ReadData(pDest, dwWant) : 0;
    if (dwDone < dwWant) {
        std::memset(pDest + dwDone, 0, dwWant - dwDone);
        m_bEnd = 1;
    }
    if (pdwReal)
        *pdwReal = dwDone;
    return m_hmmio != nullptr;
}

// ---------------------------------------------------------------------------------------------------------

CSoundSource* CreateSoundSource(const char* szFileName)
{
    if (std::strstr(szFileName, ".ogg") || std::strstr(szFileName, ".OGG"))
        return new COggSource;
    if (std::strstr(szFileName, ".wav") || std::strstr(szFileName, ".WAV"))
        return new CWavSource;
    return nullptr;
}

} // namespace ostrel
