// A click on a channel's row of the face's tone column: when it opens the dialog, on which channel, and
// what a dialog closed without an answer leaves.
#include <gtest/gtest.h>

#include "playback/RecordingMidiOut.h"
#include "tones/ToneChanger.h"

namespace {
// Previews row 1 and leaves the dialog without OK or Cancel, as closing its window does.
class PreviewingDialog : public ToneDialogPort {
  public:
    void runToneDialog(ToneDialogModel& dialog) override {
        ++shown;
        channel = dialog.channel();
        dialog.select(1);
    }
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
    PreviewingDialog dialog;
    ToneChanger changer{tones, out, dialog};
};

TEST_F(ToneChangerTest, OpensOnlyOnASoundedChannelWithAGsModule) {
    EXPECT_EQ((std::vector<bool>{click(0, SoundModule::sb16), click(2, SoundModule::sc88, false), click(3),
                                 click(15, SoundModule::sc55)}),
              (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(std::pair(dialog.shown, dialog.channel), std::pair(2, 15));
}

TEST_F(ToneChangerTest, ADialogClosedWithoutAnAnswerCountsAsCancel) {
    tones.takeSongProgram(0, 24);
    click(0);
    ASSERT_EQ(out.messages().size(), 6u) << "the preview, then the channel's own tone";
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[5]), "0 C0 18 00");
    EXPECT_FALSE(tones.at(0).fixed);
}
}  // namespace
