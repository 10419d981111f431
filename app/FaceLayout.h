#pragma once
// Geometry of the window face: where every button, read-out, channel element and sprite lies. Painting,
// mouse handling and the skin artwork all take their coordinates from here, so the picture and the hit
// tests can never drift apart.
//
// Face coordinates are client pixels, x to the right and y downwards from the top-left corner.
// Rectangles are left, top, right, bottom with right and bottom exclusive.

#include <array>
#include <optional>

#include "images/SkinSizes.h"
#include "playback/MidiVocabulary.h"

namespace face {

struct Point {
    int x;
    int y;
};

struct Rect {
    int left;
    int top;
    int right;   // exclusive
    int bottom;  // exclusive

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

// A vertical band of the face: a click anywhere in it (at any height) goes to one kind of channel element.
struct Band {
    int left;
    int right;  // exclusive

    constexpr bool contains(int x) const { return left <= x && x < right; }
};

// A picture on the sprite sheet, with y counted downwards from the sheet's top row as seen.
struct SheetRect {
    int x;
    int y;
    int width;
    int height;

    // The sheet is stored bottom row first, and drawing calls address stored rows.
    constexpr int storedY(int sheetHeight) const { return sheetHeight - y - height; }
};

using ::faceHeight;
using ::faceWidth;
constexpr int sheetWidth = buttonSheetWidth;
constexpr int sheetHeight = buttonSheetHeight;

// ---- Sprites 0..15: copied opaquely from the sheet to a fixed place on the face --------------------------

enum Sprite : int {
    playNormal = 0,
    playLit = 1,
    tempoDownPressed = 2,
    tempoDownReleased = 3,
    tempoUpPressed = 4,
    tempoUpReleased = 5,
    transposeDownPressed = 6,
    transposeDownReleased = 7,
    transposeUpPressed = 8,
    transposeUpReleased = 9,
    volumeDownPressed = 10,
    volumeDownReleased = 11,
    volumeUpPressed = 12,
    volumeUpReleased = 13,
    fastForwardLit = 14,
    fastForwardNormal = 15,
};
constexpr int spriteCount = 16;

struct SpritePlacement {
    SheetRect source;
    Point destination;
};

constexpr SheetRect playNormalSource{0, 165, 58, 48};
constexpr SheetRect playLitSource{0, 117, 58, 48};
constexpr SheetRect fastForwardLitSource{58, 117, 58, 48};
constexpr SheetRect fastForwardNormalSource{58, 165, 58, 48};
constexpr SheetRect downPressedSource{0, 94, 24, 23};
constexpr SheetRect upPressedSource{24, 94, 24, 23};
constexpr SheetRect downReleasedSource{48, 94, 24, 23};
constexpr SheetRect upReleasedSource{72, 94, 24, 23};

// ---- Transport buttons ------------------------------------------------------------------------------------

constexpr Rect stopHot{9, 449, 53, 485};  // drawn in the face image only
constexpr Rect playHot{67, 449, 111, 485};
constexpr Rect fastForwardHot{125, 449, 169, 485};
// The captions the skin draws under the transport buttons, and what a screen reader calls them in the page.
struct Caption {
    const char* name;
    const char* latinName;
};
constexpr Caption stopCaption{"停止", "STOP"};
constexpr Caption playCaption{"再生", "PLAY"};
constexpr Caption fastForwardCaption{"早送り", "FAST"};
constexpr Point playPicture{61, 444};
constexpr Point fastForwardPicture{119, 444};
constexpr int transportPictureWidth = 58;

// ---- Number fields: a read-out between a down button (left) and an up button (right) -------------------

constexpr int arrowPictureHeight = 23;

struct ArrowButton {
    Rect hot;
    Point picture;
    Sprite pressed;
    Sprite released;
};

// A field's names are the labels the skin draws beside it, and what a screen reader calls it in the page.
struct NumberField {
    Point text;  // origin of the read-out text: its 16-pixel line sits in the middle of the skin's well
    ArrowButton down;
    ArrowButton up;
    const char* name;
    const char* latinName;
};

constexpr NumberField tempoField{{104, 160},
                                 {{78, 159, 96, 174}, {76, 156}, tempoDownPressed, tempoDownReleased},
                                 {{148, 159, 166, 174}, {146, 156}, tempoUpPressed, tempoUpReleased},
                                 "テンポ",
                                 "TEMPO"};
constexpr NumberField volumeField{{104, 224},
                                  {{78, 223, 96, 238}, {76, 220}, volumeDownPressed, volumeDownReleased},
                                  {{148, 223, 166, 238}, {146, 220}, volumeUpPressed, volumeUpReleased},
                                  "音量",
                                  "VOLUME"};
constexpr NumberField transposeField{
    {104, 288},
    {{78, 287, 96, 302}, {76, 284}, transposeDownPressed, transposeDownReleased},
    {{148, 287, 166, 302}, {146, 284}, transposeUpPressed, transposeUpReleased},
    "移調",
    "KEY"};

// The elapsed-time read-out has no buttons; a click on its text ("mm:ss", a 16-pixel line) asks for a moment
// to jump to.
constexpr Point timeText{64, 371};
constexpr const char* timeName = "演奏時間";
constexpr const char* timeLatinName = "TIME";
constexpr Rect timeReadoutHot{timeText.x, timeText.y, timeText.x + 48, timeText.y + 16};

// A std::array: a sprite number past the end stops a checked build rather than reading a neighbour.
constexpr std::array<SpritePlacement, spriteCount> spritePlacements{{
    {playNormalSource, playPicture},
    {playLitSource, playPicture},
    {downPressedSource, tempoField.down.picture},
    {downReleasedSource, tempoField.down.picture},
    {upPressedSource, tempoField.up.picture},
    {upReleasedSource, tempoField.up.picture},
    {downPressedSource, transposeField.down.picture},
    {downReleasedSource, transposeField.down.picture},
    {upPressedSource, transposeField.up.picture},
    {upReleasedSource, transposeField.up.picture},
    {downPressedSource, volumeField.down.picture},
    {downReleasedSource, volumeField.down.picture},
    {upPressedSource, volumeField.up.picture},
    {upReleasedSource, volumeField.up.picture},
    {fastForwardLitSource, fastForwardPicture},
    {fastForwardNormalSource, fastForwardPicture},
}};

// ---- Channel rows: ch = 0..15 for MIDI channels 1..16, one row every 32 pixels ----------------------------

constexpr int channelCount = midi::channelCount;
constexpr int rowPitch = 32;
// The rack's column headings the skin draws; with a row's number, what a screen reader calls a control there.
constexpr Caption channelCaption{"ch", "MIDI"};
constexpr Caption toneCaption{"音色", "TONE / LEVEL"};

// Level bar: the left part of the strip, up to 60 pixels, over an erased (black) area one pixel larger
// above and below. The same band is the tone column: a click there opens the channel's tone dialog.
constexpr int levelBarLeft = 221;
constexpr int levelBarMaxWidth = 60;
constexpr Band toneBand{221, 282};
constexpr SheetRect levelStripSource{0, 78, 60, 16};
constexpr Point levelBarOrigin(int ch) {
    return {levelBarLeft, 36 + rowPitch * ch};
}
constexpr Rect levelBarErase(int ch) {
    return {221, 35 + rowPitch * ch, 281, 52 + rowPitch * ch};
}

// The channel row of the tone column under a point: the erased area of each row's level bar.
constexpr std::optional<int> toneRowAt(int x, int y) {
    for (int ch = 0; ch < channelCount; ++ch)
        if (levelBarErase(ch).contains(x, y)) return ch;
    return std::nullopt;
}

// Cells: c = 0 volume, 1 reverb, 2 chorus, 3 modulation, 4 auto-pan; each shows a value 0..12 as a glyph.
constexpr int cellCount = 5;
constexpr int cellPitch = 35;
constexpr int cellGlyphWidth = 16;
constexpr int cellGlyphHeight = 15;
constexpr int cellMaxValue = 12;
constexpr Band cellBand{297, 452};
constexpr Caption cellCaptions[cellCount] = {
    {"音量", "VOL"}, {"残響", "REV"}, {"合唱", "CHO"}, {"変調", "MOD"}, {"パン", "PAN"}};
constexpr Point cellGlyphAt(int ch, int c) {
    return {297 + cellPitch * c, 36 + rowPitch * ch};
}
constexpr Rect cellGlyphRect(int ch, int c) {
    return {cellGlyphAt(ch, c).x, cellGlyphAt(ch, c).y, cellGlyphAt(ch, c).x + cellGlyphWidth,
            cellGlyphAt(ch, c).y + cellGlyphHeight};
}
constexpr Rect cellHot(int ch, int c) {
    return {297 + cellPitch * c, 36 + rowPitch * ch, 311 + cellPitch * c, 50 + rowPitch * ch};
}
constexpr SheetRect cellGlyphMaskSource{96, 0, 16, 15};
constexpr SheetRect cellGlyphSource(int value) {
    return value < 6 ? SheetRect{16 * value, 0, 16, 15} : SheetRect{16 * (value - 6), 15, 16, 15};
}

// Note lamps: k = 0..11 for pitch classes C..B; filled rectangles, black when off.
constexpr int pitchClassCount = 12;
constexpr int lampPitch = 15;
constexpr Rect noteLamp(int ch, int k) {
    return {470 + lampPitch * k, 38 + rowPitch * ch, 480 + lampPitch * k, 50 + rowPitch * ch};
}

// Toggles: t = 0 solo, 1 mute, 2 octave doubling; the picture area is also the hot rectangle.
constexpr int toggleCount = 3;
constexpr int togglePitch = 35;
constexpr int toggleWidth = 26;
constexpr int toggleHeight = 24;
constexpr Band toggleBand{665, 762};
constexpr Caption toggleCaptions[toggleCount] = {{"ソロ", "SOLO"}, {"消音", "MUTE"}, {"オク下", "OCT"}};
constexpr Rect toggleRect(int ch, int t) {
    return {665 + togglePitch * t, 32 + rowPitch * ch, 691 + togglePitch * t, 56 + rowPitch * ch};
}
constexpr SheetRect toggleMaskSource{78, 54, 26, 24};
constexpr SheetRect toggleOffSource(int t) {
    return {26 * t, 30, 26, 24};
}
constexpr SheetRect toggleOnSource(int t) {
    return {26 * t, 54, 26, 24};
}

// ---- Hit tests of the channel elements --------------------------------------------------------------------

struct ChannelElement {
    int channel;
    int column;  // cell column 0..4 or toggle column 0..2
};

// The first cell, rows first, whose hot rectangle holds the point.
constexpr std::optional<ChannelElement> cellAt(int x, int y) {
    for (int ch = 0; ch < channelCount; ++ch)
        for (int c = 0; c < cellCount; ++c)
            if (cellHot(ch, c).contains(x, y)) return ChannelElement{ch, c};
    return std::nullopt;
}

// The first toggle, rows first, whose rectangle holds the point.
constexpr std::optional<ChannelElement> toggleAt(int x, int y) {
    for (int ch = 0; ch < channelCount; ++ch)
        for (int t = 0; t < toggleCount; ++t)
            if (toggleRect(ch, t).contains(x, y)) return ChannelElement{ch, t};
    return std::nullopt;
}

}  // namespace face
