// The face's controls: the controller cells and the tone column, solo, mute and doubling, and the arrow
// buttons of the volume, transpose and tempo fields.
#include "app/SongOpener.h"
#include "tests/app/FaceControlsFixture.h"
#include "tests/support/ScriptedPlatform.h"

TEST_F(FaceControlsTest, CellsSendTenTimesTheirValueAndReplaceTheSongsController) {
    play();
    face.masterVolume = 50;  // scales the volume cell only
    for (int column = FaceState::volumeCell; column <= FaceState::modulationCell; ++column)
        clickCell(2, column);
    clickCell(2, FaceState::reverbCell);
    EXPECT_EQ(sent(), (Lines{controlChange(2, 7, 55), controlChange(2, 91, 10), controlChange(2, 93, 10),
                             controlChange(2, 1, 10), controlChange(2, 91, 20)}));
    const LiveControls& live = rig.controls;
    EXPECT_EQ((std::vector<int>{live.volumeValue[2], live.reverbValue[2], live.chorusValue[2],
                                live.modulationValue[2], face.volumeBase[2]}),
              (std::vector<int>{55, 20, 10, 10, 110}));
    EXPECT_TRUE(live.volumeFixed[2] && live.reverbFixed[2] && live.chorusFixed[2] && live.modulationFixed[2]);
    EXPECT_EQ(drawing.requests, (Lines{"cell 2 0", "cell 2 1", "cell 2 2", "cell 2 3", "cell 2 1"}));
}

// A channel muted while it sounded plays its next note-ons silently after a stop and a new start; it
// must still count as played, or its toggles could never give it back its sound.
TEST_F(FaceControlsTest, AChannelMutedWhileItSoundedCanBeUnmutedAfterARestart) {
    load();
    rig.player.startPlayback();
    rig.tick();
    clickToggle(0, FaceState::muteToggle);
    rig.player.stopPlayback(Player::userStop);
    rig.player.startPlayback();
    rig.tick();  // the note-on again, silenced
    EXPECT_EQ(rig.controls.channelPitchClass[0].load(), LiveControls::notSounded) << "its lamps stay dark";
    clickToggle(0, FaceState::muteToggle);
    EXPECT_FALSE(rig.controls.channelMuted[0].load());
}

// Volume steps by ten between 0 and 120, transpose by one to an octave either way, tempo by ten until it has
// passed 20 or 400.
TEST_F(FaceControlsTest, EachArrowFieldStepsToItsLimitAndStays) {
    enum Field { volume, tempo, transpose };
    const struct {
        Field field;
        face::Rect hot;
        int start, clicks, expected;
    } cases[] = {
        {volume, face::volumeField.down.hot, 100, 11, 0},
        {volume, face::volumeField.up.hot, 0, 13, 120},
        {tempo, face::tempoField.down.hot, 21, 2, 11},
        {tempo, face::tempoField.down.hot, 20, 1, 20},
        {tempo, face::tempoField.up.hot, 395, 2, 405},
        {tempo, face::tempoField.up.hot, 400, 1, 400},
        {transpose, face::transposeField.down.hot, 0, 13, -12},
        {transpose, face::transposeField.up.hot, 11, 2, 12},
    };
    play();
    const auto value = [&](Field field) {
        return field == volume  ? face.masterVolume
               : field == tempo ? rig.sequencer.displayTempo()
                                : rig.controls.keyShift.load();
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field << " from " << c.start);
        if (c.field == volume) face.masterVolume = c.start;
        if (c.field == tempo) rig.sequencer.setDisplayTempo(c.start);
        if (c.field == transpose) rig.controls.keyShift = c.start;
        for (int i = 0; i < c.clicks; ++i) {
            const int before = value(c.field);
            const size_t drawn = drawing.requests.size();
            click(c.hot);
            const bool stepped = value(c.field) != before;
            EXPECT_EQ(std::pair(face.pressedButton != FaceState::noButton, drawing.requests.size() - drawn),
                      std::pair(stepped, size_t(stepped) * 2))
                << "held, and its read-out and pressed arrow drawn, iff it stepped";
            controls.leftButtonUp();
        }
        EXPECT_EQ(value(c.field), c.expected);
        EXPECT_EQ(face.pressedButton, FaceState::noButton) << "the release lets every arrow go";
    }
}

