// The real program, started as a user would start it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/app/win32/ProgramRun.h"

TEST(Startup, WithoutTheSkinFilesTheProgramNamesTheMissingOneAndEndsWithExitCode1) {
    TempFolder folder(L"no-skin");
    const std::wstring program = folder.file(L"velmira.exe");
    ASSERT_TRUE(CopyFileW((programFolder() + L"\\velmira.exe").c_str(), program.c_str(), FALSE));
    const ProgramRun run = runProgram(program, folder.path());
    EXPECT_EQ(std::pair(run.exitCode, joined(run.messages)),
              std::pair(DWORD(1), std::string("Ｂｕｔｔｏｎ．ｂｍｐが見つかりません\n")));
}
