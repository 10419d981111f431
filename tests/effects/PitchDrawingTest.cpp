#include <gtest/gtest.h>

#include "effects/PitchDrawing.h"

namespace {
enum Row { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

const std::vector<int> identity = {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6};

std::vector<int> values(const PitchDrawing& drawing) {
    std::vector<int> result;
    for (int row = 0; row < PitchDrawing::rowCount; ++row) result.push_back(drawing.value(row));
    return result;
}

// One arrow click on the row's bar, which also makes it the selected row.
PitchDrawing::Scrolled click(PitchDrawing& drawing, int row, ScrollCode arrow) {
    return drawing.scroll(row, arrow, drawing.pitch(row), 0);
}

// The drawing with the row made a rest: the row selected, one step up and back, then "休符". The buttons are
// pressed as the dialogs press them, by their number.
PitchDrawing withRestOn(int row) {
    PitchDrawing drawing{PitchMap{}};
    click(drawing, row, ScrollCode::lineRight);
    click(drawing, row, ScrollCode::lineLeft);
    drawing.press(PitchDrawing::Button::rest);
    return drawing;
}

// Entries beyond the bars' reach come back inside it, a rest's kept note included.
TEST(PitchDrawingMap, NotesAndRestsRoundTripThroughThePitchMap) {
    PitchMap map;
    // C up to the F above (v 12), C# up to the C above (v 7), B down to the F below (v -12), E a rest kept at
    // D, A a rest kept at F.
    map.entries = {17, 11, 0, 0, 100 + 25 - 3, 0, 0, 0, 0, 100 + 25, 0, -18};
    const PitchDrawing drawing(map);
    EXPECT_EQ(values(drawing), (std::vector<int>{12, 7, -3, -2, 25 - 3, 0, 1, 2, 3, 25 + 0, 5, -12}));
    EXPECT_TRUE(drawing.isRest(E) && drawing.isRest(A) && !drawing.isRest(C));
    EXPECT_EQ(drawing.toPitchMap().entries, map.entries);
    // A label is coloured by the octave its note lies in, from the C of the played key's octave.
    EXPECT_EQ(std::vector({drawing.colour(C), drawing.colour(Cs), drawing.colour(B),
                           PitchDrawing{PitchMap{}}.colour(C)}),
              std::vector({LabelColour::octaveAbove, LabelColour::octaveAbove, LabelColour::octaveBelow,
                           LabelColour::sameOctave}));

    map.entries = {40, -40, PitchMap::rest, 0, 250, 0, 0, 0, 0, 0, 0, 0};
    const PitchDrawing clamped(map);
    EXPECT_EQ(values(clamped), (std::vector<int>{12, -12, 25 - 12, -2, 25 + 12, 0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(clamped.isRest(D) && clamped.isRest(E));
}

// A rest's kept note moves as well, without the rest being coloured as the selected row.
TEST(PitchDrawingTransformations, SemitoneRemovalMovesBlackKeysToTheWhiteKeyBelow) {
    PitchDrawing drawing = withRestOn(Fs);
    const PitchDrawing::Change change = drawing.press(PitchDrawing::Button::removeSemitones);
    EXPECT_EQ(values(drawing), (std::vector<int>{-5, -5, -3, -3, -1, 0, 25, 2, 2, 4, 4, 6}));
    EXPECT_EQ(change.rows, (1 << Cs) | (1 << Ds) | (1 << Fs) | (1 << Gs) | (1 << As));
    EXPECT_EQ(change.colouredRow, -1);
    PitchDrawing white{PitchMap{}};
    click(white, C, ScrollCode::lineRight), click(white, C, ScrollCode::lineRight);  // C sounds as D
    EXPECT_EQ(white.press(PitchDrawing::Button::removeSemitones).colouredRow, -1) << "the selected row stays";
}

// A rest shows as 25 above its kept note. Shifts and the mirror move every note, rotations and the reversal
// move absolute notes between rows; a rest stays a rest with its kept note moved, and the selected row keeps
// its colour, rest or not.
TEST(PitchDrawingTransformations, EachMovesEveryRowRestsIncluded) {
    const struct {
        const char* name;
        PitchDrawing::Button button;
        std::vector<int> values;
    } cases[] = {
        {"right", PitchDrawing::Button::right, {-4, -3, -2, -1, 25, 1, 2, 3, 4, 5, 6, 7}},
        {"left", PitchDrawing::Button::left, {-6, -5, -4, -3, 23, -1, 0, 1, 2, 3, 4, 5}},
        {"mirror", PitchDrawing::Button::mirror, {5, 4, 3, 2, 26, 0, -1, -2, -3, -4, -5, -6}},
        {"up", PitchDrawing::Button::up, {-4, -3, -2, 24, 0, 1, 2, 3, 4, 5, 6, -5}},
        {"down", PitchDrawing::Button::down, {6, -5, -4, -3, -2, 24, 0, 1, 2, 3, 4, 5}},
        {"reverse", PitchDrawing::Button::reverse, {6, 5, 4, 3, 2, 1, 0, 24, -2, -3, -4, -5}},
    };
    for (const auto& c : cases) {
        PitchDrawing drawing = withRestOn(E);
        const PitchDrawing::Change change = drawing.press(c.button);
        EXPECT_EQ(std::tuple(values(drawing), change.rows, change.colouredRow),
                  std::tuple(c.values, 0xFFFu, int(E)))
            << c.name;
    }
}

// A button number from outside (the page's) that names no button changes nothing.
TEST(PitchDrawingTransformations, NoButtonPressesNothing) {
    PitchDrawing drawing = withRestOn(E);
    for (const int number : {-1, PitchDrawing::buttonCount}) {
        EXPECT_EQ(drawing.press(PitchDrawing::Button(number)).rows, 0);
        EXPECT_FALSE(drawing.scroll(number * PitchDrawing::rowCount, ScrollCode::lineRight, 0, 0).handled);
    }
    EXPECT_EQ(values(drawing), values(withRestOn(E)));
}

// An arrow steps its row and selects it, handing back the row selected before to lose its colour; rows at
// the ends of the range stay there under arrows and shifts alike.
TEST(PitchDrawingScroll, ArrowsStepTheirRowAndStopAtTheEndsOfTheRangeAsShiftsDo) {
    PitchMap map;
    map.entries[C] = 17;   // v 12
    map.entries[B] = -18;  // v -12
    PitchDrawing drawing(map);
    EXPECT_FALSE(click(drawing, C, ScrollCode::lineRight).handled ||
                 click(drawing, B, ScrollCode::lineLeft).handled);
    drawing.shiftRight();
    EXPECT_EQ(std::pair(drawing.value(C), drawing.value(B)), std::pair(12, -11));
    const PitchDrawing::Scrolled up = click(drawing, D, ScrollCode::lineRight);
    EXPECT_EQ(std::pair(up.position, up.uncolouredRow), std::pair(-1, int(C)));
    const PitchDrawing::Scrolled down = click(drawing, D, ScrollCode::lineLeft);
    EXPECT_EQ(std::pair(down.position, down.uncolouredRow), std::pair(-2, -1));
    const PitchDrawing::Change rest = drawing.toggleRest();
    EXPECT_EQ(std::pair(int(rest.rows), rest.colouredRow), std::pair(1 << D, int(D)));
    PitchDrawing low(map);
    low.shiftLeft();
    EXPECT_EQ(std::pair(low.value(C), low.value(B)), std::pair(11, -12));
}

TEST(PitchDrawingScroll, ADragBelowZeroArrivesSignExtendedAndOutOfRangeDragsAreIgnored) {
    PitchDrawing drawing = withRestOn(E);
    const PitchDrawing::Scrolled dragged =  // to the lowest a bar goes
        drawing.scroll(E, ScrollCode::thumbTrack, drawing.pitch(E), draggedPosition(uint16_t(-12)));
    EXPECT_TRUE(dragged.handled && dragged.position == -12) << dragged.position;
    // Dragging a rest row makes it a note again.
    EXPECT_EQ(std::pair(drawing.isRest(E), drawing.value(E)), std::pair(false, -12));
    EXPECT_EQ(drawing.scroll(E, ScrollCode::thumbTrack, -12, 13).position, -12);
}

// Without a touched bar after a reset (or on the first opening) the rest button has no row to act on.
TEST(PitchDrawingRest, RestWaitsForABarToBeTouchedAgainAfterEveryReset) {
    EXPECT_EQ(PitchDrawing{PitchMap{}}.toggleRest().rows, 0);
    PitchDrawing drawing = withRestOn(C);
    EXPECT_EQ(drawing.press(PitchDrawing::Button::reset).colouredRow, -1);
    EXPECT_EQ(std::tuple(drawing.rowChosen(), values(drawing), drawing.selectedRow()),
              std::tuple(false, identity, int(PitchDrawing::noRow)));
    EXPECT_EQ(drawing.press(PitchDrawing::Button::rest).rows, 0);
    EXPECT_EQ(values(drawing), identity);
}
}  // namespace
