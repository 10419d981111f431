// velmira.exe started with a command line, as Explorer's "Open with" or a script would start it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "playback/MessageLine.h"
#include "tests/app/win32/ProgramRun.h"
#include "tools/demo/DemoSong.h"
#include "tools/render/RenderCommand.h"

namespace {
// A folder of its own with a name Windows must hand over as UTF-16, so the song and the recording cross
// the program's command line in both directions.
class CommandLineRunTest : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"velmira-コマンド";
        CreateDirectoryW(folder.c_str(), nullptr);
        songPath = folder + L"\\デモ曲.mid";
        recordPath = folder + L"\\記録.txt";
        const std::vector<uint8_t> song = demoSong();
        std::ofstream(songPath.c_str(), std::ios::binary)
            .write(reinterpret_cast<const char*>(song.data()), std::streamsize(song.size()));
        DeleteFileW(recordPath.c_str());
    }
    void TearDown() override {
        DeleteFileW(songPath.c_str());
        DeleteFileW(recordPath.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    ProgramRun run(const std::vector<std::wstring>& arguments, DWORD closeAfterMs = 0) {
        return runProgram(buildFolder() + L"\\velmira.exe", buildFolder(), arguments, closeAfterMs);
    }

    std::wstring folder, songPath, recordPath;
};

struct RecordedLine {
    std::string message;  // "T 90 3C 64", as velmira-render writes it
    long timeMs = 0;      // its T
    long long realMicroseconds = 0;
};

std::vector<RecordedLine> readRecording(const std::wstring& path) {
    std::vector<RecordedLine> lines;
    std::ifstream file(path.c_str());
    std::string text;
    while (std::getline(file, text)) {
        RecordedLine line;
        const size_t tab = text.find('\t');
        line.message = text.substr(0, tab);
        line.timeMs = std::stol(line.message);
        line.realMicroseconds = tab == std::string::npos ? -1 : std::stoll(text.substr(tab + 1));
        lines.push_back(line);
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

long timeOf(const std::string& line) {
    return std::stol(line);
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
    EXPECT_GE(timeOf(expected[same]), stoppedAt)
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

TEST_F(CommandLineRunTest, AMissingSongIsNamedAndTheProgramStartsWithoutIt) {
    const std::wstring missing = folder + L"\\ない.mid";
    const ProgramRun program = run({L"/out:null", L"/play", missing}, 1000);
    EXPECT_EQ(program.exitCode, 0u);
    ASSERT_EQ(program.messages.size(), 1u);
    EXPECT_EQ(program.messages[0], missing + L" が見つかりません");
}
