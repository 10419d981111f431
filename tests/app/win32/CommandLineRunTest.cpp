// velmira.exe started with a command line, as Explorer's "Open with" or a script would start it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "playback/MessageLine.h"
#include "tests/app/win32/ProgramRun.h"
#include "tools/demo/DemoSong.h"
#include "tools/render/RenderCommand.h"

namespace {
// A folder whose name Windows must hand over as UTF-16, so the song and the recording cross the program's
// command line in both directions.
class CommandLineRunTest : public testing::Test {
  protected:
    ProgramRun run(const std::vector<std::wstring>& arguments, DWORD closeAfterMs = 0) {
        return runProgram(programFolder() + L"\\velmira.exe", programFolder(), arguments, closeAfterMs);
    }

    TempFolder folder{L"コマンド"};
    std::wstring songPath = folder.write(L"デモ曲.mid", demoSong());
    std::wstring recordPath = folder.file(L"記録.txt");
};

// "T 90 3C 64" as velmira-render writes it, then a tab and the real microseconds it was sent at.
struct RecordedLine {
    std::string message;
    long timeMs = 0;
    long long realMicroseconds = -1;
};

std::vector<RecordedLine> readRecording(const std::wstring& path) {
    std::vector<RecordedLine> lines;
    std::ifstream file(path.c_str());
    for (std::string text; std::getline(file, text);) {
        const size_t tab = text.find('\t');
        lines.push_back({text.substr(0, tab), std::stol(text),
                         tab == std::string::npos ? -1 : std::stoll(text.substr(tab + 1))});
    }
    return lines;
}

std::vector<std::string> renderedLines() {
    std::vector<std::string> lines;
    for (const RecordingMidiOut::Message& message : renderSong(demoSong(), RenderOptions{})) {
        char line[messageLineCapacity];
        formatMessageLine(message.timeMs, message.bytes.data(), message.bytes.size(), line, sizeof line);
        lines.push_back(line);
    }
    return lines;
}
}  // namespace

TEST_F(CommandLineRunTest, ARecordingOfASongPlayedFromTheCommandLineIsWhatTheRendererPlaysUpToTheStop) {
    const ProgramRun program = run({L"/out:record=" + recordPath, L"/play", songPath}, 3000);
    EXPECT_TRUE(program.messages.empty()) << joined(program.messages);
    EXPECT_EQ(program.exitCode, 0u);

    const std::vector<RecordedLine> recorded = readRecording(recordPath);
    const std::vector<std::string> expected = renderedLines();
    size_t same = 0;
    while (same < recorded.size() && same < expected.size() && recorded[same].message == expected[same])
        ++same;
    ASSERT_LT(same, recorded.size()) << "closing stops playback, which the renderer's lines do not show";
    // The stop came at the play time of the first line that differs: everything due before it was sent,
    // in the renderer's order, and playback had run a good while.
    const long stoppedAt = recorded[same].timeMs;
    EXPECT_GE(stoppedAt, 1000) << "played only " << stoppedAt << " ms";
    ASSERT_LT(same, expected.size());
    EXPECT_GE(std::stol(expected[same]), stoppedAt)
        << "line " << same << ": recorded \"" << recorded[same].message << "\", rendered \"" << expected[same]
        << "\"";
    EXPECT_GT(same, 50u);
    for (const RecordedLine& line : recorded)
        EXPECT_GE(line.realMicroseconds, line.timeMs * 1000LL) << line.message << " came before its time";
}

TEST_F(CommandLineRunTest, ABadSwitchIsNamedInAMessageAndEndsTheProgramWithExitCode2) {
    const ProgramRun program = run({L"/loud", songPath});
    EXPECT_EQ(program.exitCode, 2u);
    ASSERT_EQ(program.messages.size(), 1u);
    EXPECT_EQ(program.messages[0].rfind(L"不明なスイッチです: /loud", 0), 0u) << joined(program.messages);
}
