// velmira-render from the outside: files in, lines out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/SongBytes.h"
#include "tools/render/RenderCommand.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {
// What the song of the fixture plays: D4 for a quarter, then E4 for a quarter, at 500 ms a quarter.
const Lines twoNotes = {"0 90 3E 64", "500 80 3E 00", "500 90 40 5A", "1000 80 40 00"};

class RenderCommandTest : public testing::Test {
  protected:
    RenderCommandTest() {
        fs::create_directories(folder_);
        song_ = writeSong(SongBytes(0, 480)
                              .track(join({tempoEvent(500000),
                                           {0x00, 0x90, 62, 100, 0x83, 0x60, 0x80, 62, 0},
                                           {0x00, 0x90, 64, 90, 0x83, 0x60, 0x80, 64, 0},
                                           endOfTrack()}))
                              .bytes());
    }
    ~RenderCommandTest() override { fs::remove_all(folder_); }

    std::string writeSong(const std::vector<uint8_t>& bytes, const std::string& name = "song.mid") {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return path.string();
    }

    // Runs the command; returns its standard output as lines.
    Lines run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        exitCode = runRenderCommand(arguments, out, err);
        errors = err.str();
        Lines lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }

    // The lines after the 17 load messages, without the 48 stop messages.
    static Lines played(const Lines& lines) {
        if (lines.size() < 17 + 48) return {};
        return Lines(lines.begin() + 17, lines.end() - 48);
    }

    const fs::path folder_ =
        fs::temp_directory_path() /
        ("velmira-render-test-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
         testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string song_;
    int exitCode = -1;
    std::string errors;
};
}  // namespace

TEST_F(RenderCommandTest, WritesTheLoadMessagesTheNotesAndTheStopAtTheirTicks) {
    const Lines lines = run({song_});
    ASSERT_EQ(exitCode, 0) << errors;
    ASSERT_EQ(lines.size(), 17u + 4u + 48u);
    EXPECT_EQ(lines[0], "0 B0 79 00");
    EXPECT_EQ(lines[16], "0 F0 41 10 42 12 40 00 7F 00 41 F7");
    EXPECT_EQ(played(lines), twoNotes);
    // The track ends in the tick at 1000 ms; the next tick finds nothing left and the window stops.
    EXPECT_EQ(lines[21], "1010 B0 42 00");
    EXPECT_EQ(lines.back(), "1010 BF 7B 00");
}

TEST_F(RenderCommandTest, AppliesTheEffectAndTheLiveControlsOfItsOptions) {
    const struct {
        Lines options;
        Lines played;
    } cases[] = {
        // "サスペンス風" silences D and passes E, but not before a window that starts at second 1.
        {{"--effect", "9"}, {"0 90 3E 00", "500 80 3E 00", "500 90 40 5A", "1000 80 40 00"}},
        {{"--effect", "9", "--window", "1", "10"}, twoNotes},
        // Two flats lower B and E.
        {{"--effect", "12", "--keysig", "-1", "2"},
         {"0 90 3E 64", "500 80 3E 00", "500 90 3F 5A", "1000 80 3F 00"}},
        // The pitch map moves D up a whole tone and rests E.
        {{"--effect", "13", "--pitchmap", "0,0,2,0,100,0,0,0,0,0,0,0"},
         {"0 90 40 64", "500 80 40 00", "500 90 40 00", "1000 80 40 00"}},
        {{"--transpose", "-2"}, {"0 90 3C 64", "500 80 3C 00", "500 90 3E 5A", "1000 80 3E 00"}},
        {{"--mute", "0"}, {"0 90 3E 00", "500 80 3E 00", "500 90 40 00", "1000 80 40 00"}},
        {{"--solo", "1"}, {"0 90 3E 00", "500 80 3E 00", "500 90 40 00", "1000 80 40 00"}},
        {{"--double", "0"},
         {"0 90 32 64", "0 90 3E 64", "500 80 32 00", "500 80 3E 00", "500 90 34 5A", "500 90 40 5A",
          "1000 80 34 00", "1000 80 40 00"}},
    };
    for (const auto& c : cases) {
        Lines arguments = c.options;
        arguments.push_back(song_);
        EXPECT_EQ(played(run(arguments)), c.played) << c.options[0] << " " << c.options[1];
    }
}

TEST_F(RenderCommandTest, MasterVolumeSendsTheScaledVolumesBeforePlaying) {
    const Lines lines = run({"--volume", "120", song_});
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(lines[17], "0 B0 07 78");
    EXPECT_EQ(lines[32], "0 BF 07 78");
    EXPECT_EQ(lines[33], "0 90 3E 64");
}

TEST_F(RenderCommandTest, WritesToAFileAndAsAMidiFileWithExactTimes) {
    const std::string text = (folder_ / "out.txt").string();
    const std::string smf = (folder_ / "out.mid").string();
    EXPECT_TRUE(run({"--out", text, "--smf", smf, song_}).empty());
    ASSERT_EQ(exitCode, 0) << errors;
    std::ifstream written(text);
    std::string first;
    std::getline(written, first);
    EXPECT_EQ(first, "0 B0 79 00");
    // Playing the written file again gives the same notes at the same times.
    Lines notes;
    for (const std::string& line : run({smf}))
        if (line.find(" 90 ") != std::string::npos || line.find(" 80 ") != std::string::npos)
            notes.push_back(line);
    EXPECT_EQ(notes, twoNotes);
}

TEST_F(RenderCommandTest, RefusesBadCommandLinesAndMissingFilesWithAMessage) {
    EXPECT_TRUE(run({}).empty());
    EXPECT_EQ(exitCode, 2);
    EXPECT_NE(errors.find("usage: velmira-render"), std::string::npos);
    for (const Lines& bad : {Lines{"--effect", "14", "x.mid"}, Lines{"--keysig", "2", "1", "x.mid"},
                             Lines{"--pitchmap", "1,2,3", "x.mid"}, Lines{"--solo", "16", "x.mid"},
                             Lines{"--volume", "121", "x.mid"}, Lines{"--frobnicate", "x.mid"},
                             Lines{"a.mid", "b.mid"}, Lines{"--transpose"}}) {
        run(bad);
        EXPECT_EQ(exitCode, 2) << bad[0];
    }
    run({(folder_ / "missing.mid").string()});
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors.find("ファイルが見つかりません"), std::string::npos);
    run({folder_.string()});
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors.find("File Read Error"), std::string::npos);
    EXPECT_FALSE(run({"--help"}).empty());
    EXPECT_EQ(exitCode, 0);
}

TEST_F(RenderCommandTest, AFileThatIsNotMidiIsPlayedAsTheProgramWouldAndEnds) {
    EXPECT_EQ(run({writeSong({'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, "text.mid")}).size(),
              17u + 48u);
    EXPECT_EQ(exitCode, 0);
}
