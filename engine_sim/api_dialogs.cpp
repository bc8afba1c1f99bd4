// Conversations in speech clouds, speech streams, files, the pause and the camera, resources and areas.
#include "engine_sim/api_support.h"

using namespace sim;

namespace {

// How long a speech file plays when the world gives no length for it.
constexpr int32_t kDefaultSpeech = 3000;
constexpr int32_t kStreams = 4;

DialogLine* lineOf(int32_t id)
{
    return world() ? world()->dialogLine(id) : nullptr;
}

SpeechStream* streamOf(int32_t stream)
{
    return world() && stream >= 0 && stream < kStreams ? &world()->streams[stream] : nullptr;
}

// The centre of a group's units, when it has any.
bool centreOf(int32_t group, int32_t& x, int32_t& y)
{
    const UnitSet* set = world() ? world()->group(group) : nullptr;
    if (!set || set->units.empty())
        return false;
    const int32_t count = static_cast<int32_t>(set->units.size());
    x = sumMembers(group, [](const Unit& unit) { return unit.x; }) / count;
    y = sumMembers(group, [](const Unit& unit) { return unit.y; }) / count;
    return true;
}

}  // namespace

bool pSTR_DIALOG::Valid() const { return lineOf(m_id) != nullptr; }

pGroup pSTR_DIALOG::get_Group() const
{
    const DialogLine* line = lineOf(m_id);
    return pGroup(line ? line->group : -1);
}

const char* pSTR_DIALOG::get_ogFile() const
{
    const DialogLine* line = lineOf(m_id);
    return line && !line->speech.empty() ? line->speech.c_str() : nullptr;
}

void GameInterface::dl_AddCloudDilogSPEAKERS(pGroup& speakers)
{
    record("dl_AddCloudDilogSPEAKERS", speakers);
    if (world())
        world()->clouds.speakers.push_back(speakers.id());
}

void GameInterface::dl_ClearCloudDilogSPEAKERS()
{
    record("dl_ClearCloudDilogSPEAKERS");
    if (world())
        world()->clouds.speakers.clear();
}

void GameInterface::dl_ShowCloudDialog(pSTR_DIALOG& line, pGroup& group)
{
    record("dl_ShowCloudDialog", line, group);
    if (world()) {
        world()->clouds.shownLine = line.id();
        world()->clouds.shownGroup = line.get_Group().id();
    }
}

void GameInterface::dl_HideCloudDialog()
{
    record("dl_HideCloudDialog");
    if (world())
        world()->clouds.shownLine = world()->clouds.shownGroup = -1;
}

int32_t GameInterface::dl_GetLineCountInCloudDialog(pSTR_DIALOG& line)
{
    record("dl_GetLineCountInCloudDialog", line);
    const DialogLine* found = lineOf(line.id());
    return found ? found->textLines : 0;
}

int32_t GameInterface::dl_getAdditionalDelay()
{
    return world() ? world()->clouds.additionalDelay : 0;
}

bool GameInterface::dl_GetCloudDilogCancel()
{
    return world() && world()->clouds.cancelRequested;
}

void GameInterface::dl_SetCloudDilogCancel(bool cancel)
{
    record("dl_SetCloudDilogCancel", cancel);
    if (world())
        world()->clouds.cancelRequested = cancel;
}

bool GameInterface::dl_GetCloudDilogCenter()
{
    return world() && world()->clouds.centreRequested;
}

void GameInterface::dl_SetCloudDilogCenter(bool center)
{
    record("dl_SetCloudDilogCenter", center);
    if (world())
        world()->clouds.centreRequested = center;
}

bool GameInterface::dl_getCenterOfSPEAKERS(int32_t& x, int32_t& y, pGroup& group)
{
    record("dl_getCenterOfSPEAKERS", group);
    return centreOf(group.id(), x, y);
}

bool GameInterface::dl_getCurrentSpeakerPosition(int32_t& x, int32_t& y)
{
    record("dl_getCurrentSpeakerPosition");
    return world() && centreOf(world()->clouds.shownGroup, x, y);
}

void GameInterface::ScrollToPositionOnMap(int32_t x, int32_t y, int32_t speed)
{
    record("ScrollToPositionOnMap", x, y, speed);
    if (world()) {
        world()->cameraX = x;
        world()->cameraY = y;
    }
}

void GameInterface::SetLockPause(bool pause)
{
    record("SetLockPause", pause);
    if (world())
        world()->gamePaused = pause;
}

void GameInterface::PauseScript()
{
    record("PauseScript");
    if (world())
        world()->scriptPaused = true;
}

void GameInterface::RunScript()
{
    record("RunScript");
    if (world())
        world()->scriptPaused = false;
}

bool GameInterface::FilePresent(const char* file)
{
    record("FilePresent", file);
    return world() && file && world()->files.count(file) > 0;
}

int32_t GameInterface::ogg_GetSoundVolume()
{
    return world() ? world()->soundVolume : 0;
}

void GameInterface::ogg_Play(const char* file, int32_t stream)
{
    record("ogg_Play", file, stream);
    if (SpeechStream* playing = streamOf(stream))
        *playing = SpeechStream{file ? file : "", world()->now(), true};
}

void GameInterface::ogg_Stop(int32_t stream)
{
    record("ogg_Stop", stream);
    if (SpeechStream* playing = streamOf(stream))
        playing->playing = false;
}

bool GameInterface::ogg_StreamFinished(int32_t stream)
{
    const SpeechStream* playing = streamOf(stream);
    if (!playing || !playing->playing)
        return true;
    auto length = world()->speechLength.find(playing->file);
    return world()->now() - playing->startedAt >= (length == world()->speechLength.end() ? kDefaultSpeech : length->second);
}

// --- Resources, senders and areas

int32_t GameInterface::GetResource(int32_t nation, int32_t resource)
{
    record("GetResource", nation, resource);
    if (!world())
        return 0;
    auto found = world()->resources.find({nation, resource});
    return found == world()->resources.end() ? 0 : found->second;
}

// Fails for a nation outside 0 to 7 and for a charge the nation cannot pay.
bool GameInterface::AddRessource(int32_t nation, int32_t resource, int32_t amount)
{
    record("AddRessource", nation, resource, amount);
    if (!world() || nation < 0 || nation >= kNations)
        return false;
    int32_t& stock = world()->resources[{nation, resource}];
    if (static_cast<int64_t>(stock) + amount < 0)
        return false;
    stock += amount;
    return true;
}

int32_t GameInterface::GetMsgSenderNation(pSMARTOBJECT& sender)
{
    record("GetMsgSenderNation", sender);
    const SmartObject* found = world() ? world()->smartObject(sender.id()) : nullptr;
    const Unit* first = found ? memberAt(found->group, 0) : nullptr;
    return first ? first->nation : -1;
}

int32_t GameInterface::GetAreaX(int32_t area, int32_t level)
{
    record("GetAreaX", area, level);
    const Area* found = world() ? world()->area(area) : nullptr;
    return found ? found->cellX : -1;
}

int32_t GameInterface::GetAreaY(int32_t area, int32_t level)
{
    record("GetAreaY", area, level);
    const Area* found = world() ? world()->area(area) : nullptr;
    return found ? found->cellY : -1;
}
