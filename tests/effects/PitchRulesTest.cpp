#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "effects/PitchRules.h"

namespace {
enum PitchClass { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

// The custom map rests D and A (an entry of 100 or more) and moves E down 18.
RemappedKey remapped(EffectType type, int key) {
    EffectSettings settings;
    settings.type = type;
    settings.pitchMap.entries = {0, 0, PitchMap::rest, 0, -18, 0, 0, 0, 0, 250, 0, 0};
    return remapKey(settings, key);
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
        for (int key = 60; key < 72; ++key)
            if (!remapped(c.type, key).silenced) produced.insert(pitchClassOf(remapped(c.type, key).key));
        EXPECT_EQ(produced, c.produces) << "effect " << int(c.type);
    }
}

TEST(ScaleRule, SuspenseMirrorAndCustomMapMoveTheseKeys) {
    const struct {
        EffectType type;
        int key, remapped;
        bool silenced;
    } cases[] = {{EffectType::suspense, 62, 62, true},  {EffectType::suspense, 60, 63, false},
                 {EffectType::suspense, 69, 63, false}, {EffectType::mirror, 71, 71, false},
                 {EffectType::mirror, 70, 71, false},   {EffectType::mirror, 72, 69, false},
                 {EffectType::mirror, 127, 14, false},  {EffectType::mirror, 15, 126, false},
                 {EffectType::mirror, 14, 127, false},  {EffectType::mirror, 10, 127, false},
                 {EffectType::customMap, 62, 62, true}, {EffectType::customMap, 64, 46, false},
                 {EffectType::customMap, 69, 69, true}, {EffectType::customMap, 60, 60, false}};
    for (const auto& c : cases) {
        const RemappedKey result = remapped(c.type, c.key);
        EXPECT_EQ(result.key, c.remapped) << "effect " << int(c.type) << " key " << c.key;
        EXPECT_EQ(result.silenced, c.silenced) << "effect " << int(c.type) << " key " << c.key;
    }
}

// Sharps are added in the order F C G D A E B, flats in the order B E A D G C F: every row of both, and
// rows outside them (no sign, no count, more than seven) alter nothing.
TEST(KeySignatureRule, RowKAltersTheFirstKPitchClassesOfItsOrder) {
    const int sharps[] = {F, C, G, D, A, E, B}, flats[] = {B, E, A, D, G, C, F};
    for (int sign : {1, -1, 0})
        for (int count = -1; count <= 8; ++count)
            for (int pitchClass = C; pitchClass <= B; ++pitchClass) {
                const int* order = sign > 0 ? sharps : flats;
                const bool altered = sign != 0 && count >= 1 && count <= 7 &&
                                     std::count(order, order + count, pitchClass) == 1;
                EXPECT_EQ(keySignatureStep({sign, count}, pitchClass), altered ? sign : 0)
                    << sign << " " << count << " class " << pitchClass;
            }
}

TEST(KeyFolding, KeepsInRangeKeysAndThePitchClassOfOthers) {
    // G# above G9 (128) comes down an octave.
    const std::pair<int, int> cases[] = {{0, 0},     {127, 127}, {-4, 8},   {-1000, 8},
                                         {128, 116}, {144, 120}, {139, 127}};
    for (const auto& [key, folded] : cases) EXPECT_EQ(foldIntoKeyRange(key), folded) << key;
}
}  // namespace
