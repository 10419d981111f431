// "トピックの検索": the help file the build put beside the program, opened at its search tab through a
// stand-in for the HTML Help viewer (Wine has no HTML engine to show the pages).
#include <gtest/gtest.h>
#include <windows.h>
// HH_FTS_QUERY, after <windows.h>
#include <htmlhelp.h>

#include "app/win32/HelpViewer.h"
#include "tests/app/win32/TestFolders.h"

namespace {
std::vector<std::string> viewerCalls;  // "command file", and for a search what its query asks
HWND viewerWindow = nullptr;  // what the stand-in returns: a help window, or none when it cannot open

HWND WINAPI standInViewer(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
    std::string call = std::to_string(command) + (file == helpFileBesideProgram() ? " help" : " other") +
                       (caller == HWND(0x5678) ? "" : " other owner");
    // The viewer checks the size of the query and reads its text as UTF-16; nothing is searched yet.
    if (const auto* query =
            command == HH_DISPLAY_SEARCH ? reinterpret_cast<const HH_FTS_QUERY*>(data) : nullptr)
        call += query->cbStruct == sizeof(HH_FTS_QUERY) && query->fUniCodeStrings && query->pszSearchQuery &&
                        !query->fExecute
                    ? " query"
                    : " bad query";
    viewerCalls.push_back(call);
    return viewerWindow;
}

TEST(HelpViewer, OpensTheFileBesideTheProgramThenBringsItsSearchTabForwardUnlessItCannot) {
    viewerWindow = HWND(0x1234);
    ASSERT_TRUE(openHelpSearch(HWND(0x5678), helpFileBesideProgram(), standInViewer))
        << "the build did not put velmira.chm beside the program";
    const std::string topic = std::to_string(HH_DISPLAY_TOPIC) + " help";
    EXPECT_EQ(viewerCalls,
              (std::vector<std::string>{topic, std::to_string(HH_DISPLAY_SEARCH) + " help query"}));

    viewerCalls.clear();
    // A missing file, a folder (no help file) and no viewer.
    EXPECT_FALSE(openHelpSearch(HWND(0x5678), programFolder() + L"\\no-such-help.chm", standInViewer) ||
                 openHelpSearch(HWND(0x5678), programFolder(), standInViewer) ||
                 openHelpSearch(HWND(0x5678), helpFileBesideProgram(), nullptr));
    EXPECT_TRUE(viewerCalls.empty());
    viewerWindow = nullptr;  // a viewer that opened no window is asked no search
    EXPECT_FALSE(openHelpSearch(HWND(0x5678), helpFileBesideProgram(), standInViewer));
    EXPECT_EQ(viewerCalls, std::vector<std::string>{topic});
}

TEST(HelpViewer, FindsThePlatformViewerInTheSystemFolderAndKeepsIt) {
    const HtmlHelpFunction viewer = loadHtmlHelp();
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(viewer, loadHtmlHelp());
    wchar_t systemFolder[MAX_PATH] = {};
    GetSystemDirectoryW(systemFolder, MAX_PATH);
    EXPECT_NE(nullptr, GetModuleHandleW((std::wstring(systemFolder) + L"\\hhctrl.ocx").c_str()));
}
}  // namespace
