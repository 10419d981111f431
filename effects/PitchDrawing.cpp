#include "effects/PitchDrawing.h"

#include <algorithm>

#include "effects/PitchRules.h"

namespace {
const char* const pitchNames[12] = {"ド",    "ド♯", "レ",  "レ♯", "ミ",  "ファ",
                                    "ファ♯", "ソ",  "ソ♯", "ラ",  "ラ♯", "シ"};

bool isBlackKey(int pitchClass) {
    return pitchClass == 1 || pitchClass == 3 || pitchClass == 6 || pitchClass == 8 || pitchClass == 10;
}
}  // namespace

PitchDrawing::PitchDrawing(const PitchMap& map) {
    // The map comes from this drawing, but a value out of reach would put a thumb off its bar, so each
    // row is brought back into the range the bars can show.
    for (int row = 0; row < rowCount; ++row) {
        const int32_t entry = map.entries[size_t(row)];
        const bool rest = entry >= PitchMap::rest;
        const int32_t pitch = rest ? entry - PitchMap::rest - restOffset : entry + row - 5;
        values_[size_t(row)] =
            std::clamp(pitch, int32_t(minimum), int32_t(maximum)) + (rest ? restOffset : 0);
    }
}

PitchMap PitchDrawing::toPitchMap() const {
    PitchMap map;
    for (int row = 0; row < rowCount; ++row)
        map.entries[size_t(row)] = isRest(row) ? value(row) + PitchMap::rest : value(row) - row + 5;
    return map;
}

std::string PitchDrawing::pitchName(int note) {
    return pitchNames[pitchClassOf(note + 5)];
}

std::string PitchDrawing::label(int row) const {
    return isRest(row) ? restName : pitchName(value(row));
}

LabelColour PitchDrawing::colour(int row) const {
    const int above = pitch(row) + 5;
    if (above < 0) return LabelColour::octaveBelow;
    return above < 12 ? LabelColour::sameOctave : LabelColour::octaveAbove;
}

void PitchDrawing::setPitch(int row, int pitch) {
    values_[size_t(row)] = pitch + (isRest(row) ? restOffset : 0);
}

PitchDrawing::Scrolled PitchDrawing::scroll(int row, ScrollCode code, int barPosition, int dragged) {
    Scrolled result;
    if (row < 0 || row >= rowCount) return result;
    selectedRow_ = row;
    if (!rowChosen_) {
        rowChosen_ = true;
        previousRow_ = row;
    }
    if ((code == ScrollCode::lineLeft && barPosition <= minimum) ||
        (code == ScrollCode::lineRight && barPosition >= maximum))
        return result;
    int position = barPosition;
    if (code == ScrollCode::lineRight) ++position;
    if (code == ScrollCode::lineLeft) --position;
    if (code == ScrollCode::thumbTrack && dragged >= minimum && dragged <= maximum) position = dragged;
    position = std::clamp(position, minimum, maximum);
    values_[size_t(row)] = position;  // a rest row sounds again
    result.handled = true;
    result.position = position;
    if (previousRow_ != row) {
        result.uncolouredRow = previousRow_;
        previousRow_ = row;
    }
    return result;
}

PitchDrawing::Change PitchDrawing::colourSelected(uint16_t rows, bool colourRests) const {
    Change change;
    change.rows = rows;
    if (rowChosen_ && selectedRow_ < rowCount && (rows & (1u << selectedRow_)) &&
        (colourRests || !isRest(selectedRow_)))
        change.colouredRow = selectedRow_;
    return change;
}

template <typename Step>
PitchDrawing::Change PitchDrawing::movePitches(Step step, bool colourRests) {
    uint16_t changed = 0;
    for (int row = 0; row < rowCount; ++row) {
        const int moved = step(pitch(row));
        if (moved == pitch(row)) continue;
        setPitch(row, moved);
        changed |= uint16_t(1u << row);
    }
    return colourSelected(changed, colourRests);
}

PitchDrawing::Change PitchDrawing::moveWholeRows(const std::array<int32_t, rowCount>& moved) {
    values_ = moved;
    return colourSelected(allRows);
}

PitchDrawing::Change PitchDrawing::reset() {
    for (int row = 0; row < rowCount; ++row) values_[size_t(row)] = row - 5;
    selectedRow_ = noRow;
    previousRow_ = noRow;
    rowChosen_ = false;
    return Change{allRows, -1};
}

PitchDrawing::Change PitchDrawing::removeSemitones() {
    // A rest keeps resting with its kept note moved, but is not coloured.
    return movePitches([](int pitch) { return isBlackKey(pitchClassOf(pitch + 5)) ? pitch - 1 : pitch; },
                       false);
}

PitchDrawing::Change PitchDrawing::toggleRest() {
    if (!rowChosen_ || selectedRow_ >= rowCount) return Change{};
    int32_t& value = values_[size_t(selectedRow_)];
    value += isRest(selectedRow_) ? -restOffset : restOffset;
    return colourSelected(uint16_t(1u << selectedRow_));
}

PitchDrawing::Change PitchDrawing::shiftRight() {
    return movePitches([](int pitch) { return pitch < maximum ? pitch + 1 : pitch; }, true);
}

PitchDrawing::Change PitchDrawing::shiftLeft() {
    return movePitches([](int pitch) { return pitch > minimum ? pitch - 1 : pitch; }, true);
}

PitchDrawing::Change PitchDrawing::mirror() {
    // Every row is shown again, even F, which the mirror leaves where it is.
    movePitches([](int pitch) { return -pitch; }, true);
    return colourSelected(allRows);
}

PitchDrawing::Change PitchDrawing::rotateUp() {
    std::array<int32_t, rowCount> moved = values_;
    std::rotate(moved.begin(), moved.begin() + 1, moved.end());
    return moveWholeRows(moved);
}

PitchDrawing::Change PitchDrawing::rotateDown() {
    std::array<int32_t, rowCount> moved = values_;
    std::rotate(moved.rbegin(), moved.rbegin() + 1, moved.rend());
    return moveWholeRows(moved);
}

PitchDrawing::Change PitchDrawing::reverse() {
    std::array<int32_t, rowCount> moved = values_;
    std::reverse(moved.begin(), moved.end());
    return moveWholeRows(moved);
}

PitchDrawing::Change PitchDrawing::press(Button button) {
    using Action = Change (PitchDrawing::*)();
    static constexpr Action actions[buttonCount] = {
        &PitchDrawing::reset,      &PitchDrawing::removeSemitones, &PitchDrawing::toggleRest,
        &PitchDrawing::shiftRight, &PitchDrawing::shiftLeft,       &PitchDrawing::mirror,
        &PitchDrawing::rotateUp,   &PitchDrawing::rotateDown,      &PitchDrawing::reverse};
    const int index = int(button);
    return index >= 0 && index < buttonCount ? (this->*actions[index])() : Change{};
}
