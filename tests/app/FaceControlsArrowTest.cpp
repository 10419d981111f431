// The arrow buttons of the volume, transpose and tempo fields: their steps, limits, messages and pictures.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, VolumeStepsByTenBetweenZeroAndOneHundredTwentyScalingEveryChannel) {
    play();
    face.volumeBase[3] = 120;
    for (int expected = 90; expected >= 0; expected -= 10) {
        click(face::volumeField.down.hot);
        EXPECT_EQ(face.masterVolume, expected);
    }
    EXPECT_TRUE(rig.controls.volumeAllFixed.load());
    forget();
    EXPECT_TRUE(click(face::volumeField.down.hot));  // at 0: default handling, nothing else
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());

    for (int step = 0; step < 14; ++step) click(face::volumeField.up.hot);
    EXPECT_EQ(face.masterVolume, 120);
    click(face::volumeField.down.hot);
    forget();
    EXPECT_FALSE(click(face::volumeField.up.hot));
    Lines expected;
    for (int channel = 0; channel < 16; ++channel) expected.push_back(controlChange(channel, 7, 120));
    expected[3] = controlChange(3, 7, 127);  // 120 percent of 120, clamped
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(drawing.requests, (Lines{"readout 4", "sprite 12"}));
}

TEST_F(FaceControlsTest, TempoStepsQuietlyAndStopsPastTwentyAndFourHundred) {
    play();
    rig.sequencer.setDisplayTempo(25);
    click(face::tempoField.down.hot);
    EXPECT_EQ(rig.sequencer.displayTempo(), 15);
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 4000.0);
    EXPECT_FALSE(controls.leftButtonUp());
    EXPECT_TRUE(click(face::tempoField.down.hot));
    EXPECT_EQ(rig.sequencer.displayTempo(), 15);
    EXPECT_EQ(drawing.requests, (Lines{"readout 1", "sprite 2", "sprite 3"}));

    rig.sequencer.setDisplayTempo(395);
    click(face::tempoField.up.hot);
    controls.leftButtonUp();
    click(face::tempoField.up.hot);
    EXPECT_EQ(rig.sequencer.displayTempo(), 405);
    EXPECT_TRUE(sent().empty());
    rig.tick();  // a step is the user's tempo, not the song's: the read-out is not recomputed
    ASSERT_FALSE(rig.updates.empty());
    EXPECT_FALSE(rig.updates.back().redraw.tempoRedraw);
    EXPECT_EQ(rig.sequencer.displayTempo(), 405);

    rig.sequencer.setDisplayTempo(20);
    click(face::tempoField.down.hot);
    EXPECT_EQ(rig.sequencer.displayTempo(), 20);
}

TEST_F(FaceControlsTest, TransposeSilencesEveryChannelAndStopsAtAnOctave) {
    play();
    click(face::transposeField.up.hot);
    EXPECT_EQ(rig.controls.keyShift.load(), 1);
    EXPECT_TRUE(rig.controls.keyShiftActive.load());
    Lines allSoundOff;
    for (int channel = 0; channel < 16; ++channel) allSoundOff.push_back(controlChange(channel, 120, 0));
    EXPECT_EQ(sent(), allSoundOff);
    EXPECT_EQ(drawing.requests, (Lines{"readout 3", "sprite 8"}));

    for (int step = 0; step < 30; ++step) click(face::transposeField.down.hot);
    EXPECT_EQ(rig.controls.keyShift.load(), -12);
    EXPECT_EQ(sent().size(), 16u * 14);
    for (int step = 0; step < 30; ++step) click(face::transposeField.up.hot);
    EXPECT_EQ(rig.controls.keyShift.load(), 12);
}

TEST_F(FaceControlsTest, AnArrowShowsItsPressedPictureUntilReleasedOrLeft) {
    const face::Rect hot = face::volumeField.down.hot;
    play();
    click(hot);
    EXPECT_TRUE(controls.mouseMove(hot.left, hot.top));
    EXPECT_EQ(face.pressedButton, FaceState::volumeDown);
    EXPECT_FALSE(controls.mouseMove(hot.left - 1, hot.top));
    EXPECT_EQ(face.pressedButton, FaceState::noButton);
    EXPECT_EQ(drawing.requests, (Lines{"readout 4", "sprite 10", "sprite 11"}));
    EXPECT_TRUE(controls.leftButtonUp());  // nothing left to release
    EXPECT_EQ(drawing.requests.size(), 3u);
}
