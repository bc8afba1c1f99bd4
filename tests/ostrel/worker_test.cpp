// The worker's passes seen through the exports: requests, volume ramps, stop fade-outs, refusals and
// failed sources. Buffers 0 and 1 of the pool are stereo, 2 to 4 mono.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ostrel/channel_table.h"
#include "tests/ostrel/fixtures.h"
#include "tests/ostrel/stepped_library.h"

namespace {

using namespace ostrel_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class WorkerTest : public ::testing::Test {
protected:
    const Sounds& sounds = SharedSounds();
    TempDir dir;
    BoxCapture boxes;
    SteppedLibrary library;
};

TEST_F(WorkerTest, ChannelsAreIdleAndFinishedBeforeAnyPlay)
{
    for (BYTE bChannel = 0; bChannel < ostrel::kChannelCount; ++bChannel) {
        EXPECT_EQ(nvStreamFinished(bChannel), 1);
        EXPECT_EQ(nvGetStreamLength(bChannel), 0);
    }
}

TEST_F(WorkerTest, FadeReplacesAPendingPlay)
{
    nvPlay(sounds.music.c_str(), 0);
    nvFadeVolume(50, 0);
    library.Pass();
    EXPECT_EQ(nvStreamFinished(0), 1);
    EXPECT_FALSE(library.Playing(0));
}

TEST_F(WorkerTest, SetVolumeKeepsAPendingPlayWhichStartsAtThatLevelAndTheLevelOutlivesFades)
{
    nvPlay(sounds.music.c_str(), 0);
    nvSetVolume(50, 0);
    library.Pass();
    EXPECT_EQ(nvStreamFinished(0), 0);
    EXPECT_EQ(nvGetStreamLength(0), 3);
    EXPECT_EQ(library.Volume(0), -1371);

    nvFadeVolume(80, 0);
    library.Pass();
    EXPECT_EQ(library.Volume(0), ostrel::VolumeLevel(80));

    nvPlay(sounds.music.c_str(), 0);
    library.Pass();
    EXPECT_EQ(library.Volume(0), -1371) << "the next play starts at the level last set, not the fade's";
}

TEST_F(WorkerTest, VolumeMovesFiftyAPassTowardsANewLevel)
{
    nvSetVolume(100, 0);
    nvPlay(sounds.music.c_str(), 0);
    library.Pass(2);
    ASSERT_EQ(library.Volume(0), -2);
    nvSetVolume(50, 0);
    int passes = 0;
    for (LONG lPrevious = -2; library.Volume(0) != -1371 && passes < 100; ++passes) {
        library.Pass();
        EXPECT_EQ(library.Volume(0), std::max<LONG>(lPrevious - 50, -1371));
        lPrevious = library.Volume(0);
    }
    EXPECT_EQ(passes, 28);
}

TEST_F(WorkerTest, StopFadesOutAndFinishesInThe34thPass)
{
    nvSetVolume(100, 0);
    nvPlay(sounds.music.c_str(), 0);
    library.Pass();
    nvStop(0);
    library.Pass(33);
    EXPECT_EQ(library.Volume(0), -9902);
    EXPECT_EQ(nvStreamFinished(0), 0);
    library.Pass();
    EXPECT_EQ(nvStreamFinished(0), 1);
    EXPECT_EQ(nvGetStreamLength(0), 0);
    EXPECT_FALSE(library.Playing(0));
}

TEST_F(WorkerTest, DuringAStopFadeOutAFadeIsIgnoredAndAPlayCutsItShort)
{
    nvSetVolume(100, 0);
    nvPlay(sounds.music.c_str(), 0);
    library.Pass();
    nvStop(0);
    library.Pass(10);
    nvFadeVolume(100, 0);
    library.Pass();
    EXPECT_EQ(library.Volume(0), -2 - 11 * 300);

    nvPlay(sounds.speech.c_str(), 0);
    library.Pass();
    EXPECT_EQ(library.Volume(2), -2) << "a mono stream takes a mono buffer, at the channel's level";
    library.Pass(40);
    EXPECT_EQ(nvStreamFinished(0), 0) << "the stop request was cleared";
}

TEST_F(WorkerTest, LoopTakesEffectOnlyWhenSetAfterThePlay)
{
    for (bool bAfterPlay : {false, true}) {
        SCOPED_TRACE(bAfterPlay ? "after" : "before");
        // A request waits in the mailbox until a pass takes it up.
        if (!bAfterPlay) {
            nvCyclic(1, 2);
            library.Pass();
        }
        nvPlay(sounds.speech.c_str(), 2);
        library.Pass();
        if (bAfterPlay)
            nvCyclic(1, 2);
        library.Pass(700);
        EXPECT_EQ(nvStreamFinished(2), bAfterPlay ? 0 : 1);
    }
}

TEST_F(WorkerTest, FiveStreamsPlayAtOnce)
{
    for (BYTE bChannel = 0; bChannel < 5; ++bChannel)
        nvPlay((bChannel < 2 ? sounds.music : sounds.speech).c_str(), bChannel);
    library.Pass(150);
    for (DWORD i = 0; i < 5; ++i) {
        EXPECT_EQ(nvStreamFinished(static_cast<BYTE>(i)), 0);
        EXPECT_TRUE(library.Playing(i));
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

// Plays refused by the pool or by the name end the pass idle and finished, and touch no buffer.
TEST_F(WorkerTest, RefusedPlaysLeaveTheChannelIdleAndFinished)
{
    const std::string slow = MakeOgg(dir, "slow.ogg", 1.0, 1, 22050);
    const std::string unknown = dir.Path("theme.mp3");
    std::ofstream(unknown) << "x";
    struct Case {
        const char* what;
        std::vector<std::string> files; // channels 0, 1, ...: the last one is refused
        std::vector<std::string> boxes;
    } cases[] = {
        {"third stereo stream", {sounds.music, sounds.music, sounds.music}, {"1"}},
        {"format of no pool buffer", {slow}, {"1"}},
        {"unknown extension", {unknown}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoxCapture capture;
        for (std::size_t i = 0; i < c.files.size(); ++i)
            nvPlay(c.files[i].c_str(), static_cast<BYTE>(i));
        library.Pass();
        const auto bRefused = static_cast<BYTE>(c.files.size() - 1);
        EXPECT_EQ(nvStreamFinished(bRefused), 1);
        EXPECT_EQ(nvGetStreamLength(bRefused), 0);
        for (BYTE bChannel = 0; bChannel < bRefused; ++bChannel)
            EXPECT_EQ(nvStreamFinished(bChannel), 0);
        EXPECT_EQ(capture.Texts(), c.boxes);
        for (const platform::Report& report : capture.Reports())
            EXPECT_EQ(report.caption, "dx_stat");
        for (BYTE bChannel = 0; bChannel <= bRefused; ++bChannel)
            nvStop(bChannel);
        library.Pass(40);
    }
}

// A device that fails to make the mono buffers, for a pool with missing buffers.
class NoMonoDevice final : public IDirectSound {
public:
    explicit NoMonoDevice(LPDIRECTSOUND pInner) : m_pInner(pInner) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pDesc, LPDIRECTSOUNDBUFFER* ppBuffer,
                                                LPUNKNOWN pOuter) override
    {
        if (pDesc->lpwfxFormat->nChannels == 1) {
            *ppBuffer = nullptr;
            return DSERR_OUTOFMEMORY;
        }
        return m_pInner->CreateSoundBuffer(pDesc, ppBuffer, pOuter);
    }

private:
    LPDIRECTSOUND m_pInner;
};

TEST(WorkerPoolTest, APoolBufferThatWasNotCreatedRefusesThePlay)
{
    platform::SoftDirectSound* pDevice = platform::CreateSoftDirectSound(nullptr, platform::Clock::Manual);
    NoMonoDevice noMono(pDevice);
    TempDir dir;
    const std::string speech = MakeOgg(dir, "speech.ogg", 1.0, 1);
    BoxCapture boxes;
    {
        SteppedLibrary library(nullptr, &noMono);
        nvPlay(speech.c_str(), 3);
        library.Pass();
        EXPECT_EQ(nvStreamFinished(3), 1);
        EXPECT_THAT(boxes.Texts(), ElementsAre("1"));
    }
    pDevice->Release();
}

TEST_F(WorkerTest, AFailedSourceIsReportedAndGivesUpOnlyItsChannel)
{
    const std::string vanishing = MakeOgg(dir, "vanishing.ogg", 1.0, 1);
    const std::string notOgg = dir.Path("noise.ogg");
    std::ofstream(notOgg) << "not a stream";
    nvPlay(sounds.music.c_str(), 0);
    nvPlay(vanishing.c_str(), 2);
    nvPlay(notOgg.c_str(), 3);
    std::remove(vanishing.c_str()); // gone between the request and the pass
    library.Pass();
    EXPECT_EQ(nvStreamFinished(0), 0);
    EXPECT_EQ(nvStreamFinished(2), 1);
    EXPECT_EQ(nvStreamFinished(3), 1);
    const auto texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_THAT(texts[0], HasSubstr("(m_pFile=fopen(m_szFileName,\"rb\"))!=NULL"));
    EXPECT_THAT(texts[1], HasSubstr("(ov_open(m_pFile,&m_ovFile,NULL,0))==0"));
    EXPECT_FALSE(library.Playing(2));
    EXPECT_FALSE(library.Playing(3));
}

TEST_F(WorkerTest, ChannelsOutsideTheTableAndOverlongPathsAreRefused)
{
    nvPlay(sounds.music.c_str(), 5);
    nvStop(6);
    nvSetVolume(50, 7);
    nvFadeVolume(50, 200);
    nvCyclic(1, 255);
    EXPECT_EQ(nvStreamFinished(5), 1);
    EXPECT_EQ(nvGetStreamLength(255), 0);

    const std::string overlong = dir.Path(std::string(300, 'a') + ".ogg");
    nvPlay(overlong.c_str(), 0);
    library.Pass();
    EXPECT_EQ(nvStreamFinished(0), 1);
    for (DWORD i = 0; i < 5; ++i)
        EXPECT_FALSE(library.Playing(i));
    const auto reports = boxes.Reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_THAT(reports[0].text, HasSubstr("is too long"));
    EXPECT_EQ(reports[0].caption, "Ostrel Warning");
}

} // namespace
