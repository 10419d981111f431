#include "effects/PitchRules.h"

#include <algorithm>

namespace {
constexpr int pitchClassCount = 12;
constexpr int mirrorAxis = 71;
constexpr int highestKey = 127;

// Marks a pitch class that a scale leaves out, as a rest of the custom pitch map does.
constexpr int silent = PitchMap::rest;

using ScaleSteps = int[pitchClassCount];

// Semitones added to each pitch class (C C# D D# E F F# G G# A A# B) by the scale effects.
// clang-format off
constexpr ScaleSteps folkSteps     = {-4, -2, -3, -2, -3, -4, -3, -4, -2, -3, -2, -3};
constexpr ScaleSteps japaneseSteps = { 0,  3,  2,  1,  0,  0,  3,  2,  1,  0,  1,  0};
constexpr ScaleSteps okinawanSteps = { 0, -1, -2,  1,  0,  0,  1,  0, -1, -2,  1,  0};
constexpr ScaleSteps image1Steps   = { 2,  1,  2,  1,  1,  0,  2,  1,  0,  0, -1, -2};
constexpr ScaleSteps image2Steps   = { 0,  1,  2,  1,  3,  2,  3,  2, -1, -2, -6, -7};
constexpr ScaleSteps image3Steps   = { 0, -1, -2,  2,  1,  0,  1,  0,  0, -1,  1,  0};
constexpr ScaleSteps image5Steps   = { 0, -1, -1, -2,  1,  0, -1, -1, -2,  0, -1, -1};
constexpr ScaleSteps suspenseSteps = { 3, silent, silent, silent, 0, 0,
                                       silent, silent, silent, -6, silent, silent};
// clang-format on

const int* scaleStepsOf(EffectType type) {
    switch (type) {
        case EffectType::folk:
            return folkSteps;
        case EffectType::japanese:
            return japaneseSteps;
        case EffectType::okinawan:
            return okinawanSteps;
        case EffectType::image1:
            return image1Steps;
        case EffectType::image2:
            return image2Steps;
        case EffectType::image3:
            return image3Steps;
        case EffectType::image5:
            return image5Steps;
        case EffectType::suspense:
            return suspenseSteps;
        default:
            return nullptr;
    }
}

RemappedKey addSteps(int key, int steps) {
    if (steps >= silent) return {key, true};
    return {key + steps, false};
}
}  // namespace

int pitchClassOf(int key) {
    const int rest = key % pitchClassCount;
    return rest < 0 ? rest + pitchClassCount : rest;
}

int mirrorKey(int key) {
    if (key == mirrorAxis) return key;
    const int mirrored = 2 * mirrorAxis - 1 - key;
    return key < mirrorAxis ? std::min(mirrored, highestKey) : mirrored;
}

int keySignatureStep(const KeySignature& signature, int pitchClass) {
    if (signature.count < 0 || signature.count > KeySignature::maxCount) return 0;
    if (signature.sign == 1) return sharpTable[signature.count][pitchClass];
    if (signature.sign == -1) return flatTable[signature.count][pitchClass];
    return 0;
}

RemappedKey remapKey(const EffectSettings& settings, int key) {
    const int pitchClass = pitchClassOf(key);
    switch (settings.type) {
        case EffectType::mirror:
            return {mirrorKey(key), false};
        case EffectType::keySignature:
            return {key + keySignatureStep(settings.keySignature, pitchClass), false};
        case EffectType::customMap: {
            const int entry = settings.pitchMap.entries[pitchClass];
            if (entry >= PitchMap::rest) return {key, true};
            return {key + entry, false};
        }
        default:
            break;
    }
    const int* steps = scaleStepsOf(settings.type);
    return steps ? addSteps(key, steps[pitchClass]) : RemappedKey{key, false};
}

int foldIntoKeyRange(int key) {
    if (key >= 0 && key <= highestKey) return key;
    const int pitchClass = pitchClassOf(key);
    if (key < 0) return pitchClass;
    const int topOctave = highestKey - pitchClassOf(highestKey);
    const int folded = topOctave + pitchClass;
    return folded > highestKey ? folded - pitchClassCount : folded;
}
