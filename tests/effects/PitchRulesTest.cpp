#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "effects/PitchRules.h"

namespace {
enum PitchClass { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

EffectSettings effect(EffectType type) {
    EffectSettings settings;
    settings.type = type;
    return settings;
}

TEST(ScaleRule, EveryTabledEffectProducesOnlyItsScale) {
    const struct {
        EffectType type;
        std::set<int> produces;
    } cases[] = {{EffectType::folk, {Cs, Ds, Fs, Gs, B}},     {EffectType::japanese, {C, E, F, A, B}},
                 {EffectType::okinawan, {C, E, F, G, B}},     {EffectType::image1, {D, E, F, Gs, A}},
                 {EffectType::image2, {C, D, E, G, A}},       {EffectType::image3, {C, F, G, Gs, B}},
                 {EffectType::image5, {C, Cs, F, Fs, A, As}}, {EffectType::suspense, {Ds, E, F}}};
    for (const auto& c : cases) {
        std::set<int> produced;
        for (int key = 60; key < 72; ++key) {
            const RemappedKey remapped = remapKey(effect(c.type), key);
            if (!remapped.silenced) produced.insert(pitchClassOf(remapped.key));
        }
        EXPECT_EQ(produced, c.produces) << "effect " << int(c.type);
    }
}

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

TEST(ScaleRule, SuspenseAndMirrorMoveTheseKeys) {
    const struct {
        EffectType type;
        int key, remapped;
        bool silenced;
    } cases[] = {{EffectType::suspense, 62, 62, true},  {EffectType::suspense, 64, 64, false},
                 {EffectType::suspense, 65, 65, false}, {EffectType::suspense, 60, 63, false},
                 {EffectType::suspense, 69, 63, false}, {EffectType::mirror, 71, 71, false},
                 {EffectType::mirror, 70, 71, false},   {EffectType::mirror, 72, 69, false},
                 {EffectType::mirror, 127, 14, false},  {EffectType::mirror, 15, 126, false},
                 {EffectType::mirror, 14, 127, false},  {EffectType::mirror, 10, 127, false}};
    for (const auto& c : cases) {
        const RemappedKey result = remapKey(effect(c.type), c.key);
        EXPECT_EQ(result.key, c.remapped) << "effect " << int(c.type) << " key " << c.key;
        EXPECT_EQ(result.silenced, c.silenced) << "effect " << int(c.type) << " key " << c.key;
    }
}

TEST(KeySignatureRule, RowKAltersTheFirstKPitchClassesOfItsOrder) {
    const int sharpOrder[] = {F, C, G, D, A, E, B};
    const int flatOrder[] = {B, E, A, D, G, C, F};
    for (int count = 0; count <= KeySignature::maxCount; ++count) {
        for (int p = 0; p < 12; ++p) {
            const bool sharp = std::count(sharpOrder, sharpOrder + count, p) > 0;
            const bool flat = std::count(flatOrder, flatOrder + count, p) > 0;
            EXPECT_EQ(keySignatureStep({1, count}, p), sharp ? 1 : 0) << "count " << count << " class " << p;
            EXPECT_EQ(keySignatureStep({-1, count}, p), flat ? -1 : 0) << "count " << count << " class " << p;
        }
    }
    EXPECT_EQ(keySignatureStep({0, 5}, F), 0) << "no sign";
    EXPECT_EQ(keySignatureStep({1, 8}, F), 0) << "no such row";
    EXPECT_EQ(keySignatureStep({-1, -1}, B), 0) << "no such row";
}

TEST(KeyFolding, KeepsInRangeKeysAndThePitchClassOfOthers) {
    // G# above G9 (128) comes down an octave.
    const std::pair<int, int> cases[] = {{0, 0},     {127, 127}, {-4, 8},   {-1000, 8},
                                         {128, 116}, {144, 120}, {139, 127}};
    for (const auto& [key, folded] : cases) EXPECT_EQ(foldIntoKeyRange(key), folded) << key;
}
}  // namespace
