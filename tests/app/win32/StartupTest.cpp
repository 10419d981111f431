// The real program, started as a user would start it.
#include <gtest/gtest.h>
#include <windows.h>
// midiOutGetNumDevs, after <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

namespace {
// A run of velmira.exe: the texts of the message boxes it showed (each answered with OK), and its exit code
// (STILL_ACTIVE when it had to be ended).
struct ProgramRun {
    std::vector<std::wstring> messages;
    DWORD exitCode = STILL_ACTIVE;
};

// The program shows its start-up messages from its main thread.
BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The folder of the test program, where the build puts velmira.exe and the skin files.
std::wstring buildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return program.substr(0, program.find_last_of(L"\\/"));
}

ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder) {
    ProgramRun run;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process))
        return run;
    const DWORD started = GetTickCount();
    while (GetTickCount() - started < 20000 && WaitForSingleObject(process.hProcess, 100) != WAIT_OBJECT_0) {
        HWND box = nullptr;
        EnumThreadWindows(process.dwThreadId, findMessageBox, LPARAM(&box));
        if (!box) continue;
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the static text of a message box
        run.messages.push_back(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        Sleep(200);
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
}  // namespace

TEST(Startup, WithoutAMidiDeviceTheProgramSaysSoAndEndsWithExitCode1) {
    if (midiOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has a MIDI output device";
    const ProgramRun run = runProgram(buildFolder() + L"\\velmira.exe", buildFolder());
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.messages, std::vector<std::wstring>{L"MIDI出力デバイスがありません"});
}

TEST(Startup, WithoutTheSkinFilesTheProgramNamesTheMissingOneAndEndsWithExitCode1) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"velmira-no-skin";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"\\velmira.exe";
    ASSERT_TRUE(CopyFileW((buildFolder() + L"\\velmira.exe").c_str(), program.c_str(), FALSE));
    const ProgramRun run = runProgram(program, folder);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.messages, std::vector<std::wstring>{L"Ｂｕｔｔｏｎ．ｂｍｐが見つかりません"});
}
