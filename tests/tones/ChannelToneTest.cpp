// A channel's tone and the user's lock on it, as the song and the tone dialog write them.
#include <gtest/gtest.h>

#include "tones/ChannelTone.h"

namespace {
TEST(ChannelTones, TheSongSetsTheToneUntilTheUserLocksIt) {
    ChannelTones tones;
    EXPECT_EQ(tones.takeSongProgram(3, 48), 48);
    EXPECT_EQ(tones.takeSongBank(3, 8), 8);
    EXPECT_EQ(tones.at(3).program, 48);
    EXPECT_EQ(tones.at(3).bank, 8);
    EXPECT_EQ(tones.at(4).program, 0) << "one channel's tone only";

    const ChannelTone before = tones.fix(3, 25, 16);
    EXPECT_FALSE(before.fixed);
    EXPECT_EQ(before.program, 48);
    EXPECT_EQ(before.songChanges, 2);
    EXPECT_EQ(tones.takeSongProgram(3, 1), 25) << "the lock replaces the song's program";
    EXPECT_EQ(tones.takeSongBank(3, 0), 16);
    const ChannelTone locked = tones.at(3);
    EXPECT_TRUE(locked.fixed);
    EXPECT_EQ(locked.program, 25);
    EXPECT_EQ(locked.bank, 16);
    EXPECT_EQ(locked.songChanges, 0) << "a locked channel takes nothing from the song";

    const uint32_t generation = tones.songGeneration();
    tones.reset();
    EXPECT_FALSE(tones.at(3).fixed);
    EXPECT_EQ(tones.at(3).program, 0);
    EXPECT_EQ(tones.songGeneration(), generation + 1);
}

TEST(ChannelTones, FixCurrentLocksWhatTheSongSetLast) {
    ChannelTones tones;
    tones.takeSongProgram(9, 25);
    const ChannelTone locked = tones.fixCurrent(9);
    EXPECT_TRUE(locked.fixed);
    EXPECT_EQ(locked.program, 25);
    EXPECT_EQ(tones.takeSongProgram(9, 0), 25);
}

// The count tells the dialog that the song sent a tone, even the very one it had, and wraps without
// touching the tone or the lock.
TEST(ChannelTones, TheSongsChangesAreCountedAndTheCountWraps) {
    ChannelTones tones;
    tones.takeSongProgram(0, 7);
    const uint16_t once = tones.at(0).songChanges;
    tones.takeSongProgram(0, 7);
    EXPECT_NE(tones.at(0).songChanges, once);
    for (int i = 0; i < 40000; ++i) tones.takeSongBank(0, 1);
    const ChannelTone tone = tones.at(0);
    EXPECT_EQ(tone.program, 7);
    EXPECT_EQ(tone.bank, 1);
    EXPECT_FALSE(tone.fixed);
}
}  // namespace
