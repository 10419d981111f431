// The renderer's output, byte for byte, on songs that stress the virtual clock: the fingerprints below were
// taken from the renderer that stepped every timer period one by one, so a renderer that passes over idle
// periods must print exactly what it printed.
#include "playback/SmfWriter.h"
#include "tests/support/DenseSong.h"
#include "tests/support/Golden.h"
#include "tests/tools/RenderFixture.h"
#include "tools/pianoroll/PianoRollSong.h"

namespace {
// A tempo track that changes the tempo in the middle of the other tracks' long waits, and again on almost
// every timer period for a while (the tempo read-out is asked to redraw on each).
std::vector<uint8_t> tempoChangesInLongWaits() {
    SmfTrack tempos;
    tempos.tempo(0, 500000).tempo(700, 250000).tempo(1300, 1200000);
    for (int i = 0; i < 200; ++i) tempos.tempo(1, 300000 + uint32_t(i) * 4000);
    tempos.tempo(4000, 90000).endOfTrack(9000);
    SmfTrack notes;
    notes.shortMessage(0, 0xC0, 3).shortMessage(0, 0x90, 60, 100).shortMessage(3000, 0x80, 60, 0);
    notes.shortMessage(5, 0x91, 64, 90).shortMessage(10000, 0x81, 64, 0).endOfTrack(2);
    SmfTrack sparse;
    sparse.shortMessage(19000, 0x92, 67, 80).shortMessage(1, 0x82, 67, 0).endOfTrack(0x0FFFFF);
    return SmfWriter(1, 480).track(tempos).track(notes).track(sparse).bytes();
}

// A single track at the fastest tempos: a first tempo above 400 beats per minute, a tempo of 0 and a tempo
// of one microsecond, with a delta of several minutes between.
std::vector<uint8_t> extremeTemposInOneTrack() {
    SmfTrack track;
    track.tempo(0, 60000).shortMessage(0, 0x90, 50, 70).shortMessage(96, 0x80, 50, 0);
    track.tempo(10, 0).shortMessage(500, 0x90, 52, 70).tempo(7, 1).shortMessage(40000, 0x80, 52, 0);
    track.tempo(0, 0xFFFFFF).shortMessage(0x3FFF, 0x90, 55, 70).shortMessage(3, 0x80, 55, 0).endOfTrack();
    return SmfWriter(0, 96).track(track).bytes();
}

// Tracks that each wait 0x0FFFFFFF ticks at one tick a quarter: playback stops at its one-day cap.
std::vector<uint8_t> waitsBeyondADay(int tracks) {
    SmfWriter song(1, 1);
    for (int track = 0; track < tracks; ++track) {
        SmfTrack events;
        events.shortMessage(uint32_t(track), uint8_t(0x90 | track % 16), 60, 1)
            .shortMessage(0x0FFFFFFF, 0x80, 60, 0);
        song.track(events.endOfTrack());
    }
    return song.bytes();
}

}  // namespace

TEST(RenderGoldenTest, PrintsWhatTheRendererSteppingEveryPeriodPrinted) {
    RenderOptions transposedSolo = withEffect(EffectType::japanese, {2, 5});
    transposedSolo.transpose = -3, transposedSolo.soloChannel = 1;
    RenderOptions doubledQuiet = withEffect(EffectType::suspense);
    doubledQuiet.doubleChannel = 0, doubledQuiet.masterVolume = 40, doubledQuiet.mutedChannels = {2};
    const struct {
        const char* name;
        std::vector<uint8_t> song;
        RenderOptions options;
        uint64_t expected;
    } cases[] = {
        {"piano roll", pianoRollSong(), RenderOptions{}, 0xe8c4a3b31098b82},
        {"piano roll, folk from 30 to 90 s", pianoRollSong(), withEffect(EffectType::folk, {30, 90}),
         0xc95c158ecabeffca},
        {"dense song", denseSong(12, 300), withEffect(EffectType::mirror, {1, 3}), 0x75dac5269d3cb227},
        {"tempo changes in long waits", tempoChangesInLongWaits(), transposedSolo, 0x3130ffb99a64918b},
        {"extreme tempos in one track", extremeTemposInOneTrack(), doubledQuiet, 0x79a3811f9b1a8863},
        {"255 waits beyond a day", waitsBeyondADay(255), RenderOptions{}, 0x54d51015840062ba},
    };
    for (const auto& golden : cases) {
        SCOPED_TRACE(golden.name);
        // The output as velmira-render prints it.
        const uint64_t printed = fingerprint(messageLines(renderSong(golden.song, golden.options)));
        EXPECT_EQ(printed, golden.expected) << std::hex << printed;
    }
}
