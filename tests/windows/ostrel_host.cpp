// A host of ostrel.dll on the system's own DirectSound: it makes an Ogg Vorbis tune and a WAV tune,
// plays them one after the other on two channels through the nine exports, and reports what the
// library said. What came out of the sound device is checked afterwards from the captured output.
//
//   ostrel_host.exe DIRECTORY
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ostrel/ostrel.h"
#include "tools/ostrel_vorbis_writer.h"

namespace {

constexpr long kRate = 44100;

void put16(std::FILE* file, uint16_t value)
{
    std::fputc(value & 0xFF, file);
    std::fputc(value >> 8, file);
}

void put32(std::FILE* file, uint32_t value)
{
    put16(file, static_cast<uint16_t>(value & 0xFFFF));
    put16(file, static_cast<uint16_t>(value >> 16));
}

// A 16-bit mono RIFF WAV file.
bool writeWav(const std::string& path, const std::vector<int16_t>& samples)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const auto bytes = static_cast<uint32_t>(samples.size() * 2);
    std::fputs("RIFF", file);
    put32(file, 36 + bytes);
    std::fputs("WAVEfmt ", file);
    put32(file, 16);
    put16(file, 1);
    put16(file, 1);
    put32(file, kRate);
    put32(file, kRate * 2);
    put16(file, 2);
    put16(file, 16);
    std::fputs("data", file);
    put32(file, bytes);
    for (int16_t sample : samples)
        put16(file, static_cast<uint16_t>(sample));
    return std::fclose(file) == 0;
}

// Plays a file on a channel and waits until the channel reports it finished; the length it reported.
int playToTheEnd(const std::string& path, BYTE channel)
{
    nvPlay(path.c_str(), channel);
    int length = -1;
    for (int waited = 0; waited < 15000; waited += 50) {
        if (length < 0 && !nvStreamFinished(channel))
            length = nvGetStreamLength(channel);
        if (length >= 0 && nvStreamFinished(channel))
            return length;
        Sleep(50);
    }
    return -2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ostrel_host DIRECTORY\n");
        return 2;
    }
    const std::string directory = argv[1];
    const std::string ogg = directory + "\\tune_440.ogg";
    const std::string wav = directory + "\\tune_880.wav";
    if (!ostrel_tools::WriteOggVorbis(ogg, ostrel_tools::SineTone(2.0, 2, kRate, 440.0, 0.5), 2, kRate, 0.4f) ||
        !writeWav(wav, ostrel_tools::SineTone(1.5, 1, kRate, 880.0, 0.5))) {
        std::fprintf(stderr, "ostrel_host: cannot write the tunes into %s\n", directory.c_str());
        return 1;
    }
    LPDIRECTSOUND sound = nullptr;
    if (FAILED(DirectSoundCreate(nullptr, &sound, nullptr))) {
        std::fprintf(stderr, "ostrel_host: no DirectSound device\n");
        return 1;
    }
    sound->SetCooperativeLevel(GetDesktopWindow(), DSSCL_PRIORITY);
    nvInit(sound);
    const int oggLength = playToTheEnd(ogg, 0);
    const int wavLength = playToTheEnd(wav, 3);
    nvDone();
    sound->Release();
    std::printf("ogg length %d, wav length %d\n", oggLength, wavLength);
    return oggLength == 2 && wavLength == 1 ? 0 : 1;
}
