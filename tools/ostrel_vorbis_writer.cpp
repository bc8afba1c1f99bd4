#include "tools/ostrel_vorbis_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace ostrel_tools {

namespace {

constexpr long kBlockFrames = 4096;

struct Encoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool bStarted = false;

    ~Encoder()
    {
        if (bStarted) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

void WritePages(ogg_stream_state& stream, FILE* pFile, bool bFlush)
{
    ogg_page page;
    while (bFlush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), pFile);
        std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), pFile);
    }
}

void WriteHeaders(Encoder& encoder, FILE* pFile)
{
    ogg_packet identification;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    WritePages(encoder.stream, pFile, true);
}

// Hands the encoder what it has been given so far and writes the pages that are complete.
void Drain(Encoder& encoder, FILE* pFile)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet)) {
            ogg_stream_packetin(&encoder.stream, &packet);
            WritePages(encoder.stream, pFile, false);
        }
    }
}

void Feed(Encoder& encoder, const int16_t* pSamples, long frames, int channels)
{
    float** ppBuffer = vorbis_analysis_buffer(&encoder.dsp, static_cast<int>(frames));
    for (long frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channels; ++channel)
            ppBuffer[channel][frame] = pSamples[frame * channels + channel] / 32768.0f;
    vorbis_analysis_wrote(&encoder.dsp, static_cast<int>(frames));
}

} // namespace

bool WriteOggVorbis(const std::string& path, const std::vector<int16_t>& samples, int channels, long rate,
                    float quality)
{
    Encoder encoder;
    vorbis_info_init(&encoder.info);
    vorbis_comment_init(&encoder.comment);
    if (channels < 1 || vorbis_encode_init_vbr(&encoder.info, channels, rate, quality) != 0)
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    vorbis_analysis_init(&encoder.dsp, &encoder.info);
    vorbis_block_init(&encoder.dsp, &encoder.block);
    ogg_stream_init(&encoder.stream, 1);
    encoder.bStarted = true;
    WriteHeaders(encoder, file.get());

    const long totalFrames = static_cast<long>(samples.size()) / channels;
    for (long frame = 0; frame < totalFrames; frame += kBlockFrames) {
        Feed(encoder, samples.data() + frame * channels, std::min(kBlockFrames, totalFrames - frame), channels);
        Drain(encoder, file.get());
    }
    vorbis_analysis_wrote(&encoder.dsp, 0);
    Drain(encoder, file.get());
    WritePages(encoder.stream, file.get(), true);
    return std::ferror(file.get()) == 0;
}

std::vector<int16_t> SineTone(double seconds, int channels, long rate, double hertz, double amplitude)
{
    const auto frames = static_cast<std::size_t>(std::llround(seconds * static_cast<double>(rate)));
    std::vector<int16_t> samples(frames * static_cast<std::size_t>(channels));
    const double pi = std::acos(-1.0);
    const double step = 2.0 * pi * hertz / static_cast<double>(rate);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const auto value = static_cast<int16_t>(std::lrint(amplitude * 32767.0 * std::sin(step * static_cast<double>(frame))));
        for (int channel = 0; channel < channels; ++channel)
            samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)] = value;
    }
    return samples;
}

} // namespace ostrel_tools
