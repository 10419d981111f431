// Listening in the open dialog: the file as written, whatever the main window's effect, once, and stopped on
// the dialog's thread only.
#include <gtest/gtest.h>

#include "playback/PreviewPlayer.h"
#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {
// The preview with a recording device, a timer the test ticks and a dialog that handles each posted end
// at once, as the dialog's message loop would after the timer's period.
class PreviewRig : public PreviewEndPoster {
  public:
    RecordingMidiOut out;
    VirtualTimer timer;
    PreviewPlayer player{out, timer, *this};
    int endsPosted = 0;
    bool handlePostedEnds = true;

    void tick() {
        out.setTime(nowMs);
        const int before = endsPosted;
        timer.tick();
        if (handlePostedEnds && endsPosted > before) player.finishIfEnded();
        nowMs += timer.periodMs();
    }

    long nowMs = 0;

  private:
    void postPreviewEnded() override { ++endsPosted; }
};

// Notes on two channels, a tempo change half-way, a controller and a SysEx.
std::vector<uint8_t> twoChannelSong() {
    SmfTrack melody, bass;
    melody.shortMessage(0, 0xB0, 7, 90).shortMessage(0, 0x90, 60, 100).shortMessage(240, 0x80, 60, 0);
    melody.tempo(0, 250000).shortMessage(0, 0x90, 64, 100).shortMessage(240, 0x80, 64, 0).endOfTrack();
    const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    bass.sysEx(0, gmOn, sizeof gmOn).shortMessage(0, 0x91, 41, 80).shortMessage(480, 0x81, 41, 0);
    return SmfWriter(1, 480).track(melody).track(bass.endOfTrack()).bytes();
}
}  // namespace

TEST(PreviewPlayer, StopsAtTheEndOfTheSongOnTheDialogsThreadOnceAndDoesNotLoop) {
    PreviewRig rig;
    rig.handlePostedEnds = false;
    rig.player.load(SmfWriter(1, 480).track(SmfTrack().endOfTrack()).bytes());
    rig.player.start();
    rig.tick();
    rig.tick();
    ASSERT_EQ(rig.endsPosted, 1);
    // The user selects another file before the dialog sees the post: it leaves that song playing.
    rig.player.load(twoChannelSong());
    rig.player.start();
    EXPECT_TRUE(!rig.player.finishIfEnded() && rig.timer.running());

    for (int ticks = 0; rig.endsPosted == 1 && ticks < 1000; ++ticks) rig.tick();
    ASSERT_EQ(rig.endsPosted, 2);
    // The timer thread only marked the end: the image is still held and the device not yet silenced.
    EXPECT_TRUE(rig.player.playing());
    const size_t atEnd = rig.out.messages().size();
    for (int i = 0; i < 5; ++i) rig.tick();  // late periods before the dialog handles the post
    EXPECT_EQ(std::pair(rig.endsPosted, rig.out.messages().size()), std::pair(2, atEnd));

    EXPECT_TRUE(rig.player.finishIfEnded());
    EXPECT_FALSE(rig.timer.running() || rig.player.playing() || rig.player.loaded())
        << "a later stop would silence the device again";
    EXPECT_FALSE(rig.player.finishIfEnded());  // a second post finds nothing to stop
    EXPECT_EQ(rig.player.start(), PreviewPlayer::StartResult::nothingLoaded);  // no repeat
    EXPECT_EQ(rig.timer.starts, 2);
    rig.player.load({});  // an empty file loads nothing, and the device hears nothing of it
    EXPECT_EQ(rig.out.messages().size(), atEnd + 48);  // the stop's sostenuto, sustain, notes off
}

TEST(PreviewPlayer, ANewSelectionStopsTheSongPlayingAndStartsFromItsBeginning) {
    PreviewRig rig;
    rig.player.load(twoChannelSong());
    EXPECT_EQ(rig.player.start(), PreviewPlayer::StartResult::started);
    for (int i = 0; i < 10; ++i) rig.tick();
    const size_t before = rig.out.messages().size();
    rig.player.load(SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x92, 70, 1).endOfTrack(480)).bytes());
    rig.player.start();
    rig.tick();
    const std::vector<std::string> lines = messageLines(rig.out.messages());
    ASSERT_EQ(lines.size(), before + 48 + 17 + 1);
    EXPECT_EQ(lines[before], "90 B0 42 00");             // the first song's stop: sostenuto off first
    EXPECT_EQ(lines[before + 48], "90 B0 79 00");        // the load: reset all controllers
    EXPECT_EQ(lines[before + 48 + 17], "100 92 46 01");  // the second song's first event
    const int stops = rig.timer.stops;
    rig.player.start();  // started again while playing: the timer stops before the song goes back
    EXPECT_EQ(rig.timer.stops, stops + 1);
    rig.timer.failNextStart = true;
    EXPECT_EQ(rig.player.start(), PreviewPlayer::StartResult::timerFailed);
    EXPECT_FALSE(rig.player.playing());
}

// The preview reads with the main player's code but plays with no event filter: it sends exactly what the
// main player does with none. The reading code's bounds are the malformed-song tests'; a file with no
// track is the preview's own end.
TEST(PreviewPlayer, PlaysEachFileAsTheMainPlayerWithoutAnEffectDoes) {
    for (const auto& [name, file] :
         {std::pair{"two channels", twoChannelSong()}, std::pair{"header only", SmfWriter(1, 480).bytes()}}) {
        PreviewRig rig;
        rig.player.load(file);
        rig.player.start();
        for (int ticks = 0; ticks < 5000 && rig.timer.running(); ++ticks) rig.tick();
        EXPECT_FALSE(rig.timer.running()) << name;
        PlaybackRig main;  // loaded, played to its end and stopped, with its event filter at rest
        main.play(file);
        main.runUntilStopped();
        EXPECT_EQ(messageLines(rig.out.messages()), main.lines()) << name;
    }
}
