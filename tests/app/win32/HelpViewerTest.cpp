// "トピックの検索": the help file the build put beside the program, opened at its search tab through a
// stand-in for the HTML Help viewer (Wine has no HTML engine to show the pages).
#include <gtest/gtest.h>
#include <windows.h>
// HH_FTS_QUERY, after <windows.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

#include "app/win32/HelpViewer.h"
#include "tests/app/win32/TestFolders.h"

namespace {
struct ViewerCall {
    HWND caller;
    std::wstring file;
    UINT command;
    HH_FTS_QUERY query;  // what a search command carried; its text lives only as long as the call
};

std::vector<ViewerCall> viewerCalls;
HWND viewerWindow = nullptr;  // what the stand-in returns: a help window, or none when it cannot open

HWND WINAPI standInViewer(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
    ViewerCall call{caller, file ? file : L"", command, {}};
    if (command == HH_DISPLAY_SEARCH && data) call.query = *reinterpret_cast<const HH_FTS_QUERY*>(data);
    viewerCalls.push_back(call);
    return viewerWindow;
}

class HelpViewerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        viewerCalls.clear();
        viewerWindow = reinterpret_cast<HWND>(0x1234);
    }
    const HWND owner = reinterpret_cast<HWND>(0x5678);
};

TEST_F(HelpViewerTest, OpensTheFileBesideTheProgramThenBringsItsSearchTabForward) {
    const std::wstring help = helpFileBesideProgram();
    ASSERT_TRUE(openHelpSearch(owner, help, standInViewer))
        << "the build did not put velmira.chm beside the program";
    ASSERT_EQ(2u, viewerCalls.size());
    EXPECT_EQ(UINT(HH_DISPLAY_TOPIC), viewerCalls[0].command);
    EXPECT_EQ(UINT(HH_DISPLAY_SEARCH), viewerCalls[1].command);
    for (const ViewerCall& call : viewerCalls) {
        EXPECT_EQ(owner, call.caller);
        EXPECT_EQ(help, call.file);
    }
    // The viewer checks the size of the query and reads its text as UTF-16; nothing is searched yet.
    const HH_FTS_QUERY& query = viewerCalls[1].query;
    EXPECT_EQ(int(sizeof(HH_FTS_QUERY)), query.cbStruct);
    EXPECT_TRUE(query.fUniCodeStrings);
    EXPECT_NE(query.pszSearchQuery, nullptr);
    EXPECT_FALSE(query.fExecute);
}

TEST_F(HelpViewerTest, RefusesAMissingFileOrViewerAndAsksNoSearchOfAViewerThatOpenedNoWindow) {
    EXPECT_FALSE(openHelpSearch(owner, programFolder() + L"\\no-such-help.chm", standInViewer));
    EXPECT_FALSE(openHelpSearch(owner, programFolder(), standInViewer));  // a folder is no help file
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_FALSE(openHelpSearch(owner, helpFileBesideProgram(), nullptr));

    viewerWindow = nullptr;
    EXPECT_FALSE(openHelpSearch(owner, helpFileBesideProgram(), standInViewer));
    ASSERT_EQ(1u, viewerCalls.size());
    EXPECT_EQ(UINT(HH_DISPLAY_TOPIC), viewerCalls[0].command);
}

TEST_F(HelpViewerTest, FindsThePlatformViewerInTheSystemFolderAndKeepsIt) {
    const HtmlHelpFunction viewer = loadHtmlHelp();
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(viewer, loadHtmlHelp());
    wchar_t systemFolder[MAX_PATH] = {};
    GetSystemDirectoryW(systemFolder, MAX_PATH);
    EXPECT_NE(nullptr, GetModuleHandleW((std::wstring(systemFolder) + L"\\hhctrl.ocx").c_str()));
}
}  // namespace
