// The tone column and the sound-module menu of the main window, with a scripted platform: what the tone
// dialog's OK does to the rest of the song, and what the Sound Blaster 16 turns off.
#include "tests/app/WindowModelFixture.h"
#include "tests/support/ToneColumnSong.h"
#include "tones/ToneDialogModel.h"
#include "tones/ToneTable.h"

namespace {
int rowY(int channel) {
    return 40 + 32 * channel;
}

class ToneColumnTest : public WindowModelTest {
  protected:
    ToneColumnTest() : WindowModelTest({ScriptedPlatform::toneDialogs}) {}
    // Nothing here has anything to say.
    void TearDown() override { EXPECT_EQ(port.messages, Lines{}); }

    // Opens the song and plays its first notes.
    void play(bool withGmSystemOn = false) {
        ASSERT_TRUE(startUp());
        port.addFile("song.mid", toneColumnSong(withGmSystemOn));
        openSongFile("song.mid");
        model.leftButtonDown(80, 460);
        ASSERT_TRUE(model.engine().player().playing());
        ticks(3);
        out.clear();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) timer.tick();
    }
};
}  // namespace

// The song's GM System On reaches the dialog, which then refuses variation tones.
TEST_F(ToneColumnTest, AfterGmSystemOnTheDialogRefusesVariationTones) {
    play(true);
    port.answerToneDialog = [](ToneDialogModel& dialog) {
        EXPECT_EQ(dialog.select(toneIndex(SoundModule::sc88, 40, 8)), ToneDialogModel::Selection::refused);
        dialog.cancel();
    };
    model.leftButtonDown(250, rowY(3));
    EXPECT_EQ(port.toneDialogChannels, std::vector<int>{3});
}

// What each module refuses is the tone changer's and the face's rule; here, that the menu's choice counts.
TEST_F(ToneColumnTest, TheSoundBlasterChosenFromTheMenuTurnsOffTheToneColumnAndTheCells) {
    play();
    model.leftButtonDown(9 + 20, 449 + 20);  // stop
    model.onCommand(IDM_MODULE_SB16);
    EXPECT_TRUE(model.menuItemState(IDM_MODULE_SB16).checked);
    EXPECT_EQ(model.face().soundModule, SoundModule::sb16);
    model.leftButtonDown(80, 460);
    ticks(3);
    out.clear();
    model.leftButtonDown(250, rowY(3));       // tone column
    model.leftButtonDown(297 + 35, rowY(3));  // reverb cell
    EXPECT_TRUE(port.toneDialogChannels.empty());
    EXPECT_TRUE(out.messages().empty());
}
