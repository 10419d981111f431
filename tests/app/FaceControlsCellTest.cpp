// The controller cells of the channel rows, the right button, and the tone column.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, VolumeCellSetsTheChannelsBaseAndSendsItScaledByTheMasterVolume) {
    play();
    face.masterVolume = 50;
    EXPECT_FALSE(clickCell(2, FaceState::volumeCell));
    EXPECT_EQ(face.channelCells[2][FaceState::volumeCell], 11);
    EXPECT_EQ(face.volumeBase[2], 110);
    EXPECT_EQ(rig.controls.volumeValue[2].load(), 55);
    EXPECT_TRUE(rig.controls.volumeFixed[2].load());
    EXPECT_FALSE(rig.controls.volumeFixed[3].load());
    EXPECT_EQ(sent(), (Lines{controlChange(2, 7, 55)}));
    EXPECT_EQ(drawing.requests, (Lines{"cell 2 0"}));
}

TEST_F(FaceControlsTest, EffectCellsSendTenTimesTheirValueAndReplaceTheSongs) {
    play();
    clickCell(0, FaceState::reverbCell);
    clickCell(0, FaceState::reverbCell);
    clickCell(1, FaceState::chorusCell);
    clickCell(15, FaceState::modulationCell);
    EXPECT_EQ(sent(), (Lines{controlChange(0, 91, 10), controlChange(0, 91, 20), controlChange(1, 93, 10),
                             controlChange(15, 1, 10)}));
    EXPECT_EQ(rig.controls.reverbValue[0].load(), 20);
    EXPECT_TRUE(rig.controls.reverbFixed[0].load());
    EXPECT_TRUE(rig.controls.chorusFixed[1].load());
    EXPECT_FALSE(rig.controls.chorusFixed[0].load());
    EXPECT_EQ(rig.controls.modulationValue[15].load(), 10);
    EXPECT_TRUE(rig.controls.modulationFixed[15].load());
    EXPECT_EQ(drawing.requests, (Lines{"cell 0 1", "cell 0 1", "cell 1 2", "cell 15 3"}));
}

TEST_F(FaceControlsTest, CellsAtTheirLimitsChangeNothing) {
    play();
    face.channelCells[4][FaceState::chorusCell] = 12;
    clickCell(4, FaceState::chorusCell);
    rightClickCell(4, FaceState::reverbCell);
    EXPECT_EQ(face.channelCells[4][FaceState::chorusCell], 12);
    EXPECT_EQ(face.channelCells[4][FaceState::reverbCell], 0);
    EXPECT_FALSE(rig.controls.chorusFixed[4].load());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());
}

TEST_F(FaceControlsTest, SoundBlasterCellsDoNotReactButItsTogglesDo) {
    play();
    face.soundModule = FaceState::sb16;
    clickCell(0, FaceState::volumeCell);
    rightClickCell(0, FaceState::volumeCell);
    EXPECT_EQ(face.channelCells[0][FaceState::volumeCell], 10);
    clickToggle(0, FaceState::muteToggle);
    EXPECT_TRUE(rig.controls.channelMuted[0].load());
    EXPECT_EQ(drawing.requests, (Lines{"toggle 0 1"}));
}

TEST_F(FaceControlsTest, AChannelThatHasNotSoundedRefusesCellsAndToggles) {
    play();
    rig.controls.channelPitchClass[6].store(LiveControls::notSounded);
    clickCell(6, FaceState::reverbCell);
    rightClickCell(6, FaceState::volumeCell);
    for (int toggle = 0; toggle < 3; ++toggle) clickToggle(6, toggle);
    EXPECT_EQ(face.channelCells[6], (std::array<int, 5>{10, 0, 0, 0, 0}));
    EXPECT_EQ(face.channelToggles[6], (std::array<bool, 3>{}));
    EXPECT_EQ(rig.controls.soloChannel.load(), 16);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());
}

