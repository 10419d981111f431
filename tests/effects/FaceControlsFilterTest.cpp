#include "tests/effects/EventFilterFixture.h"

// The live controls of the face, the tone lock and the read-outs as the event filter applies them.
namespace {
constexpr uint8_t on = 0x90;
constexpr uint8_t off = 0x80;
constexpr uint8_t control = 0xB0;
constexpr uint8_t program = 0xC0;
constexpr uint8_t drum = 9;

TEST_F(EventFilterFixture, DrumChannelIsNeverRemappedShiftedOrDoubled) {
    selectEffect(EffectType::folk);
    controls.keyShiftActive = true;
    controls.keyShift = 5;
    controls.octaveDoubleChannel = drum;
    EXPECT_EQ(through(on | drum, 60, 100), (std::vector<Bytes>{{on | drum, 60, 100}}));
    EXPECT_EQ(through(off | drum, 60, 0), (std::vector<Bytes>{{off | drum, 60, 0}}));
    EXPECT_EQ(single(0xA0 | drum, 60, 10), (Bytes{0xA0 | drum, 60, 10}));
    EXPECT_FALSE(filter.effectState(drum).entered);
}

TEST_F(EventFilterFixture, KeyShiftMovesNotesAndKeyPressureOnly) {
    controls.keyShiftActive = true;
    controls.keyShift = 3;
    EXPECT_EQ(single(on, 60, 100), (Bytes{on, 63, 100}));
    EXPECT_EQ(single(off, 60, 0), (Bytes{off, 63, 0}));
    EXPECT_EQ(single(0xA0, 60, 10), (Bytes{0xA0, 63, 10}));
    EXPECT_EQ(single(control, 60, 10), (Bytes{control, 60, 10}));
    EXPECT_EQ(single(0xE0, 60, 10), (Bytes{0xE0, 60, 10}));
}

TEST_F(EventFilterFixture, ActiveKeyShiftKeepsKeysWithin1To127) {
    controls.keyShift = 3;
    EXPECT_EQ(keyOf(on, 0), 0) << "the shift waits until the user has touched it";
    controls.keyShiftActive = true;
    controls.keyShift = 0;
    EXPECT_EQ(keyOf(on, 0), 1) << "even a shift of 0 lifts key 0";
    controls.keyShift = -12;
    EXPECT_EQ(keyOf(on, 5), 1);
    controls.keyShift = 12;
    EXPECT_EQ(keyOf(on, 120), 127);
}

TEST_F(EventFilterFixture, ShiftComesAfterTheEffect) {
    selectEffect(EffectType::mirror);
    controls.keyShiftActive = true;
    controls.keyShift = 2;
    EXPECT_EQ(keyOf(on, 72), 71);
    controls.keyShift = -12;
    selectEffect(EffectType::folk);
    EXPECT_EQ(keyOf(on, 2), 1) << "an effect result below the range is caught by the shift's bound";
}

TEST_F(EventFilterFixture, SoloSilencesOtherChannelsNoteOnsOnly) {
    controls.soloChannel = 3;
    EXPECT_EQ(single(on | 3, 60, 100), (Bytes{on | 3, 60, 100}));
    EXPECT_EQ(single(on, 60, 100), (Bytes{on, 60, 0}));
    EXPECT_EQ(single(on | drum, 36, 100), (Bytes{on | drum, 36, 0}));
    EXPECT_EQ(single(off, 60, 64), (Bytes{off, 60, 64}));
    EXPECT_EQ(single(control, 7, 80), (Bytes{control, 7, 80}));
    EXPECT_EQ(single(program, 5), (Bytes{program, 5, 0}));
}

TEST_F(EventFilterFixture, MuteSilencesTheChannelsNoteOnsOnly) {
    controls.channelMuted[2] = true;
    EXPECT_EQ(single(on | 2, 60, 100), (Bytes{on | 2, 60, 0}));
    EXPECT_EQ(single(off | 2, 60, 64), (Bytes{off | 2, 60, 64}));
    EXPECT_EQ(single(control | 2, 91, 40), (Bytes{control | 2, 91, 40}));
    EXPECT_EQ(single(on | 1, 60, 100), (Bytes{on | 1, 60, 100}));
}

TEST_F(EventFilterFixture, OctaveDoubleSendsTheLowerNoteFirst) {
    controls.octaveDoubleChannel = 4;
    EXPECT_EQ(through(on | 4, 60, 100), (std::vector<Bytes>{{on | 4, 48, 100}, {on | 4, 60, 100}}));
    EXPECT_EQ(through(off | 4, 60, 0), (std::vector<Bytes>{{off | 4, 48, 0}, {off | 4, 60, 0}}));
    EXPECT_EQ(through(on | 5, 60, 100).size(), 1u);
    EXPECT_EQ(through(control | 4, 7, 100).size(), 1u);
}

TEST_F(EventFilterFixture, OctaveDoubleFollowsTheChangedNote) {
    controls.octaveDoubleChannel = 0;
    controls.channelMuted[0] = true;
    selectEffect(EffectType::folk);
    EXPECT_EQ(through(on, 60, 100), (std::vector<Bytes>{{on, 44, 0}, {on, 56, 0}}));
    EXPECT_EQ(through(on, 5, 100), (std::vector<Bytes>{{on, 1, 0}, {on, 1, 0}}))
        << "F0 becomes C#0, whose octave below folds back onto it";
}

TEST_F(EventFilterFixture, UnlockedToneFollowsTheSong) {
    EXPECT_EQ(single(program | 2, 33), (Bytes{program | 2, 33, 0}));
    EXPECT_EQ(single(control | 2, 0, 8), (Bytes{control | 2, 0, 8}));
    EXPECT_EQ(tones.tone[2].program, 33);
    EXPECT_EQ(tones.tone[2].bank, 8);
    EXPECT_EQ(tones.tone[3].program, 0);
}

TEST_F(EventFilterFixture, LockedToneOverridesTheSongsProgramAndBank) {
    tones.fix(2, 40, 1);
    EXPECT_EQ(single(program | 2, 33), (Bytes{program | 2, 40, 0}));
    EXPECT_EQ(single(control | 2, 0, 8), (Bytes{control | 2, 0, 1}));
    EXPECT_EQ(single(control | 2, 32, 3), (Bytes{control | 2, 32, 3})) << "bank LSB is not locked";
    EXPECT_EQ(single(program | 3, 33), (Bytes{program | 3, 33, 0}));
    EXPECT_EQ(tones.tone[2].program, 40);
    EXPECT_EQ(tones.tone[2].bank, 1);
}

TEST_F(EventFilterFixture, FixedControllersReplaceTheSongsValues) {
    controls.volumeFixed[1] = true;
    controls.volumeValue[1] = 90;
    controls.reverbFixed[1] = true;
    controls.reverbValue[1] = 20;
    controls.chorusFixed[1] = true;
    controls.chorusValue[1] = 30;
    controls.modulationFixed[1] = true;
    controls.modulationValue[1] = 40;
    EXPECT_EQ(single(control | 1, 7, 50), (Bytes{control | 1, 7, 90}));
    EXPECT_EQ(single(control | 1, 91, 50), (Bytes{control | 1, 91, 20}));
    EXPECT_EQ(single(control | 1, 93, 50), (Bytes{control | 1, 93, 30}));
    EXPECT_EQ(single(control | 1, 1, 50), (Bytes{control | 1, 1, 40}));
    EXPECT_EQ(single(control | 1, 11, 50), (Bytes{control | 1, 11, 50}));
    EXPECT_EQ(single(control, 7, 50), (Bytes{control, 7, 50}));
    EXPECT_EQ(single(control, 91, 50), (Bytes{control, 91, 50}));
    controls.volumeAllFixed = true;
    controls.volumeValue[0] = 70;
    EXPECT_EQ(single(control, 7, 50), (Bytes{control, 7, 70}));
    EXPECT_EQ(single(control, 91, 50), (Bytes{control, 91, 50}));
}

TEST_F(EventFilterFixture, PanIsLeftToTheSweepUnderAutoPan) {
    controls.autoPanSpeed[5] = 3;
    EXPECT_TRUE(through(control | 5, 10, 40).empty());
    EXPECT_EQ(single(control | 5, 7, 40), (Bytes{control | 5, 7, 40}));
    EXPECT_EQ(single(control | 6, 10, 40), (Bytes{control | 6, 10, 40}));
}

TEST_F(EventFilterFixture, ReadoutsShowTheLastSoundingNote) {
    EXPECT_EQ(controls.channelLevel[0], LiveControls::notSounded);
    EXPECT_EQ(controls.channelPitchClass[0], LiveControls::notSounded);
    selectEffect(EffectType::folk);
    send(on, 60, 100);
    EXPECT_EQ(controls.channelLevel[0], 100);
    EXPECT_EQ(controls.channelPitchClass[0], 8) << "the pitch class after the effect";
    send(off, 60, 0);
    EXPECT_EQ(controls.channelLevel[0], 0);
    EXPECT_EQ(controls.channelPitchClass[0], 8);
    EXPECT_EQ(controls.channelLevel[1], LiveControls::notSounded);
    filter.resetForPlayback();
    EXPECT_EQ(controls.channelLevel[0], LiveControls::notSounded);
    EXPECT_EQ(controls.channelPitchClass[0], LiveControls::notSounded);
}

TEST_F(EventFilterFixture, ReadoutsTreatSilencedNotesAsReleases) {
    controls.channelMuted[0] = true;
    send(off | 1, 60, 0);
    send(on, 60, 100);
    EXPECT_EQ(controls.channelLevel[0], 0);
    EXPECT_EQ(controls.channelPitchClass[0], LiveControls::notSounded);
    EXPECT_EQ(controls.channelLevel[1], 0) << "a release before any note still counts as heard";
    EXPECT_EQ(controls.channelPitchClass[1], LiveControls::notSounded);
    send(control | 2, 7, 100);
    EXPECT_EQ(controls.channelLevel[2], LiveControls::notSounded);
}

TEST_F(EventFilterFixture, StrayHighBitsInDataBytesNeverReachTheDevice) {
    EXPECT_EQ(single(on, 0xBC, 0xFF), (Bytes{on, 0x3C, 0x7F}));
    EXPECT_EQ(controls.channelLevel[0], 0x7F);
}
}  // namespace
