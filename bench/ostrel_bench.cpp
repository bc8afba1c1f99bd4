// ostrel's costs: one second of decoding through the Ogg Vorbis source against a plain vorbisfile loop,
// the worker's CPU share with five streams playing, and the time from nvPlay to the first sound.
#include <benchmark/benchmark.h>
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

#include "ostrel/ostrel.h"
#include "ostrel/ostrelclasses.h"
#include "platform/soft_dsound.h"
#include "tools/ostrel_vorbis_writer.h"

namespace {

constexpr DWORD kStereoSecond = 176400;

// Two stereo and one mono file of 10 s, made once; the quality is the example tune's.
const std::string& BenchFile(int channels)
{
    static const auto make = [](int count) {
        const std::string path =
            (std::filesystem::temp_directory_path() / ("ostrel-bench-" + std::to_string(count) + ".ogg")).string();
        ostrel_tools::WriteOggVorbis(path, ostrel_tools::SineTone(10.0, count, 44100, 440.0, 0.5), count, 44100, 0.4f);
        return path;
    };
    static const std::string stereo = make(2);
    static const std::string mono = make(1);
    return channels == 2 ? stereo : mono;
}

void BM_OggSourceRead(benchmark::State& state)
{
    ostrel::COggSource source;
    source.Open(BenchFile(2).c_str());
    source.SetLoop(1);
    std::vector<BYTE> second(kStereoSecond);
    for (auto _ : state) {
        source.Read(second.data(), kStereoSecond);
        benchmark::DoNotOptimize(second.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kStereoSecond);
}
BENCHMARK(BM_OggSourceRead)->Unit(benchmark::kMillisecond);

void BM_PlainVorbisfileRead(benchmark::State& state)
{
    OggVorbis_File file;
    ov_fopen(BenchFile(2).c_str(), &file);
    std::vector<char> second(kStereoSecond);
    int section = 0;
    for (auto _ : state) {
        for (long done = 0; done < static_cast<long>(kStereoSecond);) {
            const long got = ov_read(&file, second.data() + done, static_cast<int>(kStereoSecond - done), 0, 2, 1,
                                     &section);
            if (got == 0)
                ov_pcm_seek(&file, 0);
            done += got > 0 ? got : 0;
        }
        benchmark::DoNotOptimize(second.data());
    }
    ov_clear(&file);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kStereoSecond);
}
BENCHMARK(BM_PlainVorbisfileRead)->Unit(benchmark::kMillisecond);

double CpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Five looping streams for 10 s of real time. This thread moves the manual clock (and so does all the
// mixing); every other CPU second of the process is the worker's.
void BM_WorkerCpuShare(benchmark::State& state)
{
    for (auto _ : state) {
        platform::SoftDirectSound* pDevice = platform::CreateSoftDirectSound(nullptr, platform::Clock::Manual);
        nvInit(pDevice);
        for (BYTE bChannel = 0; bChannel < 5; ++bChannel) {
            nvPlay(BenchFile(bChannel < 2 ? 2 : 1).c_str(), bChannel);
            nvCyclic(1, bChannel);
        }
        const double processStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double threadStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        const auto start = std::chrono::steady_clock::now();
        for (int tick = 1; tick <= 2000; ++tick) {
            std::this_thread::sleep_until(start + std::chrono::milliseconds(5 * tick));
            pDevice->Advance(static_cast<DWORD>(220 + tick % 2));
        }
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double worker = (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart) -
                              (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - threadStart);
        state.counters["worker_cpu_percent"] = 100.0 * worker / wall;
        nvDone();
        pDevice->Release();
    }
}
BENCHMARK(BM_WorkerCpuShare)->Iterations(1)->Unit(benchmark::kSecond);

// Notes when the first frame that is not silent reaches the output.
class FirstSoundOutput final : public platform::AudioOutput {
public:
    explicit FirstSoundOutput(std::atomic<int64_t>& heard) : m_heard(heard) {}
    void Write(const int16_t* pFrames, std::size_t frameCount) override
    {
        for (std::size_t i = 0; i < 2 * frameCount && m_heard.load() == 0; ++i)
            if (pFrames[i] != 0)
                m_heard = std::chrono::steady_clock::now().time_since_epoch().count();
    }

private:
    std::atomic<int64_t>& m_heard;
};

// From nvPlay to the first sound the real-time mixer renders (the sound card's own latency not included).
void BM_PlayToFirstSound(benchmark::State& state)
{
    std::atomic<int64_t> heard{0};
    platform::SoftDirectSound* pDevice =
        platform::CreateSoftDirectSound(std::make_unique<FirstSoundOutput>(heard), platform::Clock::RealTime);
    nvInit(pDevice);
    BenchFile(2);
    for (auto _ : state) {
        heard = 0;
        const auto start = std::chrono::steady_clock::now();
        nvPlay(BenchFile(2).c_str(), 0);
        while (heard.load() == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const auto latency = std::chrono::steady_clock::duration(heard.load()) - start.time_since_epoch();
        state.SetIterationTime(std::chrono::duration<double>(latency).count());
        nvStop(0);
        while (!nvStreamFinished(0))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    nvDone();
    pDevice->Release();
}
BENCHMARK(BM_PlayToFirstSound)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
