#pragma once
#include <windows.h>

// The program's settings in this Wine prefix's registry are shared by every test that starts the real
// window: each such test starts without them, as on a first run, and leaves none behind.
inline void removeProgramSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velmira");
}
