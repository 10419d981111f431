#include "tests/effects/EventFilterFixture.h"

// The live controls of the face, the tone lock and the read-outs as the event filter applies them.
namespace {
TEST_F(EventFilterFixture, KeyShiftFollowsTheEffectMovesKeyPressureSparesDrumsAndKeepsKeysWithin1To127) {
    controls.keyShift = 3;
    EXPECT_EQ(filtered("90 00 64; 80 00 00"), steps("90 00 64; 80 00 00"))
        << "the shift waits until the user has touched it";
    EXPECT_EQ(filtered("shift 0; 90 00 64; shift 12; 90 78 64"), steps("90 01 64; 90 7F 64"))
        << "even a shift of 0 lifts key 0";
    selectEffect(EffectType::folk);
    EXPECT_EQ(filtered("shift 3; 90 3C 64; 80 3C 00; A0 3C 0A; B0 3C 0A; E0 3C 0A; 99 3C 64; A9 3C 0A"),
              steps("90 3B 64; 80 3B 00; A0 3F 0A; B0 3C 0A; E0 3C 0A; 99 3C 64; A9 3C 0A"));
    EXPECT_FALSE(filter.effectState(9).entered);
    EXPECT_EQ(filtered("shift -12; 90 02 64"), steps("90 01 64"))
        << "an effect result below 0 is caught by the bound";
}

TEST_F(EventFilterFixture, SoloAndMuteSilenceNoteOnsOnlyAndTheOctaveDoubleGoesFirst) {
    controls.soloChannel = 3;
    EXPECT_EQ(filtered("93 3C 64; 90 3C 64; 99 24 64; 80 3C 40; B0 07 50; C0 05"),
              steps("93 3C 64; 90 3C 00; 99 24 00; 80 3C 40; B0 07 50; C0 05 00"));
    controls.soloChannel = LiveControls::noChannel;
    controls.channelMuted[2] = true;
    EXPECT_EQ(filtered("92 3C 64; 82 3C 40; 91 3C 64"), steps("92 3C 00; 82 3C 40; 91 3C 64"));
    controls.channelMuted[1] = true;  // after its note began: that note's pressure goes on
    EXPECT_EQ(filtered("A1 3C 30"), steps("A1 3C 30"));

    // The octave double sends the changed note an octave lower first, but not on the drum channel.
    controls.octaveDoubleChannel = 9;
    EXPECT_EQ(filtered("99 3C 64"), steps("99 3C 64"));
    controls.octaveDoubleChannel = 4;
    EXPECT_EQ(filtered("94 3C 64; 84 3C 00; 95 3C 64; B4 07 64"),
              steps("94 30 64 + 94 3C 64; 84 30 00 + 84 3C 00; 95 3C 64; B4 07 64"));
    controls.octaveDoubleChannel = 0;
    controls.channelMuted[0] = true;
    controls.channelMuted[2] = false;
    selectEffect(EffectType::folk);
    // F0 (05) becomes C#0, whose octave below folds back onto it.
    EXPECT_EQ(filtered("90 3C 64; 90 05 64"), steps("90 2C 00 + 90 38 00; 90 01 00 + 90 01 00"));
}

TEST_F(EventFilterFixture, ToneLockAndFixedControllersOverrideTheSongsValuesAndAutoPanItsPan) {
    EXPECT_EQ(filtered("C2 21; B2 00 08"), steps("C2 21 00; B2 00 08"));
    EXPECT_EQ(std::pair(int(tones.at(2).program), int(tones.at(2).bank)), std::pair(33, 8));
    tones.fix(2, 40, 1);
    // The bank LSB (controller 32) is not locked.
    EXPECT_EQ(filtered("C2 21; B2 00 08; B2 20 03; C3 21"), steps("C2 28 00; B2 00 01; B2 20 03; C3 21 00"));

    // Fixed controllers replace the song's values; pan is left to the sweep under auto-pan.
    const uint8_t fixed[LiveControls::fixedCellCount] = {90, 20, 30, 40};
    for (int cell = 0; cell < LiveControls::fixedCellCount; ++cell) controls.fixCell(cell, 1, fixed[cell]);
    autoPan.speed[1] = 3;
    EXPECT_EQ(filtered("B1 07 32; B1 5B 32; B1 5D 32; B1 01 32; B1 0B 32; B1 0A 28; B0 07 32; B0 0A 28"),
              steps("B1 07 5A; B1 5B 14; B1 5D 1E; B1 01 28; B1 0B 32; -; B0 07 32; B0 0A 28"));
    controls.volumeAllFixed = true;
    controls.volumeValue[0] = 70;
    EXPECT_EQ(filtered("B0 07 32; B0 5B 32"), steps("B0 07 46; B0 5B 32"));
}

// A data byte's stray top bit reaches neither the device nor the read-out. Only a sounding note makes its
// channel's cells steppable: a note-on of velocity 0 is a note-off.
// A release empties the channel's meter.
TEST_F(EventFilterFixture, AStrayTopBitOfADataByteIsDroppedAndOnlyASoundingNoteMarksItsChannelPlayed) {
    EXPECT_EQ(filtered("90 BC FF; 91 3C 00"), steps("90 3C 7F; 91 3C 00"));
    EXPECT_TRUE(controls.channelLevel[0] == 0x7F && controls.channelPlayed[0] && !controls.channelPlayed[1]);
    filtered("80 3C 40");
    EXPECT_EQ(controls.channelLevel[0], 0) << "the note's release empties its meter";
}
}  // namespace
