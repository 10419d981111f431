// The five controller cells of each channel row: volume, reverb, chorus, modulation and auto-pan speed,
// each 0..12 and sent as ten times its value.
#include "app/FaceControls.h"
#include "app/FaceLayout.h"
#include "app/MasterVolume.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

constexpr uint8_t modulationController = 1;
constexpr uint8_t volumeController = 7;
constexpr uint8_t reverbController = 91;
constexpr uint8_t chorusController = 93;

void fix(std::atomic<uint8_t>& value, std::atomic<bool>& fixed, uint8_t sent) {
    value.store(sent, relaxed);
    fixed.store(true, relaxed);
}
}  // namespace

bool FaceControls::hasSounded(int channel) const {
    return controls_.channelPitchClass[channel].load(relaxed) != LiveControls::notSounded;
}

void FaceControls::stepCell(int x, int y, int step) {
    // The cells are for the GS sound modules; with the Sound Blaster 16 they stay as they are.
    if (face_.soundModule == FaceState::sb16) return;
    const auto cell = face::cellAt(x, y);
    if (!cell || !hasSounded(cell->channel)) return;

    int& shown = face_.channelCells[cell->channel][cell->column];
    const int value = shown + step;
    if (value > face::cellMaxValue || value < 0) {
        shown = value < 0 ? 0 : face::cellMaxValue;
        return;
    }
    if (cell->column == FaceState::autoPanCell && !takeAutoPanSpeed(cell->channel, value)) return;
    shown = value;
    setCellValue(cell->channel, cell->column, value);
    drawing_.drawCell(cell->channel, cell->column);
}

void FaceControls::setCellValue(int channel, int column, int value) {
    const uint8_t tenfold = uint8_t(10 * value);
    const uint8_t status = uint8_t(0xB0 | channel);
    switch (column) {
        case FaceState::volumeCell: {
            face_.volumeBase[channel] = tenfold;
            const uint8_t volume = scaledVolume(tenfold, face_.masterVolume);
            controls_.volumeValue[channel].store(volume, relaxed);
            out_.sendShortMessage(status, volumeController, volume);
            controls_.volumeFixed[channel].store(true, relaxed);
            break;
        }
        case FaceState::reverbCell:
            fix(controls_.reverbValue[channel], controls_.reverbFixed[channel], tenfold);
            out_.sendShortMessage(status, reverbController, tenfold);
            break;
        case FaceState::chorusCell:
            fix(controls_.chorusValue[channel], controls_.chorusFixed[channel], tenfold);
            out_.sendShortMessage(status, chorusController, tenfold);
            break;
        case FaceState::modulationCell:
            fix(controls_.modulationValue[channel], controls_.modulationFixed[channel], tenfold);
            out_.sendShortMessage(status, modulationController, tenfold);
            break;
        default:  // the auto-pan speed was taken before the cell changed
            break;
    }
}

// A new auto-pan speed restarts the channel's sweep from the centre. A single-track (format 0) song sweeps
// one channel only: the first channel given a speed holds the sweep until its speed is back to 0, and a
// click on another channel's auto-pan cell meanwhile is refused outright, leaving that cell as it was, so
// the face never shows a speed that nothing plays. Songs of formats other than 0 and 1 get no sweep: their
// auto-pan cells are refused the same way.
bool FaceControls::takeAutoPanSpeed(int channel, int speed) {
    const uint8_t format = song_.songFormat();
    if (format > 1) return false;
    const int holder = controls_.autoPanChannel.load(relaxed);
    if (format == 0 && holder != LiveControls::noChannel && holder != channel) return false;

    // The timer thread reads the holder first, so the channel's sweep is ready before it becomes one.
    controls_.restartAutoPan(channel);
    controls_.autoPanSpeed[channel].store(speed, relaxed);
    if (format == 0) controls_.autoPanChannel.store(speed == 0 ? LiveControls::noChannel : channel, relaxed);
    return true;
}
