// The nine exports of the built library with its own worker thread, on a manual clock.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ostrel/ostrel.h"
#include "tests/ostrel/fixtures.h"

namespace {

using namespace ostrel_test;

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override { nvInit(m_pDevice); }

    void TearDown() override
    {
        if (!m_bDone)
            nvDone();
        m_pDevice->Release();
    }

    void Done()
    {
        nvDone();
        m_bDone = true;
    }

    bool Playing(DWORD dwBuffer)
    {
        DWORD dwStatus = 0;
        m_pDevice->Buffer(dwBuffer)->GetStatus(&dwStatus);
        return (dwStatus & DSBSTATUS_PLAYING) != 0;
    }

    const Sounds& sounds = SharedSounds();
    TempDir dir;
    BoxCapture boxes;
    platform::SoftDirectSound* m_pDevice = platform::CreateSoftDirectSound(nullptr, platform::Clock::Manual);
    bool m_bDone = false;
};

TEST_F(ExportsTest, AMissingFileIsReportedAndNothingIsPosted)
{
    const std::string missing = dir.Path("missing.ogg");
    nvPlay(missing.c_str(), 1);
    const auto reports = boxes.Reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "File \"" + missing + "\" not found!");
    EXPECT_EQ(reports[0].caption, "Ostrel Warning");
    EXPECT_TRUE(reports[0].type & MB_ICONERROR);
    EXPECT_EQ(nvStreamFinished(1), 1);
    EXPECT_EQ(nvGetStreamLength(1), 0);
}

TEST_F(ExportsTest, TheLengthReadRightAfterAPlayIsTheNewStreams)
{
    const std::string longOgg = MakeOgg(dir, "long.ogg", 95.9, 1);
    const std::string wav = dir.Path("speech.wav");
    WriteWav(wav, {2, 44100, 16, Ramp(2 * 110250), 0});
    nvPlay(longOgg.c_str(), 2);
    EXPECT_EQ(nvGetStreamLength(2), 95);
    EXPECT_EQ(nvStreamFinished(2), 0);
    nvPlay(wav.c_str(), 0);
    EXPECT_EQ(nvGetStreamLength(0), 2);
}

TEST_F(ExportsTest, FiveStreamsPlayAtOnceAndDoneEndsThemAll)
{
    for (BYTE bChannel = 0; bChannel < 5; ++bChannel)
        nvPlay((bChannel < 2 ? sounds.music : sounds.speech).c_str(), bChannel);
    for (BYTE bChannel = 0; bChannel < 5; ++bChannel) {
        EXPECT_EQ(nvStreamFinished(bChannel), 0);
        EXPECT_TRUE(Playing(bChannel));
    }
    Done();
    EXPECT_EQ(m_pDevice->BufferCount(), 0u) << "every pool buffer stopped and released";
    EXPECT_TRUE(boxes.Texts().empty());
}

} // namespace
