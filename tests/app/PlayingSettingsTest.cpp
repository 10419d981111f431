// The loaded song's transpose, effect and master volume as a store keeps them across a restart.
#include <gtest/gtest.h>

#include "app/PlayingSettings.h"
#include "app/Settings.h"
#include "tests/support/MemorySettingsStore.h"

namespace {
const char* const user = Settings::userKey;
using Status = SettingsStore::Status;
}  // namespace

TEST(PlayingSettings, ComeBackAsWrittenUntilForgotten) {
    MemorySettingsStore store;
    PlayingSettings playing{"C:\\a.mid", -3, {}, 80};
    playing.effect = {EffectType::keySignature, {5, 70}, {}, {-1, 2}};
    playing.effect.pitchMap.entries = {0, -12, 12, PitchMap::rest, 1, 2, 3, 4, 5, 6, 7, -PitchMap::rest};
    playing.cells[0][0] = 3, playing.cells[15][4] = 12;
    ASSERT_EQ(savePlayingSettings(store, playing), Status::ok);
    const std::optional<PlayingSettings> read = loadPlayingSettings(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->song, playing.song);
    EXPECT_EQ(read->transpose, -3);
    EXPECT_EQ(read->masterVolume, 80);
    EXPECT_EQ(read->effect.type, EffectType::keySignature);
    EXPECT_EQ(read->effect.window.start, 5);
    EXPECT_EQ(read->effect.window.end, 70);
    EXPECT_EQ(read->effect.keySignature.sign, -1);
    EXPECT_EQ(read->effect.keySignature.count, 2);
    EXPECT_EQ(read->effect.pitchMap.entries, playing.effect.pitchMap.entries);
    EXPECT_EQ(read->cells, playing.cells);
    forgetPlayingSettings(store);
    EXPECT_FALSE(loadPlayingSettings(store));
}

TEST(PlayingSettings, EachValueThatCannotBeUsedTakesItsDefault) {
    MemorySettingsStore store;
    store.put(user, "PlayingSong", "C:\\a.mid");
    const std::pair<const char*, int32_t> numbers[] = {{"Transpose", 13},   {"Volume", 85},    {"Effect", 10},
                                                       {"EffectStart", 70}, {"EffectEnd", 70}, {"KeySign", 0},
                                                       {"KeyCount", 3}};
    for (const auto& [name, value] : numbers) store.put(user, name, uint32_t(value));
    store.put(user, "PitchMap", "1,2,3,4,5,6,7,8,9,10,11,12x");
    std::string cells;
    for (int cell = 0; cell < 80; ++cell) cells += "13,";
    store.put(user, "Cells", cells.substr(0, cells.size() - 1));
    const std::optional<PlayingSettings> read = loadPlayingSettings(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->transpose, 0);
    EXPECT_EQ(read->masterVolume, 100);
    EXPECT_EQ(read->effect.type, EffectType::none);
    EXPECT_EQ(read->effect.window.start, EffectWindow{}.start);
    EXPECT_EQ(read->effect.keySignature.count, 0);
    EXPECT_EQ(read->effect.pitchMap.entries, PitchMap{}.entries);
    EXPECT_EQ(read->cells, FaceState{}.channelCells);
}
