// "トピックの検索": the help file the build put beside the program, opened at its search tab through a
// stand-in for the HTML Help viewer (Wine has no HTML engine to show the pages).
#include <gtest/gtest.h>
#include <windows.h>
// HH_FTS_QUERY, after <windows.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

#include "app/win32/HelpViewer.h"

namespace {
struct ViewerCall {
    HWND caller;
    std::wstring file;
    UINT command;
    // What a search command carried (the query lives on the caller's stack only during the call).
    int queryStructSize = 0;
    bool queryUnicode = false;
    bool queryHasText = false;
    bool queryExecutes = true;
};

std::vector<ViewerCall> viewerCalls;
HWND viewerWindow = nullptr;  // what the stand-in returns: a help window, or none when it cannot open

HWND WINAPI standInViewer(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
    ViewerCall call{caller, file ? file : L"", command};
    if (command == HH_DISPLAY_SEARCH && data) {
        const auto* query = reinterpret_cast<const HH_FTS_QUERY*>(data);
        call.queryStructSize = query->cbStruct;
        call.queryUnicode = query->fUniCodeStrings;
        call.queryHasText = query->pszSearchQuery != nullptr;
        call.queryExecutes = query->fExecute;
    }
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

TEST_F(HelpViewerTest, HelpFileLiesBesideTheProgram) {
    const std::wstring help = helpFileBesideProgram();
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring folder(program, std::wstring(program).find_last_of(L"\\/") + 1);
    EXPECT_EQ(folder + L"velmira.chm", help);
    const DWORD attributes = GetFileAttributesW(help.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes) << "the build did not put velmira.chm beside the program";
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(HelpViewerTest, OpensTheFileThenBringsItsSearchTabForward) {
    const std::wstring help = helpFileBesideProgram();
    ASSERT_TRUE(openHelpSearch(owner, help, standInViewer));
    ASSERT_EQ(2u, viewerCalls.size());
    EXPECT_EQ(UINT(HH_DISPLAY_TOPIC), viewerCalls[0].command);
    EXPECT_EQ(UINT(HH_DISPLAY_SEARCH), viewerCalls[1].command);
    for (const ViewerCall& call : viewerCalls) {
        EXPECT_EQ(owner, call.caller);
        EXPECT_EQ(help, call.file);
    }
    // The viewer checks the size of the query and reads its text as UTF-16; nothing is searched yet.
    EXPECT_EQ(int(sizeof(HH_FTS_QUERY)), viewerCalls[1].queryStructSize);
    EXPECT_TRUE(viewerCalls[1].queryUnicode);
    EXPECT_TRUE(viewerCalls[1].queryHasText);
    EXPECT_FALSE(viewerCalls[1].queryExecutes);
}

TEST_F(HelpViewerTest, ReportsAViewerThatOpensNoWindow) {
    viewerWindow = nullptr;
    EXPECT_FALSE(openHelpSearch(owner, helpFileBesideProgram(), standInViewer));
    ASSERT_EQ(1u, viewerCalls.size()) << "no search tab is asked of a window that did not open";
    EXPECT_EQ(UINT(HH_DISPLAY_TOPIC), viewerCalls[0].command);
}

TEST_F(HelpViewerTest, RefusesAMissingFileOrViewerWithoutCallingIt) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring folder(program, std::wstring(program).find_last_of(L"\\/"));
    EXPECT_FALSE(openHelpSearch(owner, folder + L"\\no-such-help.chm", standInViewer));
    EXPECT_FALSE(openHelpSearch(owner, folder, standInViewer));  // a folder is no help file
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_FALSE(openHelpSearch(owner, helpFileBesideProgram(), nullptr));
}

TEST_F(HelpViewerTest, FindsThePlatformViewerInTheSystemFolder) {
    const HtmlHelpFunction viewer = loadHtmlHelp();
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(viewer, loadHtmlHelp()) << "the library is loaded once and kept";
    wchar_t systemFolder[MAX_PATH] = {};
    GetSystemDirectoryW(systemFolder, MAX_PATH);
    HMODULE loaded = GetModuleHandleW((std::wstring(systemFolder) + L"\\hhctrl.ocx").c_str());
    EXPECT_NE(nullptr, loaded);
}
}  // namespace
