// A library lying in the current folder, where the open dialogs leave the user's songs and pictures, is not
// loaded by name: the program restricts the search as it starts. The running program itself is asked, by a
// thread started in it at LoadLibraryW, which lies at the same address in every process of the session.
#include <gtest/gtest.h>

#include "tests/app/win32/ProgramRun.h"

namespace {
bool loadsByName(HANDLE process, const std::wstring& name) {
    const size_t size = (name.size() + 1) * sizeof(wchar_t);
    void* remoteName = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remoteName, name.c_str(), size, nullptr);
    HANDLE thread = CreateRemoteThread(
        process, nullptr, 0,
        reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW"))),
        remoteName, 0, nullptr);
    DWORD loaded = 0;  // the module's handle, cut to 32 bits; 0 when the thread did not run
    if (WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0) GetExitCodeThread(thread, &loaded);
    return loaded != 0;
}
}  // namespace

TEST(DllSearch, TheProgramLoadsNoLibraryFromTheCurrentFolder) {
    TempFolder folder(L"dll-search");  // the current folder of a first run
    folder.addPlugin(sizeof(void*) == 8 ? L"archive.sph" : L"archive.spi", L"planted.dll");
    PROCESS_INFORMATION program = {};
    ASSERT_TRUE(startProgram(programFolder() + L"\\velmira.exe", folder.path(), {}, program));
    WaitForInputIdle(program.hProcess, 20000);
    EXPECT_TRUE(loadsByName(program.hProcess, L"comdlg32.dll"));  // the system's own still load
    EXPECT_FALSE(loadsByName(program.hProcess, L"planted.dll"));
    TerminateProcess(program.hProcess, 0);
    WaitForSingleObject(program.hProcess, 10000);  // the folder goes only once the program has let it go
}
