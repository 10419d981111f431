// What the page takes from the program's sources instead of typing it again (the face's size, the effect
// dialogs' and the mouse's codes, the pitch dialog's buttons and its bars' range, the first visit's line),
// and the face's read-outs as text a screen reader can read.
#include <emscripten.h>

#include <string>
#include <vector>

#include "app/FaceLayout.h"
#include "app/Messages.h"
#include "effects/EffectDialogSession.h"
#include "resources/DialogIds.h"
#include "web/engine/Engine.h"

namespace {

std::string quoted(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') json += '\\';
        json += c;
    }
    return json + "\"";
}

std::string member(const char* name, const std::string& json) {
    return quoted(name) + ":" + json;
}
std::string member(const char* name, int value) {
    return member(name, std::to_string(value));
}

// A JSON object or array of members or values already written as JSON.
std::string joined(char open, const std::vector<std::string>& parts, char close) {
    std::string json(1, open);
    for (const std::string& part : parts) json += (json.size() > 1 ? "," : "") + part;
    return json + close;
}

// The read-out drawn at a point of the face, or nothing before the face was first painted.
std::string readoutAt(face::Point origin) {
    const auto& readouts = engine->face.readouts;
    const auto found = readouts.find({origin.x, origin.y});
    return found == readouts.end() ? std::string() : found->second;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* velmira_facts() {
    if (!engine) engine = new Engine;
    using Dialog = EffectDialogSession::OpenDialog;
    std::vector<std::string> pitchButtons;
    for (int button = 0; button < PitchDrawing::buttonCount; ++button)
        pitchButtons.push_back(std::to_string(IDC_PITCH_RESET + button));
    const std::string dialogs = joined(
        '{', {member("keySignature", int(Dialog::keySignature)), member("pitchMap", int(Dialog::pitchMap))},
        '}');
    const std::string mouse =
        joined('{',
               {member("leftDown", int(MouseKind::leftDown)), member("leftUp", int(MouseKind::leftUp)),
                member("move", int(MouseKind::move)), member("rightDown", int(MouseKind::rightDown)),
                member("captionDoubleClick", int(MouseKind::captionDoubleClick)),
                member("captionRight", int(MouseKind::captionRight))},
               '}');
    const std::string pitchRange =
        joined('{', {member("min", PitchDrawing::minimum), member("max", PitchDrawing::maximum)}, '}');
    return handOver(joined(
        '{',
        {member("faceWidth", face::faceWidth), member("faceHeight", face::faceHeight),
         member("dialogs", dialogs), member("mouse", mouse),
         member("pitchButtons", joined('[', pitchButtons, ']')), member("pitchRows", PitchDrawing::rowCount),
         member("pitchRange", pitchRange), member("dropHint", quoted(dropHintText))},
        '}'));
}

// The face's buttons a keyboard reaches in the page, each with its name and the point a press clicks (a
// cell is lowered as the right button lowers it).
EMSCRIPTEN_KEEPALIVE const char* velmira_face_controls() {
    std::vector<std::string> controls;
    const auto add = [&](const std::string& name, const face::Rect& hot) {
        controls.push_back(joined('{',
                                  {member("name", quoted(name)), member("x", (hot.left + hot.right) / 2),
                                   member("y", (hot.top + hot.bottom) / 2)},
                                  '}'));
    };
    add(face::stopCaption.name, face::stopHot);
    add(face::playCaption.name, face::playHot);
    add(face::fastForwardCaption.name, face::fastForwardHot);
    // The arrows as the face draws them: down on the left, up on the right.
    for (const face::NumberField* field : {&face::tempoField, &face::volumeField, &face::transposeField}) {
        add(std::string(field->name) + " ◀", field->down.hot);
        add(std::string(field->name) + " ▶", field->up.hot);
    }
    add(face::timeName, face::timeReadoutHot);
    // Each channel row's controls, named by the row's number and the heading of their column: "ch 3 消音".
    for (int ch = 0; ch < face::channelCount; ++ch) {
        const std::string row = std::string(face::channelCaption.name) + " " + std::to_string(ch + 1) + " ";
        add(row + face::toneCaption.name, face::levelBarErase(ch));
        for (int c = 0; c < face::cellCount; ++c) add(row + face::cellCaptions[c].name, face::cellHot(ch, c));
        for (int t = 0; t < face::toggleCount; ++t)
            add(row + face::toggleCaptions[t].name, face::toggleRect(ch, t));
    }
    return handOver(joined('[', controls, ']'));
}

// Each read-out with the name the face shows beside it, one a line: "演奏時間 00:12".
EMSCRIPTEN_KEEPALIVE const char* velmira_readout_text() {
    std::string lines = std::string(face::timeName) + " " + readoutAt(face::timeText) + "\n";
    for (const face::NumberField* field : {&face::tempoField, &face::volumeField, &face::transposeField})
        lines += std::string(field->name) + " " + readoutAt(field->text) + "\n";
    return handOver(lines);
}
}
