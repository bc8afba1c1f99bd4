// The volume formula and the write-back of the worker's snapshot.
#include <gtest/gtest.h>

#include "ostrel/channel_table.h"

namespace {

using namespace ostrel;

TEST(ChannelTableTest, VolumeLevelsOfPercents)
{
    const std::pair<int, LONG> cases[] = {{0, -9479},  {1, -7964}, {10, -4455}, {25, -2723}, {50, -1371},
                                          {75, -571},  {90, -211}, {99, -22},   {100, -2},   {250, -2}};
    for (const auto& [percent, level] : cases)
        EXPECT_EQ(VolumeLevel(static_cast<BYTE>(percent)), level) << percent;
}

// The worker took a play, started it and reached its level while the exports wrote to the table.
TEST(ChannelTableTest, WriteBackKeepsWhatTheExportsWroteDuringThePass)
{
    ChannelTable taken{};
    for (ChannelRecord& record : taken.aChannels)
        record = IdleRecord();
    taken.aChannels[0].lCommand = kCommandPlay;
    taken.aChannels[0].lVolume = -1371;

    ChannelTable worked = taken;
    worked.aChannels[0].lCommand = kCommandNone;
    worked.aChannels[0].bFinished = 0;
    worked.aChannels[0].wStreamLength = 95;
    worked.aChannels[0].lVolume = 1371;
    worked.aChannels[1].bFinished = 0;

    ChannelTable live = taken;
    live.aChannels[0].lCommand = kCommandFade; // a fade replaced the play the worker was taking
    live.aChannels[1].lVolume = -211;          // a new level
    live.aChannels[2].bStopRequest = 1;
    live.bQuit = 1;

    MergeBack(live, taken, worked);
    EXPECT_EQ(live.aChannels[0].lCommand, kCommandFade);
    EXPECT_EQ(live.aChannels[0].bFinished, 0);
    EXPECT_EQ(live.aChannels[0].wStreamLength, 95);
    EXPECT_EQ(live.aChannels[0].lVolume, 1371);
    EXPECT_EQ(live.aChannels[1].bFinished, 0);
    EXPECT_EQ(live.aChannels[1].lVolume, -211);
    EXPECT_EQ(live.aChannels[2].bStopRequest, 1);
    EXPECT_EQ(live.bQuit, 1);
}

} // namespace
