#include "tones/ToneTable.h"

#include "tones/ToneLists.h"

namespace {
struct Lists {
    const Tone* tones;
    int toneCount;
    const DrumSet* drumSets;
    int drumSetCount;
};

Lists listsOf(SoundModule module) {
    if (module == SoundModule::sc55) return {sc55Tones, sc55TonesCount, sc55DrumSets, sc55DrumSetsCount};
    return {sc88Tones, sc88TonesCount, sc88DrumSets, sc88DrumSetsCount};
}
}  // namespace

int toneCount(SoundModule module) {
    return listsOf(module).toneCount;
}

int drumSetCount(SoundModule module) {
    return listsOf(module).drumSetCount;
}

int toneIndex(SoundModule module, int program, int bank) {
    const Lists lists = listsOf(module);
    for (int index = 0; index < lists.toneCount; ++index)
        if (lists.tones[index].program == program && lists.tones[index].bank == bank) return index;
    return 0;
}

Tone toneAt(SoundModule module, int index) {
    const Lists lists = listsOf(module);
    return index >= 0 && index < lists.toneCount ? lists.tones[index] : lists.tones[0];
}

int drumSetIndex(SoundModule module, int program) {
    const Lists lists = listsOf(module);
    for (int index = 0; index < lists.drumSetCount; ++index)
        if (lists.drumSets[index].program == program) return index;
    return 0;
}

DrumSet drumSetAt(SoundModule module, int index) {
    const Lists lists = listsOf(module);
    return index >= 0 && index < lists.drumSetCount ? lists.drumSets[index] : lists.drumSets[0];
}
