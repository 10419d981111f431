// The GS lists as the dialog and the lookups rely on them: rows checked against the published maps, and the
// fall-backs for pairs and programs the lists do not have.
#include <gtest/gtest.h>

#include <string>

#include "tones/ToneTable.h"

namespace {
const SoundModule gsModules[] = {SoundModule::sc88, SoundModule::sc55};

const char* toneName(SoundModule module, int program, int bank) {
    return toneAt(module, toneIndex(module, program, bank)).name;
}

// Rows a person can check against the General MIDI program list and the GS variation and drum-set maps:
// every program has its capital tone on bank 0 in both lists and only capital tones start with "*"; every
// row is found again by its own pair, every drum set by its program.
TEST(ToneTable, ListsHoldTheGeneralMidiProgramsAndWellKnownGsRows) {
    // Program, bank and the name in both lists.
    const std::tuple<int, int, const char*> rows[] = {
        {0, 0, "*Piano 1"},       {0, 8, "Piano 1w"},    {6, 0, "*Harpsichord"},  {19, 0, "*Church Org.1"},
        {24, 8, "Ukulele"},       {25, 16, "Mandolin"},  {32, 0, "*Acoustic Bs"}, {40, 0, "*Violin"},
        {40, 8, "Slow Violin"},   {56, 0, "*Trumpet"},   {73, 0, "*Flute"},       {77, 0, "*Shakuhachi"},
        {114, 0, "*Steel Drums"}, {122, 0, "*Seashore"}, {125, 0, "*Helicopter"}, {125, 8, "Starship"},
        {126, 0, "*Applause"},    {127, 0, "*Gun Shot"},
    };
    EXPECT_EQ(std::string(toneName(SoundModule::sc88, 24, 0)) + ", " + toneName(SoundModule::sc55, 24, 0),
              "*Nylon-str.Gt, *Nylon Gt");
    const std::pair<int, const char*> sc55Drums[] = {{0, "STANDARD"},    {8, "ROOM"},      {16, "POWER"},
                                                     {24, "ELECTRONIC"}, {25, "TR808"},    {32, "JAZZ"},
                                                     {40, "BRUSH"},      {48, "ORCHESTRA"}};
    for (const auto& [program, name] : sc55Drums)
        EXPECT_STREQ(drumSetAt(SoundModule::sc55, drumSetIndex(SoundModule::sc55, program)).name, name);
    EXPECT_STREQ(drumSetAt(SoundModule::sc88, drumSetIndex(SoundModule::sc88, 56)).name, "SFX");
    for (SoundModule module : gsModules) {
        for (const auto& [program, bank, name] : rows)
            EXPECT_STREQ(toneName(module, program, bank), name) << int(module);
        for (int program = 0; program < 128; ++program) {
            const Tone capital = toneAt(module, toneIndex(module, program, 0));
            EXPECT_EQ(std::pair(int(capital.program), capital.name[0]), std::pair(program, '*'))
                << int(module) << " " << program;
        }
        for (int index = 0; index < toneCount(module); ++index) {
            const Tone tone = toneAt(module, index);
            EXPECT_EQ(std::pair(tone.name[0] == '*', toneIndex(module, tone.program, tone.bank)),
                      std::pair(tone.bank == 0, index))
                << int(module) << " " << tone.name;
        }
        for (int index = 0; index < drumSetCount(module); ++index)
            EXPECT_EQ(drumSetIndex(module, drumSetAt(module, index).program), index) << int(module);
    }
}

TEST(ToneTable, PairsProgramsAndRowsOutsideTheListsFallBackToTheFirstRow) {
    for (const int program : {5, 128, -1})  // program 5 has banks 0, 8, 16, 24
        EXPECT_EQ(toneIndex(SoundModule::sc88, program, program == 5 ? 3 : 0), 0) << program;

    EXPECT_STREQ(drumSetAt(SoundModule::sc88, drumSetIndex(SoundModule::sc88, 1)).name, "STANDARD 2");
    EXPECT_EQ(drumSetIndex(SoundModule::sc55, 1), 0) << "program 1 is not an SC-55 set";
    for (SoundModule module : gsModules) {
        for (int index : {-1, toneCount(module), 100000})
            EXPECT_STREQ(toneAt(module, index).name, "*Piano 1") << int(module) << " " << index;
        for (int index : {-1, drumSetCount(module)})
            EXPECT_EQ(drumSetAt(module, index).name, drumSetAt(module, 0).name)
                << int(module) << " " << index;
    }
}

TEST(ToneTable, SettingsOutsideTheModulesMeanTheSc88) {
    const std::pair<int, SoundModule> cases[] = {
        {1, SoundModule::sc55}, {2, SoundModule::sb16}, {3, SoundModule::sc88}, {-1, SoundModule::sc88}};
    for (const auto& [setting, module] : cases) EXPECT_EQ(soundModuleFromSetting(setting), module) << setting;
}
}  // namespace
