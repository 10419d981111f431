// Passing over idle timer periods in virtual time: a player that skips them and a player that runs every
// period send the same messages at the same times and show the same clock, with tempo changes in long
// waits, automatic pan sweeps that wait for their channel's first note, and waits of many minutes.
#include <gtest/gtest.h>

#include <functional>

#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/VirtualPlayer.h"

namespace {
constexpr long cap = 500000;  // periods: no song below plays longer

// A player whose window handles each posted tick at once, one period at a time.
class PeriodRig : public VirtualPlayer<RecordingMidiOut> {
  public:
    explicit PeriodRig(const std::vector<uint8_t>& image) { engine.loadSong(image); }
    void runPeriod() {
        out.setTime(period * Sequencer::timerPeriod);
        posted_ = false;
        timer.tick();
        if (posted_) player.onTick();
        ++period;
    }
    long period = 0;

  private:
    void postTick() override { posted_ = true; }
    bool posted_ = false;
};

struct PlaySetup {
    const char* name;
    std::vector<uint8_t> image;
    std::function<void(PeriodRig&)> controls;  // set after the load, before playback starts
};

void expectSameState(PeriodRig& plain, PeriodRig& skipping) {
    ASSERT_EQ(plain.period, skipping.period);
    EXPECT_EQ(plain.sequencer.clockMinutes(), skipping.sequencer.clockMinutes()) << plain.period;
    EXPECT_EQ(plain.sequencer.clockSeconds(), skipping.sequencer.clockSeconds()) << plain.period;
    EXPECT_EQ(plain.engine.clock().playSeconds, skipping.engine.clock().playSeconds) << plain.period;
    EXPECT_EQ(plain.sequencer.msPerQuarter(), skipping.sequencer.msPerQuarter()) << plain.period;
    ASSERT_EQ(plain.out.messages().size(), skipping.out.messages().size()) << plain.period;
}

std::vector<uint8_t> tempoChangesInLongWaits() {
    SmfTrack tempos;
    tempos.tempo(0, 500000).tempo(700, 250000).tempo(1300, 1200000).tempo(1, 7).tempo(1, 0xFFFFFF);
    for (int i = 0; i < 50; ++i) tempos.tempo(2, 300000 + uint32_t(i) * 7919);
    tempos.endOfTrack(30000);
    SmfTrack notes;
    notes.shortMessage(0, 0x90, 60, 100).shortMessage(3000, 0x80, 60, 0).shortMessage(5, 0x91, 64, 90);
    notes.shortMessage(10000, 0x81, 64, 0).endOfTrack(2);
    SmfTrack late;
    late.shortMessage(25000, 0x92, 67, 80).shortMessage(1, 0x82, 67, 0).endOfTrack();
    return SmfWriter(1, 480).track(tempos).track(notes).track(late).bytes();
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
    {"tempo changes in long waits", tempoChangesInLongWaits(), [](PeriodRig&) {}},
    {"sweeps at the fastest and the slowest pace, heard after their first note", sweptChannels(),
     [](PeriodRig& rig) {
         rig.autoPan.setSpeed(0, 12);
         rig.autoPan.setSpeed(1, 1);
     }},
    {"a sweep silenced by solo on another channel", sweptChannels(),
     [](PeriodRig& rig) {
         rig.autoPan.setSpeed(0, 7);
         rig.controls.soloChannel = 1;
     }},
    {"a muted swept channel", sweptChannels(),
     [](PeriodRig& rig) {
         rig.autoPan.setSpeed(1, 3);
         rig.controls.channelMuted[1] = true;
     }},
    {"a format 0 sweep over minutes of silence", singleTrackWithMinutesOfSilence(),
     [](PeriodRig& rig) { rig.autoPan.setSpeed(2, 4); }},
    {"minutes of silence, no sweep", singleTrackWithMinutesOfSilence(), [](PeriodRig&) {}},
};

TEST(IdlePeriods, SkippingThemSendsAndShowsWhatRunningEveryPeriodDoes) {
    for (const PlaySetup& setup : setups) {
        SCOPED_TRACE(setup.name);
        PeriodRig plain(setup.image), skipping(setup.image);
        for (PeriodRig* rig : {&plain, &skipping}) {
            setup.controls(*rig);
            rig->player.startPlayback();
        }
        long skipped = 0;
        while (skipping.timer.running() && skipping.period < cap) {
            const int64_t idle = skipping.sequencer.idlePeriods(cap - skipping.period);
            skipping.sequencer.passIdlePeriods(idle);
            skipping.period += long(idle);
            skipped += long(idle);
            while (plain.period < skipping.period) plain.runPeriod();
            expectSameState(plain, skipping);
            skipping.runPeriod();
            plain.runPeriod();
        }
        EXPECT_FALSE(plain.timer.running());
        expectSameState(plain, skipping);
        for (size_t i = 0; i < plain.out.messages().size(); ++i) {
            EXPECT_EQ(RecordingMidiOut::formatLine(plain.out.messages()[i]),
                      RecordingMidiOut::formatLine(skipping.out.messages()[i]));
        }
        // A sweep keeps every period busy once its channel is heard, but not before.
        EXPECT_GT(skipped, 100) << "too few periods were found idle to prove anything";
    }
}

TEST(IdlePeriods, EndAtTheFirstPeriodThatPlaysAnEventAndNeverBeforeTheFirstDeltaIsRead) {
    SmfTrack track;
    track.shortMessage(480, 0x90, 60, 100).endOfTrack(2);
    PeriodRig rig(SmfWriter(0, 480).track(track).bytes());  // 500 ms a quarter
    rig.player.startPlayback();
    EXPECT_EQ(rig.sequencer.idlePeriods(cap), 0);
    rig.runPeriod();  // reads the delta: due at 500 ms
    EXPECT_EQ(rig.sequencer.idlePeriods(cap), 49);
    EXPECT_EQ(rig.sequencer.idlePeriods(20), 20);
    EXPECT_EQ(rig.sequencer.idlePeriods(0), 0);
    rig.sequencer.passIdlePeriods(49);
    const size_t before = rig.out.messages().size();
    rig.out.setTime(500);
    rig.timer.tick();
    ASSERT_EQ(rig.out.messages().size(), before + 1);
    EXPECT_EQ(RecordingMidiOut::formatLine(rig.out.messages().back()), "500 90 3C 64");
    // The note's channel now sweeps: no period is idle while it does.
    rig.autoPan.setSpeed(0, 1);
    EXPECT_EQ(rig.sequencer.idlePeriods(cap), 0);
}
}  // namespace
