// Parameter lists of the simulated engine: typed variables, bindings, live links and clearing.
#include <gtest/gtest.h>

#include "engine_sim/world.h"

namespace {

class ParamListTest : public ::testing::Test {
protected:
    sim::World world;
    pParamList script = world.newList();
    pParamList machine = world.newList();
};

TEST_F(ParamListTest, ReadersGiveTheListsOwnValuesAndMissingNamesReadAsZero)
{
    script.addINT("iX") = 7;
    script.addBOOL("bOn") = true;
    script.addSTR("strName") = "hello";
    script.getINT("iX") += 1;

    EXPECT_EQ(script.getINT("iX"), 8);
    EXPECT_TRUE(script.getBOOL("bOn"));
    EXPECT_STREQ(script.getSTR("strName").pchar(), "hello");
    EXPECT_TRUE(script.check("iX"));
    EXPECT_FALSE(script.check("iY"));
    EXPECT_EQ(script.getINT("iY"), 0);
    EXPECT_EQ(script.getINT("bOn"), 0) << "a variable read with another type reads as missing";
    EXPECT_FALSE(script.getGROUP("iX").Valid());
}

TEST_F(ParamListTest, ObjectVariablesDenoteTheObjectNotACopy)
{
    const int32_t node = world.addNode(10, 20, 30);
    machine.addNODE("nPost");
    machine.setREF("nPost", iNode(node));
    machine.getNODE("nPost").setX(99);
    EXPECT_EQ(world.node(node)->x, 99);

    pGroup created = machine.addGROUP("EnemyGroup");
    EXPECT_TRUE(created.Valid());
    EXPECT_EQ(machine.getGROUP("EnemyGroup").id(), created.id());
}

TEST_F(ParamListTest, LiveLinkReadsAndWritesTheScriptsVariable)
{
    script.addINT("wait") = 10;
    machine.addINT("wait");
    machine.setREF("wait", script.getVOID("wait"));
    EXPECT_FALSE(machine.IsLocal("wait"));
    EXPECT_TRUE(script.IsLocal("wait"));

    script.getINT("wait") = 25;
    EXPECT_EQ(machine.getINT("wait"), 25);
    machine.getINT("wait") = 3;
    EXPECT_EQ(script.getINT("wait"), 3);

    machine.setREF("wait", nullptr);
    machine.getINT("wait") = 40;
    EXPECT_EQ(script.getINT("wait"), 3) << "an unbound variable keeps its own value";
}

TEST_F(ParamListTest, LinkToAVariableThatIsGoneFallsBackToOwnValue)
{
    script.addBOOL("bDone");
    machine.addBOOL("bDone");
    machine.setREF("bDone", script.getVOID("bDone"));
    script.CLEAR();
    EXPECT_FALSE(script.check("bDone"));
    machine.getBOOL("bDone") = true;  // must not reach the cleared variable
    EXPECT_TRUE(machine.getBOOL("bDone"));
}

TEST_F(ParamListTest, BindingToAnUnknownAddressOrToItselfIsIgnored)
{
    int32_t stray = 5;
    machine.addINT("wait") = 1;
    machine.setREF("wait", &stray);
    machine.setREF("wait", machine.getVOID("wait"));
    EXPECT_EQ(machine.getINT("wait"), 1);
    EXPECT_TRUE(machine.IsLocal("wait"));
}

TEST_F(ParamListTest, AddingAnExistingNameStartsItAfreshInPlace)
{
    script.addINT("a") = 1;
    script.addINT("b") = 2;
    script.addINT("a") = 3;
    pARRAY array = world.newArray();
    world.pushInt(array, 4);
    world.pushInt(array, 5);
    EXPECT_EQ(script.getINT("a"), 3);
    EXPECT_EQ(array.getSIZE(), 2);
    EXPECT_EQ(array.getINT(1), 5);
}

TEST_F(ParamListTest, TemporaryListsAndHandlesWithoutAWorldAreHarmless)
{
    pParamList temporary;
    temporary.CreateOBJ_PL();
    temporary.addINT("R") = 500;
    EXPECT_TRUE(temporary.Valid());
    temporary.DeleteOBJ_PL();
    EXPECT_FALSE(temporary.Valid());
    EXPECT_EQ(temporary.getINT("R"), 0);
    EXPECT_FALSE(pParamList(12345).check("R"));
}

}  // namespace
