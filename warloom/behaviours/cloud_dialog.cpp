// Cloud dialog: a scripted conversation shown line by line in speech clouds over the speakers, with
// recorded speech where a file exists, skip and centre requests, and an optional game pause. All
// conversations share one smart object; starting one ends the one running.
#include "warloom/behaviours/conventions.h"
#include "warloom/core/helpers.h"
#include "warloom/core/params.h"
#include "warloom/core/script.h"

using namespace warloom;

namespace {

constexpr const char* kInstanceName = "g_soCloudDialogs";
constexpr const char* kLines = "DialogArr";
constexpr const char* kDone = "bDone";
constexpr const char* kPauseGame = "PauseGame";
constexpr const char* kNext = "curID";
constexpr const char* kDelay = "delay";
constexpr const char* kSince = "time";
constexpr const char* kSpeaking = "oggPresent";
constexpr const char* kPause = "Pause";

constexpr int32_t kPerTextLine = 2500;
constexpr int32_t kSpeechAtLeast = 1000;
constexpr int32_t kSpeechStream = 1;
constexpr int32_t kScrollSpeed = 400;

void addTimingVariables(pParamList& params)
{
    params.addINT(kNext) = 0;
    params.addINT(kDelay);
    params.addINT(kSince);
    params.addBOOL(kSpeaking) = false;
}

bool inState(pSMARTOBJECT& so, const char* state)
{
    return std::strcmp(so.getSTATE(), state) == 0;
}

// The conversation's smart object, made and named on first use; invalid when none can be had.
pSMARTOBJECT conversationObject()
{
    pSMARTOBJECT so = GameInterface::FindSO(kind::kCloudDialog);
    if (!so.Valid()) {
        so = GameInterface::GET_SO(kind::kCloudDialog);
        if (so.Valid())
            so.setName(kInstanceName);
    } else if (inState(so, state::kNewMessage)) {
        GameInterface::SendMSG(msg::kExit, so, so);  // ends the running conversation
    }
    return so;
}

// --- States

int dialogGlobal(Machine& m)
{
    addTimingVariables(m.params);
    m.changeTo(state::kEnd);
    return 1;
}

int dialogEnd(Machine& m)
{
    if (!m.is(msg::kRun))
        return 1;
    m.params.getINT(kNext) = 0;
    if (m.params.check(kLines)) {
        pARRAY lines = m.params.getARRAY(kLines);
        for (int32_t i = 0; i < lines.getSIZE(); ++i) {
            pGroup speakers = lines.getDIALOG(i).get_Group();
            GameInterface::dl_AddCloudDilogSPEAKERS(speakers);
        }
    }
    m.changeTo(state::kNewMessage);
    return 1;
}

void startSpeech(pParamList& p, pSTR_DIALOG& line)
{
    const char* file = line.get_ogFile();
    if (!file || !GameInterface::FilePresent(file) || GameInterface::ogg_GetSoundVolume() == 0)
        return;
    GameInterface::ogg_Play(file, kSpeechStream);
    p.getBOOL(kSpeaking) = true;
    p.getINT(kDelay) = kSpeechAtLeast;
}

void pauseForFirstLine(Machine& m)
{
    if (!m.params.getBOOL(kPause) || m.params.getINT(kNext) != 0)
        return;
    GameInterface::SetLockPause(true);
    GameInterface::PauseScript();
    int32_t x = 0;
    int32_t y = 0;
    if (GameInterface::dl_getCenterOfSPEAKERS(x, y, m.group))
        GameInterface::ScrollToPositionOnMap(x, y, kScrollSpeed);
}

// Shows the next line; after the last one the conversation ends.
int showNextLine(Machine& m)
{
    pParamList& p = m.params;
    if (!p.check(kLines))
        return 0;
    pARRAY lines = p.getARRAY(kLines);
    int32_t& next = p.getINT(kNext);
    if (next >= lines.getSIZE()) {
        m.changeTo(state::kEnd);
        return 1;
    }
    pSTR_DIALOG line = lines.getDIALOG(next);
    p.getINT(kDelay) = kPerTextLine * GameInterface::dl_GetLineCountInCloudDialog(line) +
                       GameInterface::dl_getAdditionalDelay();
    p.getINT(kSince) = GameInterface::GetGlobalTime();
    GameInterface::dl_ShowCloudDialog(line, m.group);
    startSpeech(p, line);
    pauseForFirstLine(m);
    ++p.getINT(kNext);
    return 1;
}

void followRequests(Machine& m)
{
    if (GameInterface::dl_GetCloudDilogCancel()) {
        GameInterface::dl_SetCloudDilogCancel(false);
        GameInterface::ogg_Stop(kSpeechStream);
        m.sendSelf(msg::kEnter);
    }
    if (GameInterface::dl_GetCloudDilogCenter()) {
        GameInterface::dl_SetCloudDilogCenter(false);
        int32_t x = 0;
        int32_t y = 0;
        if (GameInterface::dl_getCurrentSpeakerPosition(x, y))
            GameInterface::ScrollToPositionOnMap(x, y, kScrollSpeed);
    }
}

// A line stays up for its time; one with speech until the speech has finished and the additional
// delay after it.
void followTime(Machine& m)
{
    pParamList& p = m.params;
    if (p.getBOOL(kPause) || GameInterface::GetGlobalTime() - p.getINT(kSince) <= p.getINT(kDelay))
        return;
    if (p.getBOOL(kSpeaking) && GameInterface::ogg_StreamFinished(kSpeechStream)) {
        p.getBOOL(kSpeaking) = false;
        p.getINT(kSince) = GameInterface::GetGlobalTime();
        p.getINT(kDelay) = GameInterface::dl_getAdditionalDelay();
    } else if (!p.getBOOL(kSpeaking)) {
        m.sendSelf(msg::kEnter);
    }
}

void endConversation(Machine& m)
{
    pParamList& p = m.params;
    if (p.check(kDone)) {
        p.getBOOL(kDone) = true;
        p.setREF(kDone, nullptr);
    }
    GameInterface::dl_ClearCloudDilogSPEAKERS();
    GameInterface::dl_HideCloudDialog();
    if (p.getBOOL(kPause)) {
        GameInterface::SetLockPause(false);
        GameInterface::RunScript();
    }
}

int dialogNewMessage(Machine& m)
{
    if (m.is(msg::kEnter))
        return showNextLine(m);
    if (m.is(msg::kUpdate)) {
        followRequests(m);
        followTime(m);
    } else if (m.is(msg::kExit)) {
        endConversation(m);
    }
    return 1;
}

const StateRoute kDialogStates[] = {
    {state::kGlobal, dialogGlobal},
    {state::kNewMessage, dialogNewMessage},
    {state::kEnd, dialogEnd},
};

}  // namespace

