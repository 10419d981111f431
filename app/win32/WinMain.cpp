#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win32/CMainApp.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"

namespace {
// The command line as Windows splits it, without the program's name.
std::vector<std::string> commandLineArguments() {
    int count = 0;
    wchar_t** split = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!split) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(narrow(split[i]));
    LocalFree(split);
    return arguments;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    restrictDllSearchPath();
    CMainApp application;
    return application.run(instance, showCommand, commandLineArguments());
}
