// The song as the window plays it: what the face's cells and toggles and the tone dialog hold goes into the
// saved song, and saving leaves the window's engine as it was.
#include <gtest/gtest.h>

#include "app/PlayedSong.h"
#include "effects/SongRendering.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {

// Channel 0 changes its tone and pans hard left, then plays two notes; channel 2 plays one for three quarters
// and its track ends a quarter after it, 2 s in. Format 1.
std::vector<uint8_t> song() {
    SmfTrack first, third;
    first.shortMessage(0, 0xB0, 0, 8).shortMessage(0, 0xC0, 16).shortMessage(0, 0xB0, 10, 0);
    first.shortMessage(0, 0xB0, 91, 127).shortMessage(0, 0x90, 60, 100).shortMessage(480, 0x80, 60, 0);
    first.shortMessage(0, 0x90, 62, 100).shortMessage(480, 0x80, 62, 0).endOfTrack();
    third.shortMessage(0, 0x92, 48, 80).shortMessage(1440, 0x82, 48, 0).endOfTrack(480);
    return SmfWriter(1, 480).track(first).track(third).bytes();
}

// Plays a MIDI file as velmira-render does, with nothing set: the lines after its load.
Lines played(std::vector<uint8_t> image, long* stopMs = nullptr) {
    SongRendering rendering;
    rendering.load(std::move(image));
    rendering.playToEnd();
    if (stopMs) *stopMs = rendering.stopMs();
    return messageLines(rendering.messages(), rendering.loadEnd());
}

Lines only(const Lines& lines, const std::string& bytes) {
    Lines found;
    for (const std::string& line : lines)
        if (line.find(" " + bytes) != std::string::npos) found.push_back(line);
    return found;
}

class PlayedSongTest : public testing::Test {
  protected:
    PlayedSongTest() { window.engine.loadSong(song()); }
    VirtualPlayer<RecordingMidiOut> window;
};
}  // namespace

TEST_F(PlayedSongTest, OpensWithTheHeldCellsAndTonesAndKeepsThemOverTheSongsOwn) {
    LiveControls& controls = window.controls;
    controls.fixCell(LiveControls::reverbCell, 0, 40);
    controls.fixCell(LiveControls::chorusCell, 2, 120);
    controls.fixCell(LiveControls::modulationCell, 2, 10);
    controls.fixCell(LiveControls::volumeCell, 2, 60);
    window.engine.tones().fix(0, 0x30, 0x01);
    window.engine.tones().fix(9, 0x19, 0x00);  // the drum channel: a drum set by its program alone
    controls.channelMuted[2] = true;

    const Lines lines = played(playedSongAsSmf(window.engine));
    // What the face and the tone dialog sent when they were set, channel by channel, then the song.
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 9),
              (Lines{"0 B0 5B 28", "0 B0 00 01", "0 B0 20 00", "0 C0 30 00", "0 B2 07 3C", "0 B2 5D 78",
                     "0 B2 01 0A", "0 C9 19 00", "0 B0 00 01"}));
    // The song's own tone and reverb on channel 0 give way to the lock and the cell.
    EXPECT_EQ(only(lines, "C0"), (Lines{"0 C0 30 00", "0 C0 30 00"}));
    EXPECT_EQ(only(lines, "B0 5B"), (Lines{"0 B0 5B 28", "0 B0 5B 28"}));
    EXPECT_EQ(only(lines, "92"), (Lines{"0 92 30 00"})) << "muted";
}

// Saving sends nothing to the window's device and changes no setting: the next save is the same.
TEST_F(PlayedSongTest, SweepsTheAutoPanChannelEndsWhenTheOriginalEndsAndChangesNothing) {
    window.autoPan.setSpeed(0, 12);
    window.effect.type = EffectType::okinawan;
    window.controls.keyShift = 3;
    window.controls.keyShiftActive = true;
    window.engine.tones().fix(1, 5, 0);
    const size_t sent = window.out.messages().size();
    const std::vector<uint8_t> saved = playedSongAsSmf(window.engine);
    EXPECT_TRUE(window.out.messages().size() == sent && playedSongAsSmf(window.engine) == saved);
    long originalStop = 0, savedStop = 0;
    const Lines original = played(song(), &originalStop);
    const Lines lines = played(saved, &savedStop);
    // Both stop at the first period after the end, 2 s in, when it finds no track left.
    EXPECT_EQ(std::pair(originalStop, savedStop), std::pair(2010L, 2010L));
    // The song's hard left gives way to a sweep from the centre, one step a period while channel 0 sounds.
    const Lines pans = only(lines, "B0 0A");
    ASSERT_GT(pans.size(), 90u);
    EXPECT_EQ(Lines(pans.begin(), pans.begin() + 2), (Lines{"0 B0 0A 41", "10 B0 0A 42"}));
    EXPECT_TRUE(only(original, "B0 0A 00").size() == 1 && only(lines, "B0 0A 00").empty());
}
