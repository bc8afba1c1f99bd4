#include "ostrel/channel_table.h"

#include <cmath>

namespace ostrel {

namespace {

template <typename T>
void MergeField(T& live, const T& taken, const T& worked)
{
    if (live == taken)
        live = worked;
}

void MergeRecord(ChannelRecord& live, const ChannelRecord& taken, const ChannelRecord& worked)
{
    // The worker never writes the file name or the fade percent.
    MergeField(live.lCommand, taken.lCommand, worked.lCommand);
    MergeField(live.wStreamLength, taken.wStreamLength, worked.wStreamLength);
    MergeField(live.bFinished, taken.bFinished, worked.bFinished);
    MergeField(live.bLoop, taken.bLoop, worked.bLoop);
    MergeField(live.bStopRequest, taken.bStopRequest, worked.bStopRequest);
    MergeField(live.lVolume, taken.lVolume, worked.lVolume);
}

} // namespace

ChannelRecord IdleRecord()
{
    ChannelRecord record{};
    record.bFadePercent = 100;
    record.bFinished = 1;
    return record;
}

LONG VolumeLevel(BYTE bPercent)
{
    const float fPercent = static_cast<float>(bPercent < 100 ? bPercent : 100);
    const float fRatio = (fPercent + 0.883f) / 101.0f;
    return static_cast<LONG>(2000.0 * std::log(static_cast<double>(fRatio)));
}

void MergeBack(ChannelTable& live, const ChannelTable& taken, const ChannelTable& worked)
{
    for (BYTE bChannel = 0; bChannel < kChannelCount; ++bChannel)
        MergeRecord(live.aChannels[bChannel], taken.aChannels[bChannel], worked.aChannels[bChannel]);
    MergeField(live.bQuit, taken.bQuit, worked.bQuit);
}

} // namespace ostrel
