// The timer thread must not allocate: a song plays from start to end with no call of operator new.
#include <gtest/gtest.h>

#include "tests/support/AllocationCounter.h"
#include "tests/support/DenseSong.h"
#include "tests/support/SilentPlayer.h"

TEST(PlaybackAllocation, PlayingADenseSongAllocatesNothing) {
    SilentPlayer silent;
    silent.play(denseSong(32, 200));
    silent.autoPan.speed[3] = 12;
    silent.controls.channelLevel[3] = 90;

    const long before = allocationCount();
    silent.playToEnd();
    const long during = allocationCount() - before;
    silent.player.stopPlayback(Player::songFinished);

    EXPECT_GT(silent.out.sent, 32 * 200 * 4);
    EXPECT_EQ(during, 0);
}
