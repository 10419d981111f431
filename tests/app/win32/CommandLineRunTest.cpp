// velmira.exe started as a user would start it: without its skin, and with a command line, as Explorer's
// "Open with" or a script would start it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tests/app/win32/ProgramRun.h"
#include "tests/support/PlaybackRig.h"
#include "tools/demo/DemoSong.h"
#include "tools/render/RenderCommand.h"
#include "tools/render/RenderInput.h"

namespace {

// A folder whose name Windows must hand over as UTF-16, so the song and the recording cross the program's
// command line in both directions.
class CommandLineRunTest : public testing::Test {
  protected:
    ProgramRun run(const std::vector<std::wstring>& arguments, DWORD closeAfterMs = 0) {
        return runProgram(programFolder() + L"\\velmira.exe", programFolder(), arguments, closeAfterMs);
    }
    // The recording's lines, "T 90 3C 64" as velmira-render writes them; each was sent no sooner than its
    // time nor than |earliestMs|, by the real microseconds after its tab.
    Lines recorded(long earliestMs = 0) {
        Lines lines;
        std::ifstream file(recordPath.c_str());
        for (std::string text; std::getline(file, text);) {
            const size_t tab = text.find('\t');
            EXPECT_GE(std::stoll(text.substr(tab + 1)), std::max(std::stol(text), earliestMs) * 1000LL)
                << text << ": too soon";
            lines.push_back(text.substr(0, tab));
        }
        return lines;
    }

    TempFolder folder{L"コマンド"};
    std::wstring songPath = folder.write(L"デモ曲.mid", demoSong());
    std::wstring recordPath = folder.file(L"記録.txt");
};
}  // namespace

TEST(Startup, WithoutTheSkinFilesTheProgramNamesTheMissingOneAndEndsWithExitCode1) {
    TempFolder folder(L"no-skin");
    const std::wstring program = folder.file(L"velmira.exe");
    ASSERT_TRUE(CopyFileW((programFolder() + L"\\velmira.exe").c_str(), program.c_str(), FALSE));
    const ProgramRun run = runProgram(program, folder.path());
    EXPECT_EQ(std::pair(run.exitCode, joined(run.messages)),
              std::pair(DWORD(1), std::string("Ｂｕｔｔｏｎ．ｂｍｐが見つかりません\n")));
}

// A recording that cannot be written is said, and the run fails: a script must not take it for a pass.
TEST_F(CommandLineRunTest, ARecordingThatCannotBeWrittenEndsTheProgramWithExitCode1) {
    const ProgramRun program = run({L"/out:record=Z:\\dev\\full", L"/play", songPath}, 1000);
    EXPECT_EQ(std::pair(joined(program.messages), program.exitCode),
              std::pair(std::string("Z:\\dev\\full に記録できません。終了します\n"), DWORD(1)));
}

TEST_F(CommandLineRunTest, ARecordingOfASongPlayedFromTheCommandLineIsWhatTheRendererPlaysUpToTheStop) {
    const ProgramRun program = run({L"/out:record=" + recordPath, L"/play", songPath}, 3000);
    EXPECT_EQ(std::pair(joined(program.messages), program.exitCode), std::pair(std::string(), DWORD(0)));

    const Lines recording = recorded();
    const Lines expected = messageLines(renderSong(demoSong(), RenderOptions{}), 0);
    size_t same = 0;
    while (same < recording.size() && same < expected.size() && recording[same] == expected[same]) ++same;
    ASSERT_LT(same, recording.size()) << "closing stops playback, which the renderer's lines do not show";
    ASSERT_LT(same, expected.size());
    // The stop came at the play time of the first line that differs: everything due before it was sent,
    // in the renderer's order, and playback had run a good while.
    EXPECT_GE(std::stol(recording[same]), 1000);
    EXPECT_GE(std::stol(expected[same]), std::stol(recording[same]))
        << recording[same] << " / " << expected[same];
    EXPECT_GT(same, 50u);
}

// A keyboard played in from a file, without a song: the device hears what the renderer prints for the same
// lines, none before its time.
TEST_F(CommandLineRunTest, AReplayedInputIsRecordedAsTheRendererPlaysIt) {
    const std::string input =
        "500000\t90 3C 64\n600000\t3E 64\n700000\tF8\n800000\t80 3C 00\n900000\tC1 05\n";
    const std::wstring inputPath =
        folder.write(L"入力.txt", std::vector<uint8_t>(input.begin(), input.end()));
    const ProgramRun program = run({L"/out:record=" + recordPath, L"/in:replay=" + inputPath}, 3000);
    EXPECT_EQ(std::pair(joined(program.messages), program.exitCode), std::pair(std::string(), DWORD(0)));

    std::istringstream lines(input);
    auto rendered = renderWithInput(std::nullopt, RenderOptions{}, lines, std::cerr);
    ASSERT_TRUE(rendered);
    rendered->resize(rendered->size() - 48);  // the renderer's closing stop; the program stays open meanwhile
    const auto bytesOf = [](Lines lines) {
        for (std::string& line : lines) line.erase(0, line.find(' '));
        return lines;
    };
    EXPECT_EQ(bytesOf(recorded(500)), bytesOf(messageLines(*rendered, 0)));
}
