// The loaded song's transpose, effect and master volume as a store keeps them across a restart.
#include <gtest/gtest.h>

#include <tuple>

#include "app/PlayingSettings.h"
#include "app/Settings.h"
#include "tests/support/MemorySettingsStore.h"

namespace {
const char* const user = Settings::userKey;
using Status = SettingsStore::Status;

auto fields(const PlayingSettings& p) {
    const EffectSettings& e = p.effect;
    return std::tuple(p.song, p.transpose, p.masterVolume, int(e.type), e.window.start, e.window.end,
                      e.keySignature.sign, e.keySignature.count, e.pitchMap.entries, p.cells);
}
}  // namespace

TEST(PlayingSettings, ComeBackAsWrittenUntilForgotten) {
    MemorySettingsStore store;
    PlayingSettings playing{"C:\\a.mid", -3, {}, 0};  // silenced: the lowest master volume
    playing.effect = {EffectType::customMap, {5, 70}, {}, {-1, KeySignature::maxCount}};  // the tops kept
    playing.effect.pitchMap.entries = {0, -12, 12, PitchMap::rest, 1, 2, 3, 4, 5, 6, 7, -PitchMap::rest};
    playing.cells[0][0] = 3, playing.cells[15][4] = 12;
    ASSERT_EQ(savePlayingSettings(store, playing), Status::ok);
    const std::optional<PlayingSettings> read = loadPlayingSettings(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(fields(*read), fields(playing));
    forgetPlayingSettings(store);
    EXPECT_FALSE(loadPlayingSettings(store));
}

TEST(PlayingSettings, EachValueThatCannotBeUsedTakesItsDefault) {
    for (const int32_t sign : {0, 2}) {  // a key count without a sign, and a sign out of range
        MemorySettingsStore store;
        store.put(user, "PlayingSong", "s:C:\\a.mid");
        const std::pair<const char*, int32_t> numbers[] = {
            {"Transpose", 13}, {"Volume", 85},    {"Effect", 10}, {"EffectStart", 70},
            {"EffectEnd", 70}, {"KeySign", sign}, {"KeyCount", 3}};
        for (const auto& [name, value] : numbers) store.put(user, name, "n:" + std::to_string(value));
        store.put(user, "PitchMap", "s:1,2,3,4,5,6,7,8,9,10,11,12x");
        std::string cells;
        for (int cell = 0; cell < 80; ++cell) cells += "13,";
        store.put(user, "Cells", "s:" + cells.substr(0, cells.size() - 1));
        const std::optional<PlayingSettings> read = loadPlayingSettings(store);
        ASSERT_TRUE(read);
        PlayingSettings defaults;
        defaults.song = "C:\\a.mid";
        EXPECT_EQ(fields(*read), fields(defaults));
    }
}
