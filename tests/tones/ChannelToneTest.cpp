// A channel's tone and the user's lock on it, as the song and the tone dialog write them.
#include <gtest/gtest.h>

#include "tones/ChannelTone.h"

namespace {
TEST(ChannelTones, TheSongSetsTheToneUntilTheUserLocksIt) {
    ChannelTones tones;
    EXPECT_EQ(tones.takeSongProgram(3, 48), 48);
    EXPECT_EQ(tones.takeSongBank(3, 8), 8);
    EXPECT_EQ(tones.at(4).program, 0) << "one channel's tone only";

    const ChannelTone before = tones.fix(3, 25, 16);
    EXPECT_FALSE(before.fixed);
    EXPECT_EQ(before.program, 48);
    EXPECT_EQ(before.songChanges, 0) << "nothing has reached the device yet";
    EXPECT_EQ(tones.takeSongProgram(3, 1), 25) << "the lock replaces the song's program";
    EXPECT_EQ(tones.takeSongBank(3, 0), 16);
    const ChannelTone locked = tones.at(3);
    EXPECT_TRUE(locked.fixed);
    EXPECT_EQ(locked.songChanges, 0) << "a locked channel takes nothing from the song";

    tones.reset();
    EXPECT_FALSE(tones.at(3).fixed);
}

// The count tells the dialog that the song's tone reached the device, even the very tone it had; it wraps
// without touching the tone or the lock, and stops once the channel is locked.
TEST(ChannelTones, WhatReachesTheDeviceIsCountedUntilTheLock) {
    ChannelTones tones;
    tones.takeSongProgram(0, 7);
    EXPECT_EQ(tones.songToneSent(0).songChanges, 1);
    tones.takeSongProgram(0, 7);
    EXPECT_EQ(tones.songToneSent(0).songChanges, 2);
    tones.takeSongBank(0, 1);
    for (int i = 0; i < 40000; ++i) tones.songToneSent(0);
    ChannelTone tone = tones.at(0);
    EXPECT_EQ(tone.program, 7);
    EXPECT_EQ(tone.bank, 1);
    EXPECT_FALSE(tone.fixed);
    EXPECT_EQ(tone.songChanges, uint16_t((40002) % 32768));

    tones.fix(0, 40, 8);
    tone = tones.songToneSent(0);
    EXPECT_TRUE(tone.fixed);
    EXPECT_EQ(tone.program, 40);
    EXPECT_EQ(tone.songChanges, 0);
}
}  // namespace
