// A player meets broken files all the time: each must load, play to an end and stop, without reading
// outside the image (run under a sanitizer to see that), dividing by zero or hanging.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {
constexpr int tickLimit = 3000;

// Ticks the playing rig until it stops or the limit, checking before and after every tick that each track
// still points into the image (or just past its last byte); returns the ticks it took to stop (the limit if
// it never did). waitless cuts every wait short before each tick, as a tempo of 0 ms a quarter would.
int playWithinImage(PlaybackRig& rig, int limit, bool waitless = false) {
    for (int tick = 0; tick < limit; ++tick, rig.tick()) {
        for (int track = 0; track < rig.song.trackCount(); ++track) {
            const int32_t pos = rig.song.trackPosition(track);
            if (pos < 0 || pos > rig.song.size()) {
                ADD_FAILURE() << "track " << track << " at " << pos;
                return limit;
            }
        }
        if (!rig.timer.running()) return tick;
        if (waitless) rig.sequencer.setTempo(true, 0.0);
    }
    return limit;
}

// The song the damage is done to: a tempo and a note on one track, a program change and a SysEx on another.
std::vector<uint8_t> intactSong() {
    return SmfWriter(1, 480)
        .track(join({tempoEvent(500000), {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}, endOfTrack()}))
        .track(join({{0x00, 0xC1, 5, 0x00, 0xF0, 0x03, 1, 2, 0xF7}, endOfTrack(10)}))
        .bytes();
}

}  // namespace

TEST(MalformedSong, DamagedFilesStayWithinTheImageAndEndPromptly) {
    const std::vector<uint8_t> song = intactSong();
    std::vector<uint8_t> overshooting = song;
    overshooting[18] = 0x7F;  // the first track claims almost 2 GiB
    auto oneTrack = [](std::vector<uint8_t> events, int division = 480) {
        return SmfWriter(1, division).track(std::move(events)).bytes();
    };
    // The damage, the song and the ticks it may take to stop.
    std::vector<std::tuple<std::string, std::vector<uint8_t>, int>> cases = {
        {"zero tracks announced", SmfWriter(1, 480).track(endOfTrack(480)).announceTracks(0).bytes(), 2},
        {"an overshooting track length", overshooting, 200},
        {"more tracks announced than exist",
         SmfWriter(1, 480).track(endOfTrack()).announceTracks(200).bytes(), 4},
        {"an endless delta", oneTrack(join({{0x00, 0x90, 60, 100, 0x81}, std::vector<uint8_t>(200, 0xFF)})),
         4},
        {"an endless meta length", oneTrack(join({{0x00, 0xFF, 0x01}, std::vector<uint8_t>(50, 0x80)})), 4},
        {"a zero division", oneTrack(join({{0x60, 0x90, 60, 100}, endOfTrack(0x60)}), 0), 50},
        {"a tempo of 0",
         oneTrack(join({tempoEvent(500000), tempoEvent(0, 10), {0x83, 0x60, 0x90, 60, 1}, endOfTrack(0x7F)})),
         20},
    };
    for (size_t length = 0; length < song.size(); ++length)
        cases.push_back(
            {"cut to " + std::to_string(length), {song.begin(), song.begin() + long(length)}, 200});
    for (const auto& [damage, image, ticks] : cases) {
        PlaybackRig rig;
        rig.play(image);
        EXPECT_LE(playWithinImage(rig, tickLimit), ticks) << damage;
    }
}

