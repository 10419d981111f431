#include "platform/win32/MessageBoxes.h"

#include "platform/win32/WideText.h"

std::wstring programBaseName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

void showMessage(HWND owner, const std::string& text) {
    MessageBoxW(owner, widen(text).c_str(), programBaseName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void showInformation(HWND owner, const std::string& text) {
    MessageBoxW(owner, widen(text).c_str(), programBaseName().c_str(), MB_OK | MB_ICONINFORMATION);
}

void showMessage(HWND owner, const std::string& text, const std::string& caption) {
    MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
