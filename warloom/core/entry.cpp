// The library's entry: its one interface object, handed to the engine by GetInterface.
#include "engine_api/engine.h"
#include "warloom/core/declarations.h"
#include "warloom/core/script.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// The plug-in's interface object. Its table of virtual operations is the engine's; it overrides the
// destructor and the two declaring notifications, and nothing else.
class DLL_Interface : public GameInterface {
public:
    ~DLL_Interface() override = default;
    void OnRegisterScriptFunctions() override { warloom::DeclareScriptFunctions(); }
    void OnRefreshScriptFunctions() override { warloom::DeclareScriptFunctions(); }
};

DLL_Interface g_interface;

}  // namespace

WARLOOM_EXPORT BaseClass* GetInterface()
{
    return &g_interface;
}

#if defined(_WIN32)
// Nothing to set up or tear down for any reason the library is called with.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
#endif
