// The five controller cells of each channel row: volume, reverb, chorus, modulation and auto-pan speed,
// each 0..12 and sent as ten times its value.
#include "app/FaceControls.h"
#include "app/FaceLayout.h"
#include "app/MasterVolume.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
}  // namespace

bool FaceControls::hasSounded(int channel) const {
    return controls_.channelPlayed[channel].load(relaxed);
}

void FaceControls::stepCell(int x, int y, int step) {
    const auto cell = face::cellAt(x, y);
    if (!cell || !hasSounded(cell->channel)) return;

    int& shown = face_.channelCells[cell->channel][cell->column];
    const int value = shown + step;
    if (value > face::cellMaxValue || value < 0) {
        shown = value < 0 ? 0 : face::cellMaxValue;
        return;
    }
    setCell(cell->channel, cell->column, value);
}

void FaceControls::setCell(int channel, int column, int value) {
    // The cells are for the GS sound modules; with the Sound Blaster 16 they stay as they are.
    if (face_.soundModule == SoundModule::sb16) return;
    // A refused auto-pan speed leaves the cell as it was, so the face never shows a speed nothing plays.
    if (column == FaceState::autoPanCell && !autoPan_.setSpeed(channel, value)) return;
    face_.channelCells[channel][column] = value;
    setCellValue(channel, column, value);
    drawing_.drawCell(channel, column);
}

void FaceControls::setCellValue(int channel, int column, int value) {
    if (column >= LiveControls::fixedCellCount)
        return;  // the auto-pan speed was taken before the cell changed
    uint8_t sent = uint8_t(10 * value);
    if (column == LiveControls::volumeCell) {
        face_.volumeBase[channel] = sent;
        sent = scaledVolume(sent, face_.masterVolume);
    }
    controls_.fixCell(column, channel, sent);
    out_.sendShortMessage(midi::statusOf(midi::controlChange, channel),
                          LiveControls::fixedControllers[size_t(column)].number, sent);
}
