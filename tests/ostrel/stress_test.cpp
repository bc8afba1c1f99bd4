// Several host threads calling every export at once while streams play in real time: no request lost
// to a deadlock, and a clean run under the thread sanitizer.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "ostrel/ostrel.h"
#include "tests/ostrel/fixtures.h"

namespace {

using namespace ostrel_test;

void CallExports(unsigned seed, const std::vector<std::string>& files, int calls)
{
    std::mt19937 random(seed);
    for (int i = 0; i < calls; ++i) {
        const auto bChannel = static_cast<BYTE>(random() % 6); // 5 is outside the table
        const auto bPercent = static_cast<BYTE>(random() % 120);
        switch (random() % 7) {
        case 0: nvPlay(files[random() % files.size()].c_str(), bChannel); break;
        case 1: nvStop(bChannel); break;
        case 2: nvSetVolume(bPercent, bChannel); break;
        case 3: nvFadeVolume(bPercent, bChannel); break;
        case 4: nvCyclic(static_cast<BYTE>(random() % 2), bChannel); break;
        case 5: nvGetStreamLength(bChannel); break;
        default: nvStreamFinished(bChannel); break;
        }
    }
}

TEST(StressTest, ThreadsCallingExportsWhileStreamsPlay)
{
    TempDir dir;
    const std::vector<std::string> files = {MakeOgg(dir, "a.ogg", 1.2, 2), MakeOgg(dir, "b.ogg", 0.8, 1),
                                            MakeOgg(dir, "c.ogg", 2.5, 1)};
    BoxCapture boxes;
    platform::SoftDirectSound* pDevice = platform::CreateSoftDirectSound(platform::OpenNullOutput());
    nvInit(pDevice);
    for (BYTE bChannel = 0; bChannel < 5; ++bChannel)
        nvPlay(files[bChannel % 3].c_str(), bChannel);

    std::vector<std::thread> threads;
    for (unsigned seed = 1; seed <= 4; ++seed)
        threads.emplace_back(CallExports, seed, std::cref(files), 30);
    for (std::thread& thread : threads)
        thread.join();

    nvDone();
    EXPECT_EQ(pDevice->BufferCount(), 0u);
    pDevice->Release();
    for (const std::string& text : boxes.Texts())
        EXPECT_EQ(text, "1") << "only refusals of a third stereo or fourth mono stream";
}

} // namespace
