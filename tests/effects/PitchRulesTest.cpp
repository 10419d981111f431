#include <gtest/gtest.h>

#include <set>

#include "effects/PitchRules.h"

namespace {
enum PitchClass { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

EffectSettings effect(EffectType type) {
    EffectSettings settings;
    settings.type = type;
    return settings;
}

// The pitch classes a rule sends out, over one octave of input.
std::set<int> producedPitchClasses(const EffectSettings& settings) {
    std::set<int> produced;
    for (int key = 60; key < 72; ++key) {
        const RemappedKey remapped = remapKey(settings, key);
        if (!remapped.silenced) produced.insert(pitchClassOf(remapped.key));
    }
    return produced;
}

struct ScaleCase {
    EffectType type;
    std::set<int> produces;
};

class ScaleRule : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleRule, ProducesOnlyItsScale) {
    EXPECT_EQ(producedPitchClasses(effect(GetParam().type)), GetParam().produces);
}

INSTANTIATE_TEST_SUITE_P(EveryTabledEffect, ScaleRule,
                         ::testing::Values(ScaleCase{EffectType::folk, {Cs, Ds, Fs, Gs, B}},
                                           ScaleCase{EffectType::japanese, {C, E, F, A, B}},
                                           ScaleCase{EffectType::okinawan, {C, E, F, G, B}},
                                           ScaleCase{EffectType::image1, {D, E, F, Gs, A}},
                                           ScaleCase{EffectType::image2, {C, D, E, G, A}},
                                           ScaleCase{EffectType::image3, {C, F, G, Gs, B}},
                                           ScaleCase{EffectType::image5, {C, Cs, F, Fs, A, As}},
                                           ScaleCase{EffectType::suspense, {Ds, E, F}}));

// Folk, Japanese and Okinawan scales come from raising every black key by one and then moving some naturals;
// checking each step against that construction catches a wrong entry that still lands inside the scale.
TEST(ScaleRule, FolkJapaneseAndOkinawanFollowTheirConstruction) {
    const std::set<int> blackKeys = {Cs, Ds, Fs, Gs, As};
    for (int p = 0; p < 12; ++p) {
        const int raised = blackKeys.count(p) ? 1 : 0;
        const int natural = (p + raised) % 12;
        const int folk = (natural == D || natural == E || natural == A || natural == B) ? -3 : -4;
        const int japanese = (natural == D || natural == G) ? 2 : 0;
        const int okinawan = (natural == D || natural == A) ? -2 : 0;
        const int key = 48 + p;
        EXPECT_EQ(remapKey(effect(EffectType::folk), key).key, key + raised + folk) << "pitch class " << p;
        EXPECT_EQ(remapKey(effect(EffectType::japanese), key).key, key + raised + japanese) << p;
        EXPECT_EQ(remapKey(effect(EffectType::okinawan), key).key, key + raised + okinawan) << p;
    }
}

TEST(ScaleRule, SuspenseSilencesWhatItLeavesOut) {
    const EffectSettings suspense = effect(EffectType::suspense);
    const RemappedKey d = remapKey(suspense, 62);
    EXPECT_TRUE(d.silenced);
    EXPECT_EQ(d.key, 62);
    EXPECT_EQ(remapKey(suspense, 64).key, 64);
    EXPECT_EQ(remapKey(suspense, 65).key, 65);
    EXPECT_EQ(remapKey(suspense, 60).key, 63);
    EXPECT_EQ(remapKey(suspense, 69).key, 63);
    EXPECT_FALSE(remapKey(suspense, 69).silenced);
}

TEST(MirrorRule, ReflectsTheKeyboardAroundB4AndPilesLowKeysOnTheTop) {
    EXPECT_EQ(mirrorKey(71), 71);
    EXPECT_EQ(mirrorKey(70), 71);
    EXPECT_EQ(mirrorKey(72), 69);
    EXPECT_EQ(mirrorKey(127), 14);
    EXPECT_EQ(mirrorKey(15), 126);
    EXPECT_EQ(mirrorKey(14), 127);
    EXPECT_EQ(remapKey(effect(EffectType::mirror), 10).key, 127);
}

TEST(KeySignatureRule, EachRowAddsOneAccidentalToThePreviousRow) {
    const int sharpOrder[] = {F, C, G, D, A, E, B};
    const int flatOrder[] = {B, E, A, D, G, C, F};
    for (int count = 0; count <= KeySignature::maxCount; ++count) {
        for (int p = 0; p < 12; ++p) {
            int sharp = 0, flat = 0;
            for (int k = 0; k < count; ++k) {
                if (sharpOrder[k] == p) sharp = 1;
                if (flatOrder[k] == p) flat = -1;
            }
            EXPECT_EQ(keySignatureStep({1, count}, p), sharp) << "count " << count << " class " << p;
            EXPECT_EQ(keySignatureStep({-1, count}, p), flat) << "count " << count << " class " << p;
        }
    }
}

TEST(KeySignatureRule, CountZeroOrUnknownValuesChangeNothing) {
    for (int p = 0; p < 12; ++p) {
        EXPECT_EQ(keySignatureStep({0, 5}, p), 0);
        EXPECT_EQ(keySignatureStep({1, 8}, p), 0);
        EXPECT_EQ(keySignatureStep({-1, -1}, p), 0);
    }
}

TEST(CustomMapRule, AddsTheEntryOfThePitchClassOrRests) {
    EffectSettings settings = effect(EffectType::customMap);
    settings.pitchMap.entries[D] = -18;
    settings.pitchMap.entries[E] = 17;
    settings.pitchMap.entries[G] = PitchMap::rest;
    settings.pitchMap.entries[A] = 250;
    EXPECT_EQ(remapKey(settings, 62).key, 44);
    EXPECT_EQ(remapKey(settings, 64).key, 81);
    EXPECT_EQ(remapKey(settings, 60).key, 60);
    EXPECT_FALSE(remapKey(settings, 60).silenced);
    EXPECT_TRUE(remapKey(settings, 67).silenced);
    EXPECT_EQ(remapKey(settings, 67).key, 67);
    EXPECT_TRUE(remapKey(settings, 69).silenced);
}

TEST(KeyFolding, KeepsInRangeKeysAndThePitchClassOfOthers) {
    EXPECT_EQ(foldIntoKeyRange(0), 0);
    EXPECT_EQ(foldIntoKeyRange(127), 127);
    EXPECT_EQ(foldIntoKeyRange(-4), 8);
    EXPECT_EQ(foldIntoKeyRange(-1000), 8);
    EXPECT_EQ(foldIntoKeyRange(128), 116);  // G# above G9 comes down an octave
    EXPECT_EQ(foldIntoKeyRange(144), 120);
    EXPECT_EQ(foldIntoKeyRange(139), 127);
}
}  // namespace