WARLOOM_EXPORT int ACF_CloudDialog(pParamList* list)
{
    pSMARTOBJECT so = conversationObject();
    pParamList params = so.getPARAMS();
    if (!params.Valid())
        return 0;
    params.CLEAR();
    pGroup speakers;
    pARRAY lines;
    if (!Params(list).read(var::kObject, speakers))
        return 0;
    so.setOBJ(speakers.getName());
    if (!Params(list).read(kLines, lines))
        return 0;
    params.addARRAY(kLines);
    params.setREF(kLines, lines);
    params.addBOOL(kDone);
    params.setREF(kDone, list->check(kDone) ? list->getVOID(kDone) : nullptr);
    addTimingVariables(params);
    params.addBOOL(kPause) = list->check(kPauseGame) && list->getBOOL(kPauseGame);
    if (so.getSTATE()[0] == '\0') {
        so.setSTATE(state::kGlobal);
        GameInterface::SendMSG(msg::kEnter, so, so);
    }
    so.setSTATE(state::kEnd);
    so.FSC(false);
    GameInterface::SendMSG(msg::kRun, so, so);
    return 1;
}

// 1 when no conversation runs.
WARLOOM_EXPORT int GET_CloudDialogFree(pParamList*)
{
    pSMARTOBJECT so = GameInterface::FindSO(kind::kCloudDialog);
    if (!so.Valid() || so.getSTATE()[0] == '\0')
        return 1;
    return inState(so, state::kEnd) ? 1 : 0;
}

WARLOOM_EXPORT int FSM_CloudDialog(pSMARTOBJECT& so, _str& state, pMSG& message)
{
    if (!prologue(so, state, message))
        return 0;
    if (AnswerIsFree(message, std::strcmp(state.pchar(), state::kEnd) == 0))
        return 1;
    return runState(so, state, message, kDialogStates);
}
