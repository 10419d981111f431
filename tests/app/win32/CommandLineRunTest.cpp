// velmira.exe started with a command line, as Explorer's "Open with" or a script would start it.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "playback/MessageLine.h"
#include "tests/app/win32/ProgramRun.h"
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

std::vector<std::string> linesOf(const std::vector<RecordingMidiOut::Message>& messages) {
    std::vector<std::string> lines;
    for (const RecordingMidiOut::Message& message : messages) {
        char line[messageLineCapacity];
        formatMessageLine(message.timeMs, message.bytes.data(), message.bytes.size(), line, sizeof line);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> renderedLines() {
    return linesOf(renderSong(demoSong(), RenderOptions{}));
}

// The bytes of each line, without its time.
std::vector<std::string> bytesOf(const std::vector<std::string>& lines) {
    std::vector<std::string> bytes;
    for (const std::string& line : lines) bytes.push_back(line.substr(line.find(' ')));
    return bytes;
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

// A keyboard played in from a file, without a song: the device hears what the renderer prints for the same
// lines, each no sooner than its line's time.
TEST_F(CommandLineRunTest, AReplayedInputIsRecordedAsTheRendererPlaysIt) {
    const std::string input =
        "500000\t90 3C 64\n600000\t3E 64\n700000\tF8\n800000\t80 3C 00\n900000\tC1 05\n"
        "1000000\t91 40 64\n1100000\t90 3E 00\n1200000\t81 40 00\n1300000\t81 40 00\n";
    const std::wstring inputPath =
        folder.write(L"入力.txt", std::vector<uint8_t>(input.begin(), input.end()));
    const ProgramRun program = run({L"/out:record=" + recordPath, L"/in:replay=" + inputPath}, 3000);
    EXPECT_TRUE(program.messages.empty()) << joined(program.messages);
    EXPECT_EQ(program.exitCode, 0u);

    std::istringstream lines(input);
    const auto rendered = renderWithInput(std::nullopt, RenderOptions{}, lines, std::cerr);
    ASSERT_TRUE(rendered);
    std::vector<std::string> recorded;
    for (const RecordedLine& line : readRecording(recordPath)) recorded.push_back(line.message);
    EXPECT_EQ(bytesOf(recorded), bytesOf(linesOf(*rendered)));
    for (const RecordedLine& line : readRecording(recordPath))
        EXPECT_GE(line.realMicroseconds, 500000) << line.message << " came before its time";
}

TEST_F(CommandLineRunTest, ABadSwitchIsNamedInAMessageAndEndsTheProgramWithExitCode2) {
    const ProgramRun program = run({L"/loud", songPath});
    EXPECT_EQ(program.exitCode, 2u);
    ASSERT_EQ(program.messages.size(), 1u);
    EXPECT_EQ(program.messages[0].rfind(L"不明なスイッチです: /loud", 0), 0u) << joined(program.messages);
}
