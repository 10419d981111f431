// The loaded song's transpose, effect and master volume as a store keeps them: numbers (negative ones as
// their 32-bit two's complement) and the pitch map as twelve numbers separated by commas.
#include "app/PlayingSettings.h"

#include <charconv>
#include <sstream>

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

std::string pitchMapText(const PitchMap& map) {
    std::string text;
    for (const int32_t entry : map.entries) text += (text.empty() ? "" : ",") + std::to_string(entry);
    return text;
}

// Twelve whole numbers from a silenced pitch class's rest down to as far below, or nothing.
std::optional<PitchMap> parsePitchMap(const std::string& text) {
    PitchMap map;
    std::istringstream entries(text);
    for (int32_t& entry : map.entries) {
        std::string piece;
        if (!std::getline(entries, piece, ',')) return std::nullopt;
        const char* end = piece.data() + piece.size();
        const auto [stop, error] = std::from_chars(piece.data(), end, entry);
        if (error != std::errc() || stop != end || entry < -PitchMap::rest || entry > PitchMap::rest)
            return std::nullopt;
    }
    std::string rest;
    if (std::getline(entries, rest)) return std::nullopt;
    return map;
}

}  // namespace

std::optional<PlayingSettings> loadPlayingSettings(SettingsStore& store) {
    PlayingSettings playing;
    if (store.readString(key, "PlayingSong", playing.song) != SettingsStore::Status::ok ||
        playing.song.empty())
        return std::nullopt;
    const int maxShift = LiveControls::maxKeyShift;
    playing.transpose = number(store, "Transpose", -maxShift, maxShift).value_or(0);
    const int32_t volume = number(store, "Volume", minMasterVolume, maxMasterVolume).value_or(100);
    playing.masterVolume = volume % masterVolumeStep == 0 ? volume : 100;

    EffectSettings& effect = playing.effect;
    const int32_t type = number(store, "Effect", 0, int32_t(EffectType::customMap)).value_or(0);
    effect.type = namesEffect(type) ? EffectType(type) : EffectType::none;
    const auto start = number(store, "EffectStart", EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
    const auto end = number(store, "EffectEnd", EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
    if (start && end && *start <= *end) effect.window = {*start, *end};
    const auto sign = number(store, "KeySign", -1, 1);
    const auto count = number(store, "KeyCount", 0, KeySignature::maxCount);
    // A count needs a sign, as the key-signature dialog has it.
    if (sign && count && (*sign != 0 || *count == 0)) effect.keySignature = {*sign, *count};
    std::string map;
    if (store.readString(key, "PitchMap", map) == SettingsStore::Status::ok)
        effect.pitchMap = parsePitchMap(map).value_or(PitchMap{});
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
    if (const auto status = store.writeString(key, "PitchMap", pitchMapText(effect.pitchMap));
        status != SettingsStore::Status::ok)
        return status;
    return store.writeString(key, "PlayingSong", playing.song);
}

void forgetPlayingSettings(SettingsStore& store) {
    store.writeString(key, "PlayingSong", "");
}
