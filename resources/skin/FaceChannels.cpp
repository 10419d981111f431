// The channel rack of the face: the heading strip and one strip per MIDI channel holding its number, the
// tone column with the level meter, the five cells, the twelve note lamps and the three toggles.
#include <string>

#include "resources/skin/ButtonArt.h"
#include "resources/skin/FaceArt.h"
#include "resources/skin/Palette.h"
#include "resources/skin/SkinPanels.h"

namespace {
using face::Rect;

constexpr int numberColumnCentre = 204;
constexpr int toneColumnCentre = (face::levelBarLeft + face::levelBarLeft + face::levelBarMaxWidth) / 2;
constexpr bool isSharp[face::pitchClassCount] = {false, true,  false, true,  false, false,
                                                 true,  false, true,  false, true,  false};

int cellCentre(int c) {
    return face::cellGlyphAt(0, c).x + face::cellGlyphWidth / 2;
}
int lampCentre(int k) {
    return (face::noteLamp(0, k).left + face::noteLamp(0, k).right) / 2;
}
int toggleCentre(int t) {
    return (face::toggleRect(0, t).left + face::toggleRect(0, t).right) / 2;
}

void drawHeadings(Picture& face, TextRenderer& text) {
    const skin::Panel& strip = skin::headingStrip;
    drawPanel(face, strip.rect, strip.cornerRadius, palette::panelHeader);
    const int japaneseBaseline = strip.rect.top + 13, latinBaseline = strip.rect.top + 23;
    auto heading = [&](int centre, const face::Caption& caption) {
        text.draw(face, caption.name, centre, japaneseBaseline, 11, palette::labelJapanese, Align::centre);
        text.draw(face, caption.latinName, centre, latinBaseline, 8, palette::labelLatin, Align::centre);
    };
    heading(numberColumnCentre, face::channelCaption);
    heading(toneColumnCentre, face::toneCaption);
    for (int c = 0; c < face::cellCount; ++c) heading(cellCentre(c), face::cellCaptions[c]);
    static constexpr const char* noteNames[face::pitchClassCount] = {"C",  "C#", "D",  "D#", "E",  "F",
                                                                     "F#", "G",  "G#", "A",  "A#", "B"};
    text.draw(face, "発音中の音名", (lampCentre(0) + lampCentre(11)) / 2, japaneseBaseline, 11,
              palette::labelJapanese, Align::centre);
    for (int k = 0; k < face::pitchClassCount; ++k)
        text.draw(face, noteNames[k], lampCentre(k), latinBaseline, 8,
                  isSharp[k] ? shade(palette::labelLatin, -0.25) : palette::labelLatin, Align::centre);
    for (int t = 0; t < face::toggleCount; ++t) heading(toggleCentre(t), face::toggleCaptions[t]);
}

void drawLevelWell(Picture& face, int ch) {
    const Rect well = face::levelBarErase(ch);
    face.fill(well, black);
    face.bevel({well.left - 1, well.top - 1, well.right + 1, well.bottom + 1}, palette::wellEdgeDark,
               palette::wellEdgeLight);
    // A scale under the meter, one tick every ten pixels (twenty steps of velocity).
    for (int x = well.left; x <= well.right; x += 10) face.set(x, well.bottom + 1, palette::labelDim);
}

void drawLamp(Picture& face, int ch, int k) {
    const Rect lamp = face::noteLamp(ch, k);
    face.frame({lamp.left - 1, lamp.top - 1, lamp.right + 1, lamp.bottom + 1},
               isSharp[k] ? palette::lampFrameSharp : palette::lampFrame);
    face.fill(lamp, black);
}

void drawStrip(Picture& face, const Picture& sheet, TextRenderer& text, int ch) {
    const skin::Panel strip = skin::channelStrip(ch);
    drawPanel(face, strip.rect, strip.cornerRadius, ch % 2 ? palette::panelRowAlt : palette::panel);
    for (int x : skin::columnDividers)
        face.fill({x, strip.rect.top + 4, x + 1, strip.rect.bottom - 4}, palette::divider);

    // Channel 10 carries the drums in General MIDI; its number stands out.
    const Rgb numberColour = ch == 9 ? Rgb{255, 196, 90} : palette::labelJapanese;
    text.draw(face, std::to_string(ch + 1), numberColumnCentre, strip.rect.top + 18, 13, numberColour,
              Align::centre);
    drawLevelWell(face, ch);
    for (int c = 0; c < face::cellCount; ++c) drawEmptyCell(face, face::cellGlyphAt(ch, c));
    for (int k = 0; k < face::pitchClassCount; ++k) drawLamp(face, ch, k);
    for (int t = 0; t < face::toggleCount; ++t) {
        const Rect r = face::toggleRect(ch, t);
        face.pasteMasked(sheet, face::toggleOffSource(t), face::toggleMaskSource, {r.left, r.top});
    }
}
}  // namespace

void drawChannelRack(Picture& face, const Picture& sheet, TextRenderer& text) {
    drawHeadings(face, text);
    for (int ch = 0; ch < face::channelCount; ++ch) drawStrip(face, sheet, text, ch);
}
