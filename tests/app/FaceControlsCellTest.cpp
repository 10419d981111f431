// The controller cells of the channel rows, the right button, and the tone column.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, CellsSendTenTimesTheirValueAndReplaceTheSongsController) {
    play();
    face.masterVolume = 50;  // scales the volume cell only
    for (int column = FaceState::volumeCell; column <= FaceState::modulationCell; ++column)
        EXPECT_FALSE(clickCell(2, column));
    clickCell(2, FaceState::reverbCell);
    EXPECT_EQ(sent(), (Lines{controlChange(2, 7, 55), controlChange(2, 91, 10), controlChange(2, 93, 10),
                             controlChange(2, 1, 10), controlChange(2, 91, 20)}));
    const LiveControls& live = rig.controls;
    EXPECT_EQ((std::vector<int>{live.volumeValue[2], live.reverbValue[2], live.chorusValue[2],
                                live.modulationValue[2], face.volumeBase[2]}),
              (std::vector<int>{55, 20, 10, 10, 110}));
    EXPECT_TRUE(live.volumeFixed[2] && live.reverbFixed[2] && live.chorusFixed[2] && live.modulationFixed[2]);
    EXPECT_FALSE(live.volumeFixed[3] || live.reverbFixed[3] || live.chorusFixed[3] ||
                 live.modulationFixed[3]);
    EXPECT_EQ(drawing.requests, (Lines{"cell 2 0", "cell 2 1", "cell 2 2", "cell 2 3", "cell 2 1"}));
}

TEST_F(FaceControlsTest, CellsRefuseAtTheirLimitsForAChannelThatHasNotSoundedAndWithTheSoundBlaster) {
    play();
    face.channelCells[5][FaceState::chorusCell] = 11;
    clickCell(5, FaceState::chorusCell);  // the last step up is sent as any other
    EXPECT_EQ(face.channelCells[5][FaceState::chorusCell], 12);
    EXPECT_EQ(sent(), Lines{controlChange(5, 93, 120)});
    forget();
    face.channelCells[4][FaceState::chorusCell] = 12;
    clickCell(4, FaceState::chorusCell);
    rightClick(face::cellHot(4, FaceState::reverbCell));
    EXPECT_EQ(face.channelCells[4], (std::array<int, 5>{10, 0, 12, 0, 0}));
    EXPECT_FALSE(rig.controls.chorusFixed[4].load());
    rig.controls.channelPlayed[6].store(false);
    clickCell(6, FaceState::reverbCell);
    rightClick(face::cellHot(6, FaceState::volumeCell));
    for (int toggle = 0; toggle < 3; ++toggle) clickToggle(6, toggle);
    EXPECT_EQ(face.channelCells[6], (std::array<int, 5>{10, 0, 0, 0, 0}));
    EXPECT_EQ(face.channelToggles[6], (std::array<bool, 3>{}));
    face.soundModule = SoundModule::sb16;
    clickCell(0, FaceState::volumeCell);
    rightClick(face::cellHot(0, FaceState::volumeCell));
    EXPECT_EQ(face.channelCells[0][FaceState::volumeCell], 10);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());

    clickToggle(0, FaceState::muteToggle);  // the Sound Blaster's toggles work
    EXPECT_TRUE(rig.controls.channelMuted[0].load());
    EXPECT_EQ(drawing.requests, Lines{"toggle 0 1"});
}

TEST_F(FaceControlsTest, TheToneColumnAsksForTheToneOfTheChannelWhoseRowWasClicked) {
    play();
    EXPECT_FALSE(controls.leftButtonDown(221, 40));  // row 1; the rows' edges are the layout's
    controls.leftButtonDown(250, 52);                // between rows 1 and 2
    EXPECT_EQ(toneClicks, (std::vector<int>{0}));
}

TEST_F(FaceControlsTest, AutoPanRestartsTheSweepOfAnyChannelInAMultiTrackSongAndNoneInFormatTwo) {
    play(1);
    AutoPan& live = rig.autoPan;
    live.value[5].store(100);
    live.rising[5].store(false);
    live.count[5].store(7);
    clickCell(5, FaceState::autoPanCell);
    clickCell(6, FaceState::autoPanCell);
    EXPECT_EQ(live.speed[5].load(), 1);
    EXPECT_EQ(live.value[5].load(), 64);
    EXPECT_TRUE(live.rising[5].load());
    EXPECT_EQ(live.count[5].load(), 0);
    EXPECT_EQ(live.holder.load(), 16);
    EXPECT_EQ(drawing.requests, (Lines{"cell 5 4", "cell 6 4"}));
    EXPECT_TRUE(sent().empty());  // the sweep itself sends the pan

    load(2);
    clickCell(7, FaceState::autoPanCell);
    EXPECT_EQ(face.channelCells[7][FaceState::autoPanCell], 0);
    EXPECT_EQ(live.speed[7].load(), 0);
    EXPECT_EQ(drawing.requests.size(), 2u);
}

TEST_F(FaceControlsTest, AutoPanInASingleTrackSongIsHeldByOneChannelUntilItsSpeedIsZero) {
    play(0);
    clickCell(2, FaceState::autoPanCell);
    clickCell(3, FaceState::autoPanCell);  // refused while channel 2 holds the sweep
    EXPECT_EQ(face.channelCells[3][FaceState::autoPanCell], 0);
    EXPECT_EQ(rig.autoPan.speed[3].load(), 0);
    EXPECT_EQ(rig.autoPan.holder.load(), 2);
    rightClick(face::cellHot(2, FaceState::autoPanCell));
    EXPECT_EQ(rig.autoPan.holder.load(), 16);
    EXPECT_EQ(rig.autoPan.speed[2].load(), 0);
    clickCell(3, FaceState::autoPanCell);
    EXPECT_EQ(rig.autoPan.holder.load(), 3);
    EXPECT_EQ(drawing.requests, (Lines{"cell 2 4", "cell 2 4", "cell 3 4"}));
}
