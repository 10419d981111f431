#include <gtest/gtest.h>

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

// Sharps are added in the order F C G D A E B, flats in the order B E A D G C F. The last row: no
// accidentals, no sign, no such row.
TEST(KeySignatureRule, RowKAltersTheFirstKPitchClassesOfItsOrder) {
    const int cases[][4] = {{1, 1, F, 1},   {1, 1, C, 0},  {1, 4, D, 1},   {1, 4, A, 0},  {1, 7, B, 1},
                            {-1, 1, B, -1}, {-1, 1, E, 0}, {-1, 4, D, -1}, {-1, 4, G, 0}, {-1, 7, F, -1},
                            {1, 0, F, 0},   {0, 5, F, 0},  {1, 8, F, 0},   {-1, -1, B, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(keySignatureStep({c[0], c[1]}, c[2]), c[3]) << c[0] << " " << c[1] << " class " << c[2];
}

TEST(KeyFolding, KeepsInRangeKeysAndThePitchClassOfOthers) {
    // G# above G9 (128) comes down an octave.
    const std::pair<int, int> cases[] = {{0, 0},     {127, 127}, {-4, 8},   {-1000, 8},
                                         {128, 116}, {144, 120}, {139, 127}};
    for (const auto& [key, folded] : cases) EXPECT_EQ(foldIntoKeyRange(key), folded) << key;
}
}  // namespace
