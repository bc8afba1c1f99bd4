#include "engine_sim/loader.h"

#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace sim {

namespace {

using InterfaceFunction = BaseClass* (*)();

void* openLibrary(const std::string& path, std::string& error)
{
#if defined(_WIN32)
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library)
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return reinterpret_cast<void*>(library);
#else
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        error = dlerror();
    return library;
#endif
}

void closeLibrary(void* library)
{
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(library));
#else
    dlclose(library);
#endif
}

void* findSymbol(void* library, const std::string& name)
{
#if defined(_WIN32)
    FARPROC found = GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str());
    void* address = nullptr;
    std::memcpy(&address, &found, sizeof address);
    return address;
#else
    return dlsym(library, name.c_str());
#endif
}

// Function pointers come from the library as addresses.
template <class Function>
Function asFunction(void* address)
{
    Function function = nullptr;
    static_assert(sizeof function == sizeof address, "function and data pointers differ in size");
    std::memcpy(&function, &address, sizeof function);
    return function;
}

}  // namespace

const std::vector<std::pair<std::string, std::string>>& machineKinds()
{
    static const std::vector<std::pair<std::string, std::string>> kinds = {
        {"FSM_AttackZone00", "FSM_AttackZone_00"},
        {"FSM_CloudDialog", "FSM_CloudDialog"},
        {"FSM_GUARD", "FSM_GuardZone_00"},
        {"FSM_Ambush", "FSM_AmbushZone_00"},
        {"FSM_AmbushMultyZone", "FSM_AmbushZone_01"},
        {"FSM_PATROL", "FSM_PatrolZone_00"},
        {"FSM_PRODUCE_00", "FSM_ProduseUnits_00"},
        {"FSM_PRODUCE_01", "FSM_ProduseUnits_01"},
        {"FSM_PRODUCE_02", "FSM_ProduseUnits_02"},
        {"FSM_SABOTEUR", "FSM_SABOTEUR"},
    };
    return kinds;
}

Plugin::Plugin(const std::string& path) : m_library(openLibrary(path, m_error)) {}

Plugin::~Plugin()
{
    if (m_library)
        closeLibrary(m_library);
}

void* Plugin::symbol(const std::string& name) const
{
    return m_library ? findSymbol(m_library, name) : nullptr;
}

BaseClass* Plugin::interfaceObject() const
{
    auto getInterface = asFunction<InterfaceFunction>(symbol("GetInterface"));
    return getInterface ? getInterface() : nullptr;
}

void Plugin::declare(World& world, bool refresh)
{
    auto* extension = dynamic_cast<GameExtension*>(interfaceObject());
    if (!extension)
        return;
    world.enterCall();
    if (refresh)
        extension->OnRefreshScriptFunctions();
    else
        extension->OnRegisterScriptFunctions();
    world.leaveCall();
    bind(world);
}

void Plugin::bind(World& world)
{
    m_unresolved.clear();
    for (const DeclaredFunction& declared : world.declarations()) {
        if (void* address = symbol(declared.name))
            world.bindScriptFunction(declared.name, asFunction<ScriptFunction>(address));
        else
            m_unresolved.push_back(declared.name);
    }
    for (const auto& [kind, machine] : machineKinds()) {
        if (void* address = symbol(machine))
            world.bindKind(kind, asFunction<StateMachineFunction>(address));
        else
            m_unresolved.push_back(machine);
    }
}

}  // namespace sim