// A track without its end-of-track event ends with its chunk: it does not read the next chunk as its own
// (with its running status, "MTrk" would sound as notes), nor, in a file of many such tracks, every later
// chunk in one timer period.
TEST(MalformedSong, ATrackEndsAtItsChunksEnd) {
    PlaybackRig rig;
    rig.play(SmfWriter(1, 480)
                 .track({0x00, 0x90, 60, 100})
                 .track(join({{0x60, 0x90, 62, 100}, endOfTrack()}))
                 .bytes());
    rig.runUntilStopped();
    EXPECT_EQ(rig.linesOfKind(0x90), (std::vector<std::string>{"0 90 3C 64", "100 90 3E 64"}));
    // Nor is the next chunk's header taken for a note where a track in running status ends on a delta-time.
    rig.load(SmfWriter(1, 480).track({0x00, 0x90, 60, 0, 0x00}).track(endOfTrack()).bytes());
    EXPECT_FALSE(holdsNote(rig.song));
    rig.load(SmfWriter(1, 480).track({0x00, 0x90, 60}).bytes());  // nor is a message cut short by the file
    walkTracks(rig.song, [](const TrackEvent& event) { return ADD_FAILURE() << event.position, false; });
    rig.play(SmfWriter(1, 480).track({0x00, 0x90, 60, 100}).bytes());  // a whole one at the file's end is one
    rig.runUntilStopped();
    EXPECT_TRUE(holdsNote(rig.song) && rig.linesOfKind(0x90).size() == 3) << "the two above, and this one";
    std::vector<uint8_t> longFirst = SmfWriter(1, 480).track(endOfTrack()).track(endOfTrack()).bytes();
    longFirst[18] = 0x01;  // the first chunk claims 16 MB more than the file holds: it takes the rest
    rig.load(longFirst);
    rig.song.prepareTracks();
    EXPECT_EQ(std::pair(rig.song.trackEnd(0), rig.song.trackPosition(1)),
              std::pair(int64_t(longFirst.size()), 0));
}

// Random bytes over the song, then pure noise. A damaged delta or tempo can ask for a wait of hours, so a
// song still playing after the limit is not wrong by itself; but no track may stall: with every wait cut
// short, each tick takes each track on to its next tempo change or its end, so the song must stop within
// as many ticks as the image has bytes.
TEST(MalformedSong, RandomlyDamagedFilesStayWithinTheImageAndNoTrackStalls) {
    const std::vector<uint8_t> song = intactSong();
    std::mt19937 random(20261206);
    int stillPlaying = 0;
    for (int round = 0; round < 400; ++round) {
        const bool noise = round >= 300;
        std::vector<uint8_t> image = noise ? std::vector<uint8_t>(14 + random() % 200) : song;
        const size_t changes = noise ? image.size() : 1 + random() % 8;
        for (size_t i = 0; i < changes; ++i) image[noise ? i : random() % image.size()] = uint8_t(random());

        PlaybackRig rig;
        rig.play(image);
        if (playWithinImage(rig, tickLimit) < tickLimit) continue;
        ++stillPlaying;
        const int waitlessLimit = int(image.size()) + 2;
        EXPECT_LT(playWithinImage(rig, waitlessLimit, true), waitlessLimit) << "random damage " << round;
    }
    EXPECT_GT(stillPlaying, 0) << "no damage left a song playing: the stall check went untried";
}

// The song-list modes pass over a song without a note to play; what counts must be what the sequencer
// sounds, or loop play would stall on a silent entry or pass over a song that plays.
TEST(MalformedSong, ASongHoldsANoteExactlyWhenPlayingItSoundsOne) {
    const std::pair<std::vector<uint8_t>, bool> cases[] = {
        {{0, 0x90, 60, 0, 0, 61, 90}, true},                             // running status
        {{0, 0x90, 60, 0, 0, 0xB0, 7, 90}, false},                       // velocity 0, a controller
        {{0, 0xF0, 3, 0x90, 60, 9, 0, 0xFF, 1, 3, 0x90, 60, 9}, false},  // inside a SysEx and a text
        {join({endOfTrack(), {0, 0x90, 60, 100}}), false},               // after the end of the track
        {{0, 0x90, 60, 0, 0, 0xFF, 1, 0, 0, 61, 90}, false},             // running status ended by a meta
        {{0, 0x90, 60, 0, 0, 0xF6, 61, 90}, false},                      // or stepped over by a stray status
    };
    for (const auto& [events, holds] : cases) {
        PlaybackRig rig;
        rig.load(SmfWriter(1, 480).track(join({events, endOfTrack()})).bytes());
        EXPECT_EQ(holdsNote(rig.song), holds) << testing::PrintToString(events);
        rig.player.startPlayback();
        rig.runUntilStopped(tickLimit);
        const std::vector<std::string> noteOns = rig.linesOfKind(0x90);
        EXPECT_EQ(std::any_of(noteOns.begin(), noteOns.end(),
                              [](auto& line) { return line.substr(line.size() - 2) != "00"; }),
                  holds);
    }
}
