// The five controller cells of each channel row: volume, reverb, chorus, modulation and auto-pan speed,
// each 0..12 and sent as ten times its value.
#include "app/FaceControls.h"
#include "app/FaceLayout.h"
#include "app/MasterVolume.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

void fix(std::atomic<uint8_t>& value, std::atomic<bool>& fixed, uint8_t sent) {
    value.store(sent, relaxed);
    fixed.store(true, relaxed);
}
}  // namespace

bool FaceControls::hasSounded(int channel) const {
    return controls_.channelPlayed[channel].load(relaxed);
}

void FaceControls::stepCell(int x, int y, int step) {
    // The cells are for the GS sound modules; with the Sound Blaster 16 they stay as they are.
    if (face_.soundModule == SoundModule::sb16) return;
    const auto cell = face::cellAt(x, y);
    if (!cell || !hasSounded(cell->channel)) return;

    int& shown = face_.channelCells[cell->channel][cell->column];
    const int value = shown + step;
    if (value > face::cellMaxValue || value < 0) {
        shown = value < 0 ? 0 : face::cellMaxValue;
        return;
    }
    // A refused auto-pan speed leaves the cell as it was, so the face never shows a speed nothing plays.
    if (cell->column == FaceState::autoPanCell && !autoPan_.setSpeed(cell->channel, value)) return;
    shown = value;
    setCellValue(cell->channel, cell->column, value);
    drawing_.drawCell(cell->channel, cell->column);
}

void FaceControls::setCellValue(int channel, int column, int value) {
    const uint8_t tenfold = uint8_t(10 * value);
    using namespace midi::controller;
    const uint8_t status = midi::statusOf(midi::controlChange, channel);
    switch (column) {
        case FaceState::volumeCell: {
            face_.volumeBase[channel] = tenfold;
            const uint8_t scaled = scaledVolume(tenfold, face_.masterVolume);
            controls_.volumeValue[channel].store(scaled, relaxed);
            out_.sendShortMessage(status, volume, scaled);
            controls_.volumeFixed[channel].store(true, relaxed);
            break;
        }
        case FaceState::reverbCell:
            fix(controls_.reverbValue[channel], controls_.reverbFixed[channel], tenfold);
            out_.sendShortMessage(status, reverb, tenfold);
            break;
        case FaceState::chorusCell:
            fix(controls_.chorusValue[channel], controls_.chorusFixed[channel], tenfold);
            out_.sendShortMessage(status, chorus, tenfold);
            break;
        case FaceState::modulationCell:
            fix(controls_.modulationValue[channel], controls_.modulationFixed[channel], tenfold);
            out_.sendShortMessage(status, modulation, tenfold);
            break;
        default:  // the auto-pan speed was taken before the cell changed
            break;
    }
}
