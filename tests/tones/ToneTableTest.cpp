// The GS lists as the dialog and the lookups rely on them: the shape every row must keep, and the
// fall-backs for pairs and programs the lists do not have.
#include <gtest/gtest.h>

#include <string>

#include "tones/ToneTable.h"

namespace {
struct ModuleLists {
    SoundModule module;
    const char* label;
    int tones;
    int drumSets;
};

const ModuleLists gsModules[] = {
    {SoundModule::sc88, "SC-88", 418, 14},
    {SoundModule::sc55, "SC-55", 226, 8},
};

TEST(ToneTable, ListsHaveTheirModulesRowCounts) {
    for (const auto& lists : gsModules) {
        EXPECT_EQ(toneCount(lists.module), lists.tones) << lists.label;
        EXPECT_EQ(drumSetCount(lists.module), lists.drumSets) << lists.label;
    }
}

TEST(ToneTable, TonesAscendWithACapitalRowForEveryProgram) {
    for (const auto& lists : gsModules) {
        SCOPED_TRACE(lists.label);
        int expectedProgram = 0;  // the program whose capital row comes next
        for (int index = 0; index < toneCount(lists.module); ++index) {
            const Tone tone = toneAt(lists.module, index);
            ASSERT_NE(tone.name, nullptr) << index;
            const bool capital = tone.bank == 0;
            EXPECT_EQ(tone.name[0] == '*', capital) << index << " " << tone.name;
            EXPECT_LE(tone.bank, 40) << index;
            if (capital) {
                EXPECT_EQ(tone.program, expectedProgram) << "row " << index << " " << tone.name;
                expectedProgram = tone.program + 1;
            } else {
                const Tone previous = toneAt(lists.module, index - 1);
                EXPECT_EQ(tone.program, previous.program) << index;
                EXPECT_GT(tone.bank, previous.bank) << index;
            }
            // Every row is found again by its own pair.
            EXPECT_EQ(toneIndex(lists.module, tone.program, tone.bank), index) << tone.name;
        }
        EXPECT_EQ(expectedProgram, 128);
    }
}

TEST(ToneTable, DrumSetsAscendFromStandard) {
    for (const auto& lists : gsModules) {
        SCOPED_TRACE(lists.label);
        EXPECT_EQ(drumSetAt(lists.module, 0).program, 0);
        for (int index = 1; index < drumSetCount(lists.module); ++index) {
            EXPECT_GT(drumSetAt(lists.module, index).program, drumSetAt(lists.module, index - 1).program);
            EXPECT_EQ(drumSetIndex(lists.module, drumSetAt(lists.module, index).program), index);
        }
    }
}

TEST(ToneTable, OnlyTheListedNamesHoldATab) {
    for (const auto& lists : gsModules) {
        std::string withTab;
        for (int index = 0; index < toneCount(lists.module); ++index) {
            const std::string name = toneAt(lists.module, index).name;
            if (name.find('\t') != std::string::npos) withTab += name + "|";
        }
        EXPECT_EQ(withTab,
                  lists.module == SoundModule::sc88 ? "Hard\tFM EP|*Fingered\tBs|" : "*Fingered\tBs|");
    }
}

TEST(ToneTable, PairsOutsideTheListFallBackToRowZero) {
    struct Case {
        SoundModule module;
        int program, bank;
        int index;
        const char* name;
    };
    const Case cases[] = {
        {SoundModule::sc55, 0, 8, 1, "Piano 1w"},   {SoundModule::sc88, 0, 8, 1, "Piano 1w"},
        {SoundModule::sc88, 5, 3, 0, "*Piano 1"},  // program 5 has banks 0, 8, 16, 24
        {SoundModule::sc88, 5, 41, 0, "*Piano 1"},  {SoundModule::sc55, 127, 41, 0, "*Piano 1"},
        {SoundModule::sc88, 0, 255, 0, "*Piano 1"}, {SoundModule::sc88, 128, 0, 0, "*Piano 1"},
        {SoundModule::sc88, -1, 0, 0, "*Piano 1"},
    };
    for (const auto& c : cases) {
        const int index = toneIndex(c.module, c.program, c.bank);
        EXPECT_EQ(index, c.index) << c.program << "/" << c.bank;
        EXPECT_STREQ(toneAt(c.module, index).name, c.name);
    }
}

TEST(ToneTable, DrumProgramsOutsideTheListFallBackToSetZero) {
    EXPECT_STREQ(drumSetAt(SoundModule::sc88, drumSetIndex(SoundModule::sc88, 1)).name, "STANDARD 2");
    EXPECT_EQ(drumSetIndex(SoundModule::sc55, 1), 0) << "program 1 is not an SC-55 set";
    EXPECT_STREQ(drumSetAt(SoundModule::sc55, 0).name, "STANDARD");
    EXPECT_EQ(drumSetIndex(SoundModule::sc88, 127), 0);
}

TEST(ToneTable, RowsOutsideAListAnswerWithItsFirstRow) {
    for (const auto& lists : gsModules) {
        for (int index : {-1, lists.tones, 100000})
            EXPECT_STREQ(toneAt(lists.module, index).name, "*Piano 1") << lists.label << " " << index;
        for (int index : {-1, lists.drumSets})
            EXPECT_EQ(drumSetAt(lists.module, index).program, 0) << lists.label << " " << index;
    }
}

TEST(ToneTable, SettingsOutsideTheModulesMeanTheSc88) {
    EXPECT_EQ(soundModuleFromSetting(0), SoundModule::sc88);
    EXPECT_EQ(soundModuleFromSetting(1), SoundModule::sc55);
    EXPECT_EQ(soundModuleFromSetting(2), SoundModule::sb16);
    EXPECT_EQ(soundModuleFromSetting(3), SoundModule::sc88);
    EXPECT_EQ(soundModuleFromSetting(-1), SoundModule::sc88);
}
}  // namespace
