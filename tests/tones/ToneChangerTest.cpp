// A click on the face's tone column: which clicks open the dialog, and on which channel.
#include <gtest/gtest.h>

#include <optional>

#include "playback/RecordingMidiOut.h"
#include "tones/ToneChanger.h"
#include "tones/ToneColumn.h"

namespace {
TEST(ToneColumn, RowsHaveTheirEdges) {
    struct Case {
        int x, y;
        std::optional<int> channel;
    };
    const Case cases[] = {
        {221, 35, 0},
        {280, 51, 0},
        {220, 40, std::nullopt},
        {281, 40, std::nullopt},
        {250, 34, std::nullopt},
        {250, 52, std::nullopt},
        {250, 66, std::nullopt},
        {250, 67, 1},
        {250, 531, 15},
        {250, 532, std::nullopt},
        {250, 547, std::nullopt},
        {250, -5, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(toneColumn::channelAt(c.x, c.y), c.channel) << c.x << "," << c.y;
}

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
    bool click(int x, int y, SoundModule module = SoundModule::sc88) {
        return changer.changeChannelTone(x, y, module, false, [this](int ch) { return sounded[ch]; });
    }
    ChannelTones tones;
    RecordingMidiOut out;
    ScriptedDialog dialog;
    ToneChanger changer{tones, out, dialog};
    bool sounded[16] = {};
};

TEST_F(ToneChangerTest, OpensOnASoundedChannelsRow) {
    sounded[3] = true;
    EXPECT_TRUE(click(230, 35 + 3 * 32 + 5));
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.channel, 3);
}

TEST_F(ToneChangerTest, OpensNothingWithoutListsOffTheRowsOrOnASilentChannel) {
    for (bool& channel : sounded) channel = true;
    EXPECT_FALSE(click(230, 40, SoundModule::sb16));
    EXPECT_FALSE(click(230, 60)) << "between rows";
    sounded[2] = false;
    EXPECT_FALSE(click(230, 35 + 2 * 32));
    EXPECT_EQ(dialog.shown, 0);
}

TEST_F(ToneChangerTest, ADialogClosedWithoutAnAnswerCountsAsCancel) {
    sounded[0] = true;
    tones.tone[0].program = 24;
    struct PreviewOnly : ToneDialogPort {
        void runToneDialog(ToneDialogModel& dialog) override { dialog.select(1); }
    } previewOnly;
    ToneChanger changer(tones, out, previewOnly);
    changer.changeChannelTone(230, 40, SoundModule::sc88, false, [](int) { return true; });
    ASSERT_EQ(out.messages().size(), 6u) << "the preview, then the channel's own tone";
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[5]), "0 C0 18 00");
    EXPECT_FALSE(tones.toneFixed[0]);
}

TEST_F(ToneChangerTest, OkThroughTheClickLocksTheChannel) {
    sounded[9] = true;
    dialog.row = 2;  // SC-88 drum set ROOM
    click(250, 35 + 9 * 32);
    EXPECT_TRUE(tones.toneFixed[9]);
    EXPECT_EQ(tones.tone[9].program, 8);
}
}  // namespace
