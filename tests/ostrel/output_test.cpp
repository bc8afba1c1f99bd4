// What the mixer actually played, sample by sample, while the worker streamed a file: the refills of the
// halves, the end, the loop seam, and the gain of a volume level.
#include <gtest/gtest.h>

#include <cmath>

#include "ostrel/channel_table.h"
#include "tests/ostrel/fixtures.h"
#include "tests/ostrel/stepped_library.h"

namespace {

using namespace ostrel_test;

bool Silent(std::vector<int16_t>::const_iterator first, std::vector<int16_t>::const_iterator last)
{
    return std::all_of(first, last, [](int16_t sample) { return sample == 0; });
}

class OutputTest : public ::testing::Test {
protected:
    const Sounds& sounds = SharedSounds();
    TempDir dir;
    BoxCapture boxes;
    std::shared_ptr<std::vector<int16_t>> played = std::make_shared<std::vector<int16_t>>();
    SteppedLibrary library{std::make_unique<CaptureOutput>(played)};
};

// Every half is refilled in the first pass after the cursor has left it: a refill that came late or
// early would let stale or later sound into the output.
TEST_F(OutputTest, EveryRefillLandsInTimeSoTheOutputIsTheFile)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.music);
    nvPlay(sounds.music.c_str(), 0);
    const int passes = library.PassesUntilFinished(0, 600);
    ASSERT_GT(passes, 300);
    ASSERT_GE(played->size(), decoded.size());
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), played->begin()));
    EXPECT_TRUE(Silent(played->begin() + static_cast<long>(decoded.size()), played->end()));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(OutputTest, AShortStreamPlaysItsDataThenSilenceToTheEndOfTheHalfThenStops)
{
    const std::vector<int16_t> decoded = ToStereo(DecodeOgg(sounds.blip));
    nvPlay(sounds.blip.c_str(), 2);
    library.Pass();
    EXPECT_EQ(nvStreamFinished(2), 0);
    EXPECT_EQ(nvGetStreamLength(2), 0) << "half a second, truncated";
    // The cursor reaches the half after 100 passes and passes it after 101; the pass after stops.
    EXPECT_EQ(1 + library.PassesUntilFinished(2, 300), 102);
    EXPECT_EQ(nvGetStreamLength(2), 0);
    EXPECT_FALSE(library.Playing(2));
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), played->begin()));
    EXPECT_TRUE(Silent(played->begin() + static_cast<long>(decoded.size()), played->end()));
}

// The loop must be set before a refill meets the end: a stream longer than the two seconds queued at
// its start.
TEST_F(OutputTest, TheLoopSeamIsSampleExact)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.loop);
    nvPlay(sounds.loop.c_str(), 1);
    library.Pass();
    nvCyclic(1, 1);
    library.Pass(699);
    ASSERT_EQ(played->size(), 700u * 441 * 2);
    for (std::size_t at = 0; at < played->size(); at += decoded.size()) {
        const std::size_t count = std::min(decoded.size(), played->size() - at);
        ASSERT_TRUE(std::equal(decoded.begin(), decoded.begin() + static_cast<long>(count),
                               played->begin() + static_cast<long>(at)))
            << "turn " << at / decoded.size();
    }
    EXPECT_EQ(nvStreamFinished(1), 0);
}

TEST_F(OutputTest, AReplayOnTheSameBufferStartsAtItsFirstSample)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.loop);
    nvPlay(sounds.music.c_str(), 0);
    library.Pass(150);
    nvPlay(sounds.loop.c_str(), 0);
    const std::size_t start = played->size();
    library.Pass(100);
    EXPECT_TRUE(library.Playing(0));
    EXPECT_TRUE(std::equal(played->begin() + static_cast<long>(start), played->end(), decoded.begin()));
}

TEST_F(OutputTest, WavFilesWithBothFmtChunkSizesPlay)
{
    struct Case {
        int channels;
        uint32_t fmtBytes;
        BYTE bChannel;
    } cases[] = {{2, 16, 0}, {1, 18, 2}};
    for (const Case& c : cases) {
        const std::string path = dir.Path("fmt" + std::to_string(c.fmtBytes) + ".wav");
        const std::vector<int16_t> samples = Ramp(static_cast<std::size_t>(c.channels) * 44100 / 2);
        WriteWav(path, {c.channels, 44100, c.fmtBytes, samples, 0});
        played->clear();
        nvPlay(path.c_str(), c.bChannel);
        EXPECT_EQ(library.PassesUntilFinished(c.bChannel, 300), 102) << c.fmtBytes;
        const std::vector<int16_t> expected = c.channels == 2 ? samples : ToStereo(samples);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), played->begin())) << c.fmtBytes;
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(WavOutputTest, WhatWasPlayedIsTheFileAtTheGainOfItsLevel)
{
    TempDir dir;
    const std::string speech = MakeOgg(dir, "speech.ogg", 2.0, 1);
    const std::string out = dir.Path("out.wav");
    {
        SteppedLibrary library(platform::OpenWavOutput(out));
        nvSetVolume(50, 3);
        nvPlay(speech.c_str(), 3);
        library.Pass(200);
    }
    const std::vector<int16_t> expected = ToStereo(DecodeOgg(speech));
    const std::vector<int16_t> written = ReadWavOutput(out);
    ASSERT_EQ(written.size(), 200u * 441 * 2);
    const double gain = std::pow(10.0, ostrel::VolumeLevel(50) / 2000.0);
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_NEAR(written[i], expected[i] * gain, 1.0) << "sample " << i;
}

} // namespace
