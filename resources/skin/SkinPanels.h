#pragma once
// The panels of the default skin: the fixed parts of the face that stay on top of any new background.
// Everything the program draws on the face lies inside one of them; between and around them the mask is
// pure red, so a new background shows there.

#include "app/FaceLayout.h"

namespace skin {

struct Panel {
    face::Rect rect;
    double cornerRadius;
};

constexpr Panel titlePanel{{4, 4, 182, 120}, 8};
constexpr Panel fieldsPanel{{4, 126, 182, 318}, 8};
constexpr Panel timePanel{{4, 326, 182, 406}, 8};
constexpr Panel transportPanel{{4, 414, 182, 536}, 8};
constexpr Panel leftPanels[] = {titlePanel, fieldsPanel, timePanel, transportPanel};

// The channel area is a rack of strips, one per row under a heading strip, with the background showing
// in the slits between them. Inside a strip, dividers separate the tone, cell, lamp and toggle columns.
constexpr int stripLeft = 188;
constexpr int stripRight = 768;
constexpr Panel headingStrip{{stripLeft, 3, stripRight, 29}, 6};
constexpr Panel channelStrip(int ch) {
    return {{stripLeft, 31 + face::rowPitch * ch, stripRight, 57 + face::rowPitch * ch}, 6};
}
constexpr int columnDividers[] = {290, 461, 655};

// Read-out fields: black wells, a little larger than the text the program writes at each origin.
constexpr face::Rect tempoWell{101, 155, 145, 180};
constexpr face::Rect volumeWell{101, 219, 145, 244};
constexpr face::Rect transposeWell{101, 283, 145, 308};
constexpr face::Rect timeWell{58, 367, 126, 391};
constexpr face::Rect readoutWells[] = {timeWell, tempoWell, transposeWell, volumeWell};

// Where the stop button is drawn: the same frame around its hot rectangle as the play sprite has.
constexpr face::Point stopPicture{3, 444};

}  // namespace skin
