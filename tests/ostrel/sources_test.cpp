// The sound file sources: formats, the end of the data, the loop seam, WAV chunk quirks and failures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "ostrel/ostrelclasses.h"
#include "tests/ostrel/fixtures.h"

namespace {

using namespace ostrel;
using namespace ostrel_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Reads `bytes` through the source in the player's one-second requests.
std::vector<int16_t> ReadAll(CSoundSource& source, std::size_t bytes, DWORD* pdwLastReal = nullptr)
{
    std::vector<int16_t> samples(bytes / 2);
    const DWORD dwSecond = source.Format()->nAvgBytesPerSec;
    for (std::size_t done = 0; done < bytes; done += dwSecond) {
        const auto dwWant = static_cast<DWORD>(std::min<std::size_t>(dwSecond, bytes - done));
        source.Read(reinterpret_cast<BYTE*>(samples.data()) + done, dwWant, pdwLastReal);
    }
    return samples;
}

std::vector<int16_t> Repeated(const std::vector<int16_t>& samples, std::size_t count)
{
    std::vector<int16_t> out;
    while (out.size() < count)
        out.insert(out.end(), samples.begin(), samples.end());
    out.resize(count);
    return out;
}

class SourceTest : public ::testing::Test {
protected:
    const Sounds& sounds = SharedSounds();
    TempDir dir;
    BoxCapture boxes;
};

TEST_F(SourceTest, OggFormatsFollowTheStream)
{
    const std::string slow = MakeOgg(dir, "slow.ogg", 0.2, 1, 22050);
    struct Case {
        std::string path;
        std::vector<DWORD> format; // tag, channels, rate, bytes a second, block, bits, extra size
    } cases[] = {
        {sounds.blip, {1, 1, 44100, 88200, 2, 16, 18}},
        {sounds.loop, {1, 2, 44100, 176400, 4, 16, 18}},
        {slow, {1, 1, 22050, 44100, 2, 16, 18}},
    };
    for (const Case& c : cases) {
        COggSource source;
        ASSERT_TRUE(source.Open(c.path.c_str()));
        const WAVEFORMATEX& wfx = *source.Format();
        EXPECT_EQ((std::vector<DWORD>{wfx.wFormatTag, wfx.nChannels, wfx.nSamplesPerSec, wfx.nAvgBytesPerSec,
                                      wfx.nBlockAlign, wfx.wBitsPerSample, wfx.cbSize}),
                  c.format)
            << c.path;
        EXPECT_EQ(source.EndFlag(), 0);
    }
}

TEST_F(SourceTest, OggEndDeliversTheLastSoundThenSilenceAndRaisesTheEndFlag)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.blip);
    ASSERT_EQ(decoded.size(), 22050u);
    COggSource source;
    ASSERT_TRUE(source.Open(sounds.blip.c_str()));
    EXPECT_DOUBLE_EQ(source.TotalTime(), 0.5);

    std::vector<int16_t> second(44100, 1);
    DWORD dwReal = 0;
    source.Read(reinterpret_cast<BYTE*>(second.data()), 88200, &dwReal);
    EXPECT_EQ(dwReal, 44100u) << "the sound bytes of the read";
    EXPECT_EQ(source.EndFlag(), 1);
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), second.begin()));
    EXPECT_TRUE(std::all_of(second.begin() + 22050, second.end(), [](int16_t s) { return s == 0; }));

    source.Read(reinterpret_cast<BYTE*>(second.data()), 88200, &dwReal);
    EXPECT_EQ(dwReal, 0u);
    EXPECT_TRUE(std::all_of(second.begin(), second.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(SourceTest, LoopingOggContinuesWithItsFirstSampleWithoutAGap)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.loop);
    COggSource source;
    ASSERT_TRUE(source.Open(sounds.loop.c_str()));
    source.SetLoop(1);
    const std::size_t bytes = 4 * 176400;
    EXPECT_EQ(ReadAll(source, bytes), Repeated(decoded, bytes / 2));
    EXPECT_EQ(source.EndFlag(), 0);
}

