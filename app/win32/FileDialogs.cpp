#include "app/win32/FileDialogs.h"

#include "platform/win32/WideText.h"

namespace {
// "description|pattern|" becomes the dialog's "description\0pattern\0\0".
std::wstring dialogFilter(const std::string& filter) {
    std::wstring result = widen(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    return result;
}
}  // namespace

std::optional<std::string> chooseFileToOpen(HWND owner, const std::string& filter, DWORD options) {
    const std::wstring filterText = dialogFilter(filter);
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = options;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return narrow(path);
}