TEST_F(FaceControlsTest, VolumeScalesEveryChannelsCellAndTransposeSilencesEveryChannel) {
    play();
    face.volumeBase[3] = 120;
    face.masterVolume = 110;
    click(face::volumeField.up.hot);
    Lines expected;
    for (int channel = 0; channel < 16; ++channel) expected.push_back(controlChange(channel, 7, 120));
    expected[3] = controlChange(3, 7, 127);  // 120 percent of 120, clamped
    EXPECT_EQ(sent(), expected);

    forget();
    click(face::transposeField.up.hot);
    EXPECT_TRUE(rig.controls.keyShiftActive.load());
    Lines allSoundOff;
    for (int channel = 0; channel < 16; ++channel) allSoundOff.push_back(controlChange(channel, 120, 0));
    EXPECT_EQ(sent(), allSoundOff);
}

// While an effect dialog is open only its tries start and stop playback: the face's play, stop and fast
// forward do nothing.
TEST_F(FaceControlsTest, AnOpenEffectDialogHoldsPlayStopAndFastForward) {
    load();
    face.effectDialogOpen = true;
    click(face::playHot);
    EXPECT_FALSE(rig.player.playing());
    rig.player.startPlayback();  // as a try does
    click(face::stopHot);
    click(face::fastForwardHot);
    EXPECT_TRUE(rig.player.playing() && !rig.sequencer.fastForwarding());
}

// A muted channel takes neither solo nor doubling, and muting clears both; the drum channel is never doubled;
// solo and doubling are one channel's each, may be the same one's and end at a second click; a channel that
// has not sounded takes no click. Every change of doubling silences the channels it leaves and takes, so
// that no lower copy hangs.
TEST_F(FaceControlsTest, TogglesKeepTheirHoldingRules) {
    enum { solo = FaceState::soloToggle, mute = FaceState::muteToggle, octave = FaceState::octaveToggle };
    const struct {
        std::vector<std::pair<int, int>> clicks;  // channel, toggle
        int channel, soloHolder, doubleHolder;
        std::array<bool, 3> toggles;    // of the channel
        size_t soundOffs, toggleDraws;  // a lamp a holding rule puts out is drawn again too
    } rows[] = {
        {{{5, mute}, {5, solo}, {5, octave}}, 5, 16, 16, {false, true, false}, 1, 3},
        {{{5, mute}, {5, mute}, {5, solo}}, 5, 5, 16, {true, false, false}, 0, 3},
        {{{5, solo}, {5, octave}, {5, mute}}, 5, 16, 16, {false, true, false}, 2, 5},
        {{{9, octave}}, 9, 16, 16, {false, false, false}, 0, 0},
        {{{5, solo}, {6, solo}}, 5, 6, 16, {false, false, false}, 0, 3},
        {{{5, octave}, {6, octave}}, 5, 16, 6, {false, false, false}, 3, 3},
        {{{5, solo}, {5, solo}}, 5, 16, 16, {false, false, false}, 0, 2},
        {{{5, octave}, {5, octave}}, 5, 16, 16, {false, false, false}, 2, 2},
        {{{5, solo}, {5, octave}}, 5, 5, 5, {true, false, true}, 1, 2},
        {{{7, solo}, {7, mute}}, 7, 16, 16, {false, false, false}, 0, 0},  // channel 7 has not sounded
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clicks.size() * 100 + row.clicks[0].first);
        play();  // a load ends solo, mute and doubling
        face.resetCells();
        rig.controls.channelPlayed[7] = false;
        for (const auto& [channel, toggle] : row.clicks) clickToggle(channel, toggle);
        EXPECT_EQ(face.channelToggles[row.channel], row.toggles);
        EXPECT_EQ(
            std::tuple(rig.controls.soloChannel.load(), rig.controls.octaveDoubleChannel.load(),
                       rig.controls.channelMuted[row.channel].load(), sent().size(), drawing.requests.size()),
            std::tuple(row.soloHolder, row.doubleHolder, row.toggles[mute], row.soundOffs, row.toggleDraws));
        for (const std::string& line : sent()) EXPECT_EQ(line.substr(5), "78 00") << line;
        // The clicked toggle is drawn last; a refused click (on drum doubling, a silent channel) draws none.
        const auto [channel, toggle] = row.clicks.back();
        const std::string last = "toggle " + RecordingFaceDrawing::pair(channel, toggle);
        EXPECT_EQ(!drawing.requests.empty() && drawing.requests.back() == last, channel != 7 && channel != 9);
    }
    clickToggle(5, solo);
    forget();  // below the last row, in a window taller than the face, no toggle or cell answers
    for (int column : {0, 2}) clickToggle(face::channelCount, column), clickCell(face::channelCount, column);
    EXPECT_TRUE(sent().empty() && drawing.requests.empty());
    ScriptedPlatform window;
    resetFaceForNewSong(face, rig.out, drawing, window);
    EXPECT_EQ(drawing.requests, (Lines{"readout " + std::to_string(FaceDrawing::allReadouts), "toggle 5 0"}))
        << "a new song puts the lit toggle out";
}

