#include "app/win32/FileDialogs.h"

#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/WideText.h"

namespace {
using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

UINT_PTR CALLBACK centreOverOwner(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE)
        centreFileDialog(hook);
    return 0;
}

// An empty folder or extension is none.
std::optional<std::string> runFileDialog(FileDialogFunction run, HWND owner, const std::string& filter,
                                         const std::string& folder, const std::string& defaultExtension,
                                         DWORD options = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT) {
    const std::wstring filterText = dialogFilter(filter);
    const std::wstring initialFolder = widen(folder);
    const std::wstring extension = widen(defaultExtension);
    std::wstring path = filePathRoom();
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = DWORD(path.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A hook makes the dialog fixed in size unless it is asked to stay resizable.
    dialog.Flags = options | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    dialog.lpfnHook = centreOverOwner;
    if (!run(&dialog)) return std::nullopt;
    return narrow(path.c_str());
}
}  // namespace

std::optional<std::string> chooseFileToOpen(HWND owner, const std::string& filter, DWORD options) {
    return runFileDialog(GetOpenFileNameW, owner, filter, std::string(), std::string(), options);
}

std::optional<std::string> chooseFileToSave(HWND owner, const std::string& filter, const std::string& folder,
                                            const std::string& defaultExtension) {
    return runFileDialog(GetSaveFileNameW, owner, filter, folder, defaultExtension);
}
