// velmira-render from the outside: files in, lines out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "playback/SmfWriter.h"
#include "tools/render/RenderCommand.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {
// What the song of the fixture plays after its program change: D4 for a quarter, then E4 for a quarter, at
// 500 ms a quarter.
const Lines twoNotes = {"0 90 3E 64", "500 80 3E 00", "500 90 40 5A", "1000 80 40 00"};

Lines linesOf(std::istream&& text) {
    Lines lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

class RenderCommandTest : public testing::Test {
  protected:
    RenderCommandTest() {
        fs::create_directories(folder_);
        // No tempo event: the default 500 ms a quarter. The program change has one data byte.
        song_ =
            writeSong(SmfWriter(0, 480)
                          .track({0x00, 0xC0, 5,  0x00, 0x90, 62,   100, 0x83, 0x60, 0x80, 62,   0,   0x00,
                                  0x90, 64,   90, 0x83, 0x60, 0x80, 64,  0,    0x00, 0xFF, 0x2F, 0x00})
                          .bytes());
    }
    ~RenderCommandTest() override { fs::remove_all(folder_); }

    std::string writeSong(const std::vector<uint8_t>& bytes, const std::string& name = "song.mid") {
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return (folder_ / name).string();
    }

    // Runs the command; returns its standard output as lines.
    Lines run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        exitCode = runRenderCommand(arguments, out, err);
        errors = err.str();
        return linesOf(std::istringstream(out.str()));
    }

    // One folder per process and test, so that test runs of several builds at once do not meet.
    const fs::path folder_ =
        fs::temp_directory_path() / ("velmira-render-test-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string song_;
    int exitCode = -1;
    std::string errors;
};
}  // namespace

// The master volume's 16 scaled volumes follow the 17 load messages.
TEST_F(RenderCommandTest, WritesLoadVolumeNoteAndStopLinesToAFileAndTheMessagesAsAMidiFile) {
    const std::string text = (folder_ / "out.txt").string(), smf = (folder_ / "out.mid").string();
    EXPECT_TRUE(run({"--volume", "120", "--out", text, "--smf", smf, song_}).empty());
    ASSERT_EQ(exitCode, 0) << errors;
    const Lines lines = linesOf(std::ifstream(text));
    ASSERT_EQ(lines.size(), 17u + 16u + 5u + 48u);
    EXPECT_EQ(lines[0], "0 B0 79 00");
    EXPECT_EQ(lines[16], "0 F0 41 10 42 12 40 00 7F 00 41 F7");
    EXPECT_EQ(lines[17], "0 B0 07 78");
    EXPECT_EQ(lines[32], "0 BF 07 78");
    EXPECT_EQ(lines[33], "0 C0 05 00");
    EXPECT_EQ(Lines(lines.begin() + 34, lines.begin() + 38), twoNotes);
    // The track ends in the tick at 1000 ms; the next tick finds nothing left and the window stops.
    EXPECT_EQ(lines[38], "1010 B0 42 00");
    EXPECT_EQ(lines.back(), "1010 BF 7B 00");
    // Playing the written MIDI file sends the same messages at the same times, between its own load and stop.
    const Lines replayed = run({smf});
    ASSERT_EQ(replayed.size(), 17u + lines.size() + 48u);
    EXPECT_EQ(Lines(replayed.begin() + 17, replayed.end() - 48), lines);
}

// The rules themselves are the filter's tests; this run shows that the options reach it: two flats lower
// E, the shift follows the effect, and the doubled note goes first.
TEST_F(RenderCommandTest, HandsItsOptionsToTheEffectAndTheLiveControls) {
    const Lines lines =
        run({"--effect", "12", "--keysig", "-1", "2", "--transpose", "-2", "--double", "0", song_});
    ASSERT_EQ(lines.size(), 17u + 9u + 48u);
    EXPECT_EQ(Lines(lines.begin() + 18, lines.end() - 48),
              (Lines{"0 90 30 64", "0 90 3C 64", "500 80 30 00", "500 80 3C 00", "500 90 31 5A",
                     "500 90 3D 5A", "1000 80 31 00", "1000 80 3D 00"}));
}

TEST_F(RenderCommandTest, RefusesBadCommandLinesAndMissingFilesAndPlaysAFileThatIsNotMidiToItsEnd) {
    for (const Lines& bad : {Lines{}, Lines{"--effect", "14", "x.mid"}, Lines{"--keysig", "2", "1", "x.mid"},
                             Lines{"--pitchmap", "1,2,3", "x.mid"}, Lines{"--solo", "16", "x.mid"},
                             Lines{"--volume", "121", "x.mid"}, Lines{"--frobnicate", "x.mid"},
                             Lines{"a.mid", "b.mid"}, Lines{"--transpose"}}) {
        EXPECT_TRUE(run(bad).empty());
        EXPECT_EQ(exitCode, 2) << (bad.empty() ? "" : bad[0]);
        EXPECT_NE(errors.find("usage: velmira-render"), std::string::npos);
    }
    run({(folder_ / "missing.mid").string()});
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors.find("ファイルが見つかりません"), std::string::npos);
    run({folder_.string()});
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors.find("File Read Error"), std::string::npos);
    EXPECT_FALSE(run({"--help"}).empty());
    EXPECT_EQ(exitCode, 0);
    // A file that is not MIDI is played as the program would, and ends.
    EXPECT_EQ(run({writeSong({'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, "text.mid")}).size(),
              17u + 48u);
    EXPECT_EQ(exitCode, 0);
}
