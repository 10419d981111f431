#include "app/win32/HelpViewer.h"

#include <htmlhelp.h>

#include "platform/win32/ProgramFolder.h"

namespace {
HMODULE helpLibrary = nullptr;
HtmlHelpFunction htmlHelpEntry = nullptr;

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

HtmlHelpFunction loadHtmlHelp() {
    if (htmlHelpEntry) return htmlHelpEntry;
    if (!helpLibrary) {
        // By full path: a hhctrl.ocx lying in the current or the song folder is never loaded.
        wchar_t systemFolder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(systemFolder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        helpLibrary = LoadLibraryW((std::wstring(systemFolder) + L"\\hhctrl.ocx").c_str());
        if (!helpLibrary) return nullptr;
    }
    htmlHelpEntry =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(helpLibrary, "HtmlHelpW")));
    return htmlHelpEntry;
}

std::wstring helpFileBesideProgram() {
    return programFolder() + L"\\velmira.chm";
}

bool openHelpSearch(HWND owner, const std::wstring& chmPath) {
    return openHelpSearch(owner, chmPath, loadHtmlHelp());
}

bool openHelpSearch(HWND owner, const std::wstring& chmPath, HtmlHelpFunction htmlHelp) {
    // A missing file would get the viewer's own error, or an empty window; the caller's message is clearer.
    if (!htmlHelp || !isFile(chmPath)) return false;
    // The window opens at the first page; the search command then brings its search tab to the front.
    if (!htmlHelp(owner, chmPath.c_str(), HH_DISPLAY_TOPIC, 0)) return false;
    HH_FTS_QUERY query = {};
    query.cbStruct = sizeof query;
    query.fUniCodeStrings = TRUE;
    query.pszSearchQuery = L"";
    query.fExecute = FALSE;
    htmlHelp(owner, chmPath.c_str(), HH_DISPLAY_SEARCH, reinterpret_cast<DWORD_PTR>(&query));
    return true;
}

void closeHelpWindows() {
    if (htmlHelpEntry) htmlHelpEntry(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
