// The parameter reader every script function uses.
#include <gtest/gtest.h>

#include "engine_sim/world.h"
#include "warloom/core/params.h"

namespace {

using warloom::Params;

class ParamsTest : public ::testing::Test {
protected:
    sim::World world;
    pParamList list = world.newList();
};

TEST_F(ParamsTest, ReadsEachValueWithTheOperationOfItsType)
{
    const int32_t group = world.addGroup("G");
    list.addGROUP("Group");
    list.setREF("Group", pGroup(group));
    list.addINT("Nation") = 3;
    list.addINT("UnitType") = 17;
    list.addBOOL("Add") = true;
    list.addSTR("strTEXT") = "hint";

    pGroup readGroup;
    int32_t nation = 0;
    pUnitType type;
    bool add = false;
    _str* text = nullptr;
    ASSERT_TRUE(Params(&list).read("Group", readGroup, "Nation", nation, "UnitType", type, "Add", add,
                                   "strTEXT", text));
    EXPECT_EQ(readGroup.id(), group);
    EXPECT_EQ(nation, 3);
    EXPECT_EQ(type.GetType(), 17);
    EXPECT_TRUE(add);
    EXPECT_STREQ(text->pchar(), "hint");
}

TEST_F(ParamsTest, ReferencesHandValuesBackToTheCaller)
{
    list.addINT("State") = 1;
    list.addBOOL("bFREE") = false;
    int32_t* state = nullptr;
    bool* free = nullptr;
    ASSERT_TRUE(Params(&list).read("State", state, "bFREE", free));
    *state = 9;
    *free = true;
    EXPECT_EQ(list.getINT("State"), 9);
    EXPECT_TRUE(list.getBOOL("bFREE"));
}

TEST_F(ParamsTest, StopsAtTheFirstMissingParameterAndRefusesAbsentLists)
{
    list.addINT("Nation") = 2;
    list.addINT("HP") = 50;
    int32_t nation = 0;
    int32_t missing = -7;
    int32_t hp = 0;
    EXPECT_FALSE(Params(&list).read("Nation", nation, "UnitType", missing, "HP", hp));
    EXPECT_EQ(nation, 2);
    EXPECT_EQ(missing, -7);
    EXPECT_EQ(hp, 0) << "parameters after the missing one are not read";

    pParamList gone(98765);
    EXPECT_FALSE(Params(nullptr).read("Nation", nation));
    EXPECT_FALSE(Params(&gone).read("Nation", nation));
    EXPECT_FALSE(Params(nullptr).has("Nation"));
    EXPECT_TRUE(Params(&list).has("HP"));
}

}  // namespace
