// Conversations through their binder's declared name and a ticking engine.
#include <string>
#include <vector>

#include "tests/warloom/plugin_fixture.h"

namespace {

class DialogTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        speakers = squad("Speakers", 0, 2, 300, 300);
        world.clouds.additionalDelay = 500;
        world.files.insert("hello.ogg");
        world.speechLength["hello.ogg"] = 3000;
        script = world.newList();
    }
    // Lines of (text lines, speech file or "").
    pARRAY lines(const std::vector<std::pair<int32_t, std::string>>& specs)
    {
        pARRAY array = world.newArray();
        for (const auto& [textLines, speech] : specs)
            world.pushElement(array, sim::VarType::Dialog, world.addDialogLine({speakers, speech, textLines}));
        return array;
    }
    // Starts a conversation whose "bDone" is the script variable of that name.
    int32_t start(const pARRAY& array, const char* done = "done", bool pause = false)
    {
        script.addBOOL(done) = false;
        Args args = Args(world).group("Object", speakers).array("DialogArr", array).flag("PauseGame", pause);
        args->addBOOL("bDone");
        args->setREF("bDone", script.getVOID(done));
        return call("ACF_CloudDialog", args);
    }
    pSMARTOBJECT conversation() const { return GameInterface::FindSO("FSM_CloudDialog"); }
    // Ticks until the conversation shows another line or ends; the time it took.
    int32_t nextChange()
    {
        const int32_t line = world.clouds.shownLine;
        const int32_t since = world.now();
        for (int i = 0; i < 500 && world.clouds.shownLine == line && stateOf(conversation()) != "ST_END"; ++i)
            world.Tick();
        return world.now() - since;
    }
    int32_t speakers = -1;
    pParamList script;
};

TEST_F(DialogTest, ALineWithoutSpeechStaysForItsTextTimeAndTheDoneFlagIsSetAtTheEnd)
{
    EXPECT_EQ(call("GET_CloudDialogFree", nullptr), 1);
    EXPECT_EQ(start(lines({{3, ""}, {1, ""}})), 1);
    EXPECT_EQ(stateOf(conversation()), "ST_NEW_MSG");
    EXPECT_STREQ(conversation().getName(), "g_soCloudDialogs");
    EXPECT_EQ(call("GET_CloudDialogFree", nullptr), 0);
    EXPECT_EQ(world.clouds.speakers.size(), 2u);
    EXPECT_EQ(nextChange(), 3 * 2500 + 500 + 100) << "more than 7500 plus the additional delay";
    EXPECT_EQ(nextChange(), 2500 + 500 + 100);
    EXPECT_EQ(stateOf(conversation()), "ST_END");
    EXPECT_TRUE(script.getBOOL("done"));
    EXPECT_TRUE(world.clouds.speakers.empty());
    EXPECT_EQ(world.clouds.shownLine, -1);
    EXPECT_EQ(call("GET_CloudDialogFree", nullptr), 1);
}

TEST_F(DialogTest, ALineWithSpeechStaysWhileItPlaysThenForTheAdditionalDelay)
{
    start(lines({{1, "hello.ogg"}, {1, ""}}));
    EXPECT_TRUE(world.journal.contains("ogg_Play(\"hello.ogg\", 1)"));
    EXPECT_EQ(nextChange(), 3000 + 500 + 100);
    world.soundVolume = 0;
    start(lines({{1, "hello.ogg"}}));
    EXPECT_EQ(world.journal.count("ogg_Play"), 1u) << "silent sound falls back to the text time";
}

TEST_F(DialogTest, SkippingDuringSpeechStopsItAndTheNextLineWaitsTheDelayOnceMore)
{
    start(lines({{1, "hello.ogg"}, {1, ""}, {1, ""}}));
    world.Tick();
    world.clouds.cancelRequested = true;
    world.Tick();
    EXPECT_TRUE(world.journal.contains("ogg_Stop(1)"));
    EXPECT_FALSE(world.clouds.cancelRequested);
    EXPECT_TRUE(conversation().getPARAMS().getBOOL("oggPresent"));
    EXPECT_EQ(nextChange(), 2500 + 500 + 100 + 500 + 100);
}

TEST_F(DialogTest, PausedConversationsAdvanceOnlyOnSkip)
{
    start(lines({{1, ""}, {1, ""}}), "done", true);
    EXPECT_TRUE(world.gamePaused);
    EXPECT_TRUE(world.scriptPaused);
    EXPECT_EQ((std::vector<int32_t>{world.cameraX, world.cameraY}), (std::vector<int32_t>{305, 300}));
    for (int i = 0; i < 100; ++i)
        world.Tick();
    EXPECT_EQ(conversation().getPARAMS().getINT("curID"), 1);
    for (int skip = 0; skip < 2; ++skip) {
        world.clouds.cancelRequested = true;
        world.Tick();
    }
    EXPECT_EQ(stateOf(conversation()), "ST_END");
    EXPECT_FALSE(world.gamePaused);
    EXPECT_FALSE(world.scriptPaused);
}

TEST_F(DialogTest, ANewConversationEndsTheRunningOneAndStartsFromItsFirstLine)
{
    start(lines({{1, ""}, {1, ""}}), "first");
    world.Tick();
    const int32_t second = world.addDialogLine({speakers, "", 2});
    pARRAY other = world.newArray();
    world.pushElement(other, sim::VarType::Dialog, second);
    start(other, "second");
    EXPECT_TRUE(script.getBOOL("first"));
    EXPECT_FALSE(script.getBOOL("second"));
    EXPECT_EQ(world.clouds.shownLine, second);
    EXPECT_EQ(world.journal.count("GET_SO"), 1u) << "one shared smart object";
}

TEST_F(DialogTest, AnEmptyConversationEndsAtOnce)
{
    start(lines({}));
    EXPECT_EQ(stateOf(conversation()), "ST_END");
    EXPECT_TRUE(script.getBOOL("done"));
    EXPECT_FALSE(world.journal.contains("dl_AddCloudDilogSPEAKERS"));
    pParamList question = world.newList();
    question.addBOOL("bFREE") = false;
    EXPECT_EQ(world.send(conversation().id(), "MSG_IS_FREE", question.id()), 1);
    EXPECT_TRUE(question.getBOOL("bFREE"));
}

}  // namespace
