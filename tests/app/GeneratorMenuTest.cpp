// "別領域" on the window's rules with a scripted platform: which file each command asks for, what it
// refuses and says, the title it gives the song, and that a refusal leaves the loaded song alone.
#include <sstream>

#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "tests/app/WindowModelFixture.h"

namespace {
using Bytes = std::vector<uint8_t>;

std::string detailsOf(size_t size) {
    return "  (" + std::to_string(size) + " バイト:フォーマット=1:トラック数=4)";
}

const std::string textFilter = "テキストファイル(*.txt)|*.txt||";
const std::string pictureFilter = "ビットマップ(*.bmp)|*.bmp||";

class GeneratorMenuTest : public WindowModelTest {
  protected:
    GeneratorMenuTest() : WindowModelTest({ScriptedPlatform::generators}) {
        port.addFile("song.mid", SmfWriter(1, 480).track({0x00, 0xFF, 0x2F, 0x00}).bytes());
        port.addFile("spaces.txt", Bytes(300, ' '));
        port.addFile("grey.bmp", grey);
    }
    void SetUp() override { ASSERT_TRUE(startUp()); }

    void generate(int id, std::optional<std::string> choice = std::nullopt) {
        port.nextChoice = std::move(choice);
        model.onCommand(id);
    }
    const Bytes& loaded() { return model.engine().song().image(); }
    void openMidiFile() {
        openSongFile("song.mid");
        ASSERT_EQ(loaded(), port.files["song.mid"].bytes);
    }

    Bytes grey = encodeBmpFile(DibImage::create24(64, 64));
};
}  // namespace

// The program's one random source starts at 1, and only the random sound re-seeds it: the songs made
// after it continue its sequence.
TEST_F(GeneratorMenuTest, EachCommandOpensItsSongUnderItsNameAndTheSongsShareOneRandomSequence) {
    PseudoRandom expected;
    generate(IDM_GENERATE_TEXT, "spaces.txt");
    const GeneratedSong text = buildTextSong(Bytes(300, ' '), expected);
    ASSERT_EQ(text.image.size(), 6649u);
    EXPECT_EQ(loaded(), text.image);
    EXPECT_EQ(port.title, "spaces.txt" + detailsOf(6649));

    generate(IDM_GENERATE_PICTURE, "grey.bmp");
    std::istringstream picture(std::string(grey.begin(), grey.end()));
    const GeneratedSong pictureSong = buildPictureSong(picture, expected);
    EXPECT_EQ(loaded(), pictureSong.image);

    port.clock = 1234567890;
    generate(IDM_GENERATE_RANDOM);
    const GeneratedSong random = buildRandomSong(1234567890, expected);
    EXPECT_EQ(loaded(), random.image);
    EXPECT_EQ(port.sourceFilters, (Lines{textFilter, pictureFilter}));  // no dialog for the random sound

    generate(IDM_GENERATE_TEXT, "spaces.txt");
    EXPECT_EQ(loaded(), buildTextSong(Bytes(300, ' '), expected).image);
    EXPECT_FALSE(timer.running());  // none starts playback
}

// What each generator refuses is its own rule; here, the menu's own refusals: a cancelled or unreadable
// choice passes without a word, a text too long is refused by its size before it is read.
TEST_F(GeneratorMenuTest, ARefusalSaysWhyOnlyWhenItHasWordsAndLeavesTheLoadedSongAndTitle) {
    port.addFile("16001.txt", Bytes(16001, 'a'));
    port.files["locked.txt"] = {FileData::readError, {}};
    const struct {
        int id;
        std::optional<std::string> choice;
        Lines messages;
    } cases[] = {
        {IDM_GENERATE_TEXT, std::nullopt, {}},
        {IDM_GENERATE_TEXT, "16001.txt", {"ファイルサイズが大きすぎます"}},
        {IDM_GENERATE_PICTURE, "", {}},
        {IDM_GENERATE_PICTURE, "gone.bmp", {"ファイルオープンに失敗しました"}},
    };
    openMidiFile();
    const std::string title = port.title;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice.value_or("cancelled"));
        port.messages.clear();
        generate(c.id, c.choice);
        EXPECT_EQ(port.messages, c.messages);
        EXPECT_EQ(port.title, title);
        EXPECT_EQ(loaded(), port.files["song.mid"].bytes);
    }
    EXPECT_EQ(port.wholeReads, Lines{"song.mid"});
}
