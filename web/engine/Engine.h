// The engine the page talks to: the program's main window without Windows (MainWindowModel) on the web
// platform, a recording device whose messages the page sends on to its synthesizer, and a face painted into
// a picture in memory that the page copies to its canvas. One of it lives for the page's life; every
// exports file of the binding works on it (the page calls from its one thread).
#pragma once

#include <optional>
#include <string>

#include "app/MainWindowModel.h"
#include "effects/KeySignatureChoice.h"
#include "effects/PitchDrawing.h"
#include "playback/RecordingMidiOut.h"
#include "web/engine/RgbaCanvas.h"
#include "web/engine/WebPlatform.h"

struct Engine {
    WebPlatform platform;
    RecordingMidiOut out;
    ShortMessageFailures failures;
    RgbaFace face;
    RgbaCanvasSource canvases{face};
    MainWindowModel model{platform.platform(), out, platform, canvases, failures};

    int seenStarts = 0;
    long periods = 0;  // timer periods since playback started
    int seenDrawings = 0;
    std::string text;  // the last string handed to the page
    std::optional<KeySignatureChoice> keyChoice;
    std::optional<PitchDrawing> pitchDrawing;

    // Messages sent while stopped (a load, a start) belong to the start of the song.
    void beforeUserAction() {
        if (!model.playing()) out.setTime(0);
    }
    void afterUserAction() { model.reportDeviceFailures(); }
};

// What velmira_mouse is told: on the face, the left button down and up, a move, the right button down; on the
// caption (the compact view's only surface), a double click and the right button.
enum class MouseKind { leftDown, leftUp, move, rightDown, captionDoubleClick, captionRight };

// Made by the page's first call.
extern Engine* engine;

// Keeps the text for the page to read until the next handover.
const char* handOver(std::string text);
