// The real program, started as a user would start it.
#include <gtest/gtest.h>

#include "tests/app/win32/ProgramRun.h"
// for midiOutGetNumDevs
#include <mmsystem.h>

TEST(Startup, WithoutAMidiDeviceTheProgramSaysSoAndEndsWithExitCode1) {
    if (midiOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has a MIDI output device";
    const ProgramRun run = runProgram(buildFolder());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1u);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0], L"MIDI出力デバイスがありません");
}
