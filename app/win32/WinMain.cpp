#include <windows.h>

#include "app/win32/CMainApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    CMainApp application;
    return application.run(instance, showCommand);
}
