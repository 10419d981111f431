// The left column of the face: title, the three number fields, the time read-out and the transport row.
#include <utility>

#include "resources/skin/ButtonArt.h"
#include "resources/skin/FaceArt.h"
#include "resources/skin/Palette.h"
#include "resources/skin/SkinPanels.h"

namespace {
using face::Rect;

// A sunken black well for text the program writes white on black.
void drawWell(Picture& face, const Rect& r) {
    face.fill(r, black);
    face.bevel({r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, palette::wellEdgeDark,
               palette::wellEdgeLight);
}

// One octave of piano keys as the title's emblem.
void drawKeyboard(Picture& face, int left, int top) {
    constexpr int keyWidth = 14, height = 24;
    for (int k = 0; k < 7; ++k) {
        const Rect key{left + k * keyWidth, top, left + (k + 1) * keyWidth - 1, top + height};
        face.verticalGradient(key, {236, 240, 246}, {190, 198, 212});
    }
    constexpr int blackAfter[] = {0, 1, 3, 4, 5};
    for (int k : blackAfter) {
        const int x = left + (k + 1) * keyWidth - 5;
        face.verticalGradient({x, top, x + 9, top + 15}, {40, 44, 54}, {14, 16, 20});
    }
}

void drawTitle(Picture& face, TextRenderer& text) {
    const Rect& r = skin::titlePanel.rect;
    const int centre = (r.left + r.right) / 2;
    text.draw(face, "Velmira", centre + 1, 47, 34, {8, 10, 16}, Align::centre);
    text.draw(face, "Velmira", centre, 46, 34, palette::accent, Align::centre);
    text.draw(face, "MIDI プレーヤー", centre, 70, 12, palette::labelJapanese, Align::centre);
    drawKeyboard(face, centre - 49, 84);
}

void drawNumberField(Picture& face, const Picture& sheet, TextRenderer& text, const face::NumberField& field,
                     const Rect& well) {
    drawWell(face, well);
    face.paste(sheet, face::downReleasedSource, field.down.picture);
    face.paste(sheet, face::upReleasedSource, field.up.picture);
    const int top = field.down.picture.y;
    text.draw(face, field.name, 40, top + 12, 13, palette::labelJapanese, Align::centre);
    text.draw(face, field.latinName, 40, top + 23, 9, palette::labelLatin, Align::centre);
}

void drawFields(Picture& face, const Picture& sheet, TextRenderer& text) {
    const Rect& r = skin::fieldsPanel.rect;
    text.draw(face, "演奏の設定", (r.left + r.right) / 2, r.top + 19, 12, palette::labelDim, Align::centre);
    face.fill({r.left + 12, r.top + 24, r.right - 12, r.top + 25}, palette::divider);
    // Hairlines halfway between the fields keep each label with its buttons.
    for (int y :
         {(face::tempoField.down.picture.y + face::volumeField.down.picture.y + face::arrowPictureHeight) / 2,
          (face::volumeField.down.picture.y + face::transposeField.down.picture.y +
           face::arrowPictureHeight) /
              2})
        face.fill({r.left + 12, y, r.right - 12, y + 1}, shade(palette::divider, -0.2));
    drawNumberField(face, sheet, text, face::tempoField, skin::tempoWell);
    drawNumberField(face, sheet, text, face::volumeField, skin::volumeWell);
    drawNumberField(face, sheet, text, face::transposeField, skin::transposeWell);
}

void drawTime(Picture& face, TextRenderer& text) {
    const Rect& r = skin::timePanel.rect;
    text.draw(face, face::timeName, r.left + 12, r.top + 26, 13, palette::labelJapanese);
    text.draw(face, face::timeLatinName, r.right - 12, r.top + 26, 9, palette::labelLatin, Align::right);
    drawWell(face, skin::timeWell);
}

void drawTransport(Picture& face, const Picture& sheet, TextRenderer& text) {
    drawTransportButton(face, skin::stopPicture, TransportIcon::stop, false);
    face.paste(sheet, face::playNormalSource, face::playPicture);
    face.paste(sheet, face::fastForwardNormalSource, face::fastForwardPicture);
    const std::pair<face::Point, face::Caption> captions[] = {
        {skin::stopPicture, face::stopCaption},
        {face::playPicture, face::playCaption},
        {face::fastForwardPicture, face::fastForwardCaption}};
    for (const auto& [picture, caption] : captions) {
        const int centre = picture.x + face::transportPictureWidth / 2;
        text.draw(face, caption.name, centre, 508, 12, palette::labelJapanese, Align::centre);
        text.draw(face, caption.latinName, centre, 522, 9, palette::labelLatin, Align::centre);
    }
    const Rect& r = skin::transportPanel.rect;
    text.draw(face, "TRANSPORT", (r.left + r.right) / 2, r.top + 19, 9, palette::labelDim, Align::centre);
}
}  // namespace

void drawLeftColumn(Picture& face, const Picture& sheet, TextRenderer& text) {
    for (const skin::Panel& p : skin::leftPanels) drawPanel(face, p.rect, p.cornerRadius, palette::panel);
    drawTitle(face, text);
    drawFields(face, sheet, text);
    drawTime(face, text);
    drawTransport(face, sheet, text);
}
