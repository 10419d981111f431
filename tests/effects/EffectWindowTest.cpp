#include "tests/effects/EventFilterFixture.h"

// The folk scale moves every pitch class, so a plain note and a remapped one always differ:
// C4 60 -> 56, E4 64 -> 61, G4 67 -> 63.
namespace {
constexpr uint8_t on = 0x90;
constexpr uint8_t off = 0x80;

class EffectWindowEdges : public EventFilterFixture {
  protected:
    EffectWindowEdges() { selectEffect(EffectType::folk, 5, 10); }
};

TEST_F(EffectWindowEdges, ChordHeldAcrossTheStartStaysPlainUntilReleased) {
    playSeconds = 4;
    EXPECT_EQ(keyOf(on, 60), 60);
    EXPECT_EQ(keyOf(on, 64), 64);
    playSeconds = 5;
    EXPECT_EQ(keyOf(on, 67), 67) << "a note added while plain notes sound is plain too";
    EXPECT_EQ(single(off, 60, 0), (Bytes{off, 60, 0}));
    EXPECT_EQ(single(on, 64, 0), (Bytes{on, 64, 0})) << "velocity 0 releases like a note-off";
    EXPECT_EQ(single(off, 67, 0), (Bytes{off, 67, 0}));
    EXPECT_EQ(keyOf(on, 60), 56) << "the first note after every plain note ended is remapped";
    EXPECT_TRUE(filter.effectState(0).entered);
}

TEST_F(EffectWindowEdges, NoteHeldAcrossTheEndIsReleasedRemapped) {
    playSeconds = 10;
    EXPECT_EQ(keyOf(on, 60), 56);
    playSeconds = 11;
    EXPECT_EQ(keyOf(on, 64), 61) << "started while a remapped note is held, so remapped as well";
    EXPECT_EQ(single(off, 60, 0), (Bytes{off, 56, 0}));
    EXPECT_EQ(single(off, 64, 0), (Bytes{off, 61, 0}));
    EXPECT_EQ(keyOf(on, 67), 67) << "nothing held after the end: plain from now on";
    EXPECT_EQ(single(off, 67, 0), (Bytes{off, 67, 0}));
}

TEST_F(EffectWindowEdges, ChannelsCrossTheEdgesIndependently) {
    playSeconds = 4;
    EXPECT_EQ(keyOf(on, 60), 60);
    playSeconds = 5;
    EXPECT_EQ(keyOf(on | 1, 60), 56);
    EXPECT_EQ(keyOf(on, 64), 64);
}

TEST_F(EffectWindowEdges, StrayReleasesBeforeTheStartAreNotCountedAsNotes) {
    playSeconds = 4;
    keyOf(on, 60);
    send(off, 60, 0);
    send(off, 60, 0);
    playSeconds = 5;
    EXPECT_EQ(keyOf(on, 60), 56);
}

TEST_F(EffectWindowEdges, PlaybackStartForgetsHeldNotes) {
    playSeconds = 4;
    keyOf(on, 60);
    filter.resetForPlayback();
    playSeconds = 6;
    EXPECT_EQ(keyOf(on, 64), 61);
}

TEST_F(EventFilterFixture, WindowFromZeroRemapsTheFirstNote) {
    selectEffect(EffectType::folk, 0, 10);
    EXPECT_EQ(keyOf(on, 60), 56);
    EXPECT_EQ(keyOf(on | 3, 64), 61);
    EXPECT_EQ(filter.effectState(0).unaffectedHeld, 0);
}

TEST_F(EventFilterFixture, SilencedNoteOnCountsAsARelease) {
    selectEffect(EffectType::suspense, 0, 10);
    playSeconds = 10;
    EXPECT_EQ(single(on, 62, 100), (Bytes{on, 62, 0}));
    EXPECT_EQ(filter.effectState(0).affectedHeld, 0);
    playSeconds = 11;
    EXPECT_EQ(keyOf(on, 60), 60) << "no remapped note is held, so the channel is past the end";
}

TEST_F(EventFilterFixture, KeySignatureWithoutAccidentalsStillEntersTheEffect) {
    selectEffect(EffectType::keySignature);
    settings.keySignature = {1, 0};
    for (int key = 0; key < 128; ++key) EXPECT_EQ(keyOf(on, uint8_t(key)), key);
    EXPECT_TRUE(filter.effectState(0).entered);
}

TEST_F(EventFilterFixture, NoEffectPassesNotesAndMovesNoCounter) {
    settings.window = {3, 5};
    for (int s : {0, 4, 6}) {
        playSeconds = s;
        EXPECT_EQ(single(on, 60, 90), (Bytes{on, 60, 90}));
        EXPECT_EQ(single(off, 60, 30), (Bytes{off, 60, 30}));
    }
    const ChannelEffectState& state = filter.effectState(0);
    EXPECT_FALSE(state.entered);
    EXPECT_EQ(state.unaffectedHeld, 0);
    EXPECT_EQ(state.affectedHeld, 0);
}

TEST_F(EventFilterFixture, CustomRestSoundsNothingAndReleasesItsOwnKey) {
    selectEffect(EffectType::customMap);
    settings.pitchMap.entries[2] = PitchMap::rest;
    settings.pitchMap.entries[4] = -18;
    EXPECT_EQ(single(on, 62, 90), (Bytes{on, 62, 0}));
    EXPECT_EQ(single(off, 62, 64), (Bytes{off, 62, 0}));
    EXPECT_EQ(single(on, 64, 90), (Bytes{on, 46, 90}));
}

TEST_F(EventFilterFixture, KeyPressureIsNeverRemapped) {
    selectEffect(EffectType::folk);
    EXPECT_EQ(single(0xA0, 60, 40), (Bytes{0xA0, 60, 40}));
    EXPECT_FALSE(filter.effectState(0).entered);
}

// Every effect, every key: what a note-on became, its note-off becomes too, inside 0-127.
class EveryEffect : public EventFilterFixture, public ::testing::WithParamInterface<EffectType> {};

TEST_P(EveryEffect, NoNoteIsLeftHanging) {
    selectEffect(GetParam());
    settings.keySignature = {-1, 7};
    settings.pitchMap.entries = {17, -18, 5, 100, -7, 12, -12, 17, 0, -18, 3, 17};
    controls.octaveDoubleChannel = 0;
    for (int key = 0; key < 128; ++key) {
        const std::vector<Bytes> started = through(on, uint8_t(key), 100);
        const std::vector<Bytes> ended = through(off, uint8_t(key), 0);
        ASSERT_EQ(started.size(), ended.size());
        for (size_t i = 0; i < started.size(); ++i) {
            EXPECT_EQ(started[i][1], ended[i][1]) << "key " << key;
            EXPECT_LE(started[i][1], 127) << "key " << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AtTheEdgesOfTheKeyboard, EveryEffect,
                         ::testing::Values(EffectType::folk, EffectType::japanese, EffectType::okinawan,
                                           EffectType::image1, EffectType::image2, EffectType::image3,
                                           EffectType::mirror, EffectType::image5, EffectType::suspense,
                                           EffectType::keySignature, EffectType::customMap));

}  // namespace
