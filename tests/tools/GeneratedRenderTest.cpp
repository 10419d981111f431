// velmira-render playing the sound generators' songs: the song written as built, what is heard of it, and
// the generators' refusals in the window's words.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "images/DibImage.h"
#include "tests/images/BmpBuilder.h"
#include "tools/render/RenderCommand.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

namespace {
class GeneratedRenderTest : public testing::Test {
  protected:
    GeneratedRenderTest() { fs::create_directories(folder_); }
    ~GeneratedRenderTest() override { fs::remove_all(folder_); }

    std::string write(const std::string& name, const Bytes& bytes) {
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path(name);
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    Bytes read(const std::string& name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }

    Lines run(const Lines& arguments) {
        std::ostringstream out, err;
        exitCode = runRenderCommand(arguments, out, err);
        errors = err.str();
        Lines lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("velmira-generated-render-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    int exitCode = -1;
    std::string errors;
};

// The status bytes of the note-ons heard, by channel.
std::set<std::string> noteOnStatuses(const Lines& lines) {
    std::set<std::string> statuses;
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        std::string time, status, note, velocity;
        fields >> time >> status >> note >> velocity;
        if (status[0] == '9' && velocity != "00") statuses.insert(status);
    }
    return statuses;
}
}  // namespace

// Every source starts from the random state the program starts with, so each song is the one the window's
// first command of its kind would make.
TEST_F(GeneratedRenderTest, WritesEachGeneratedSongAsBuiltAndPlaysAllFourTracks) {
    const Bytes grey = encodeBmpFile(DibImage::create24(64, 64));
    PseudoRandom fresh[3];
    std::istringstream picture(std::string(grey.begin(), grey.end()));
    const struct {
        Lines source;
        Bytes song;
    } cases[] = {
        {{"--from-text", write("spaces.txt", Bytes(300, ' '))},
         buildTextSong(Bytes(300, ' '), fresh[0]).image},
        {{"--from-picture", write("grey.bmp", grey)}, buildPictureSong(picture, fresh[1]).image},
        {{"--from-seed", "4294967295"}, buildRandomSong(4294967295u, fresh[2]).image},
    };
    ASSERT_EQ(cases[0].song.size(), 6649u);
    for (const auto& c : cases) {
        Lines arguments = {"--song-out", path("song.mid")};
        arguments.insert(arguments.end(), c.source.begin(), c.source.end());
        const Lines lines = run(arguments);
        ASSERT_EQ(exitCode, 0) << c.source[0] << ": " << errors;
        EXPECT_EQ(read("song.mid"), c.song) << c.source[0];
        EXPECT_EQ(noteOnStatuses(lines), (std::set<std::string>{"90", "91", "92", "99"})) << c.source[0];
        // Replaying the written song sends the same.
        EXPECT_EQ(run({path("song.mid")}), lines) << c.source[0];
    }
}

TEST_F(GeneratedRenderTest, RefusalsGoToStandardErrorInTheWindowsWordsAndNothingIsWritten) {
    const struct {
        Lines arguments;
        std::string message;
    } cases[] = {
        {{"--from-text", write("255.txt", Bytes(255, 'a'))}, "ファイルサイズが小さすぎます"},
        {{"--from-text", write("16001.txt", Bytes(16001, 'a'))}, "ファイルサイズが大きすぎます"},
        {{"--from-text", path("gone.txt")}, "ファイルが見つかりません"},
        {{"--from-picture", path("gone.bmp")}, "ファイルオープンに失敗しました"},
        {{"--from-picture", write("text.bmp", Bytes(300, ' '))}, "ファイル読み込みに失敗しました"},
        {{"--from-picture", write("sixteen.bmp", BmpBuilder(64, 64, 4).bytes())},
         "ビットマップの色数がたりません"},
        {{"--from-picture", write("small.bmp", encodeBmpFile(DibImage::create24(63, 64)))},
         "ビットマップが小さすぎます"},
    };
    for (const auto& c : cases) {
        Lines arguments = c.arguments;
        arguments.insert(arguments.end(), {"--song-out", path("song.mid")});
        EXPECT_TRUE(run(arguments).empty()) << c.message;
        EXPECT_EQ(exitCode, 1) << c.message;
        EXPECT_EQ(errors, c.arguments[1] + ": " + c.message + "\n");
        EXPECT_FALSE(fs::exists(folder_ / "song.mid")) << c.message;
    }
}

TEST_F(GeneratedRenderTest, RefusesASecondSongOrASeedThatIsNoClockValue) {
    for (const Lines& bad :
         {Lines{"--from-seed", "-1"}, Lines{"--from-seed", "4294967296"}, Lines{"--from-seed", "12x"},
          Lines{"--from-seed"}, Lines{"--from-text"}, Lines{"--from-picture", ""},
          Lines{"--from-seed", "1", "--from-text", "a.txt"}, Lines{"a.mid", "--from-seed", "1"},
          Lines{"--from-seed", "1", "a.mid"}, Lines{"--from-seed", "1", "--song-out"}}) {
        EXPECT_TRUE(run(bad).empty());
        EXPECT_EQ(exitCode, 2) << bad.back();
        EXPECT_NE(errors.find("usage: velmira-render"), std::string::npos);
    }
}
