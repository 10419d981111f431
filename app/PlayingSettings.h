#pragma once
#include <optional>
#include <string>

#include "app/FaceState.h"
#include "app/SettingsStore.h"
#include "effects/EffectSettings.h"

// What the loaded song is played with, as the user set it: the transpose, the effect with its time, key
// signature and pitch map, the master volume and the channels' cells. The program sets them afresh for each
// song and keeps none; a platform that brings the loaded song back after a restart (the page, across a
// reload) keeps them here, beside the settings under the "User" key.
struct PlayingSettings {
    std::string song;  // the path of the song they were set for
    int transpose = 0;
    EffectSettings effect;
    int masterVolume = 100;
    decltype(FaceState::channelCells) cells = FaceState{}.channelCells;
};

// Nothing when no song is named; otherwise each value that cannot be used (absent, of another kind, out of
// its range) takes its default and the rest are read all the same.
std::optional<PlayingSettings> loadPlayingSettings(SettingsStore& store);
// Writes them all; the first failing write abandons the rest.
SettingsStore::Status savePlayingSettings(SettingsStore& store, const PlayingSettings& playing);
// Removes the song's name, so that nothing is brought back.
void forgetPlayingSettings(SettingsStore& store);
