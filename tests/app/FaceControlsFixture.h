#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FaceControls.h"
#include "app/FaceLayout.h"
#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

// Keeps the drawing requests as short lines: "sprite 10", "readout 4", "cell 3 0", "toggle 5 1".
class RecordingFaceDrawing : public FaceDrawing {
  public:
    void drawReadout(Readout which) override { requests.push_back("readout " + std::to_string(which)); }
    void drawSprite(int sprite) override { requests.push_back("sprite " + std::to_string(sprite)); }
    void drawCell(int row, int column) override { requests.push_back("cell " + pair(row, column)); }
    void drawToggle(int row, int column) override { requests.push_back("toggle " + pair(row, column)); }
    static std::string pair(int a, int b) { return std::to_string(a) + " " + std::to_string(b); }

    std::vector<std::string> requests;
};

// The face's controls over a player with a virtual timer and a recording device. Nothing ticks unless a
// test asks, so everything the controls send is stamped at time 0.
class FaceControlsTest : public ::testing::Test {
  public:
    // A song of about eight minutes: one note held on channel 1, then the end.
    void load() {
        rig.load(SmfWriter(1, 480)
                     .track(join({{0x00, 0x90, 60, 100}, varLen(480 * 1000), {0x80, 60, 0}, endOfTrack()}))
                     .bytes());
        face.songLoaded = true;
    }
    // Loads, starts playback and marks every channel as having sounded; forgets what that sent and drew.
    void play() {
        load();
        rig.player.startPlayback();
        for (auto& played : rig.controls.channelPlayed) played.store(true);
        forget();
    }
    void forget() {
        rig.out.clear();
        drawing.requests.clear();
    }

    void click(const face::Rect& r) { controls.leftButtonDown(midX(r), midY(r)); }
    void clickCell(int channel, int column) { click(face::cellHot(channel, column)); }
    void clickToggle(int channel, int toggle) { click(face::toggleRect(channel, toggle)); }
    static int midX(const face::Rect& r) { return (r.left + r.right) / 2; }
    static int midY(const face::Rect& r) { return (r.top + r.bottom) / 2; }

    // What reached the device since the last forget(), one "time bytes" line each.
    Lines sent() const { return rig.lines(); }
    // A control change as the device records it: "0 B3 07 78".
    static std::string controlChange(int channel, int controller, int value) {
        return RecordingMidiOut::formatLine(
            {0, {uint8_t(0xB0 + channel), uint8_t(controller), uint8_t(value)}});
    }

    PlaybackRig rig;
    FaceState face;
    RecordingFaceDrawing drawing;
    std::vector<int> toneDialogs;  // the channels whose tone dialog a click opened
    FaceControls controls{face, rig.engine, drawing, [this](int channel) { toneDialogs.push_back(channel); }};
};
