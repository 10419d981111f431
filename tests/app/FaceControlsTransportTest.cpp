// Play, stop and fast forward on the face, the caption gestures of the compact view, and the compact view's
// deafness to clicks on the client area.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, PlayAndStopWorkOnlyWithoutAnEffectDialogAndPlayOnlyWhenStopped) {
    EXPECT_FALSE(click(face::playHot));  // no song
    load();
    face.openEffectDialog = 2;
    click(face::playHot);
    EXPECT_FALSE(rig.player.playing());
    face.openEffectDialog = 0;
    EXPECT_TRUE(click(face::playHot));
    click(face::playHot);  // already playing: not restarted
    EXPECT_EQ(rig.timer.starts, 1);

    face.openEffectDialog = 1;
    EXPECT_TRUE(click(face::stopHot));
    EXPECT_TRUE(rig.player.playing());
    face.openEffectDialog = 0;
    EXPECT_FALSE(click(face::stopHot));  // no default handling
    EXPECT_FALSE(rig.player.playing());
    EXPECT_FALSE(click(face::stopHot));  // stopped: the face ignores everything but play
}

TEST_F(FaceControlsTest, FastForwardRunsAtFourHundredUntilTheButtonIsReleasedOrLeftAndIsRefusedFrom250) {
    play();
    EXPECT_TRUE(click(face::fastForwardHot));
    EXPECT_TRUE(rig.sequencer.fastForwarding());
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);
    EXPECT_EQ(rig.sequencer.displayTempo(), 120);
    click(face::fastForwardHot);  // a second press while held changes nothing
    EXPECT_TRUE(controls.leftButtonUp());
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 500.0);
    EXPECT_EQ(drawing.requests, (Lines{"sprite 14", "sprite 15"}));
    EXPECT_TRUE(sent().empty());

    click(face::fastForwardHot);
    EXPECT_TRUE(controls.mouseMove(face::fastForwardHot.right - 1, face::fastForwardHot.bottom - 1));
    EXPECT_TRUE(rig.sequencer.fastForwarding());
    EXPECT_TRUE(controls.mouseMove(face::fastForwardHot.right, face::fastForwardHot.top));
    EXPECT_FALSE(rig.sequencer.fastForwarding());

    // Refused at 250 and with an effect dialog open.
    rig.sequencer.setDisplayTempo(250);
    click(face::fastForwardHot);
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    rig.sequencer.setDisplayTempo(240);
    face.openEffectDialog = 2;
    click(face::fastForwardHot);
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_EQ(drawing.requests.size(), 4u);
}

TEST_F(FaceControlsTest, CompactViewIgnoresClicksOnTheClientArea) {
    play();
    face.largeView = false;
    clickCell(0, FaceState::reverbCell);
    rightClick(face::cellHot(0, FaceState::volumeCell));
    for (const face::Rect& control : {face::toggleRect(0, 0), face::volumeField.up.hot, face::fastForwardHot,
                                      face::stopHot, face::levelBarErase(0)})
        click(control);
    EXPECT_TRUE(rig.player.playing());
    EXPECT_TRUE(toneClicks.empty());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());
}

TEST_F(FaceControlsTest, CaptionGesturesPlayAndStopOnlyInTheCompactViewWithoutAnEffectDialog) {
    load();
    EXPECT_TRUE(controls.captionDoubleClick());  // always goes on to default handling
    EXPECT_FALSE(rig.player.playing());          // large view
    face.largeView = false;
    face.openEffectDialog = 1;
    controls.captionDoubleClick();
    EXPECT_FALSE(rig.player.playing());
    face.openEffectDialog = 0;
    EXPECT_TRUE(controls.captionDoubleClick());
    EXPECT_TRUE(controls.captionDoubleClick());
    EXPECT_EQ(rig.timer.starts, 1);

    // The right button never goes on to default handling, where the system menu would pop up.
    EXPECT_FALSE(controls.captionRightButton(false));  // elsewhere in the frame
    face.openEffectDialog = 2;
    EXPECT_FALSE(controls.captionRightButton(true));
    face.largeView = true;
    face.openEffectDialog = 0;
    EXPECT_FALSE(controls.captionRightButton(true));
    EXPECT_TRUE(rig.player.playing());
    face.largeView = false;
    EXPECT_FALSE(controls.captionRightButton(true));
    EXPECT_FALSE(rig.player.playing());
}
