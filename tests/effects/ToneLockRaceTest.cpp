// The tone dialog's OK on the window thread against the song's program changes and bank selects on the
// timer thread: whatever the order, the lock holds the user's tone and the device ends on it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/effects/EventFilterFixture.h"
#include "tones/ToneDialogModel.h"
#include "tones/ToneTable.h"

namespace {
// The locked tone follows the song's message that was on its way; an unchanged value is not sent twice.
// The lock lands while the filter's message is on its way to the device: after the song's value went into
// the tone, before the device has it.
TEST_F(EventFilterFixture, TheLockedToneFollowsTheSongsMessageOnItsWay) {
    out.duringNextSend = [this] { tones.fix(2, 40, 1); };
    EXPECT_EQ(filtered("C2 21"), steps("C2 21 00 + C2 28 00"));
    out.duringNextSend = [this] { tones.fix(5, 0, 8); };
    EXPECT_EQ(filtered("B5 00 00"), steps("B5 00 00 + B5 00 08"));
    out.duringNextSend = [this] { tones.fix(6, 4, 0); };
    EXPECT_EQ(filtered("C6 04"), steps("C6 04 00")) << "the song's program is the locked one";
}

// Not a proof, since the interleavings come from the scheduler, but each round races a preview and OK
// against a song that keeps setting its own tone; a stale tone in the lock or on the device fails it.
TEST(ToneLockRace, OkAgainstTheSongsToneChangesEndsOnTheChoiceInTheLockAndOnTheDevice) {
    FilterRig<ModuleStateDevice> rig;
    ChannelTones& tones = rig.tones;
    const int choice = toneIndex(SoundModule::sc88, 40, 8);
    for (int round = 0; round < 300; ++round) {
        tones.reset();
        tones.takeSongProgram(3, 33);
        ToneDialogModel dialog(tones, rig.out, 3, SoundModule::sc88, false);
        std::atomic<bool> started{false};
        std::thread song([&] {
            started = true;
            for (int i = 0; i < 200; ++i) {
                rig.filter.processChannelMessage(0, {0xB3, 0x00, uint8_t(i % 2)});
                rig.filter.processChannelMessage(0, {0xC3, uint8_t(33 + i % 3), 0});
            }
        });
        while (!started) std::this_thread::yield();
        dialog.select(choice);
        dialog.ok();
        song.join();
        const ChannelTone locked = tones.at(3);
        ASSERT_EQ(std::tuple(locked.fixed, int(locked.program), int(locked.bank), rig.out.lastTone(3)),
                  std::tuple(true, 40, 8, std::pair(40, 8)))
            << round;
    }
}
}  // namespace
