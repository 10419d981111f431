// The real program, started as a user would start it.
#include <gtest/gtest.h>
#include <windows.h>
// midiOutGetNumDevs, after <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "tests/app/win32/ProgramRun.h"

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
