#pragma once
#include <windows.h>

#include <string>

#include "effects/win32/EffectDialogIds.h"
#include "tests/app/win32/DialogScripts.h"

// The open dialog of this thread: the effect-time dialog itself (it has the scroll bar) or, without it, a
// message box over it.
inline HWND findTimeDialog(bool withBar) {
    return findDialog(GetCurrentThreadId(), [withBar](HWND dialog) {
        wchar_t barClass[16] = {};
        GetClassNameW(GetDlgItem(dialog, IDC_TIME_BAR), barClass, 16);
        return (std::wstring(barClass) == L"ScrollBar") == withBar;
    });
}