TEST_F(FaceControlsTest, TheRightButtonOnlyStepsCellsDown) {
    play();
    EXPECT_TRUE(rightClickCell(0, FaceState::volumeCell));
    EXPECT_EQ(sent(), (Lines{controlChange(0, 7, 90)}));
    forget();

    const face::Rect elsewhere[] = {
        face::toggleRect(0, 0), face::toggleRect(1, 2), face::volumeField.up.hot, face::tempoField.down.hot,
        face::stopHot,          face::fastForwardHot,   face::levelBarErase(0)};
    for (const face::Rect& rect : elsewhere)
        EXPECT_TRUE(controls.rightButtonDown(centreX(rect), centreY(rect)));
    EXPECT_EQ(face.channelToggles[0][FaceState::soloToggle], false);
    EXPECT_EQ(face.masterVolume, 100);
    EXPECT_EQ(rig.sequencer.displayTempo(), 120);
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_TRUE(rig.player.playing());
    EXPECT_TRUE(toneClicks.empty());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());
}

TEST_F(FaceControlsTest, TheToneColumnAsksForTheToneOfThePointedChannelWhilePlaying) {
    load();
    controls.leftButtonDown(221, 40);
    EXPECT_TRUE(toneClicks.empty());

    play();
    EXPECT_FALSE(controls.leftButtonDown(221, 40));
    controls.leftButtonDown(281, 520);
    EXPECT_EQ(toneClicks, (std::vector<std::pair<int, int>>{{221, 40}, {281, 520}}));
}

TEST_F(FaceControlsTest, AutoPanInAMultiTrackSongRestartsTheChannelsSweep) {
    play(1);
    rig.controls.autoPanValue[5].store(100);
    rig.controls.autoPanRising[5].store(false);
    rig.controls.autoPanCount[5].store(7);
    clickCell(5, FaceState::autoPanCell);
    clickCell(6, FaceState::autoPanCell);
    EXPECT_EQ(rig.controls.autoPanSpeed[5].load(), 1);
    EXPECT_EQ(rig.controls.autoPanSpeed[6].load(), 1);
    EXPECT_EQ(rig.controls.autoPanValue[5].load(), 64);
    EXPECT_TRUE(rig.controls.autoPanRising[5].load());
    EXPECT_EQ(rig.controls.autoPanCount[5].load(), 0);
    EXPECT_EQ(rig.controls.autoPanChannel.load(), 16);
    EXPECT_EQ(drawing.requests, (Lines{"cell 5 4", "cell 6 4"}));
    EXPECT_TRUE(sent().empty());  // the sweep itself sends the pan
}

TEST_F(FaceControlsTest, AutoPanInASingleTrackSongIsHeldByOneChannelUntilItsSpeedIsZero) {
    play(0);
    clickCell(2, FaceState::autoPanCell);
    EXPECT_EQ(rig.controls.autoPanChannel.load(), 2);

    clickCell(3, FaceState::autoPanCell);  // refused while channel 3 is not the holder
    EXPECT_EQ(face.channelCells[3][FaceState::autoPanCell], 0);
    EXPECT_EQ(rig.controls.autoPanSpeed[3].load(), 0);
    EXPECT_EQ(rig.controls.autoPanChannel.load(), 2);

    rightClickCell(2, FaceState::autoPanCell);
    EXPECT_EQ(rig.controls.autoPanChannel.load(), 16);
    EXPECT_EQ(rig.controls.autoPanSpeed[2].load(), 0);
    clickCell(3, FaceState::autoPanCell);
    EXPECT_EQ(rig.controls.autoPanChannel.load(), 3);
    EXPECT_EQ(drawing.requests, (Lines{"cell 2 4", "cell 2 4", "cell 3 4"}));
}

TEST_F(FaceControlsTest, AutoPanCellsOfOtherSongFormatsAreRefused) {
    play(2);
    clickCell(1, FaceState::autoPanCell);
    EXPECT_EQ(face.channelCells[1][FaceState::autoPanCell], 0);
    EXPECT_EQ(rig.controls.autoPanSpeed[1].load(), 0);
    EXPECT_TRUE(drawing.requests.empty());
}
