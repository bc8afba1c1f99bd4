// Tests through the real boundary: the built plug-in, loaded by path into a fresh simulated world.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "engine_sim/loader.h"
#include "engine_sim/world.h"

class PluginTest : public ::testing::Test {
protected:
    // The library is loaded once for the whole test program, as the engine loads it once.
    static sim::Plugin& plugin()
    {
        static sim::Plugin loaded(WARLOOM_PLUGIN_PATH);
        return loaded;
    }

    void SetUp() override
    {
        ASSERT_TRUE(plugin().loaded()) << plugin().error();
        plugin().declare(world);
        world.journal.clear();
    }

    // A script's parameter list with a GROUP parameter bound to a group.
    pParamList groupList(const char* parameter, int32_t group)
    {
        pParamList list = world.newList();
        list.addGROUP(parameter);
        list.setREF(parameter, pGroup(group));
        return list;
    }

    int32_t call(const std::string& function, pParamList* list) { return world.call(function, list); }

    sim::World world;
};
