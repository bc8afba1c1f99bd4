// The native stand-ins: RIFF reading through the multimedia file I/O, and the software DirectSound's
// buffers (locking with wrap-around, cursors, volume) on a manual clock.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/win32.h"
#include "tests/ostrel/fixtures.h"

namespace {

using namespace ostrel_test;

TEST(MmioTest, DescendsFindsReadsAscendsAndWalksItsBuffer)
{
    TempDir dir;
    const std::string path = dir.Path("ramp.wav");
    WriteWav(path, {1, 44100, 18, Ramp(20000), 0});
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    HMMIO hmmio = mmioOpenA(name.data(), nullptr, MMIO_ALLOCBUF);
    ASSERT_NE(hmmio, nullptr);

    MMCKINFO riff{};
    ASSERT_EQ(mmioDescend(hmmio, &riff, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.ckid, mmioFOURCC('R', 'I', 'F', 'F'));
    EXPECT_EQ(riff.fccType, mmioFOURCC('W', 'A', 'V', 'E'));
    MMCKINFO data{};
    data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    ASSERT_EQ(mmioDescend(hmmio, &data, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(data.cksize, 40000u);
    EXPECT_EQ(data.dwDataOffset, 12u + 8 + 18 + 8);
    MMCKINFO missing{};
    missing.ckid = mmioFOURCC('c', 'u', 'e', ' ');
    mmioSeek(hmmio, static_cast<LONG>(riff.dwDataOffset + 4), SEEK_SET);
    EXPECT_EQ(mmioDescend(hmmio, &missing, &riff, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);

    // Walk all the samples through the buffer, advancing it whenever it runs dry.
    mmioSeek(hmmio, static_cast<LONG>(data.dwDataOffset), SEEK_SET);
    MMIOINFO info;
    mmioGetInfo(hmmio, &info, 0);
    std::vector<int16_t> samples;
    for (int16_t sample = 0; samples.size() < 20000; samples.push_back(sample)) {
        char bytes[2];
        for (char& byte : bytes) {
            if (info.pchNext == info.pchEndRead)
                mmioAdvance(hmmio, &info, MMIO_READ);
            ASSERT_LT(info.pchNext, info.pchEndRead);
            byte = *info.pchNext++;
        }
        sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[0]) | static_cast<uint8_t>(bytes[1]) << 8);
    }
    mmioSetInfo(hmmio, &info, 0);
    EXPECT_EQ(samples, Ramp(20000));
    mmioAdvance(hmmio, &info, MMIO_READ);
    EXPECT_EQ(info.pchNext, info.pchEndRead) << "nothing after the end of the file";
    EXPECT_EQ(mmioClose(hmmio, 0), MMSYSERR_NOERROR);
}

class SoftSoundTest : public ::testing::Test {
protected:
    ~SoftSoundTest() override
    {
        if (buffer)
            buffer->Release();
        device->Release();
    }

    // A mono buffer of `frames` frames filled with 1000 + its frame number.
    void MakeBuffer(DWORD frames)
    {
        ASSERT_EQ(device->CreateSoundBuffer(&Desc(frames), &buffer, nullptr), DS_OK);
        LPVOID p = nullptr;
        DWORD bytes = 0;
        ASSERT_EQ(buffer->Lock(0, frames * 2, &p, &bytes, nullptr, nullptr, 0), DS_OK);
        for (DWORD i = 0; i < frames; ++i)
            static_cast<int16_t*>(p)[i] = static_cast<int16_t>(1000 + i);
        ASSERT_EQ(buffer->Unlock(p, bytes, nullptr, 0), DS_OK);
    }

    const DSBUFFERDESC& Desc(DWORD frames)
    {
        desc = {sizeof(DSBUFFERDESC), DSBCAPS_CTRLVOLUME, frames * 2, 0, &wfx, GUID_NULL};
        return desc;
    }

    std::shared_ptr<std::vector<int16_t>> played = std::make_shared<std::vector<int16_t>>();
    platform::SoftDirectSound* device =
        platform::CreateSoftDirectSound(std::make_unique<CaptureOutput>(played), platform::Clock::Manual);
    WAVEFORMATEX wfx{WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 18};
    DSBUFFERDESC desc{};
    LPDIRECTSOUNDBUFFER buffer = nullptr;
};

TEST_F(SoftSoundTest, RefusesFormatsItCannotPlay)
{
    LPDIRECTSOUNDBUFFER refused = nullptr;
    wfx.nSamplesPerSec = 22050;
    EXPECT_EQ(device->CreateSoundBuffer(&Desc(100), &refused, nullptr), DSERR_BADFORMAT);
    EXPECT_EQ(refused, nullptr);
}

TEST_F(SoftSoundTest, LockWrapsAroundTheEnd)
{
    MakeBuffer(100);
    LPVOID p1 = nullptr;
    LPVOID p2 = nullptr;
    DWORD n1 = 0;
    DWORD n2 = 0;
    ASSERT_EQ(buffer->Lock(180, 40, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(n2, 20u);
    EXPECT_EQ(static_cast<int16_t*>(p1)[0], 1090);
    EXPECT_EQ(static_cast<int16_t*>(p2)[0], 1000);
    static_cast<int16_t*>(p2)[0] = -5;
    ASSERT_EQ(buffer->Unlock(p1, n1, p2, n2), DS_OK);
    buffer->Play(0, 0, 0);
    device->Advance(1);
    EXPECT_EQ((*played)[0], -5);
}

TEST_F(SoftSoundTest, CursorMovesWithTheClockAndStopsAtTheEndUnlessLooping)
{
    MakeBuffer(100);
    DWORD cursor = 1;
    buffer->Play(0, 0, 0);
    device->Advance(30);
    buffer->GetCurrentPosition(&cursor, nullptr);
    EXPECT_EQ(cursor, 60u);
    device->Advance(100);
    DWORD status = 0;
    buffer->GetStatus(&status);
    EXPECT_EQ(status, 0u) << "a buffer played once stops at its end";
    EXPECT_EQ((*played)[2 * 99], 1099);
    EXPECT_EQ((*played)[2 * 100], 0);

    buffer->Play(0, 0, DSBPLAY_LOOPING);
    device->Advance(150);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    EXPECT_EQ((*played)[2 * 260], 1000 + 30) << "the loop goes round (it started again at frame 130)";
}

TEST_F(SoftSoundTest, VolumeIsInHundredthsOfADecibel)
{
    MakeBuffer(100);
    EXPECT_EQ(buffer->SetVolume(-10001), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
    const std::pair<LONG, double> cases[] = {{0, 1.0}, {-600, std::pow(10.0, -0.3)}, {-10000, 0.0}};
    for (const auto& [volume, gain] : cases) {
        played->clear();
        buffer->SetVolume(volume);
        buffer->SetCurrentPosition(0);
        buffer->Play(0, 0, 0);
        device->Advance(1);
        EXPECT_NEAR((*played)[0], 1000 * gain, 0.5) << volume;
        EXPECT_EQ((*played)[1], (*played)[0]) << "mono sounds on both sides";
    }
}

} // namespace
