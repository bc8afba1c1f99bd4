// Sound file sources: one file turned into a stream of 16-bit PCM bytes, a second at a time.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdio>

#include "platform/win32.h"

namespace ostrel {

class CSoundSource {
public:
    CSoundSource();
    virtual ~CSoundSource();
    CSoundSource(const CSoundSource&) = delete;
    CSoundSource& operator=(const CSoundSource&) = delete;

    // Each returns false when the source failed (after reporting it) and is closed: it then only yields
    // silence with its end flag raised.
    virtual bool Open(const char* szFileName);
    virtual bool Rewind();
    // Fills all of pDest: sound, then silence once the data has ended. *pdwReal gets the bytes of sound.
    virtual bool Read(BYTE* pDest, DWORD dwWant, DWORD* pdwReal = nullptr) = 0;

    void Close();
    // The player points its buffer description at this record.
    WAVEFORMATEX* Format() { return &m_wfx; }
    BYTE EndFlag() const { return m_bEnd; }
    void SetLoop(BYTE bLoop) { m_bLoop = bLoop; }
    double TotalTime() const { return m_dTotalTime; }

protected:
    virtual void CloseDecoder() {}

    WAVEFORMATEX m_wfx;
    FILE* m_pFile;
    char m_szFileName[260];
    double m_dTotalTime;
    BYTE m_bEnd;
    BYTE m_bLoop;
};

class COggSource final : public CSoundSource {
public:
    COggSource();
    ~COggSource() override;

    bool Open(const char* szFileName) override;
    bool Rewind() override;
    bool Read(BYTE* pDest, DWORD dwWant, DWORD* pdwReal = nullptr) override;

private:
    void CloseDecoder() override;
    long Decode();
    bool GiveUp(BYTE* pDest, DWORD dwRemaining);

    char* m_pDecoded;
    DWORD m_dwPending;
    OggVorbis_File m_ovFile;
    bool m_bDecoderOpen;
    vorbis_info* m_pInfo;
};

class CWavSource final : public CSoundSource {
public:
    CWavSource();
    ~CWavSource() override;

    bool Open(const char* szFileName) override;
    bool Rewind() override;
    bool Read(BYTE* pDest, DWORD dwWant, DWORD* pdwReal = nullptr) override;

private:
    void CloseDecoder() override;
    void ReadFormat();
    void SeekToData();
    DWORD ReadData(BYTE* pDest, DWORD dwWant);
    DWORD CopyFromBuffer(MMIOINFO& mmioinfoIn, BYTE* pDest, DWORD dwCount);

    HMMIO m_hmmio;
    MMCKINFO m_ckData;
    MMCKINFO m_ckRiff;
    DWORD m_dwDataBytes;
    LONG m_lFileEnd;
};

// By the name: ".ogg"/".OGG" anywhere makes an Ogg Vorbis source, else ".wav"/".WAV" a WAV source, else none.
CSoundSource* CreateSoundSource(const char* szFileName);

} // namespace ostrel
