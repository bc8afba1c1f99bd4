// Where the mixer's frames go: nowhere, a WAV file, or the sound card through ALSA.
#include <alsa/asoundlib.h>

#include <cstdio>
#include <cstring>

#include "platform/soft_dsound.h"

namespace {

using platform::AudioOutput;

constexpr DWORD kChannels = 2;
constexpr DWORD kFrameBytes = kChannels * 2;

class NullOutput final : public AudioOutput {
public:
    void Write(const int16_t*, std::size_t) override {}
};

void PutLittleEndian(BYTE* pDest, DWORD dwValue, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        pDest[i] = static_cast<BYTE>(dwValue >> (8 * i));
}

// A canonical 44-byte header of 16-bit stereo PCM at the output rate, for the given sample bytes.
void WavHeader(BYTE (&header)[44], DWORD dwDataBytes)
{
    std::memcpy(header, "RIFF\0\0\0\0WAVEfmt \x10\0\0\0", 20);
    PutLittleEndian(header + 4, 36 + dwDataBytes, 4);
    PutLittleEndian(header + 20, WAVE_FORMAT_PCM, 2);
    PutLittleEndian(header + 22, kChannels, 2);
    PutLittleEndian(header + 24, platform::kOutputRate, 4);
    PutLittleEndian(header + 28, platform::kOutputRate * kFrameBytes, 4);
    PutLittleEndian(header + 32, kFrameBytes, 2);
    PutLittleEndian(header + 34, 16, 2);
    std::memcpy(header + 36, "data", 4);
    PutLittleEndian(header + 40, dwDataBytes, 4);
}

class WavOutput final : public AudioOutput {
public:
    explicit WavOutput(FILE* pFile) : m_pFile(pFile) { WriteHeader(); }

    ~WavOutput() override
    {
        WriteHeader();
        std::fclose(m_pFile);
    }

    void Write(const int16_t* pFrames, std::size_t frameCount) override
    {
        BYTE bytes[4096];
        for (std::size_t done = 0; done < frameCount * kChannels;) {
            const std::size_t count = std::min<std::size_t>(frameCount * kChannels - done, sizeof bytes / 2);
            for (std::size_t i = 0; i < count; ++i)
                PutLittleEndian(bytes + 2 * i, static_cast<uint16_t>(pFrames[done + i]), 2);
            std::fwrite(bytes, 2, count, m_pFile);
            done += count;
        }
        m_dwDataBytes += static_cast<DWORD>(frameCount * kFrameBytes);
    }

private:
    void WriteHeader()
    {
        BYTE header[44];
        WavHeader(header, m_dwDataBytes);
        std::fseek(m_pFile, 0, SEEK_SET);
        std::fwrite(header, 1, sizeof header, m_pFile);
        std::fseek(m_pFile, 0, SEEK_END);
    }

    FILE* m_pFile;
    DWORD m_dwDataBytes = 0;
};

void QuietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

class CardOutput final : public AudioOutput {
public:
    explicit CardOutput(snd_pcm_t* pPcm) : m_pPcm(pPcm) {}

    ~CardOutput() override
    {
        snd_pcm_drain(m_pPcm);
        snd_pcm_close(m_pPcm);
    }

    void Write(const int16_t* pFrames, std::size_t frameCount) override
    {
        while (frameCount > 0) {
            snd_pcm_sframes_t written = snd_pcm_writei(m_pPcm, pFrames, frameCount);
            if (written < 0)
                written = snd_pcm_recover(m_pPcm, static_cast<int>(written), 1);
            if (written < 0)
                return;
            pFrames += static_cast<std::size_t>(written) * kChannels;
            frameCount -= static_cast<std::size_t>(written);
        }
    }

private:
    snd_pcm_t* m_pPcm;
};

} // namespace

std::unique_ptr<AudioOutput> platform::OpenNullOutput()
{
    return std::make_unique<NullOutput>();
}

std::unique_ptr<AudioOutput> platform::OpenWavOutput(const std::string& path)
{
    FILE* pFile = std::fopen(path.c_str(), "wb");
    if (!pFile)
        return nullptr;
    return std::make_unique<WavOutput>(pFile);
}

std::unique_ptr<AudioOutput> platform::OpenCardOutput(const std::string& device)
{
    snd_lib_error_set_handler(QuietAlsaErrors);
    snd_pcm_t* pPcm = nullptr;
    if (snd_pcm_open(&pPcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return nullptr;
    const unsigned int latencyMicroseconds = 100000;
    if (snd_pcm_set_params(pPcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, kChannels, kOutputRate, 1,
                           latencyMicroseconds) < 0) {
        snd_pcm_close(pPcm);
        return nullptr;
    }
    return std::make_unique<CardOutput>(pPcm);
}
