// Play, stop and fast forward on the face, the caption gestures of the compact view, and the compact view's
// deafness to clicks on the client area.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, PlayWorksOnlyWhenStoppedAndStopOnlyWhilePlaying) {
    EXPECT_FALSE(click(face::playHot));  // no song
    EXPECT_FALSE(rig.player.playing());
    load();
    EXPECT_TRUE(click(face::playHot));
    click(face::playHot);  // already playing: not restarted
    EXPECT_EQ(rig.timer.starts, 1);

    EXPECT_FALSE(click(face::stopHot));  // no default handling
    EXPECT_FALSE(rig.player.playing());
    EXPECT_FALSE(click(face::stopHot));  // stopped: the face ignores everything but play
}

// The cueing itself, its tempo and its refusal from 250 on are the sequencer's.
TEST_F(FaceControlsTest, FastForwardRunsUntilTheButtonIsReleasedOrLeft) {
    play();
    EXPECT_TRUE(click(face::fastForwardHot));
    EXPECT_TRUE(rig.sequencer.fastForwarding());
    click(face::fastForwardHot);  // a second press while held changes nothing
    EXPECT_TRUE(controls.leftButtonUp());
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_EQ(drawing.requests, (Lines{"sprite 14", "sprite 15"}));
    EXPECT_TRUE(sent().empty());

    click(face::fastForwardHot);
    EXPECT_TRUE(controls.mouseMove(face::fastForwardHot.right - 1, face::fastForwardHot.bottom - 1));
    EXPECT_TRUE(rig.sequencer.fastForwarding());
    EXPECT_TRUE(controls.mouseMove(face::fastForwardHot.right, face::fastForwardHot.top));
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_EQ(drawing.requests.size(), 4u);
}

TEST_F(FaceControlsTest, TheRightButtonOnlyStepsCellsDownAndTheCompactViewIgnoresEveryClick) {
    play();
    EXPECT_TRUE(rightClick(face::cellHot(0, FaceState::volumeCell)));
    EXPECT_EQ(sent(), Lines{controlChange(0, 7, 90)});
    forget();
    const face::Rect elsewhere[] = {
        face::toggleRect(0, 0), face::toggleRect(1, 2), face::volumeField.up.hot, face::tempoField.down.hot,
        face::stopHot,          face::fastForwardHot,   face::levelBarErase(0)};
    for (const face::Rect& r : elsewhere) EXPECT_TRUE(rightClick(r));
    face.largeView = false;
    for (const face::Rect& r : elsewhere) click(r);
    clickCell(0, FaceState::reverbCell);
    rightClick(face::cellHot(0, FaceState::volumeCell));
    EXPECT_TRUE(rig.player.playing());
    EXPECT_TRUE(toneClicks.empty());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(drawing.requests.empty());  // every control would redraw itself
}

TEST_F(FaceControlsTest, CaptionGesturesPlayAndStopOnlyInTheCompactView) {
    load();
    EXPECT_TRUE(controls.captionDoubleClick());  // always goes on to default handling
    EXPECT_FALSE(rig.player.playing());          // large view
    face.largeView = false;
    EXPECT_TRUE(controls.captionDoubleClick());
    EXPECT_TRUE(controls.captionDoubleClick());
    EXPECT_EQ(rig.timer.starts, 1);

    // The right button never goes on to default handling, where the system menu would pop up.
    EXPECT_FALSE(controls.captionRightButton(false));  // elsewhere in the frame
    EXPECT_TRUE(rig.player.playing());
    face.largeView = true;
    EXPECT_FALSE(controls.captionRightButton(true));
    EXPECT_TRUE(rig.player.playing());
    face.largeView = false;
    EXPECT_FALSE(controls.captionRightButton(true));
    EXPECT_FALSE(rig.player.playing());
}

// While an effect dialog is open only its tries start and stop playback: the face's play, stop and fast
// forward and the caption gestures do nothing, while the other controls go on working.
TEST_F(FaceControlsTest, AnOpenEffectDialogHoldsPlayStopAndFastForwardInBothViews) {
    load();
    face.effectDialogOpen = true;
    click(face::playHot);
    face.largeView = false;
    controls.captionDoubleClick();
    EXPECT_FALSE(rig.player.playing());

    face.largeView = true;
    rig.player.startPlayback();  // as a try does
    click(face::stopHot);
    click(face::fastForwardHot);
    face.largeView = false;
    controls.captionRightButton(true);
    EXPECT_TRUE(rig.player.playing());
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    face.largeView = true;
    forget();
    click(face::volumeField.down.hot);
    EXPECT_EQ(face.masterVolume, 90);

    face.effectDialogOpen = false;
    click(face::stopHot);
    EXPECT_FALSE(rig.player.playing());
}
