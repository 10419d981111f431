// The loaded song's transpose, effect, master volume and cells as a store keeps them: numbers (negative ones
// as their 32-bit two's complement), and the pitch map and the cells (row after row) as lists of numbers
// separated by commas.
#include "app/PlayingSettings.h"

#include <charconv>
#include <sstream>

#include "app/FaceLayout.h"
#include "app/MasterVolume.h"
#include "app/Settings.h"
#include "effects/EffectTimeQuestion.h"
#include "effects/LiveControls.h"

namespace {

const char* const key = Settings::userKey;

// A stored number within [low, high], or nothing.
std::optional<int32_t> number(SettingsStore& store, const char* name, int32_t low, int32_t high) {
    uint32_t stored = 0;
    if (store.readNumber(key, name, stored) != SettingsStore::Status::ok) return std::nullopt;
    const auto value = int32_t(stored);
    if (value < low || value > high) return std::nullopt;
    return value;
}

template <typename Numbers>
std::string listed(const Numbers& numbers) {
    std::string text;
    for (const int32_t number : numbers) text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

// Exactly numbers.size() whole numbers within [low, high] separated by commas, or false.
template <typename Numbers>
bool parseList(const std::string& text, int32_t low, int32_t high, Numbers& numbers) {
    std::istringstream pieces(text);
    for (auto& number : numbers) {
        std::string piece;
        if (!std::getline(pieces, piece, ',')) return false;
        int32_t value = 0;
        const char* end = piece.data() + piece.size();
        const auto [stop, error] = std::from_chars(piece.data(), end, value);
        if (error != std::errc() || stop != end || value < low || value > high) return false;
        number = value;
    }
    std::string more;
    return !std::getline(pieces, more);
}

// The cells row after row, as one list.
using CellList = std::array<int, FaceState::channelCount * FaceState::cellColumns>;
CellList cellList(const decltype(PlayingSettings::cells)& cells) {
    CellList list{};
    for (size_t channel = 0; channel < cells.size(); ++channel)
        for (size_t column = 0; column < cells[channel].size(); ++column)
            list[channel * FaceState::cellColumns + column] = cells[channel][column];
    return list;
}

}  // namespace

std::optional<PlayingSettings> loadPlayingSettings(SettingsStore& store) {
    PlayingSettings playing;
    if (store.readString(key, "PlayingSong", playing.song) != SettingsStore::Status::ok ||
        playing.song.empty())
        return std::nullopt;
    const int maxShift = LiveControls::maxKeyShift;
    playing.transpose = number(store, "Transpose", -maxShift, maxShift).value_or(0);
    const auto volume = number(store, "Volume", minMasterVolume, maxMasterVolume);
    if (volume && *volume % masterVolumeStep == 0) playing.masterVolume = *volume;

    EffectSettings& effect = playing.effect;
    const int32_t type = number(store, "Effect", 0, int32_t(EffectType::customMap)).value_or(0);
    effect.type = namesEffect(type) ? EffectType(type) : EffectType::none;
    const auto start = number(store, "EffectStart", EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
    const auto end = number(store, "EffectEnd", EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
    // An end must lie after the start, as "効果時間" asks it.
    if (start && end && EffectTimeQuestion(EffectTimeQuestion::askEnd, *end, *start).acceptable())
        effect.window = {*start, *end};
    const auto sign = number(store, "KeySign", -1, 1);
    const auto count = number(store, "KeyCount", 0, KeySignature::maxCount);
    // A count needs a sign, as the key-signature dialog has it.
    if (sign && count && (*sign != 0 || *count == 0)) effect.keySignature = {*sign, *count};
    std::string text;
    PitchMap map;
    if (store.readString(key, "PitchMap", text) == SettingsStore::Status::ok &&
        parseList(text, -PitchMap::rest, PitchMap::rest, map.entries))
        effect.pitchMap = map;
    CellList cells{};
    if (store.readString(key, "Cells", text) == SettingsStore::Status::ok &&
        parseList(text, 0, face::cellMaxValue, cells))
        for (size_t channel = 0; channel < playing.cells.size(); ++channel)
            for (size_t column = 0; column < playing.cells[channel].size(); ++column)
                playing.cells[channel][column] = cells[channel * FaceState::cellColumns + column];
    return playing;
}

SettingsStore::Status savePlayingSettings(SettingsStore& store, const PlayingSettings& playing) {
    const EffectSettings& effect = playing.effect;
    const std::pair<const char*, int32_t> numbers[] = {
        {"Transpose", playing.transpose},       {"Volume", playing.masterVolume},
        {"Effect", int32_t(effect.type)},       {"EffectStart", effect.window.start},
        {"EffectEnd", effect.window.end},       {"KeySign", effect.keySignature.sign},
        {"KeyCount", effect.keySignature.count}};
    for (const auto& [name, value] : numbers)
        if (const auto status = store.writeNumber(key, name, uint32_t(value));
            status != SettingsStore::Status::ok)
            return status;
    const std::pair<const char*, std::string> lists[] = {{"PitchMap", listed(effect.pitchMap.entries)},
                                                         {"Cells", listed(cellList(playing.cells))}};
    for (const auto& [name, text] : lists)
        if (const auto status = store.writeString(key, name, text); status != SettingsStore::Status::ok)
            return status;
    return store.writeString(key, "PlayingSong", playing.song);
}

void forgetPlayingSettings(SettingsStore& store) {
    store.writeString(key, "PlayingSong", "");
}
