#pragma once
#include <array>
#include <cstdint>

#include "effects/LiveControls.h"
#include "playback/MidiVocabulary.h"
#include "tones/SoundModule.h"

// The face's own state, kept and changed on the window thread only (what the timer thread also reads
// lives in LiveControls and the Sequencer).
struct FaceState {
    static constexpr int channelCount = midi::channelCount;
    // The fixed controllers' cells in their table's order (LiveControls::fixedControllers), then the
    // auto-pan speed's.
    enum CellColumn { volumeCell = 0, reverbCell, chorusCell, modulationCell, autoPanCell, cellColumns };
    static_assert(int(modulationCell) == int(LiveControls::modulationCell) &&
                  int(autoPanCell) == int(LiveControls::fixedCellCount));
    enum ToggleColumn { soloToggle = 0, muteToggle, octaveToggle, toggleColumns };
    enum PressedButton { noButton = 0, tempoDown, tempoUp, transposeDown, transposeUp, volumeDown, volumeUp };

    int masterVolume = 100;                                                 // percent, steps of 10, 0..120
    std::array<std::array<int, cellColumns>, channelCount> channelCells{};  // 0..12
    std::array<std::array<bool, toggleColumns>, channelCount> channelToggles{};
    std::array<uint8_t, channelCount> volumeBase{};  // channel volume before the master volume scales it
    int pressedButton = noButton;
    bool largeView = true;
    bool songLoaded = false;
    SoundModule soundModule = SoundModule::sc88;  // "音源"; changed only while no song plays
    // While an effect dialog is open, playback is started and stopped only by its "試行".
    bool effectDialogOpen = false;

    FaceState() { resetCells(); }
    // Volume cells back to 10, the others to 0, every toggle off, base volumes 100.
    void resetCells() {
        for (auto& row : channelCells) row = {10, 0, 0, 0, 0};
        for (auto& row : channelToggles) row = {false, false, false};
        volumeBase.fill(100);
    }
};
