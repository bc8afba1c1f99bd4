// ostrel-play: plays sound files on ostrel's channels, through its nine exports only, to the sound card
// or a WAV file, and ends when every channel reports finished.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ostrel/ostrel.h"
#include "platform/soft_dsound.h"

namespace {

constexpr int kChannels = 5;
constexpr auto kTick = std::chrono::milliseconds(100);

const char* const kUsage =
    "usage: ostrel-play [--out FILE.wav] [--device NAME] [track options] FILE [[track options] FILE ...]\n"
    "  --out FILE.wav   write what is played to a WAV file instead of the sound card\n"
    "  --device NAME    the ALSA device of the sound card (default: default)\n"
    "track options, for the FILE that follows them:\n"
    "  -c, --channel N  channel 0 to 4 (default: the lowest one not taken)\n"
    "  -v, --volume P   volume in percent, set before the play\n"
    "  -f, --fade P     fade to P percent once the play has started\n"
    "  -l, --loop       loop the file until it is stopped\n"
    "  -s, --stop SEC   stop the channel (with its fade-out) SEC seconds after its start\n";

using Clock = std::chrono::steady_clock;

struct Track {
    std::string path;
    int channel = -1;
    int volume = -1;
    int fade = -1;
    bool loop = false;
    double stopAfter = -1;
    WORD length = 0;
    bool stopped = false;
    bool finished = false;
};

struct Options {
    std::string out;
    std::string device = "default";
    std::vector<Track> tracks;
};

volatile std::sig_atomic_t s_interrupted = 0;

void OnInterrupt(int)
{
    s_interrupted = 1;
}

bool ParseNumber(const char* text, double low, double high, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= low && value <= high;
}

// Reads the option at argv[i] (and its value) into the options or the next track; false with a message.
bool ParseOption(int argc, char** argv, int& i, Options& options, Track& next, std::string& error)
{
    const std::string option = argv[i];
    if (option == "-l" || option == "--loop") {
        next.loop = true;
        return true;
    }
    if (i + 1 >= argc) {
        error = option + " needs a value";
        return false;
    }
    const char* value = argv[++i];
    double number = 0;
    if (option == "--out")
        options.out = value;
    else if (option == "--device")
        options.device = value;
    else if ((option == "-c" || option == "--channel") && ParseNumber(value, 0, kChannels - 1, number))
        next.channel = static_cast<int>(number);
    else if ((option == "-v" || option == "--volume") && ParseNumber(value, 0, 255, number))
        next.volume = static_cast<int>(number);
    else if ((option == "-f" || option == "--fade") && ParseNumber(value, 0, 255, number))
        next.fade = static_cast<int>(number);
    else if ((option == "-s" || option == "--stop") && ParseNumber(value, 0, 1e6, number))
        next.stopAfter = number;
    else {
        error = "bad option or value: " + option + " " + value;
        return false;
    }
    return true;
}

// Gives every track without a channel the lowest free one; false when channels clash or run out.
bool AssignChannels(std::vector<Track>& tracks, std::string& error)
{
    bool taken[kChannels] = {};
    for (const Track& track : tracks) {
        if (track.channel < 0)
            continue;
        if (taken[track.channel]) {
            error = "channel " + std::to_string(track.channel) + " is given twice";
            return false;
        }
        taken[track.channel] = true;
    }
    for (Track& track : tracks) {
        for (int channel = 0; track.channel < 0 && channel < kChannels; ++channel)
            if (!taken[channel])
                taken[track.channel = channel] = true;
        if (track.channel < 0) {
            error = "more files than the five channels";
            return false;
        }
    }
    return true;
}

bool ParseArguments(int argc, char** argv, Options& options, std::string& error)
{
    Track next;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            next.path = argv[i];
            options.tracks.push_back(next);
            next = Track();
        } else if (!ParseOption(argc, argv, i, options, next, error)) {
            return false;
        }
    }
    if (options.tracks.empty()) {
        error = "no file to play";
        return false;
    }
    return AssignChannels(options.tracks, error);
}

std::unique_ptr<platform::AudioOutput> OpenOutput(const Options& options)
{
    if (!options.out.empty())
        return platform::OpenWavOutput(options.out);
    auto output = platform::OpenCardOutput(options.device);
    if (!output) {
        std::fprintf(stderr, "ostrel-play: no sound card \"%s\"; playing to no output\n", options.device.c_str());
        output = platform::OpenNullOutput();
    }
    return output;
}

void StartTrack(Track& track)
{
    const auto channel = static_cast<BYTE>(track.channel);
    if (track.volume >= 0)
        nvSetVolume(static_cast<BYTE>(track.volume), channel);
    nvPlay(track.path.c_str(), channel);
    track.length = nvGetStreamLength(channel); // waits until the worker has started the stream
    if (track.loop)
        nvCyclic(1, channel);
    if (track.fade >= 0)
        nvFadeVolume(static_cast<BYTE>(track.fade), channel);
}

// One look at every channel: stops the ones that are due, notes the finished ones; true when all are.
bool Poll(std::vector<Track>& tracks, double elapsed)
{
    bool allFinished = true;
    for (Track& track : tracks) {
        const auto channel = static_cast<BYTE>(track.channel);
        if (!track.stopped && track.stopAfter >= 0 && elapsed >= track.stopAfter) {
            nvStop(channel);
            track.stopped = true;
        }
        track.finished = track.finished || nvStreamFinished(channel) != 0;
        allFinished = allFinished && track.finished;
    }
    return allFinished;
}

void ShowProgress(const std::vector<Track>& tracks, double elapsed, bool terminal)
{
    std::string line;
    for (const Track& track : tracks) {
        char part[64];
        if (track.finished)
            std::snprintf(part, sizeof part, "ch%d done", track.channel);
        else
            std::snprintf(part, sizeof part, "ch%d %5.1f / %u s", track.channel, elapsed, unsigned{track.length});
        line += (line.empty() ? "" : "  |  ") + std::string(part);
    }
    std::printf(terminal ? "\r%s   " : "%s\n", line.c_str());
    std::fflush(stdout);
}

void PlayAll(std::vector<Track>& tracks)
{
    for (Track& track : tracks)
        StartTrack(track);
    const bool terminal = isatty(STDOUT_FILENO) != 0;
    const Clock::time_point start = Clock::now();
    for (int tick = 0; !s_interrupted; ++tick) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        const bool allFinished = Poll(tracks, elapsed);
        if (terminal || tick % 10 == 0 || allFinished)
            ShowProgress(tracks, elapsed, terminal);
        if (allFinished)
            break;
        std::this_thread::sleep_for(kTick);
    }
    if (terminal)
        std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!ParseArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "ostrel-play: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    auto output = OpenOutput(options);
    if (!output) {
        std::fprintf(stderr, "ostrel-play: cannot write %s\n", options.out.c_str());
        return 1;
    }
    std::signal(SIGINT, OnInterrupt);
    platform::SoftDirectSound* pDirectSound = platform::CreateSoftDirectSound(std::move(output));
    nvInit(pDirectSound);
    PlayAll(options.tracks);
    nvDone();
    pDirectSound->Release();
    if (!options.out.empty())
        std::printf("ostrel-play: wrote %s\n", options.out.c_str());
    return s_interrupted ? 130 : 0;
}
