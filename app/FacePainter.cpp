#include "app/FacePainter.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
constexpr uint32_t black = packColour(0, 0, 0);
constexpr uint32_t white = packColour(255, 255, 255);
constexpr uint32_t cyan = packColour(0, 255, 255);
// The window is sized for a sizing frame it does not have, so its client area reaches a few pixels past the
// face on the right and at the bottom (more where frames are wide). Painted this far, the face's edge
// continues over them.
constexpr int beyondFace = 32;
// A velocity above this draws the full bar; it is clamped so that the shown level stays within the strip.
constexpr uint8_t loudestLevel = 120;

std::string formatted(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string timeText(int minutes, int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    return text;
}

std::string tempoText(int beatsPerMinute) {
    return formatted("%03d", beatsPerMinute);
}

bool validRow(int row) {
    return row >= 0 && row < face::channelCount;
}
}  // namespace

FacePainter::FacePainter(const DibImage& face, const DibImage& buttonSheet, const FaceState& state,
                         LiveControls& controls, const Sequencer& sequencer, const Player& player,
                         CanvasSource& canvases)
    : face_(face),
      buttonSheet_(buttonSheet),
      state_(state),
      controls_(controls),
      sequencer_(sequencer),
      player_(player),
      canvases_(canvases) {}

void FacePainter::paint(Canvas& canvas) {
    if (!state_.largeView) return;
    canvas.drawImage(face_, {0, 0, face::faceWidth, face::faceHeight}, {0, 0}, RasterOp::copy);
    paintBeyondFace(canvas);
    drawReadoutOn(canvas, allReadouts);
    if (player_.playing()) drawSpriteOn(canvas, face::playLit);
    if (!state_.songLoaded) return;
    for (int row = 0; row < face::channelCount; ++row) {
        for (int column = 0; column < face::cellCount; ++column)
            if (cellMarked(row, column)) drawCellOn(canvas, row, column);
        for (int column = 0; column < face::toggleCount; ++column)
            if (state_.channelToggles[row][column]) drawToggleOn(canvas, row, column);
    }
}

void FacePainter::paintBeyondFace(Canvas& canvas) {
    if (!face_.isComplete() || face_.bitCount() != 24 || face_.width() != face::faceWidth ||
        face_.height() != face::faceHeight)
        return;
    constexpr int right = face::faceWidth - 1, bottom = face::faceHeight - 1;
    for (int i = 1; i <= beyondFace; ++i) {
        canvas.drawImage(face_, {right, 0, 1, face::faceHeight}, {right + i, 0}, RasterOp::copy);
        canvas.drawImage(face_, {0, bottom, face::faceWidth, 1}, {0, bottom + i}, RasterOp::copy);
    }
    canvas.fillRect({right + 1, bottom + 1, right + 1 + beyondFace, bottom + 1 + beyondFace},
                    face_.packedAt(right, bottom));
}

void FacePainter::drawReadout(Readout which) {
    if (!state_.largeView) return;
    drawReadoutOn(*canvases_.openCanvas(), which);
}

void FacePainter::drawSprite(int sprite) {
    if (!state_.largeView || sprite < 0 || sprite >= face::spriteCount) return;
    drawSpriteOn(*canvases_.openCanvas(), sprite);
}

void FacePainter::drawCell(int row, int column) {
    if (!state_.largeView || !validRow(row) || column < 0 || column >= face::cellCount) return;
    drawCellOn(*canvases_.openCanvas(), row, column);
}

void FacePainter::drawToggle(int row, int column) {
    if (!state_.largeView || !validRow(row) || column < 0 || column >= face::toggleCount) return;
    drawToggleOn(*canvases_.openCanvas(), row, column);
}

void FacePainter::displayTick(const TickReport& report) {
    if (!state_.largeView || !(report.tempoRedraw || report.clockRedraw || report.metersLive)) return;
    const std::unique_ptr<Canvas> canvas = canvases_.openCanvas();
    if (report.tempoRedraw) canvas->drawText(face::tempoField.text, tempoText(report.displayTempo));
    if (report.clockRedraw)
        canvas->drawText(face::timeText, timeText(report.clockMinutes, report.clockSeconds));
    if (!report.metersLive) return;
    for (int row = 0; row < face::channelCount; ++row) drawMeter(*canvas, row);
    const uint32_t lampColour = sequencer_.gmSystemOnSeen() ? cyan : white;
    for (int row = 0; row < face::channelCount; ++row) drawLamp(*canvas, row, lampColour);
}

void FacePainter::resetMeters() {
    meters_.fill(Meter{});
}

