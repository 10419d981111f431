#pragma once
#include <array>
#include <cstdint>

// The pitch effect chosen from the effect menu. The values are those the effect commands store;
// 10 and 11 are unused.
enum class EffectType : int32_t {
    none = 0,
    folk = 1,           // "民謡風"
    japanese = 2,       // "日本風"
    okinawan = 3,       // "沖縄風"
    image1 = 4,         // "イメージ １"
    image2 = 5,         // "イメージ ２"
    image3 = 6,         // "イメージ ３"
    mirror = 7,         // "イメージ ４"
    image5 = 8,         // "イメージ ５"
    suspense = 9,       // "サスペンス風"
    keySignature = 12,  // "変位記号"
    customMap = 13,     // "好きにして"
};

// Whether a stored number names an effect.
constexpr bool namesEffect(int32_t value) {
    return (value >= int32_t(EffectType::none) && value <= int32_t(EffectType::suspense)) ||
           value == int32_t(EffectType::keySignature) || value == int32_t(EffectType::customMap);
}

// The stretch of playing time, in whole seconds since playback started, in which notes are remapped.
// Both bounds are inclusive.
struct EffectWindow {
    int32_t start = 0;
    int32_t end = 3599;
};

// Semitones added to the keys of each pitch class (0 = C ... 11 = B); an entry of `rest` or more
// silences the pitch class.
struct PitchMap {
    static constexpr int32_t rest = 100;
    std::array<int32_t, 12> entries{};
};

struct KeySignature {
    static constexpr int32_t maxCount = 7;
    int32_t sign = 0;   // 1 sharps, 0 none, -1 flats
    int32_t count = 0;  // 0..maxCount
};

// Semitones a key signature adds, by count (rows 0-7) and pitch class. Row k of the sharp table raises
// the first k pitch classes of F C G D A E B; row k of the flat table lowers the first k of B E A D G C F.
using KeySignatureTable = std::array<std::array<int32_t, 12>, KeySignature::maxCount + 1>;
extern const KeySignatureTable sharpTable;
extern const KeySignatureTable flatTable;

// Everything that decides how notes are remapped. The window thread owns it and changes it only while
// playback is stopped, so the event filter reads it as plain values.
struct EffectSettings {
    EffectType type = EffectType::none;
    EffectWindow window;
    PitchMap pitchMap;  // kept for the whole run: loading a song leaves it alone
    KeySignature keySignature;

    // The state right after a song has been loaded.
    void resetForSong() {
        type = EffectType::none;
        window = EffectWindow{};
        keySignature = KeySignature{};
    }
};
