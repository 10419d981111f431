// A player meets broken files all the time: each must load, play to an end and stop, without reading
// outside the image (run under a sanitizer to see that), dividing by zero or hanging.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

namespace {
// Plays the image once, checking from the start and after every tick that each track still points into it
// (or just past its last byte); returns the ticks it took to stop (the limit if it never did).
int playWithinImage(std::vector<uint8_t> image, int limit = 3000) {
    PlaybackRig rig;
    rig.load(std::move(image));
    rig.player.startPlayback();
    for (int tick = 0; tick < limit; ++tick) {
        for (int track = 0; track < rig.song.trackCount(); ++track) {
            const int32_t pos = rig.song.trackPosition(track);
            if (pos < 0 || pos > rig.song.size()) {
                ADD_FAILURE() << "track " << track << " at " << pos;
                return limit;
            }
        }
        if (!rig.timer.running()) return tick;
        rig.tick();
    }
    return limit;
}

std::vector<uint8_t> validSong() {
    return SongBytes(1, 480)
        .track(join({tempoEvent(500000), {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}, endOfTrack()}))
        .track(join({{0x00, 0xC1, 5, 0x00, 0xF0, 0x03, 1, 2, 0xF7}, endOfTrack(10)}))
        .bytes();
}
}  // namespace

TEST(MalformedSong, DamagedFilesEndPromptly) {
    std::vector<uint8_t> overshooting = validSong();
    overshooting[18] = 0x7F;  // the first track claims almost 2 GiB
    std::vector<uint8_t> endlessLength = {0x00, 0xFF, 0x01};
    endlessLength.insert(endlessLength.end(), 50, 0x80);
    const struct {
        const char* damage;
        std::vector<uint8_t> image;
        int ticks;
    } cases[] = {
        {"no image", {}, 2},
        {"a cut header", {'M', 'T', 'h', 'd'}, 2},
        {"zero tracks", SongBytes(1, 480).bytes(), 2},
        {"an overshooting track length", overshooting, 200},
        {"more tracks announced than exist",
         SongBytes(1, 480).track(endOfTrack()).announceTracks(200).bytes(), 4},
        {"an endless delta",
         SongBytes(1, 480)
             .track(join({{0x00, 0x90, 60, 100, 0x81}, std::vector<uint8_t>(200, 0xFF)}))
             .bytes(),
         4},
        {"an endless meta length", SongBytes(1, 480).track(endlessLength).bytes(), 4},
        {"a zero division", SongBytes(1, 0).track(join({{0x60, 0x90, 60, 100}, endOfTrack(0x60)})).bytes(),
         50},
        {"a tempo of 0",
         SongBytes(1, 480)
             .track(
                 join({tempoEvent(500000), tempoEvent(0, 10), {0x83, 0x60, 0x90, 60, 1}, endOfTrack(0x7F)}))
             .bytes(),
         20},
    };
    for (const auto& c : cases) EXPECT_LE(playWithinImage(c.image), c.ticks) << c.damage;

    const std::vector<uint8_t> song = validSong();
    for (size_t length = 0; length < song.size(); ++length)
        EXPECT_LT(playWithinImage(std::vector<uint8_t>(song.begin(), song.begin() + long(length))), 200)
            << "cut to " << length;
}

TEST(MalformedSong, RandomDamageNeverLeavesTheImage) {
    std::mt19937 random(20261206);
    const std::vector<uint8_t> original = validSong();
    // A damaged delta can ask for a wait of up to 2^28 ticks; what matters is that nothing is read outside
    // the image, so each round plays a bounded while.
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> song = original;
        const int flips = 1 + int(random() % 8);
        for (int i = 0; i < flips; ++i) song[random() % song.size()] = uint8_t(random());
        playWithinImage(song);
    }
    for (int round = 0; round < 100; ++round) {
        std::vector<uint8_t> noise(14 + random() % 200);
        for (uint8_t& byte : noise) byte = uint8_t(random());
        playWithinImage(noise);
    }
}