// A cell steps by one, up with the left button and down with the right, to 12 at most (sent as any other)
// and 0 at least. The cells are the GS modules' (SC-88 and SC-55): with the Sound Blaster 16, or on a
// channel that has not sounded, a click changes and sends nothing.
TEST_F(FaceControlsTest, CellsStepWithinTheirLimitsForTheGsModulesOnChannelsThatSounded) {
    enum Button { left, right };
    const struct {
        SoundModule module;
        bool sounded;
        Button button;
        int column, from, to;
        Lines sent;
    } rows[] = {
        {SoundModule::sc88, true, left, FaceState::chorusCell, 11, 12, {controlChange(5, 93, 120)}},
        {SoundModule::sc88, true, left, FaceState::chorusCell, 12, 12, {}},
        {SoundModule::sc88, true, right, FaceState::reverbCell, 0, 0, {}},
        {SoundModule::sc88, true, right, FaceState::volumeCell, 10, 9, {controlChange(5, 7, 90)}},
        {SoundModule::sc88, true, right, FaceState::reverbCell, 1, 0, {controlChange(5, 91, 0)}},
        {SoundModule::sc55, true, left, FaceState::reverbCell, 0, 1, {controlChange(5, 91, 10)}},
        {SoundModule::sb16, true, left, FaceState::reverbCell, 0, 0, {}},
        {SoundModule::sc88, false, left, FaceState::reverbCell, 0, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.module) << " cell " << row.column << " from " << row.from);
        play();
        face.resetCells();
        face.soundModule = row.module;
        rig.controls.channelPlayed[5] = row.sounded;
        face.channelCells[5][row.column] = row.from;
        const face::Rect hot = face::cellHot(5, row.column);
        row.button == left ? click(hot) : controls.rightButtonDown(midX(hot), midY(hot));
        EXPECT_EQ(std::tuple(face.channelCells[5][row.column], sent(), rig.controls.cellFixed(row.column, 5)),
                  std::tuple(row.to, row.sent, !row.sent.empty()));
    }
}

// A held arrow or fast forward stays held while the pointer is on it and is let go when it leaves, or when
// the mouse button is.
TEST_F(FaceControlsTest, AHeldButtonIsLetGoWhenThePointerLeavesItOrTheMouseButtonIs) {
    play();
    for (const face::Rect& button : {face::tempoField.up.hot, face::fastForwardHot}) {
        click(button);
        controls.mouseMove(midX(button), midY(button));
        EXPECT_TRUE(face.pressedButton == FaceState::tempoUp || rig.sequencer.fastForwarding());
        controls.mouseMove(0, 0);
        EXPECT_TRUE(face.pressedButton == FaceState::noButton && !rig.sequencer.fastForwarding());
    }
    click(face::fastForwardHot);
    controls.leftButtonUp();
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    const auto sprite = [](int which) { return "sprite " + std::to_string(which); };
    EXPECT_EQ(drawing.requests,
              (Lines{"readout " + std::to_string(FaceDrawing::tempoReadout),
                     sprite(face::tempoField.up.pressed), sprite(face::tempoField.up.released),
                     sprite(face::fastForwardLit), sprite(face::fastForwardNormal),
                     sprite(face::fastForwardLit), sprite(face::fastForwardNormal)}));
}

// A click on a row of the tone column opens that channel's tone dialog, one between the rows none.
TEST_F(FaceControlsTest, TheToneColumnOpensTheClickedChannelsDialog) {
    play();
    for (int row : {0, 3}) click(face::levelBarErase(row));
    controls.leftButtonDown(250, face::levelBarErase(3).bottom + 5);
    EXPECT_EQ(toneDialogs, (std::vector<int>{0, 3}));
}