TEST_F(SourceTest, SettingTheLoopAfterTheEndStartsTheStreamAgain)
{
    const std::vector<int16_t> decoded = DecodeOgg(sounds.blip);
    COggSource source;
    ASSERT_TRUE(source.Open(sounds.blip.c_str()));
    ReadAll(source, 88200);
    ASSERT_EQ(source.EndFlag(), 1);
    source.SetLoop(1);
    const std::vector<int16_t> again = ReadAll(source, 88200);
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), again.begin()));
    EXPECT_EQ(source.EndFlag(), 1) << "the end flag stays raised";
}

TEST_F(SourceTest, HolesInTheDataAreSkippedAndNeverCountedAsSound)
{
    // Spoil a byte of the middle page: it fails its checksum and leaves a hole in the stream.
    const std::string path = MakeOgg(dir, "holed.ogg", 20.0, 1);
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::size_t> pages;
    for (std::size_t at = bytes.find("OggS"); at != std::string::npos; at = bytes.find("OggS", at + 1))
        pages.push_back(at);
    ASSERT_GT(pages.size(), 4u);
    bytes[pages[pages.size() / 2] + 40] ^= 0x5a;
    std::ofstream(path, std::ios::binary) << bytes;

    const std::vector<int16_t> decoded = DecodeOgg(path);
    ASSERT_LT(decoded.size(), 20u * 44100) << "the hole lost some sound";
    COggSource source;
    ASSERT_TRUE(source.Open(path.c_str()));
    std::vector<int16_t> all(21 * 44100);
    DWORD dwReal = 0;
    EXPECT_TRUE(source.Read(reinterpret_cast<BYTE*>(all.data()), static_cast<DWORD>(all.size() * 2), &dwReal));
    EXPECT_EQ(dwReal, decoded.size() * 2);
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), all.begin()));
    EXPECT_EQ(source.EndFlag(), 1);
}

TEST_F(SourceTest, WavFormatIsEighteenBytesWhateverTheFmtChunk)
{
    for (uint32_t fmtBytes : {16u, 18u}) {
        const std::string path = dir.Path("fmt" + std::to_string(fmtBytes) + ".wav");
        WriteWav(path, {2, 44100, fmtBytes, Ramp(2 * 44100), 0});
        CWavSource source;
        ASSERT_TRUE(source.Open(path.c_str()));
        const WAVEFORMATEX& wfx = *source.Format();
        EXPECT_EQ((std::vector<DWORD>{wfx.wFormatTag, wfx.nChannels, wfx.nSamplesPerSec, wfx.nAvgBytesPerSec,
                                      wfx.nBlockAlign, wfx.wBitsPerSample, wfx.cbSize}),
                  (std::vector<DWORD>{1, 2, 44100, 176400, 4, 16, 18}))
            << fmtBytes;
        EXPECT_DOUBLE_EQ(source.TotalTime(), 1.0);
        EXPECT_EQ(ReadAll(source, 176400), Ramp(2 * 44100));
    }
}

