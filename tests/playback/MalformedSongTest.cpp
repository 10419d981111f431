// A player meets broken files all the time: each must load, play to an end and stop, without reading
// outside the image (run under a sanitizer to see that), dividing by zero or hanging.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

namespace {
// Plays the image once; returns the ticks it took to stop (the limit if it never did).
int playToEnd(std::vector<uint8_t> image, int limit = 200000) {
    PlaybackRig rig;
    rig.load(std::move(image));
    rig.player.startPlayback();
    return rig.runUntilStopped(limit);
}

std::vector<uint8_t> validSong() {
    return SongBytes(1, 480)
        .track(join({tempoEvent(500000), {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}, endOfTrack()}))
        .track(join({{0x00, 0xC1, 5, 0x00, 0xF0, 0x03, 1, 2, 0xF7}, endOfTrack(10)}))
        .bytes();
}
}  // namespace

TEST(MalformedSong, EmptyAndHeaderOnlyFilesEndAtOnce) {
    EXPECT_LE(playToEnd({}), 2);  // no image: nothing starts
    EXPECT_LE(playToEnd({'M', 'T', 'h', 'd'}), 2);
    EXPECT_LE(playToEnd(SongBytes(1, 480).bytes()), 2);  // zero tracks
}

TEST(MalformedSong, TruncatedFilesEndTheirTracks) {
    const std::vector<uint8_t> song = validSong();
    for (size_t length = 0; length < song.size(); ++length)
        EXPECT_LT(playToEnd(std::vector<uint8_t>(song.begin(), song.begin() + long(length))), 200) << length;
}

TEST(MalformedSong, OvershootingTrackLengthsAndMissingTracksEnd) {
    std::vector<uint8_t> song = validSong();
    song[18] = 0x7F;  // the first track claims almost 2 GiB
    EXPECT_LT(playToEnd(song), 200);
    EXPECT_LT(playToEnd(SongBytes(1, 480).track(endOfTrack()).announceTracks(200).bytes()), 5);
}

TEST(MalformedSong, AnEndlessVariableLengthNumberEndsTheTrack) {
    std::vector<uint8_t> track(200, 0xFF);
    EXPECT_LT(playToEnd(SongBytes(1, 480).track(join({{0x00, 0x90, 60, 100, 0x81}, track})).bytes()), 5);
    std::vector<uint8_t> meta = {0x00, 0xFF, 0x01};
    meta.insert(meta.end(), 50, 0x80);
    EXPECT_LT(playToEnd(SongBytes(1, 480).track(meta).bytes()), 5);
}

TEST(MalformedSong, AZeroDivisionStillEnds) {
    EXPECT_LT(playToEnd(SongBytes(1, 0).track(join({{0x60, 0x90, 60, 100}, endOfTrack(0x60)})).bytes()), 50);
}

TEST(MalformedSong, ATempoOfZeroPlaysEverythingAtOnce) {
    EXPECT_LT(
        playToEnd(
            SongBytes(1, 480)
                .track(join(
                    {tempoEvent(500000), tempoEvent(0, 10), {0x83, 0x60, 0x90, 60, 1}, endOfTrack(0x7F)}))
                .bytes()),
        20);
}

// Plays a damaged image for a while, checking after every tick that each track still points into it (or just
// past its last byte).
static void playCheckingPositions(std::vector<uint8_t> image, int ticks) {
    PlaybackRig rig;
    rig.load(std::move(image));
    rig.player.startPlayback();
    for (int i = 0; i < ticks && rig.timer.running(); ++i) {
        rig.tick();
        for (int track = 0; track < rig.song.trackCount(); ++track) {
            const int32_t pos = rig.song.trackPosition(track);
            ASSERT_TRUE(pos >= 0 && pos <= rig.song.size()) << "track " << track << " at " << pos;
        }
    }
}

TEST(MalformedSong, RandomDamageNeverLeavesTheImage) {
    std::mt19937 random(20261206);
    const std::vector<uint8_t> original = validSong();
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> song = original;
        const int flips = 1 + int(random() % 8);
        for (int i = 0; i < flips; ++i) song[random() % song.size()] = uint8_t(random());
        // A damaged delta can ask for a wait of up to 2^28 ticks; what matters is that nothing is read
        // outside the image, so each round plays a bounded while.
        playCheckingPositions(song, 3000);
    }
    for (int round = 0; round < 100; ++round) {
        std::vector<uint8_t> noise(14 + random() % 200);
        for (uint8_t& byte : noise) byte = uint8_t(random());
        playCheckingPositions(noise, 3000);
    }
}
