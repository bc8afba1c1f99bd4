// Stands in for Engine.exe in the launcher's tests: records the directory it was started in, in
// engine_started.txt beside itself, one line.
#include <fstream>
#include <string>

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string record(module);
    record = record.substr(0, record.find_last_of('\\') + 1) + "engine_started.txt";
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::ofstream(record) << directory << '\n';
    return 0;
}
