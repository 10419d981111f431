// A click on a channel's row of the face's tone column: when it opens the dialog, and on which channel.
#include <gtest/gtest.h>

#include "playback/RecordingMidiOut.h"
#include "tones/ToneChanger.h"

namespace {
// Presses OK on the dialog after selecting `row`, or leaves it by other means when `row` is negative.
class ScriptedDialog : public ToneDialogPort {
  public:
    void runToneDialog(ToneDialogModel& dialog) override {
        ++shown;
        channel = dialog.channel();
        if (row < 0) return;
        dialog.select(row);
        dialog.ok();
    }
    int row = -1;
    int shown = 0;
    int channel = -1;
};

class ToneChangerTest : public testing::Test {
  protected:
    bool click(int channel, SoundModule module = SoundModule::sc88, bool sounded = true) {
        return changer.changeChannelTone(channel, module, false, sounded);
    }
    ChannelTones tones;
    RecordingMidiOut out;
    ScriptedDialog dialog;
    ToneChanger changer{tones, out, dialog};
};

TEST_F(ToneChangerTest, OpensOnlyOnASoundedChannelWithAGsModule) {
    EXPECT_FALSE(click(0, SoundModule::sb16));
    EXPECT_FALSE(click(2, SoundModule::sc88, false));
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_TRUE(click(3));
    EXPECT_TRUE(click(15, SoundModule::sc55));
    EXPECT_EQ(dialog.shown, 2);
    EXPECT_EQ(dialog.channel, 15);
    EXPECT_TRUE(out.messages().empty());
}

TEST_F(ToneChangerTest, ADialogClosedWithoutAnAnswerCountsAsCancel) {
    tones.takeSongProgram(0, 24);
    struct PreviewOnly : ToneDialogPort {
        void runToneDialog(ToneDialogModel& dialog) override { dialog.select(1); }
    } previewOnly;
    ToneChanger changer(tones, out, previewOnly);
    changer.changeChannelTone(0, SoundModule::sc88, false, true);
    ASSERT_EQ(out.messages().size(), 6u) << "the preview, then the channel's own tone";
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[5]), "0 C0 18 00");
    EXPECT_FALSE(tones.at(0).fixed);
}

TEST_F(ToneChangerTest, OkThroughTheClickLocksTheChannel) {
    dialog.row = 2;  // SC-88 drum set ROOM
    click(9);
    EXPECT_TRUE(tones.at(9).fixed);
    EXPECT_EQ(tones.at(9).program, 8);
}
}  // namespace
