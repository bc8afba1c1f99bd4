// Loads a plug-in library into the simulated engine, as the engine does: takes its interface object,
// runs the declaring notification through the object's virtual table, and binds every declared name
// and every state-machine function the engine's smart-object kinds need.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine_sim/world.h"

namespace sim {

// The smart-object kinds the engine knows and the exported state-machine function that drives each.
const std::vector<std::pair<std::string, std::string>>& machineKinds();

class Plugin {
public:
    explicit Plugin(const std::string& path);
    ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    bool loaded() const { return m_library != nullptr; }
    // Why the library could not be loaded, or "".
    const std::string& error() const { return m_error; }

    // The object handed out by GetInterface, or nullptr.
    BaseClass* interfaceObject() const;
    // OnRegisterScriptFunctions (or OnRefreshScriptFunctions) through the interface object, then binds
    // the declared functions and the state-machine functions into the world.
    void declare(World& world, bool refresh = false);
    // Declared names and state-machine functions that the library does not export.
    const std::vector<std::string>& unresolved() const { return m_unresolved; }
    // An exported symbol, or nullptr.
    void* symbol(const std::string& name) const;

private:
    void bind(World& world);

    void* m_library = nullptr;
    std::string m_error;
    std::vector<std::string> m_unresolved;
};

}  // namespace sim
