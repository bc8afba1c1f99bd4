#include "tests/ostrel/fixtures.h"

#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/ostrel_vorbis_writer.h"

namespace ostrel_test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ostrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::string MakeOgg(const TempDir& dir, const std::string& name, double seconds, int channels, long rate)
{
    std::vector<int16_t> samples = ostrel_tools::SineTone(seconds, channels, rate, 440.0, 0.5);
    for (std::size_t i = 0; i < samples.size(); ++i) // a slow swell, so that seconds differ
        samples[i] = static_cast<int16_t>(samples[i] * (0.5 + 0.5 * std::sin(static_cast<double>(i) / 20000.0)));
    const std::string path = dir.Path(name);
    if (!ostrel_tools::WriteOggVorbis(path, samples, channels, rate, -0.1f))
        throw std::runtime_error("cannot encode " + path);
    return path;
}

const Sounds& SharedSounds()
{
    static const Sounds* s_sounds = [] {
        auto* sounds = new Sounds;
        sounds->music = MakeOgg(sounds->dir, "music.ogg", 3.0, 2);
        sounds->speech = MakeOgg(sounds->dir, "speech.ogg", 3.0, 1);
        sounds->blip = MakeOgg(sounds->dir, "blip.ogg", 0.5, 1);
        sounds->loop = MakeOgg(sounds->dir, "loop.ogg", 2.5, 2);
        return sounds;
    }();
    return *s_sounds;
}

std::vector<int16_t> DecodeOgg(const std::string& path)
{
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        throw std::runtime_error("cannot decode " + path);
    std::vector<int16_t> samples;
    char buffer[4096];
    int section = 0;
    for (long got; (got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section)) != 0;) {
        if (got == OV_HOLE)
            continue;
        if (got < 0)
            break;
        const auto* first = reinterpret_cast<const int16_t*>(buffer);
        samples.insert(samples.end(), first, first + got / 2);
    }
    ov_clear(&file);
    return samples;
}

namespace {

void Put(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void WriteWav(const std::string& path, const WavFile& wav)
{
    const auto dataBytes = static_cast<uint32_t>(wav.samples.size() * 2);
    std::string fmt;
    Put(fmt, 1, 2);
    Put(fmt, static_cast<uint32_t>(wav.channels), 2);
    Put(fmt, wav.rate, 4);
    Put(fmt, wav.rate * static_cast<uint32_t>(wav.channels) * 2, 4);
    Put(fmt, static_cast<uint32_t>(wav.channels) * 2, 2);
    Put(fmt, 16, 2);
    if (wav.fmtBytes == 18)
        Put(fmt, 0, 2);
    std::string body = "WAVEfmt ";
    Put(body, static_cast<uint32_t>(fmt.size()), 4);
    body += fmt + "data";
    Put(body, wav.claimedDataBytes ? wav.claimedDataBytes : dataBytes, 4);
    for (int16_t sample : wav.samples)
        Put(body, static_cast<uint16_t>(sample), 2);
    std::string file = "RIFF";
    Put(file, static_cast<uint32_t>(body.size()), 4);
    std::ofstream(path, std::ios::binary) << file << body;
}

std::vector<int16_t> Ramp(std::size_t count)
{
    std::vector<int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<int16_t>(static_cast<int>(i % 2000) * 16 - 16000);
    return samples;
}

std::vector<int16_t> ReadWavOutput(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() > 44 ? (bytes.size() - 44) / 2 : 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[44 + 2 * i]) |
                                          static_cast<uint8_t>(bytes[45 + 2 * i]) << 8);
    return samples;
}

std::vector<int16_t> ToStereo(const std::vector<int16_t>& mono)
{
    std::vector<int16_t> stereo;
    stereo.reserve(2 * mono.size());
    for (int16_t sample : mono)
        stereo.insert(stereo.end(), {sample, sample});
    return stereo;
}

BoxCapture::BoxCapture()
{
    platform::SetReportSink([this](const platform::Report& report) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reports.push_back(report);
    });
}

BoxCapture::~BoxCapture()
{
    platform::SetReportSink(nullptr);
}

std::vector<platform::Report> BoxCapture::Reports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reports;
}

std::vector<std::string> BoxCapture::Texts() const
{
    std::vector<std::string> texts;
    for (const platform::Report& report : Reports())
        texts.push_back(report.text);
    return texts;
}

} // namespace ostrel_test
