// Passing over idle timer periods in virtual time: a player that skips them and a player that runs every
// period send the same messages at the same times and show the same clock, with automatic pan sweeps that
// wait for their channel's first note, and waits of many minutes. The render goldens hold the renderer's
// output over tempo changes in long waits, taken when it still ran every period.
#include <gtest/gtest.h>

#include <functional>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {
constexpr long capMs = 5000000;  // no song below plays longer

struct PlaySetup {
    const char* name;
    std::vector<uint8_t> image;
    std::function<void(PlaybackRig&)> controls;  // set after the load, before playback starts
};

void expectSameState(PlaybackRig& plain, PlaybackRig& skipping) {
    ASSERT_EQ(plain.nowMs, skipping.nowMs);
    EXPECT_EQ(plain.sequencer.clockMinutes(), skipping.sequencer.clockMinutes()) << plain.nowMs;
    EXPECT_EQ(plain.sequencer.clockSeconds(), skipping.sequencer.clockSeconds()) << plain.nowMs;
    EXPECT_EQ(plain.engine.clock().playSeconds, skipping.engine.clock().playSeconds) << plain.nowMs;
    EXPECT_EQ(plain.sequencer.msPerQuarter(), skipping.sequencer.msPerQuarter()) << plain.nowMs;
    ASSERT_EQ(plain.out.messages().size(), skipping.out.messages().size()) << plain.nowMs;
}

std::vector<uint8_t> sweptChannels() {
    SmfTrack first, second;
    first.shortMessage(4000, 0x90, 60, 100).shortMessage(9000, 0x80, 60, 0).endOfTrack(20000);
    second.shortMessage(15000, 0x91, 62, 90).shortMessage(1, 0x81, 62, 0).endOfTrack(40000);
    return SmfWriter(1, 96).track(first).track(second).bytes();
}

std::vector<uint8_t> singleTrackWithMinutesOfSilence() {
    SmfTrack track;
    track.shortMessage(2000, 0x92, 40, 60).shortMessage(0x1FFFF, 0x82, 40, 0).tempo(0, 50000);
    track.shortMessage(0x3FFFF, 0x92, 41, 60).shortMessage(3, 0x82, 41, 0).endOfTrack(0xFFFF);
    return SmfWriter(0, 24).track(track).bytes();
}

const PlaySetup setups[] = {
    {"sweeps at the fastest and the slowest pace, heard after their first note", sweptChannels(),
     [](PlaybackRig& rig) {
         rig.autoPan.setSpeed(0, 12);
         rig.autoPan.setSpeed(1, 1);
     }},
    {"a sweep silenced by solo on another channel", sweptChannels(),
     [](PlaybackRig& rig) {
         rig.autoPan.setSpeed(0, 7);
         rig.controls.soloChannel = 1;
     }},
    {"a muted swept channel", sweptChannels(),
     [](PlaybackRig& rig) {
         rig.autoPan.setSpeed(1, 3);
         rig.controls.channelMuted[1] = true;
     }},
    {"a format 0 sweep over minutes of silence", singleTrackWithMinutesOfSilence(),
     [](PlaybackRig& rig) { rig.autoPan.setSpeed(2, 4); }},
};

TEST(IdlePeriods, SkippingThemSendsAndShowsWhatRunningEveryPeriodDoes) {
    for (const PlaySetup& setup : setups) {
        SCOPED_TRACE(setup.name);
        PlaybackRig plain, skipping;
        for (PlaybackRig* rig : {&plain, &skipping}) {
            rig->load(setup.image);
            setup.controls(*rig);
            rig->player.startPlayback();
        }
        long skipped = 0;
        while (skipping.timer.running() && skipping.nowMs < capMs) {
            const int64_t idle =
                skipping.sequencer.idlePeriods((capMs - skipping.nowMs) / Sequencer::timerPeriod);
            skipping.sequencer.passIdlePeriods(idle);
            skipping.nowMs += long(idle) * Sequencer::timerPeriod;
            skipped += long(idle);
            while (plain.nowMs < skipping.nowMs && plain.timer.running()) plain.tick();
            expectSameState(plain, skipping);
            skipping.tick();
            plain.tick();
        }
        EXPECT_FALSE(plain.timer.running());
        expectSameState(plain, skipping);
        EXPECT_EQ(messageLines(plain.out.messages()), messageLines(skipping.out.messages()));
        // A sweep keeps every period busy once its channel is heard, but not before.
        EXPECT_GT(skipped, 100) << "too few periods were found idle to prove anything";
    }
}
}  // namespace
