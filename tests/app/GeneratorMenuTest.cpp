// "別領域" on the window's rules with a scripted platform: which file each command asks for, the title it
// gives the song, the random sequence the songs share, and a refusal said. Which sources are refused is the
// generators' tests'.
#include <sstream>

#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "tests/app/WindowModelFixture.h"

namespace {
using Bytes = std::vector<uint8_t>;

class GeneratorMenuTest : public WindowModelTest {
  protected:
    GeneratorMenuTest() {
        port.addFile("spaces.txt", Bytes(300, ' '));
        port.addFile("grey.bmp", grey);
    }
    void SetUp() override { ASSERT_TRUE(startUp()); }

    void generate(int id, std::optional<std::string> choice = std::nullopt) {
        port.nextChoice = std::move(choice);
        model.onCommand(id);
    }
    const Bytes& loaded() { return model.engine().song().image(); }

    Bytes grey = encodeBmpFile(DibImage::create24(64, 64));
};
}  // namespace

// The program's one random source starts at 1, and only the random sound re-seeds it: the songs made
// after it continue its sequence.
TEST_F(GeneratorMenuTest, EachCommandOpensItsSongUnderItsNameAndTheSongsShareOneRandomSequence) {
    PseudoRandom expected;
    generate(IDM_GENERATE_TEXT, "spaces.txt");
    EXPECT_EQ(loaded(), buildTextSong(Bytes(300, ' '), expected).image);
    EXPECT_EQ(port.title, "spaces.txt  (6649 バイト:フォーマット=1:トラック数=4)");

    generate(IDM_GENERATE_PICTURE, "grey.bmp");
    std::istringstream picture(std::string(grey.begin(), grey.end()));
    EXPECT_EQ(loaded(), buildPictureSong(picture, expected).image);

    port.clock = 1234567890;
    generate(IDM_GENERATE_RANDOM);
    EXPECT_EQ(loaded(), buildRandomSong(1234567890, expected).image);
    // No dialog for the random sound.
    EXPECT_EQ(port.sourceFilters, (Lines{"テキストファイル(*.txt)|*.txt||", "ビットマップ(*.bmp)|*.bmp||"}));

    generate(IDM_GENERATE_TEXT, "spaces.txt");
    EXPECT_EQ(loaded(), buildTextSong(Bytes(300, ' '), expected).image);
    EXPECT_FALSE(timer.running());  // none starts playback
    EXPECT_TRUE(port.waitCursorShows == 4 && !port.waitCursor) << "each is loaded under the wait cursor";
}

TEST_F(GeneratorMenuTest, ACancelledDialogReadsNothingAndARefusedSourceIsSaidAndLoadsNothing) {
    port.addFile("", Bytes(300, ' '));  // what a read of no name would find
    generate(IDM_GENERATE_TEXT);
    generate(IDM_GENERATE_PICTURE);
    EXPECT_TRUE(port.messages.empty());
    port.addFile("tiny.txt", Bytes(1, ' '));
    port.addFile("long.txt", Bytes(maxTextSourceSize + 1, ' '));  // refused by its size, unread
    port.files["huge.txt"] = {FileData::noMemory, {}};
    for (const char* name : {"tiny.txt", "long.txt", "huge.txt"}) generate(IDM_GENERATE_TEXT, name);
    EXPECT_EQ(
        std::pair(port.messages, loaded().size()),
        std::pair(Lines{"ファイルサイズが小さすぎます", generatorFailureText(GeneratorError::textTooLarge),
                        generatorFailureText(GeneratorError::noMemory)},
                  size_t(0)));
}
