// Solo, mute and octave doubling: who holds them, what they silence and what they redraw.
#include "tests/app/FaceControlsFixture.h"

TEST_F(FaceControlsTest, SoloAndDoublingMoveToTheClickedChannelAndAreReleasedByASecondClick) {
    play();
    const struct {
        int toggle;
        std::atomic<int>& holder;
        Lines silenced;  // the lower copies of a doubled channel must not hang
    } kinds[] = {{FaceState::soloToggle, rig.controls.soloChannel, {}},
                 {FaceState::octaveToggle,
                  rig.controls.octaveDoubleChannel,
                  {controlChange(0, 120, 0), controlChange(0, 120, 0), controlChange(1, 120, 0),
                   controlChange(1, 120, 0)}}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.toggle);
        forget();
        EXPECT_FALSE(clickToggle(0, kind.toggle));
        clickToggle(1, kind.toggle);
        EXPECT_EQ(kind.holder.load(), 1);
        EXPECT_FALSE(face.channelToggles[0][kind.toggle]);
        EXPECT_TRUE(face.channelToggles[1][kind.toggle]);
        clickToggle(1, kind.toggle);
        EXPECT_EQ(kind.holder.load(), 16);
        EXPECT_FALSE(face.channelToggles[1][kind.toggle]);
        const std::string t = " " + std::to_string(kind.toggle);
        EXPECT_EQ(drawing.requests, (Lines{"toggle 0" + t, "toggle 0" + t, "toggle 1" + t, "toggle 1" + t}));
        EXPECT_EQ(sent(), kind.silenced);
    }
}

TEST_F(FaceControlsTest, MuteClearsTheChannelsSoloAndDoublingAndThenRefusesThemAndChannelTenNeverDoubles) {
    play();
    clickToggle(2, FaceState::soloToggle);
    clickToggle(2, FaceState::octaveToggle);
    forget();
    clickToggle(2, FaceState::muteToggle);
    EXPECT_TRUE(rig.controls.channelMuted[2].load());
    EXPECT_EQ(rig.controls.soloChannel.load(), 16);
    EXPECT_EQ(rig.controls.octaveDoubleChannel.load(), 16);
    EXPECT_EQ(face.channelToggles[2], (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(sent(), Lines{controlChange(2, 120, 0)});
    EXPECT_EQ(drawing.requests, (Lines{"toggle 2 0", "toggle 2 2", "toggle 2 1"}));

    // A muted channel takes neither, and leaves the channels holding them alone.
    clickToggle(5, FaceState::soloToggle);
    clickToggle(6, FaceState::octaveToggle);
    forget();
    clickToggle(2, FaceState::soloToggle);
    clickToggle(2, FaceState::octaveToggle);
    EXPECT_EQ(face.channelToggles[2], (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(rig.controls.soloChannel.load(), 5);
    EXPECT_EQ(rig.controls.octaveDoubleChannel.load(), 6);
    EXPECT_EQ(drawing.requests, (Lines{"toggle 2 0", "toggle 2 2"}));

    forget();
    clickToggle(2, FaceState::muteToggle);
    EXPECT_FALSE(rig.controls.channelMuted[2].load());
    EXPECT_TRUE(sent().empty());

    forget();  // channel 10 never takes the doubling, and its other toggles work
    clickToggle(9, FaceState::octaveToggle);
    EXPECT_FALSE(face.channelToggles[9][FaceState::octaveToggle]);
    EXPECT_EQ(rig.controls.octaveDoubleChannel.load(), 6);
    EXPECT_TRUE(sent().empty() && drawing.requests.empty());
    clickToggle(9, FaceState::soloToggle);
    EXPECT_EQ(rig.controls.soloChannel.load(), 9);
}

// A channel silenced while it sounded plays its next note-ons silently after a stop and a new start; it
// must still count as played, or its toggles could never give it back its sound.
TEST_F(FaceControlsTest, AChannelSilencedByMuteOrAnotherChannelsSoloCanBeGivenItsSoundBackAfterARestart) {
    rig.load(SmfWriter(1, 480)
                 .track(join({{0x00, 0x90, 60, 100}, endOfTrack(480 * 100)}))
                 .track(join({{0x00, 0x91, 64, 100}, endOfTrack(480 * 100)}))
                 .bytes());
    face.songLoaded = true;
    auto restart = [&] {
        rig.player.stopPlayback(Player::userStop);
        rig.player.startPlayback();
        rig.tick();  // both note-ons again, channel 1's silenced
    };
    rig.player.startPlayback();
    rig.tick();
    clickToggle(0, FaceState::muteToggle);
    restart();
    EXPECT_EQ(rig.controls.channelPitchClass[0].load(), LiveControls::notSounded) << "its lamps stay dark";
    clickToggle(0, FaceState::muteToggle);
    EXPECT_FALSE(rig.controls.channelMuted[0].load());

    clickToggle(1, FaceState::soloToggle);
    restart();
    EXPECT_EQ(rig.controls.channelPitchClass[0].load(), LiveControls::notSounded);
    clickToggle(0, FaceState::soloToggle);
    EXPECT_EQ(rig.controls.soloChannel.load(), 0);
}
