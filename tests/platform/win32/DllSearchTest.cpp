// A library lying in the current folder, where the open dialogs leave the user's songs and pictures, is not
// loaded by name once the search is restricted.
#include <gtest/gtest.h>

#include "platform/win32/ProgramFolder.h"
#include "tests/app/win32/TestFolders.h"

TEST(DllSearch, ALibraryInTheCurrentFolderIsNotFound) {
    TempFolder folder(L"dll-search");
    folder.addPlugin(sizeof(void*) == 8 ? L"archive.sph" : L"archive.spi", L"planted.dll");
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.path().c_str());
    restrictDllSearchPath();
    HMODULE planted = LoadLibraryW(L"planted.dll");
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(planted, nullptr);
    if (planted) FreeLibrary(planted);
    EXPECT_TRUE(LoadLibraryW(L"comdlg32.dll"));  // the system's own still load
}
