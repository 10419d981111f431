#include <gtest/gtest.h>

#include <algorithm>

#include "effects/PitchRules.h"
#include "tests/support/Golden.h"

namespace {
enum PitchClass { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

// Every key under every scale, mirror and custom-map effect, pinned in tests/golden/pitch-rules.txt ("-" a
// silenced key), with the folding of keys outside 0-127. The custom map rests D and A (an entry of 100 or
// more) and moves E down 18.
TEST(ScaleRule, EveryKeyOfEveryEffectIsRemappedAsPinned) {
    EffectSettings settings;
    settings.pitchMap.entries = {0, 0, PitchMap::rest, 0, -18, 0, 0, 0, 0, 250, 0, 0};
    std::string text;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 13}) {
        settings.type = EffectType(type);
        text += "effect " + std::to_string(type) + ":";
        for (int key = 0; key < 128; ++key) {
            const RemappedKey result = remapKey(settings, key);
            text += (key % 16 == 0 ? "\n" : " ") + (result.silenced ? "-" : std::to_string(result.key));
        }
        text += "\n";
    }
    for (int key : {-1000, -4, -1, 0, 127, 128, 139, 144})
        text += "folded " + std::to_string(key) + " " + std::to_string(foldIntoKeyRange(key)) + "\n";
    expectGolden("pitch-rules.txt", text);
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

}  // namespace
