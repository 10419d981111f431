// The GS lists as the dialog and the lookups rely on them: every row as pinned, and the fall-backs for
// pairs and programs the lists do not have.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/Golden.h"
#include "tones/ToneTable.h"

namespace {
const SoundModule gsModules[] = {SoundModule::sc88, SoundModule::sc55};

// Every row is found again by its own pair, every drum set by its program.
TEST(ToneTable, EachRowIsFoundByItsProgramAndBank) {
    for (SoundModule module : gsModules) {
        for (int index = 0; index < toneCount(module); ++index)
            EXPECT_EQ(toneIndex(module, toneAt(module, index).program, toneAt(module, index).bank), index)
                << int(module) << " " << toneAt(module, index).name;
        for (int index = 0; index < drumSetCount(module); ++index)
            EXPECT_EQ(drumSetIndex(module, drumSetAt(module, index).program), index) << int(module);
    }
}

// Every row of the four lists, pinned in tests/golden/tone-lists.txt: a tone's bank or name changed in
// one row is a different sound or a wrong label in the dialog.
TEST(ToneTable, ListsHoldTheirRowsAsPinned) {
    std::string text;
    auto line = [&text](const char* list, int program, int bank, std::string name) {
        for (size_t tab = name.find('\t'); tab != std::string::npos; tab = name.find('\t'))
            name.replace(tab, 1, "\\t");
        text += std::string(list) + " " + std::to_string(program) + " " + std::to_string(bank) + " " + name +
                "\n";
    };
    for (SoundModule module : gsModules) {
        const bool sc88 = module == SoundModule::sc88;
        for (int index = 0; index < toneCount(module); ++index) {
            const Tone tone = toneAt(module, index);
            line(sc88 ? "SC-88 tone" : "SC-55 tone", tone.program, tone.bank, tone.name);
        }
        for (int index = 0; index < drumSetCount(module); ++index)
            line(sc88 ? "SC-88 drums" : "SC-55 drums", drumSetAt(module, index).program, 0,
                 drumSetAt(module, index).name);
    }
    expectGolden("tone-lists.txt", text);
}

TEST(ToneTable, PairsProgramsAndRowsOutsideTheListsFallBackToTheFirstRow) {
    EXPECT_EQ(toneIndex(SoundModule::sc88, 5, 3), 0) << "program 5 has banks 0, 8, 16, 24";
    EXPECT_EQ(toneIndex(SoundModule::sc88, 128, 0), 0);
    EXPECT_EQ(toneIndex(SoundModule::sc88, -1, 0), 0);

    EXPECT_STREQ(drumSetAt(SoundModule::sc88, drumSetIndex(SoundModule::sc88, 1)).name, "STANDARD 2");
    EXPECT_EQ(drumSetIndex(SoundModule::sc55, 1), 0) << "program 1 is not an SC-55 set";
    for (SoundModule module : gsModules) {
        for (int index : {-1, toneCount(module), 100000})
            EXPECT_STREQ(toneAt(module, index).name, "*Piano 1") << int(module) << " " << index;
        for (int index : {-1, drumSetCount(module)})
            EXPECT_EQ(drumSetAt(module, index).program, 0) << int(module) << " " << index;
    }
}

TEST(ToneTable, SettingsOutsideTheModulesMeanTheSc88) {
    const std::pair<int, SoundModule> cases[] = {
        {1, SoundModule::sc55}, {2, SoundModule::sb16}, {3, SoundModule::sc88}, {-1, SoundModule::sc88}};
    for (const auto& [setting, module] : cases) EXPECT_EQ(soundModuleFromSetting(setting), module) << setting;
}
}  // namespace