TEST_F(SourceTest, WavEndsLikeTheOggSourceAndYieldsSilenceAfterwards)
{
    const std::string path = dir.Path("short.wav");
    WriteWav(path, {1, 44100, 16, Ramp(30000), 0});
    CWavSource source;
    ASSERT_TRUE(source.Open(path.c_str()));
    DWORD dwReal = 0;
    std::vector<int16_t> samples = ReadAll(source, 88200, &dwReal);
    EXPECT_EQ(dwReal, 60000u);
    EXPECT_EQ(source.EndFlag(), 1);
    EXPECT_TRUE(std::equal(samples.begin(), samples.begin() + 30000, Ramp(30000).begin()));
    EXPECT_TRUE(std::all_of(samples.begin() + 30000, samples.end(), [](int16_t s) { return s == 0; }));
    samples = ReadAll(source, 88200, &dwReal);
    EXPECT_EQ(dwReal, 0u);
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(SourceTest, WavDataChunkClaimingMoreThanTheFileStopsAtTheEndOfTheFile)
{
    const std::string path = dir.Path("truncated.wav");
    WriteWav(path, {1, 44100, 18, Ramp(10000), 1000000});
    CWavSource source;
    ASSERT_TRUE(source.Open(path.c_str()));
    EXPECT_NEAR(source.TotalTime(), 20000.0 / 88200, 1e-9) << "the length of what the file holds";
    DWORD dwReal = 0;
    const std::vector<int16_t> samples = ReadAll(source, 88200, &dwReal);
    EXPECT_EQ(dwReal, 20000u);
    EXPECT_TRUE(std::equal(samples.begin(), samples.begin() + 10000, Ramp(10000).begin()));
    EXPECT_TRUE(std::all_of(samples.begin() + 10000, samples.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(SourceTest, LoopingWavStartsAgainAtItsFirstSample)
{
    const std::string path = dir.Path("loop.wav");
    WriteWav(path, {2, 44100, 16, Ramp(7000), 0});
    CWavSource source;
    ASSERT_TRUE(source.Open(path.c_str()));
    source.SetLoop(1);
    EXPECT_EQ(ReadAll(source, 3 * 176400), Repeated(Ramp(7000), 3 * 88200));
    EXPECT_EQ(source.EndFlag(), 0);
}

TEST_F(SourceTest, TheNameChoosesTheSource)
{
    struct Case {
        const char* name;
        const char* kind;
    } cases[] = {
        {"theme.ogg", "ogg"},  {"theme.OGG", "ogg"},  {"theme.ogg.wav", "ogg"}, {"my.wavetable.ogg", "ogg"},
        {"theme.wav", "wav"},  {"theme.WAV", "wav"},  {"theme.wave", "wav"},    {"theme.Ogg", "none"},
        {"theme.mp3", "none"}, {"theme.Wav", "none"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CSoundSource> source(CreateSoundSource(c.name));
        const char* kind = !source                                      ? "none"
                           : dynamic_cast<COggSource*>(source.get()) ? "ogg"
                                                                       : "wav";
        EXPECT_STREQ(kind, c.kind) << c.name;
    }
}

TEST_F(SourceTest, FilesThatDoNotOpenAreReportedAndNeverUsed)
{
    const std::string notOgg = dir.Path("noise.ogg");
    std::ofstream(notOgg) << "this is not an Ogg Vorbis stream";
    struct Case {
        std::unique_ptr<CSoundSource> source;
        std::string path;
        const char* expression;
    } cases[] = {
        {std::make_unique<COggSource>(), dir.Path("missing.ogg"), "(m_pFile=fopen(m_szFileName,\"rb\"))!=NULL"},
        {std::make_unique<CWavSource>(), dir.Path("missing.wav"), "(m_pFile=fopen(m_szFileName,\"rb\"))!=NULL"},
        {std::make_unique<COggSource>(), notOgg, "(ov_open(m_pFile,&m_ovFile,NULL,0))==0"},
    };
    for (Case& c : cases) {
        BoxCapture capture;
        EXPECT_FALSE(c.source->Open(c.path.c_str()));
        const auto reports = capture.Reports();
        ASSERT_EQ(reports.size(), 1u) << c.path;
        EXPECT_THAT(reports[0].text, HasSubstr(c.expression));
        EXPECT_THAT(reports[0].text, HasSubstr("ostrelclasses"));

        std::vector<int16_t> samples(1000, 7);
        DWORD dwReal = 99;
        EXPECT_FALSE(c.source->Read(reinterpret_cast<BYTE*>(samples.data()), 2000, &dwReal));
        EXPECT_EQ(dwReal, 0u);
        EXPECT_EQ(c.source->EndFlag(), 1);
        EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](int16_t s) { return s == 0; }));
    }
}

} // namespace
