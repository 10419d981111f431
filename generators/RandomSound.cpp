#include "generators/RandomSound.h"

#include <new>

std::vector<uint8_t> randomSongValues(uint32_t clockSeconds, PseudoRandom& random) {
    random.seed(clockSeconds);
    std::vector<uint8_t> values(randomSongNotes);
    int period = 1;
    int base = 0;
    // A phrase starts at every index that is a multiple of the period drawn last, so one lasts 1 to 20 notes.
    for (int i = 0; i < randomSongNotes; ++i) {
        if (i % period == 0) {
            base = 36 + random.below(50);
            period = 16 + random.below(5);
        }
        values[i] = uint8_t(base + random.below(12));
    }
    return values;
}

GeneratedSong buildRandomSong(uint32_t clockSeconds, PseudoRandom& random) {
    try {
        return buildSong(BuildMode::random, randomSongValues(clockSeconds, random), random);
    } catch (const std::bad_alloc&) {
        return GeneratedSong::failure(GeneratorError::noMemory);
    }
}
