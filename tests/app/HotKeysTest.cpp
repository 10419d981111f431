// The hot keys: what each stroke asks for, what it does on the face, and that none works beside an effect
// dialog. The Win32 tests prove only that the accelerator table is built from these bindings.
#include <algorithm>

#include "app/HotKeys.h"
#include "app/JumpCommands.h"
#include "resources/CommandIds.h"
#include "tests/app/FaceControlsFixture.h"

using HotKeysTest = FaceControlsTest;

// Each stroke (Windows' key code, Ctrl) through its accelerator command to its action while playing, the
// window's command for it, how the press moved transpose, tempo and master volume, and playing; beside an
// effect dialog, none works.
TEST_F(HotKeysTest, EachStrokeAsksForItsOwnActionAndPressesItsFaceButtonUnlessAnEffectDialogIsOpen) {
    const struct {
        int virtualKey;
        bool control;
        FaceAction action;
        int command;
        int transpose, tempo, volume;  // steps
        bool playing;
    } strokes[] = {
        {0x20, false, FaceAction::stop, 0, 0, 0, 0, false},  // Space
        {0x4F, true, FaceAction::openSong, IDM_FILE_OPEN, 0, 0, 0, true},
        {0x26, false, FaceAction::transposeUp, 0, 1, 0, 0, true},
        {0x28, false, FaceAction::transposeDown, 0, -1, 0, 0, true},
        {0x25, false, FaceAction::tempoDown, 0, 0, -10, 0, true},
        {0x27, false, FaceAction::tempoUp, 0, 0, 10, 0, true},
        {0x21, false, FaceAction::volumeUp, 0, 0, 0, 10, true},  // Page Up
        {0x22, false, FaceAction::volumeDown, 0, 0, 0, -10, true},
        {0x25, true, FaceAction::jumpBack, IDM_JUMP_BACK, 0, 0, 0, true},
        {0x27, true, FaceAction::jumpForward, IDM_JUMP_FORWARD, 0, 0, 0, true},
        {0x24, false, FaceAction::jumpToStart, IDM_JUMP_START, 0, 0, 0, true},  // Home
        {0x22, true, FaceAction::nextSong, IDM_SONGS_NEXT, 0, 0, 0, true},
        {0x21, true, FaceAction::previousSong, IDM_SONGS_PREVIOUS, 0, 0, 0, true},
        {0x4C, true, FaceAction::lyricsWindow, IDM_LYRICS_WINDOW, 0, 0, 0, true},
    };
    ASSERT_EQ(std::size(strokes), hotKeyBindings.size());
    for (const auto& s : strokes) {
        SCOPED_TRACE(testing::Message() << "key " << s.virtualKey << (s.control ? " with Ctrl" : ""));
        play();
        const auto binding = std::find_if(hotKeyBindings.begin(), hotKeyBindings.end(), [&](const auto& b) {
            return b.virtualKey == s.virtualKey && b.control == s.control;
        });
        ASSERT_NE(binding, hotKeyBindings.end());
        ASSERT_EQ(hotKeyForCommand(binding->commandId), binding->key);
        face.effectDialogOpen = true;
        EXPECT_TRUE(pressHotKey(binding->key, controls, face, true) == FaceAction::none && sent().empty());
        face.effectDialogOpen = false;
        const int transpose = rig.controls.keyShift.load(), tempo = rig.sequencer.displayTempo(),
                  volume = face.masterVolume;
        EXPECT_EQ(pressHotKey(binding->key, controls, face, true), s.action);
        EXPECT_EQ(commandForAction(s.action), s.command);
        EXPECT_EQ(std::tuple(rig.controls.keyShift.load() - transpose, rig.sequencer.displayTempo() - tempo,
                             face.masterVolume - volume, rig.player.playing()),
                  std::tuple(s.transpose, s.tempo, s.volume, s.playing));
        rig.player.stopPlayback(Player::userStop);
    }
    EXPECT_EQ(hotKeyForCommand(IDM_FILE_OPEN), std::nullopt);
}

// Space plays a stopped song; in the compact view, which has no face buttons, through the caption's play
// and stop, while the arrows' keys find no arrow there.
TEST_F(HotKeysTest, SpacePlaysWhileStoppedAndWorksInTheCompactView) {
    load();
    face.largeView = false;
    EXPECT_TRUE(pressHotKey(HotKey::space, controls, face, false) == FaceAction::play &&
                rig.player.playing());
    pressHotKey(HotKey::up, controls, face, true);
    EXPECT_EQ(rig.controls.keyShift.load(), 0);
    EXPECT_TRUE(pressHotKey(HotKey::space, controls, face, true) == FaceAction::stop &&
                !rig.player.playing());
}

// The jumps, while playing: ten seconds on or back (never before the start), to the start, and to the second
// the time dialog gives, unless it was cancelled or the song stopped while it was open.
TEST_F(HotKeysTest, EachJumpMovesThePlayingSongAndTheChosenSecondOnlyWhileItStillPlays) {
    play();
    std::optional<int32_t> answer;
    bool stopWhileAsked = false;
    JumpCommands jumps(rig.player, rig.engine.clock(), face, [&](const EffectTimeQuestion&) {
        if (stopWhileAsked) rig.player.stopPlayback(Player::userStop);
        return answer;
    });
    const struct {
        int command;
        std::optional<int32_t> answer;
        bool stop, dialogOpen;
        int seconds;
    } rows[] = {{IDM_JUMP_FORWARD, {}, false, true, 0},  // none beside an effect dialog
                {IDM_JUMP_FORWARD, {}, false, false, 10}, {IDM_JUMP_TO, 45, false, false, 45},
                {IDM_JUMP_BACK, {}, false, false, 35},    {IDM_JUMP_TO, {}, false, false, 35},
                {IDM_JUMP_START, {}, false, false, 0},    {IDM_JUMP_BACK, {}, false, false, 0},
                {IDM_JUMP_TO, 20, true, false, 0}};
    for (const auto& row : rows) {
        answer = row.answer, stopWhileAsked = row.stop, face.effectDialogOpen = row.dialogOpen;
        jumps.run(row.command);
        EXPECT_EQ(rig.engine.clock().playSeconds.load(), row.seconds) << row.command << " " << row.dialogOpen;
    }
}
