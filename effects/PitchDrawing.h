#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "effects/EffectSettings.h"
#include "effects/ScrollCode.h"

// The colour that marks the label of the row last worked on: which octave its new note lies in, seen from
// the C of the played key's octave.
enum class LabelColour { octaveBelow, sameOctave, octaveAbove };

// The drawing of the custom pitch dialog: for each source pitch class (row 0 = C ... 11 = B) the note it is
// to sound as, or a rest. A row value of -12..12 names the note v + 5 semitones above the C of the played
// key's octave (so v = row - 5 leaves the row as it is); 13..37 is a rest that keeps the note v - 25 it had,
// so that it can come back.
class PitchDrawing {
  public:
    static constexpr int rowCount = 12;
    static constexpr int noRow = 13;
    static constexpr int minimum = -12;
    static constexpr int maximum = 12;
    static constexpr const char* restName = "休符";

    // Which rows a change touched (bit r for row r) and the row whose label is to be coloured afterwards.
    struct Change {
        uint16_t rows = 0;
        int colouredRow = -1;
    };
    // What a scroll event did: whether it moved the bar at all, the bar's new position, and the row whose
    // label lost its colour to the selected one.
    struct Scrolled {
        bool handled = false;
        int position = 0;
        int uncolouredRow = -1;
    };

    explicit PitchDrawing(const PitchMap& map);
    PitchMap toPitchMap() const;

    int value(int row) const { return values_[size_t(row)]; }
    bool isRest(int row) const { return value(row) > maximum; }
    // The row's note, whether it sounds or rests.
    int pitch(int row) const { return isRest(row) ? value(row) - restOffset : value(row); }
    std::string label(int row) const;
    LabelColour colour(int row) const;
    static std::string pitchName(int note);  // any note, by its pitch class

    int selectedRow() const { return selectedRow_; }
    bool rowChosen() const { return rowChosen_; }

    Scrolled scroll(int row, ScrollCode code, int barPosition, int dragged);

    // The dialog's nine buttons in the order of their control ids, which the Windows dialog and the page
    // both count from the first ("初期化").
    enum class Button { reset, removeSemitones, rest, right, left, mirror, up, down, reverse };
    static constexpr int buttonCount = 9;
    Change press(Button button);

    Change reset();            // "初期化"
    Change removeSemitones();  // "半音消去"
    Change toggleRest();       // "休符"
    Change shiftRight();       // "右移動"
    Change shiftLeft();        // "左移動"
    Change mirror();           // "左右反転"
    Change rotateUp();         // "上移動"
    Change rotateDown();       // "下移動"
    Change reverse();          // "上下反転"

  private:
    static constexpr int restOffset = 25;
    static constexpr uint16_t allRows = (1u << rowCount) - 1;

    void setPitch(int row, int pitch);
    // Rows whose pitch `step` changes; the selected one is coloured when a row has been chosen.
    template <typename Step>
    Change movePitches(Step step, bool colourRests);
    Change moveWholeRows(const std::array<int32_t, rowCount>& moved);
    Change colourSelected(uint16_t rows, bool colourRests = true) const;

    std::array<int32_t, rowCount> values_{};
    int selectedRow_ = noRow;
    int previousRow_ = noRow;
    bool rowChosen_ = false;
};
