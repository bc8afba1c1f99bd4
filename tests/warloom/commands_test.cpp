// What every script command shares: without its list, or without any one required parameter, it
// answers 0 and asks nothing of the engine.
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/warloom/expected_declarations.h"
#include "tests/warloom/plugin_fixture.h"

namespace {

struct Declared {
    std::string name;
    std::vector<std::pair<std::string, std::string>> params;  // name, type word
};

std::vector<Declared> commands()
{
    std::vector<Declared> found;
    for (const char* line : expected::kDeclarations) {
        std::istringstream words(line);
        Declared declared;
        words >> declared.name;
        for (std::string param; words >> param;)
            declared.params.emplace_back(param.substr(0, param.find(':')), param.substr(param.find(':') + 1));
        // Behaviour binders live elsewhere; functions without parameters have nothing to miss.
        if (declared.name.rfind("ACF_", 0) != 0 && !declared.params.empty())
            found.push_back(declared);
    }
    return found;
}

// Parameters a command looks up with check alone and goes on without.
const std::set<std::string> kOptional = {"Target", "Node@ABIL_TryExecute", "SrcGrp", "DstGrp", "dstGroup",
                                         "addUnits", "regGroup", "addRegUnits", "gDestGate"};

bool optional(const std::string& function, const std::string& param)
{
    return kOptional.count(param) || kOptional.count(param + "@" + function);
}

class CommandsTest : public PluginTest {
protected:
    // A usable value for every declared parameter but one.
    Args completeListWithout(const Declared& command, const std::string& left)
    {
        Args args(world);
        for (const auto& [name, type] : command.params) {
            if (name == left)
                continue;
            if (type == "GROUP")
                args.group(name.c_str(), squad(command.name + name, 1, 2));
            else if (type == "NODE")
                args.node(name.c_str(), world.addNode(0, 0, 100));
            else if (type == "ARRAY")
                args.array(name.c_str(), nodes({{0, 0}, {100, 0}, {200, 0}}));
            else if (type == "BOOL")
                args.flag(name.c_str(), true);
            else if (type == "STR")
                args.text(name.c_str(), "text");
            else if (type == "UnitAbility")
                args.ability(name.c_str(), world.addAbility("Heal"));
            else if (type == "CAMERA")
                args.camera(name.c_str(), world.addCamera("Intro"));
            else if (type == "WeaponModificators")
                args.weapon(name.c_str(), world.addWeaponMod("Arrow"));
            else
                args.integer(name.c_str(), 1);
        }
        return args;
    }
};

TEST_F(CommandsTest, EveryCommandRefusesAMissingListOrParameterWithoutTouchingTheEngine)
{
    for (const Declared& command : commands()) {
        EXPECT_EQ(call(command.name, nullptr), 0) << command.name;
        for (const auto& param : command.params) {
            if (optional(command.name, param.first))
                continue;
            Args args = completeListWithout(command, param.first);
            world.journal.clear();
            EXPECT_EQ(call(command.name, args), 0) << command.name << " without " << param.first;
            EXPECT_EQ(world.journal.entries(), std::vector<std::string>{})
                << command.name << " without " << param.first;
        }
    }
}

TEST_F(CommandsTest, EveryDeclaredCommandResolves)
{
    for (const Declared& command : commands())
        EXPECT_NE(plugin().symbol(command.name), nullptr) << command.name;
}

}  // namespace