void FacePainter::blankMetersAndLamps() {
    if (!state_.largeView) return;
    const std::unique_ptr<Canvas> canvas = canvases_.openCanvas();
    for (int row = 0; row < face::channelCount; ++row) {
        canvas->fillRect(face::levelBarErase(row), black);
        for (int k = 0; k < face::pitchClassCount; ++k) canvas->fillRect(face::noteLamp(row, k), black);
    }
}

void FacePainter::drawReadoutOn(Canvas& canvas, Readout which) {
    if (which == timeReadout || which == allReadouts)
        canvas.drawText(face::timeText, timeText(sequencer_.clockMinutes(), sequencer_.clockSeconds()));
    if (which == tempoReadout || which == allReadouts)
        canvas.drawText(face::tempoField.text, tempoText(sequencer_.displayTempo()));
    if (which == transposeReadout || which == allReadouts)
        canvas.drawText(face::transposeField.text, formatted("%+03d", controls_.keyShift.load(relaxed)));
    if (which == volumeReadout || which == allReadouts)
        canvas.drawText(face::volumeField.text, formatted("%03d", state_.masterVolume));
}

void FacePainter::drawSpriteOn(Canvas& canvas, int sprite) {
    const face::SpritePlacement& placement = face::spritePlacements[sprite];
    canvas.drawImage(buttonSheet_, placement.source, placement.destination, RasterOp::copy);
}

void FacePainter::drawCellOn(Canvas& canvas, int row, int column) {
    const int value = std::clamp(state_.channelCells[row][column], 0, face::cellMaxValue);
    const face::Point at = face::cellGlyphAt(row, column);
    canvas.drawImage(buttonSheet_, face::cellGlyphMaskSource, at, RasterOp::andMask);
    canvas.drawImage(buttonSheet_, face::cellGlyphSource(value), at, RasterOp::orPaint);
}

void FacePainter::drawToggleOn(Canvas& canvas, int row, int column) {
    const face::Rect place = face::toggleRect(row, column);
    const face::Point at{place.left, place.top};
    const face::SheetRect picture =
        state_.channelToggles[row][column] ? face::toggleOnSource(column) : face::toggleOffSource(column);
    canvas.drawImage(buttonSheet_, face::toggleMaskSource, at, RasterOp::andMask);
    canvas.drawImage(buttonSheet_, picture, at, RasterOp::orPaint);
}

bool FacePainter::cellMarked(int row, int column) const {
    return column < LiveControls::fixedCellCount ? controls_.cellFixed(column, row)
                                                 : state_.channelCells[row][column] != 0;
}

// A bar is half the last velocity wide. Once its note is released it loses one pixel per tick from the
// right; a softer note cuts it back at once to the new length.
void FacePainter::drawMeter(Canvas& canvas, int row) {
    Meter& meter = meters_[row];
    uint8_t level = controls_.channelLevel[row].load(relaxed);
    if (level == LiveControls::notSounded) return;
    const face::Rect area = face::levelBarErase(row);
    if (meter.shownLevel > 0) {
        ++meter.decay;
        const int current = std::min(level / 2, face::levelBarMaxWidth);
        const int shown = meter.shownLevel / 2;
        if (current > 0 && shown > current) meter.decay = shown - current;
        const int left = face::levelBarLeft + shown - meter.decay;
        if (left < face::levelBarLeft) {
            meter.decay = 0;
            meter.shownLevel = 0;
        }
        if (meter.decay > 0) canvas.fillRect({left, area.top, area.right, area.bottom}, black);
    }
    // The clamp is stored back only where the filter has not written a newer level meanwhile; if it has,
    // that newer level is the one drawn.
    while (level > loudestLevel && level != LiveControls::notSounded &&
           !controls_.channelLevel[row].compare_exchange_weak(level, loudestLevel, relaxed)) {
    }
    if (level == LiveControls::notSounded || level < 2) return;
    if (level > loudestLevel) level = loudestLevel;
    meter.shownLevel = level;
    meter.decay = 0;
    face::SheetRect bar = face::levelStripSource;
    bar.width = level / 2;
    canvas.drawImage(buttonSheet_, bar, face::levelBarOrigin(row), RasterOp::copy);
}

void FacePainter::drawLamp(Canvas& canvas, int row, uint32_t lampColour) {
    Meter& meter = meters_[row];
    const int pitchClass = controls_.channelPitchClass[row].load(relaxed);
    if (pitchClass >= face::pitchClassCount || pitchClass == meter.litPitchClass) return;
    if (meter.litPitchClass < face::pitchClassCount)
        canvas.fillRect(face::noteLamp(row, meter.litPitchClass), black);
    meter.litPitchClass = pitchClass;
    canvas.fillRect(face::noteLamp(row, pitchClass), lampColour);
}
