// velmira-render playing the sound generators' songs: the song written as built and played as written, and
// the generators' refusals in the window's words (the songs' content is the generators' tests').
#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "images/DibImage.h"
#include "tests/tools/RenderFixture.h"

using Bytes = std::vector<uint8_t>;

namespace {
using GeneratedRenderTest = RenderTest;
}  // namespace

// Every source starts from the random state the program starts with, so each song is the one the window's
// first command of its kind would make.
TEST_F(GeneratedRenderTest, WritesEachGeneratedSongAsBuiltAndPlaysIt) {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source[0]);
        Lines arguments = {"--song-out", path("song.mid")};
        arguments.insert(arguments.end(), c.source.begin(), c.source.end());
        const Lines lines = run(arguments);
        ASSERT_EQ(exitCode, 0) << errors;
        EXPECT_EQ(read("song.mid"), c.song);
        EXPECT_GT(lines.size(), 17u + 48u) << "no more than the load and the stop";
        EXPECT_EQ(run({path("song.mid")}), lines) << "replaying the written song sends the same";
    }
}

// The texts themselves are the generators' messages' tests; these are the renderer's own ways to them.
TEST_F(GeneratedRenderTest, RefusalsGoToStandardErrorInTheWindowsWordsAndNothingIsWritten) {
    const struct {
        Lines arguments;
        std::string message;
    } cases[] = {
        {{"--from-text", write("255.txt", Bytes(255, 'a'))}, "ファイルサイズが小さすぎます"},
        {{"--from-text", path("gone.txt")}, "ファイルが見つかりません"},
        {{"--from-picture", write("small.bmp", encodeBmpFile(DibImage::create24(63, 64)))},
         "ビットマップが小さすぎます"},
    };
    for (const auto& c : cases) {
        Lines arguments = c.arguments;
        arguments.insert(arguments.end(), {"--song-out", path("song.mid")});
        EXPECT_TRUE(run(arguments).empty()) << c.message;
        EXPECT_EQ(exitCode, 1) << c.message;
        EXPECT_EQ(errors, c.arguments[1] + ": " + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(path("song.mid"))) << c.message;
    }
}
